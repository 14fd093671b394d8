// What only the Qt back end has to get right: the window flags and kinds Qt offers for a fixed
// frame with only a close button and for a window kept off the taskbar, the program icon of
// every window, the picture's pixmap in its sunken border, and a left-to-right layout whatever
// direction Qt is told. Everything else is in the conformance suite.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>

#include "conformance/qt/qt_driver.h"
#include "icon_sizes.h"

namespace quantaro::testing {
namespace {

// About is shown, so both windows are there to look at.
TEST(QtWindows, HaveAFixedSizeOnlyACloseButtonAndAboutIsAnOwnerlessModelessPlainWindow) {
    const auto program = startOnWindowSystem();
    program->pressAlt('a');
    for (const char* form : {"frmMain", "frmAbout"}) {
        const QDialog* shown = shownWindow(form);
        EXPECT_EQ(shown->minimumSize(), shown->size()) << form;
        EXPECT_EQ(shown->maximumSize(), shown->size()) << form;
        const Qt::WindowFlags flags = shown->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint)) << form;
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint)) << form;
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint)) << form;
        // Title bars, taskbars and switchers find the icon drawn at each of their sizes.
        QList<QSize> drawn;
        for (const int size : windowIconSizes) {
            drawn.append(QSize(size, size));
        }
        EXPECT_EQ(shown->windowIcon().availableSizes(), drawn) << form;
    }
    const QDialog* about = shownWindow("frmAbout");
    EXPECT_EQ(about->parentWidget(), nullptr);
    // Not a tool window: window managers keep those above their application's other windows.
    EXPECT_EQ(about->windowType(), Qt::Window);
    EXPECT_EQ(about->windowModality(), Qt::NonModal);
    EXPECT_EQ(shownWindow("frmMain")->windowType(), Qt::Window);
    // The picture shows the program icon in a sunken border.
    const auto& picture = dynamic_cast<QLabel&>(shownWidget("frmAbout", "picIcon"));
    EXPECT_EQ(picture.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(picture.frameShadow(), QFrame::Sunken);
}

// Told right to left (-reverse, or a right-to-left language's translation), Qt would mirror the
// insides of some controls (frame titles, the list) but not where the tables place them.
TEST(QtWindows, KeepEveryControlLeftToRightWhateverQtIsTold) {
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const auto program = startOnWindowSystem();
    program->pressAlt('a');
    for (const char* form : {"frmMain", "frmAbout"}) {
        const QDialog* shown = shownWindow(form);
        EXPECT_EQ(shown->layoutDirection(), Qt::LeftToRight) << form;
        for (const QWidget* part : shown->findChildren<QWidget*>()) {
            EXPECT_EQ(part->layoutDirection(), Qt::LeftToRight)
                << form << " " << part->metaObject()->className() << " "
                << part->objectName().toStdString();
        }
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace
}  // namespace quantaro::testing
