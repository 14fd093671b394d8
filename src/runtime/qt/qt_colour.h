// The program's colour values as Qt colours: RGB values as they are, system colours as the
// platform palette's colour of the same purpose.
#pragma once

#include <QColor>

#include "runtime/colour.h"
#include "runtime/contrast_paint.h"

namespace quantaro {

// Raises the runtime's invalid-argument error for a system colour index that does not exist.
QColor qtColour(Colour colour);
// The theme the application palette draws in. Qt tells of no contrast theme; its palette is
// the theme's colours already.
Theme qtTheme();

}  // namespace quantaro
