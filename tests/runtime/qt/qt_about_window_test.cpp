// The About window on the Qt back end: opening and closing it by every way there is, its
// keyboard and drawing, both windows' frames, and how the program ends with two windows.
#include <QLabel>
#include <QScreen>

#include "about/frm_about.h"
#include "app/frm_main.h"
#include "runtime/qt/qt_program.h"

namespace quantaro::testing {
namespace {

TEST_F(QtProgram, AltAOpensAboutWithItsLoadedTextsAndTheFocusOnOK) {
    press(Qt::Key_A, Qt::AltModifier);
    waitUntil([] { return window("frmAbout") != nullptr; });
    ASSERT_TRUE(QTest::qWaitForWindowActive(window("frmAbout")));
    EXPECT_EQ(window("frmAbout")->windowTitle(), "About Quantaro");
    EXPECT_EQ(widget<QLabel>("lblTitle", "frmAbout")->text(), "Quantaro");
    EXPECT_EQ(widget<QLabel>("lblVersion", "frmAbout")->text(), "Version 1.0.0");
    EXPECT_EQ(focused(), "cmdOK");
}

struct Closer {
    const char* name;
    std::function<void()> close;
};
void PrintTo(const Closer& row, std::ostream* out) {
    *out << row.name;
}

class AboutCloser : public QtProgram, public ::testing::WithParamInterface<Closer> {};

TEST_P(AboutCloser, UnloadsAboutAndLeavesTheConverterWindowRunning) {
    openAbout();
    GetParam().close();
    EXPECT_EQ(window("frmAbout"), nullptr);
    EXPECT_FALSE(isLoaded<frmAbout>());
    EXPECT_NE(window("frmMain"), nullptr);
    EXPECT_EQ(backend.quitRequests, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windows("frmAbout").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, AboutCloser,
    ::testing::Values(
        Closer{"Escape", [] { press(Qt::Key_Escape); }},
        Closer{"Enter", [] { press(Qt::Key_Return); }},
        Closer{"EnterOnThePicture",
               [] {
                   press(Qt::Key_Tab);
                   press(Qt::Key_Return);
               }},
        Closer{"ClickOnOK", [] { QTest::mouseClick(widget("cmdOK", "frmAbout"), Qt::LeftButton); }},
        Closer{"TitleBarClose", [] { window("frmAbout")->close(); }}),
    [](const auto& info) { return info.param.name; });

TEST_F(QtProgram, ReopeningAboutLoadsItAgain) {
    openAbout();
    press(Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    openAbout();
    // A window that was not loaded again would still carry the table's caption.
    EXPECT_EQ(window("frmAbout")->windowTitle(), "About Quantaro");
    EXPECT_EQ(widget<QLabel>("lblVersion", "frmAbout")->text(), "Version 1.0.0");
}

TEST_F(QtProgram, AboutClickedTwiceLeavesOneAboutWindow) {
    openAbout();
    QTest::mouseClick(widget("cmdAbout"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows("frmAbout").size(), 1);
}

TEST_F(QtProgram, TabGoesFromOKToThePictureToSystemInfoAndBack) {
    openAbout();
    QStringList visited = {focused()};
    for (int i = 0; i < 3; ++i) {
        press(Qt::Key_Tab);
        visited.push_back(focused());
    }
    EXPECT_EQ(visited, QStringList({"cmdOK", "picIcon", "cmdSysInfo", "cmdOK"}));
}

TEST_F(QtProgram, AltSStartsTheSystemInformationToolTheRegistryNames) {
    registry->setText(registry::localMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                      std::string("C:\\Tools\\MSINFO32.EXE") + '\0');
    openAbout();
    press(Qt::Key_S, Qt::AltModifier);
    waitUntil([this] { return !started.empty(); });
    EXPECT_EQ(started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    EXPECT_TRUE(messageBoxes.shown.empty());
}

TEST_F(QtProgram, SystemInfoWithoutTheToolSaysSoInAPlainBox) {
    openAbout();
    press(Qt::Key_S, Qt::AltModifier);
    waitUntil([this] { return !messageBoxes.shown.empty(); });
    EXPECT_EQ(messageBoxes.shown.front().text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(messageBoxes.shown.front().icon, QMessageBox::NoIcon);
    EXPECT_TRUE(started.empty());
    EXPECT_TRUE(isLoaded<frmAbout>());
}

TEST_F(QtProgram, BothWindowsOpenCentredOnTheScreenAtAFixedSizeWithOnlyACloseButton) {
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const auto isCentred = [&](const QWidget* shown) {
        return (shown->geometry().center() - screenCentre).manhattanLength() <= 1;
    };
    EXPECT_TRUE(isCentred(window("frmMain")));
    // About opens in the middle of the screen, wherever the converter window is.
    window("frmMain")->move(0, 0);
    openAbout();
    EXPECT_TRUE(isCentred(window("frmAbout")));

    struct Frame {
        const char* form;
        const char* caption;
        QSize size;
    };
    const Frame frames[] = {{"frmMain", "Quantaro", {426, 386}},
                            {"frmAbout", "About Quantaro", {382, 237}}};
    for (const Frame& frame : frames) {
        const QDialog* shown = window(frame.form);
        EXPECT_EQ(shown->windowTitle(), frame.caption);
        EXPECT_EQ(shown->size(), frame.size) << frame.form;
        EXPECT_EQ(shown->minimumSize(), frame.size) << frame.form;
        EXPECT_EQ(shown->maximumSize(), frame.size) << frame.form;
        const Qt::WindowFlags flags = shown->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint)) << frame.form;
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint)) << frame.form;
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint)) << frame.form;
    }
}

// Not a tool window: window managers keep those above their application's other windows, and
// the converter window must be able to come in front of About.
TEST_F(QtProgram, AboutIsAModelessOrdinaryWindowWithNoOwnerLikeTheConverterWindow) {
    openAbout();
    const QDialog* about = window("frmAbout");
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_EQ(about->windowType(), Qt::Window);
    EXPECT_EQ(about->windowModality(), Qt::NonModal);
    EXPECT_EQ(window("frmMain")->windowType(), Qt::Window);
}

TEST_F(QtProgram, AboutPictureShowsTheProgramIconInASunkenBorderSizedToIt) {
    openAbout();
    const auto* picture = widget<QLabel>("picIcon", "frmAbout");
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(picture->geometry(), QRect(16, 16, 36, 36));
}

TEST_F(QtProgram, AboutDrawsItsEtchedRuleGreyOverWhite) {
    openAbout();
    const QImage drawn = window("frmAbout")->grab().toImage();
    const auto colourAt = [&](int x, int y) { return QColor(drawn.pixel(x, y)); };
    const QColor grey(0x80, 0x80, 0x80);
    const QColor background = colourAt(200, 150);
    EXPECT_EQ(colourAt(200, 162), background);
    EXPECT_EQ(colourAt(200, 163), grey);
    EXPECT_EQ(colourAt(200, 164), QColor(Qt::white));
    EXPECT_EQ(colourAt(200, 165), QColor(Qt::white));
    EXPECT_EQ(colourAt(200, 166), background);
    // Each line runs from its first point up to, not onto, its last.
    EXPECT_EQ(colourAt(6, 163), grey);
    EXPECT_EQ(colourAt(376, 163), grey);
    EXPECT_EQ(colourAt(377, 163), background);
}

TEST_F(QtProgram, AltXWithAboutOpenClosesBothWindowsAndEndsTheProgram) {
    openAbout();
    window("frmMain")->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window("frmMain")));
    press(Qt::Key_X, Qt::AltModifier);
    waitUntil([this] { return backend.quitRequests > 0; });
    EXPECT_EQ(window("frmMain"), nullptr);
    EXPECT_EQ(window("frmAbout"), nullptr);
    EXPECT_EQ(backend.quitRequests, 1);
}

TEST_F(QtProgram, ClosingTheConverterFromItsTitleBarEndsTheProgramOnlyWithAbout) {
    openAbout();
    window("frmMain")->close();
    EXPECT_EQ(window("frmMain"), nullptr);
    EXPECT_FALSE(isLoaded<frmMain>());
    EXPECT_NE(window("frmAbout"), nullptr);
    EXPECT_EQ(backend.quitRequests, 0);
    window("frmAbout")->close();
    EXPECT_EQ(window("frmAbout"), nullptr);
    EXPECT_EQ(backend.quitRequests, 1);
}

}  // namespace
}  // namespace quantaro::testing
