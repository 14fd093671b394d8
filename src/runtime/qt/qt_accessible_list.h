// The accessible face of the drop-down list on Qt. Qt's own gives a combo box's chosen entry
// as its name on Linux, where a label is expected to say what the list is; the program's list
// keeps the name its layout plan gives it, and the chosen entry is its value. A choice made
// with the keys while the list is closed is told to screen readers as the focus on that entry.
#pragma once

class QComboBox;

namespace quantaro {

// Makes screen readers see this list under its accessible name, whatever entry is chosen,
// and hear each entry chosen while the list has the focus.
void keepAccessibleName(QComboBox& list);

}  // namespace quantaro
