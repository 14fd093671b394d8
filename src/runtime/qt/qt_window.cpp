// Building a window from its layout table: parents, stacking, buttons and the tab chain.
#include "runtime/qt/qt_window.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <stdexcept>

#include "runtime/run_time_error.h"

namespace quantaro {

namespace {

QScreen& screen() {
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) {
        throw std::runtime_error("there is no screen to show a window on");
    }
    return *primary;
}

}  // namespace

QtWindow::QtWindow(const FormLayout& layout, WindowEvents& events) : layout_(layout) {
    const TwipScale scale(screen().logicalDotsPerInch());
    dialog_.reset(new QtDialog(layout, events, scale));
    // Qt stacks each new child above its earlier siblings, so building the rows in table order
    // lays each row above the rows before it.
    for (const ControlLayout& row : layout.controls) {
        controls_.push_back(createControl(row, containerOf(row), scale));
        QWidget& widget = controls_.back()->widget();
        if (auto* button = qobject_cast<QPushButton*>(&widget)) {
            dialog_->addButton(*button, row);
        }
    }
    orderTabs();
}

QWidget& QtWindow::containerOf(const ControlLayout& layout) {
    if (layout.container.empty()) {
        return *dialog_;
    }
    for (const auto& control : controls_) {
        if (control->layout().name == layout.container &&
            control->layout().kind == ControlKind::Frame) {
            return control->widget();
        }
    }
    throw std::logic_error(std::string(layout_.name) + "." + std::string(layout.name) +
                           ": its container must be a frame earlier in the table");
}

void QtWindow::orderTabs() {
    std::vector<const QtControl*> chain;
    for (const auto& control : controls_) {
        if ((control->widget().focusPolicy() & Qt::TabFocus) != 0) {
            chain.push_back(control.get());
        }
    }
    std::stable_sort(chain.begin(), chain.end(), [](const QtControl* a, const QtControl* b) {
        return a->layout().tabIndex < b->layout().tabIndex;
    });
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(&chain[i - 1]->widget(), &chain[i]->widget());
    }
    if (!chain.empty()) {
        firstInTabOrder_ = &chain.front()->widget();
    }
}

QtControl& QtWindow::control(std::string_view name) {
    for (const auto& control : controls_) {
        if (control->layout().name == name) {
            return *control;
        }
    }
    throw RunTimeError::noSuchControl();
}

void QtWindow::setCaption(const std::string& caption) {
    dialog_->setWindowTitle(QString::fromStdString(caption));
}

void QtWindow::show() {
    // QDialog centres a window that has no parent on the screen the first time it shows it.
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    if (!shown_ && firstInTabOrder_ != nullptr) {
        firstInTabOrder_->setFocus(Qt::ActiveWindowFocusReason);
    }
    shown_ = true;
}

}  // namespace quantaro
