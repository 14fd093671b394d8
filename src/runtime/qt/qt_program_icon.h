// The program icon, made at build time from its SVG source in several sizes: the whole set for
// window title bars and the task bar, which pick the size they show; and the About window's
// 32 x 32 picture. It does not draw anything itself.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace quantaro {

// Needs the QApplication, which keeps the set once it is made.
QIcon programIcon();
// A square picture of the icon, size pixels wide, taken from the set at the screen's pixel ratio
// so that it stays sharp where Qt scales the window.
QPixmap programPicture(int size, qreal devicePixelRatio);

}  // namespace quantaro
