// The program on the Qt back end, on Qt's offscreen platform: real key and mouse events through
// QTest to the focused widget, message boxes answered with Enter as soon as they run their
// modal loop. Widgets are found by the names the layout tables give them.
#pragma once

#include <QDialog>

#include "conformance/program_driver.h"

namespace quantaro::testing {

// A form's visible window (or nullptr) and its widgets, for the Qt back end's own tests.
QDialog* shownWindow(std::string_view form);
QWidget& shownWidget(std::string_view form, std::string_view control);

}  // namespace quantaro::testing
