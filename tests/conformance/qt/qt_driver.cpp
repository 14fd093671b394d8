// Driving the Qt back end with QTest. The Linux build runs the suite on it and on the headless
// double.
#include "conformance/qt/qt_driver.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <map>
#include <optional>
#include <stdexcept>

#include "app/start_up.h"
#include "conformance/qt/qt_text_room.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/qt/qt_colour.h"
#include "runtime/qt/qt_dialog.h"

namespace quantaro::testing {

namespace {

QString qtName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

Rect rectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

Rgb rgbOf(const QColor& colour) {
    return colour.rgb() & 0xFFFFFFu;
}

// Window activation reaches the widgets as queued window-system events; access keys click
// after Qt's short press animation. A user's next act comes after both.
void settle() {
    const auto buttonHeldDown = [] {
        const auto buttons = qApp->activeWindow() == nullptr
                                 ? QList<QPushButton*>()
                                 : qApp->activeWindow()->findChildren<QPushButton*>();
        return std::any_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isDown(); });
    };
    if (!QTest::qWaitFor([&] { return !buttonHeldDown(); })) {
        throw std::runtime_error("a button stayed pressed");
    }
    QCoreApplication::processEvents();
}

// What screen readers were told of: Qt hands its accessibility events to one function.
std::map<std::string, int> descriptionNoticesByControl;
void recordAccessibilityEvent(QAccessibleEvent* event) {
    if (event->type() == QAccessible::DescriptionChanged && event->object() != nullptr) {
        ++descriptionNoticesByControl[event->object()->objectName().toStdString()];
    }
}

// One application object serves every program the process starts; it goes when the tests are
// over, before main returns, as Qt wants.
struct QtApplication final : ::testing::Environment {
    void TearDown() override { application.reset(); }
    int argc = 1;
    char name[15] = "quantaro_tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application = std::make_unique<QApplication>(argc, argv);
};

// Ending the program is counted instead of leaving Qt's loop, which the tests never enter.
struct QuitCountingBackend final : QtBackend {
    void quit(int status) override {
        ++quitRequests;
        exitStatus = status;
    }
    int quitRequests = 0;
    int exitStatus = 0;
};

// The application's font is the platform theme's; a desktop that makes it larger hands Qt the
// larger one, as this does for as long as one program runs.
class LargerFont {
  public:
    explicit LargerFont(double factor) : platformFont_(QApplication::font()), factor_(factor) {
        if (factor_ != 1) {
            QFont larger = platformFont_;
            larger.setPointSizeF(platformFont_.pointSizeF() * factor_);
            QApplication::setFont(larger);
        }
    }
    LargerFont(const LargerFont&) = delete;
    LargerFont& operator=(const LargerFont&) = delete;
    ~LargerFont() {
        if (factor_ != 1) {
            QApplication::setFont(platformFont_);
        }
    }

  private:
    QFont platformFont_;
    double factor_;
};

void startApplicationOnce() {
    if (QApplication::instance() == nullptr) {
        ::testing::AddGlobalTestEnvironment(new QtApplication);
    }
}

class QtDriver final : public WindowDriver {
  public:
    explicit QtDriver(double fontFactor = 1) : font_((startApplicationOnce(), fontFactor)) {
        QObject::connect(&messageBoxPoll_, &QTimer::timeout, [this] { answerMessageBox(); });
        messageBoxPoll_.start(10);
        QObject::connect(qApp, &QApplication::focusChanged, &messageBoxPoll_,
                         [this](QWidget*, QWidget* now) {
                             if (now != nullptr && now->window()->objectName().startsWith("frm")) {
                                 lastFocused_ = now;
                             }
                         });
        descriptionNoticesByControl.clear();
        QAccessible::installUpdateHandler(recordAccessibilityEvent);
        QAccessible::setActive(true);
        application_ = std::make_unique<Application>(backend_, services());
        startUp(*application_);
        activate("frmMain");
    }
    ~QtDriver() override {
        if (lightPalette_) {
            QApplication::setPalette(*lightPalette_);
        }
        application_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Application& application() override { return *application_; }
    void click(std::string_view form, std::string_view control) override {
        activate(form);
        QTest::mouseClick(&shownWidget(form, control), Qt::LeftButton);
        settle();
    }
    void closeFromTitleBar(std::string_view form) override {
        shownWindow(form)->close();
        settle();
    }
    std::string caption(std::string_view form, std::string_view control) override {
        if (control.empty()) {
            return shownWindow(form)->windowTitle().toStdString();
        }
        const QWidget& shown = shownWidget(form, control);
        return shown.property(shown.inherits("QGroupBox") ? "title" : "text")
            .toString()
            .toStdString();
    }
    std::vector<std::string> items(std::string_view control) override {
        const auto& list = dynamic_cast<QComboBox&>(shownWidget("frmMain", control));
        std::vector<std::string> entries;
        for (int i = 0; i < list.count(); ++i) {
            entries.push_back(list.itemText(i).toStdString());
        }
        return entries;
    }
    // A message box leaves no window active on the offscreen platform, where a window manager
    // would give the activation back; the focus is then where the last focused window keeps it.
    std::string focused() override {
        const QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr && lastFocused_ != nullptr && lastFocused_->window()->isVisible()) {
            focus = lastFocused_->window()->focusWidget();
        }
        return focus == nullptr ? "" : focus->objectName().toStdString();
    }
    std::vector<std::string> windows() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::vector<std::string> forms;
        for (const QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName().startsWith("frm")) {
                forms.push_back(top->objectName().toStdString());
            }
        }
        return forms;
    }
    bool isVisible(std::string_view form) override { return shownWindow(form) != nullptr; }
    // Qt has no word for it, and the offscreen platform no taskbar: whether the window keeps
    // the entry the back end asks X11 window managers for (the absent skip-taskbar state).
    bool isOnTaskbar(std::string_view form) override {
        return dynamic_cast<const QtDialog&>(*shownWindow(form)).isOnTaskbar();
    }
    int endRequests() override { return backend_.quitRequests; }
    int exitStatus() override { return backend_.exitStatus; }

    void press(Key key) override {
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> strokes[] = {
            {Qt::Key_Return, {}}, {Qt::Key_Escape, {}}, {Qt::Key_Tab, {}},  {Qt::Key_Backspace, {}},
            {Qt::Key_Delete, {}}, {Qt::Key_Home, {}},   {Qt::Key_Down, {}}, {Qt::Key_A, ctrl},
            {Qt::Key_C, ctrl},    {Qt::Key_X, ctrl},    {Qt::Key_V, ctrl}};
        const auto [qtKey, modifiers] = strokes[static_cast<int>(key)];
        QTest::keyClick(QApplication::focusWidget(), qtKey, modifiers);
        settle();
    }
    void type(std::string_view characters) override {
        QTest::keyClicks(QApplication::focusWidget(), qtName(characters));
    }
    void pressAlt(char letter) override {
        QTest::keyClick(QApplication::focusWidget(), letter, Qt::AltModifier);
        settle();
    }
    void focus(std::string_view form, std::string_view control) override {
        activate(form);
        shownWidget(form, control).setFocus(Qt::MouseFocusReason);
    }
    void activate(std::string_view form) override {
        QDialog* shown = shownWindow(form);
        shown->activateWindow();
        if (!QTest::qWaitForWindowActive(shown)) {
            throw std::runtime_error(std::string(form) + " did not become the active window");
        }
    }
    void moveTo(std::string_view form, int left, int top) override {
        shownWindow(form)->move(left, top);
    }

    int dotsPerInch() override {
        return static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInch());
    }
    Rect bounds(std::string_view form, std::string_view control) override {
        const QWidget& shown = control.empty() ? *shownWindow(form) : shownWidget(form, control);
        return rectOf(QRect(shown.mapTo(shownWindow(form), QPoint(0, 0)), shown.size()));
    }
    Rect frame(std::string_view form) override {
        return rectOf(shownWindow(form)->frameGeometry());
    }
    Rect workArea() override {
        return rectOf(QGuiApplication::primaryScreen()->availableGeometry());
    }
    int widestWord(std::string_view form, std::string_view control) override {
        const QFontMetrics metrics(shownWidget(form, control).font());
        int widest = 0;
        for (const QString& word : qtName(caption(form, control)).split(' ')) {
            widest = std::max(widest, metrics.horizontalAdvance(word));
        }
        return widest;
    }
    TextRoom textRoom(std::string_view form, std::string_view control) override {
        return textRoomOf(shownWidget(form, control));
    }
    // Qt paints a parent before its children and a child before its later siblings: in the
    // order in which findChildren walks the tree.
    bool liesAbove(std::string_view form, std::string_view upper, std::string_view lower) override {
        const QList<QWidget*> painted = shownWindow(form)->findChildren<QWidget*>();
        return painted.indexOf(&shownWidget(form, upper)) >
               painted.indexOf(&shownWidget(form, lower));
    }
    std::string activeWindow() override {
        const QWidget* active = QApplication::activeWindow();
        return active == nullptr ? "" : active->objectName().toStdString();
    }

    Rgb pixel(std::string_view form, int x, int y) override {
        return rgbOf(shownWindow(form)->grab().toImage().pixel(x, y));
    }
    Paint paint(std::string_view form, std::string_view control) override {
        const QWidget& widget = shownWidget(form, control);
        const QPalette palette = widget.palette();
        return {rgbOf(palette.color(widget.foregroundRole())),
                rgbOf(palette.color(widget.backgroundRole()))};
    }
    Rgb rgb(Colour colour) override { return rgbOf(qtColour(colour)); }
    bool assumeContrastTheme(bool on) override { return !on; }
    void assumeDarkScheme() override {
        lightPalette_ = QApplication::palette();
        QPalette dark = *lightPalette_;
        for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
            dark.setColor(role, QColor(0x32, 0x32, 0x32));
        }
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            dark.setColor(role, Qt::white);
        }
        dark.setColor(QPalette::Dark, QColor(0x21, 0x21, 0x21));
        dark.setColor(QPalette::Light, QColor(0x4B, 0x4B, 0x4B));
        QApplication::setPalette(dark);
    }

    Accessible accessible(std::string_view form, std::string_view control) override {
        QWidget& widget = control.empty() ? *shownWindow(form) : shownWidget(form, control);
        const QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&widget);
        return {shown->text(QAccessible::Name).toStdString(),
                shown->text(QAccessible::Value).toStdString(),
                shown->text(QAccessible::Description).toStdString()};
    }
    bool screenReadersSpeakListValues() override { return false; }
    std::string namedByLabel(std::string_view form, std::string_view label) override {
        const auto named = QAccessible::queryAccessibleInterface(&shownWidget(form, label))
                               ->relations(QAccessible::Labelled);
        return named.isEmpty() ? "" : named.front().first->object()->objectName().toStdString();
    }
    // Qt passes accessibility events on only while a platform's accessibility bridge is
    // active, and the offscreen platform has none.
    std::optional<int> descriptionNotices(std::string_view control) override {
        if (!QAccessible::isActive()) {
            return std::nullopt;
        }
        return descriptionNoticesByControl[std::string(control)];
    }

  private:
    void answerMessageBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        using enum MessageIcon;  // in the order of Qt's icons
        static const MessageIcon icons[] = {None, Information, Exclamation, Critical, Question};
        boxes.push_back(
            {box->windowTitle().toStdString(), box->text().toStdString(), icons[box->icon()],
             box->buttons().size() == 1, box->windowModality() == Qt::ApplicationModal,
             box->parentWidget() ? box->parentWidget()->objectName().toStdString() : ""});
        QTest::keyClick(box, Qt::Key_Return);
    }

    LargerFont font_;
    std::optional<QPalette> lightPalette_;
    QuitCountingBackend backend_;
    std::unique_ptr<Application> application_;
    QTimer messageBoxPoll_;
    QPointer<QWidget> lastFocused_;
};

}  // namespace

const char* const windowSystem = "Qt";

std::unique_ptr<WindowDriver> startOnWindowSystem() {
    return std::make_unique<QtDriver>();
}

std::unique_ptr<WindowDriver> startOnWindowSystemWithLargerFont(double fontFactor) {
    return std::make_unique<QtDriver>(fontFactor);
}

QDialog* shownWindow(std::string_view form) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == qtName(form) && top->isVisible()) {
            return qobject_cast<QDialog*>(top);
        }
    }
    return nullptr;
}

QWidget& shownWidget(std::string_view form, std::string_view control) {
    QDialog* shown = shownWindow(form);
    QWidget* found = shown == nullptr ? nullptr : shown->findChild<QWidget*>(qtName(control));
    if (found == nullptr) {
        throw std::logic_error(std::string(form) + "." + std::string(control) + " is not shown");
    }
    return *found;
}

}  // namespace quantaro::testing
