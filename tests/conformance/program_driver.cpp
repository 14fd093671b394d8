// What every driver shares: the tests' services and the program's own controls.
#include "conformance/program_driver.h"

#include <ostream>
#include <stdexcept>

#include "about/frm_about.h"
#include "app/frm_main.h"

namespace quantaro::testing {

Form& ProgramDriver::form(std::string_view name) {
    if (name != frmMain::layout.name && name != frmAbout::layout.name) {
        throw std::logic_error("the program has no form " + std::string(name));
    }
    return name == frmMain::layout.name ? static_cast<Form&>(application().form<frmMain>())
                                        : application().form<frmAbout>();
}

void ProgramDriver::fill(std::string_view control, const std::string& text) {
    form("frmMain").control(control).setText(text);
}

std::string ProgramDriver::text(std::string_view control) {
    return form("frmMain").control(control).text();
}

SystemServices ProgramDriver::services() {
    return {.registry = registry,
            .isFile = [](const std::string&) { return true; },
            .startProgram = [this](const std::string& path) { started.push_back(path); }};
}

std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << '(' << r.left << ',' << r.top << ") " << r.width << 'x' << r.height;
}

}  // namespace quantaro::testing
