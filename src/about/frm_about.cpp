// The About window's load handler and its OK button.
#include "about/frm_about.h"

#include "runtime/app_facts.h"
#include "runtime/number_text.h"

namespace quantaro {

frmAbout::frmAbout(Application& application)
    : Form(application, layout), application_(application) {
    onClick("cmdOK", [this] { cmdOK_Click(); });
    onClick("cmdSysInfo", [this] { cmdSysInfo_Click(); });
}

void frmAbout::Form_Load() {
    setCaption("About " + std::string(app::Title));
    lblVersion->setCaption("Version " + textFromInteger(app::Major) + "." +
                           textFromInteger(app::Minor) + "." + textFromInteger(app::Revision));
    lblTitle->setCaption(std::string(app::Title));
}

void frmAbout::cmdOK_Click() {
    Unload();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

}  // namespace quantaro
