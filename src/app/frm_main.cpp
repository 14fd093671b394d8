// Start-up fill of the unit list and the converter window's buttons.
#include "app/frm_main.h"

#include "about/frm_about.h"

namespace quantaro {

const frmMain::Unit frmMain::units[6] = {
    {"Bits", &frmMain::SubBits},
    {"Bytes", &frmMain::SubBytes},
    {"Killobytes (KB)", &frmMain::SubKillobytes},
    {"Megabytes (MB)", &frmMain::SubMegabytes},
    {"Gigabytes (GB)", &frmMain::SubGigabytes},
    {"Terrabytes (TB)", &frmMain::SubTerrabytes},
};

frmMain::frmMain(Application& application) : Form(application, layout), application_(application) {
    onClick("cmdConvert", [this] { cmdConvert_Click(); });
    onClick("cmdAbout", [this] { cmdAbout_Click(); });
    onClick("cmdExit", [this] { cmdExit_Click(); });
}

void frmMain::Form_Load() {
    for (const Unit& unit : units) {
        cboUnit->addItem(std::string(unit.text));
    }
}

void frmMain::cmdConvert_Click() {
    const std::string unitText = cboUnit->text();
    if (unitText.empty()) {
        application().msgBox("Select a Unit", msgbox::exclamation);
        cboUnit->setFocus();
        return;
    }
    // A text that matches no entry selects nothing; the drop-down list cannot produce one.
    for (const Unit& unit : units) {
        if (unitText == unit.text) {
            (this->*unit.routine)();
            return;
        }
    }
}

void frmMain::cmdAbout_Click() {
    application().form<frmAbout>().Show();
}

void frmMain::cmdExit_Click() {
    application().End();
}

}  // namespace quantaro
