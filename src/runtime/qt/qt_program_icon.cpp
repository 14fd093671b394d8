// The program icon from the Qt resource the build compiles in: one PNG per size, rendered from
// the SVG source, so no size is scaled from another at run time.
#include "runtime/qt/qt_program_icon.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPixmap>
#include <QVariant>

#include "icon_sizes.h"

// The resource lives in a library of its own, which nothing else refers to; naming it here
// keeps the linker from leaving it out. The macro must stand outside any namespace.
static void initialiseIconResource() {
    Q_INIT_RESOURCE(program_icons);
}

namespace quantaro {

namespace {

// Each file is read as the PNG it is: a reader left to find the format out would first load
// every image-format plugin installed, to ask each whether the file is its kind. Runs once,
// for programIcon below.
QIcon loadIconSet() {
    initialiseIconResource();
    QIcon icon;
    for (const int size : windowIconSizes) {
        QImageReader reader(QStringLiteral(":/icons/quantaro_%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

}  // namespace

// The application object keeps the set, so the windows, the About picture and the application
// share one decoded copy, which goes with the application.
QIcon programIcon() {
    constexpr const char* kept = "quantaroProgramIcon";
    QVariant icon = qApp->property(kept);
    if (!icon.isValid()) {
        icon = loadIconSet();
        qApp->setProperty(kept, icon);
    }
    return icon.value<QIcon>();
}

QPixmap programPicture(int size, qreal devicePixelRatio) {
    return programIcon().pixmap(QSize(size, size), devicePixelRatio);
}

}  // namespace quantaro
