// The program icon for window title bars, the task bar and the About window's picture.
#pragma once

#include <QPixmap>

namespace quantaro {

QPixmap programIcon();

}  // namespace quantaro
