// Driving the Qt back end with QTest. The Linux build runs the suite on it and on the headless
// double.
#include "conformance/qt/qt_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <map>
#include <stdexcept>

#include "app/start_up.h"
#include "conformance/headless/headless_driver.h"
#include "runtime/qt/qt_colour.h"

namespace quantaro::testing {

std::vector<DriverMaker<WindowDriver>> windowDrivers() {
    return {{"Qt", [] { return std::make_unique<QtDriver>(); }}};
}

std::vector<DriverMaker<ProgramDriver>> programDrivers() {
    return {{"Qt", [] { return std::make_unique<QtDriver>(); }},
            {"Headless", [] { return std::make_unique<HeadlessDriver>(); }}};
}

namespace {

QString qtName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

Rect rectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// Window activation reaches the widgets as queued window-system events; access keys click
// after Qt's short press animation. A user's next act comes after both.
void settle() {
    const auto anyButtonDown = [] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            for (const QPushButton* button : top->findChildren<QPushButton*>()) {
                if (button->isDown()) {
                    return true;
                }
            }
        }
        return false;
    };
    if (!QTest::qWaitFor([&] { return !anyButtonDown(); })) {
        throw std::runtime_error("a button stayed pressed");
    }
    QCoreApplication::processEvents();
}

}  // namespace

QtDriver::QtDriver() {
    QObject::connect(&messageBoxPoll_, &QTimer::timeout, [this] { answerMessageBox(); });
    messageBoxPoll_.start(10);
    QObject::connect(qApp, &QApplication::focusChanged, &messageBoxPoll_,
                     [this](QWidget*, QWidget* now) {
                         if (now != nullptr && now->window()->objectName().startsWith("frm")) {
                             lastFocused_ = now;
                         }
                     });
    application_ = std::make_unique<Application>(backend_, services());
    startUp(*application_);
    activate("frmMain");
}

QtDriver::~QtDriver() {
    application_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtDriver::answerMessageBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    static const std::map<QMessageBox::Icon, MessageIcon> icons = {
        {QMessageBox::NoIcon, MessageIcon::None},
        {QMessageBox::Critical, MessageIcon::Critical},
        {QMessageBox::Question, MessageIcon::Question},
        {QMessageBox::Warning, MessageIcon::Exclamation},
        {QMessageBox::Information, MessageIcon::Information}};
    boxes.push_back({box->windowTitle().toStdString(), box->text().toStdString(),
                     icons.at(box->icon()), box->buttons().size() == 1,
                     box->windowModality() == Qt::ApplicationModal});
    QTest::keyClick(box, Qt::Key_Return);
}

QDialog* QtDriver::window(std::string_view form) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == qtName(form) && top->isVisible()) {
            return qobject_cast<QDialog*>(top);
        }
    }
    return nullptr;
}

QWidget& QtDriver::widget(std::string_view form, std::string_view control) {
    QDialog* shown = window(form);
    QWidget* found = shown == nullptr ? nullptr : shown->findChild<QWidget*>(qtName(control));
    if (found == nullptr) {
        throw std::logic_error(std::string(form) + "." + std::string(control) + " is not shown");
    }
    return *found;
}

void QtDriver::click(std::string_view form, std::string_view control) {
    activate(form);
    QTest::mouseClick(&widget(form, control), Qt::LeftButton);
    settle();
}

void QtDriver::closeFromTitleBar(std::string_view form) {
    window(form)->close();
    settle();
}

std::string QtDriver::caption(std::string_view form, std::string_view control) {
    if (control.empty()) {
        return window(form)->windowTitle().toStdString();
    }
    QWidget& shown = widget(form, control);
    if (const auto* frame = qobject_cast<QGroupBox*>(&shown)) {
        return frame->title().toStdString();
    }
    if (const auto* label = qobject_cast<QLabel*>(&shown)) {
        return label->text().toStdString();
    }
    return dynamic_cast<QPushButton&>(shown).text().toStdString();
}

std::vector<std::string> QtDriver::items(std::string_view control) {
    const auto& list = dynamic_cast<QComboBox&>(widget("frmMain", control));
    std::vector<std::string> entries;
    for (int i = 0; i < list.count(); ++i) {
        entries.push_back(list.itemText(i).toStdString());
    }
    return entries;
}

// A message box leaves no window active on the offscreen platform, where a window manager
// would give the activation back; the focus is then where the last focused window keeps it.
std::string QtDriver::focused() {
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr && lastFocused_ != nullptr && lastFocused_->window()->isVisible()) {
        focus = lastFocused_->window()->focusWidget();
    }
    return focus == nullptr ? "" : focus->objectName().toStdString();
}

std::vector<std::string> QtDriver::windows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<std::string> forms;
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName().startsWith("frm")) {
            forms.push_back(top->objectName().toStdString());
        }
    }
    return forms;
}

void QtDriver::press(Key key) {
    static const std::pair<Qt::Key, Qt::KeyboardModifiers> strokes[] = {
        {Qt::Key_Return, {}},
        {Qt::Key_Escape, {}},
        {Qt::Key_Tab, {}},
        {Qt::Key_Backspace, {}},
        {Qt::Key_Delete, {}},
        {Qt::Key_Home, {}},
        {Qt::Key_End, {}},
        {Qt::Key_Down, {}},
        {Qt::Key_A, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_V, Qt::ControlModifier}};
    const auto [qtKey, modifiers] = strokes[static_cast<int>(key)];
    QTest::keyClick(QApplication::focusWidget(), qtKey, modifiers);
    settle();
}

void QtDriver::type(std::string_view characters) {
    QTest::keyClicks(QApplication::focusWidget(), qtName(characters));
}

void QtDriver::pressAlt(char letter) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<char>(std::tolower(letter)),
                    Qt::AltModifier);
    settle();
}

void QtDriver::focus(std::string_view form, std::string_view control) {
    activate(form);
    widget(form, control).setFocus(Qt::MouseFocusReason);
}

void QtDriver::activate(std::string_view form) {
    QDialog* shown = window(form);
    shown->activateWindow();
    if (!QTest::qWaitForWindowActive(shown)) {
        throw std::runtime_error(std::string(form) + " did not become the active window");
    }
}

std::string QtDriver::clipboard() {
    return QGuiApplication::clipboard()->text().toStdString();
}

int QtDriver::dotsPerInch() {
    return static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInch());
}

Rect QtDriver::bounds(std::string_view form, std::string_view control) {
    const QWidget& shown = widget(form, control);
    return rectOf(QRect(shown.mapTo(window(form), QPoint(0, 0)), shown.size()));
}

Rect QtDriver::clientArea(std::string_view form) {
    return rectOf(window(form)->geometry());
}

Rect QtDriver::frame(std::string_view form) {
    return rectOf(window(form)->frameGeometry());
}

Rect QtDriver::workArea() {
    return rectOf(QGuiApplication::primaryScreen()->availableGeometry());
}

int QtDriver::widestWord(std::string_view form, std::string_view control) {
    const QFontMetrics metrics(widget(form, control).font());
    int widest = 0;
    for (const QString& word : qtName(caption(form, control)).split(' ', Qt::SkipEmptyParts)) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}

// A child lies over its parent, and a later sibling over an earlier one.
bool QtDriver::liesAbove(std::string_view form, std::string_view upper, std::string_view lower) {
    const QWidget* a = &widget(form, upper);
    const QWidget* b = &widget(form, lower);
    if (b->isAncestorOf(a) || a->isAncestorOf(b)) {
        return b->isAncestorOf(a);
    }
    while (a->parentWidget() != b->parentWidget()) {
        if (a->parentWidget()->isAncestorOf(b)) {
            b = b->parentWidget();
        } else {
            a = a->parentWidget();
        }
    }
    const QObjectList siblings = a->parentWidget()->children();
    return siblings.indexOf(a) > siblings.indexOf(b);
}

std::string QtDriver::activeWindow() {
    const QWidget* active = QApplication::activeWindow();
    return active == nullptr ? "" : active->objectName().toStdString();
}

Rgb QtDriver::pixel(std::string_view form, int x, int y) {
    return window(form)->grab().toImage().pixel(x, y) & 0xFFFFFFu;
}

Paint QtDriver::paint(std::string_view control) {
    const QPalette palette = widget("frmMain", control).palette();
    return {palette.color(QPalette::Text).rgb() & 0xFFFFFFu,
            palette.color(QPalette::Base).rgb() & 0xFFFFFFu};
}

Rgb QtDriver::rgb(Colour colour) {
    return qtColour(colour).rgb() & 0xFFFFFFu;
}

}  // namespace quantaro::testing
