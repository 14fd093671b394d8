// The About window's handlers: its load, which fills in the title and version, and its two
// buttons. (The system-information launcher is in sys_info.cpp.)
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
    const std::string title(app::Title);
    const std::string version = "Version " + textFromInteger(app::Major) + "." +
                                textFromInteger(app::Minor) + "." + textFromInteger(app::Revision);
    setCaption("About " + title);
    lblVersion->setCaption(version);
    lblTitle->setCaption(title);
    // Screen readers pass over short labels such as these two; as the window's description they
    // are read when the window opens.
    setDescription(title + ", " + version);
}

void frmAbout::cmdOK_Click() {
    Unload();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

}  // namespace quantaro
