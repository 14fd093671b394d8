// The one XPM picture of the program icon, read by Qt's own XPM reader; this is the only file
// that includes it, so the picture is compiled once.
#include "runtime/qt/qt_program_icon.h"

#include "resources/quantaro_icon.xpm"

namespace quantaro {

QPixmap programIcon() {
    return QPixmap(quantaro_icon_xpm);
}

}  // namespace quantaro
