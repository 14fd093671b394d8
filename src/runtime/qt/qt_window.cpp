// Building a window from its plan: parents, stacking, buttons and the tab chain.
#include "runtime/qt/qt_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace quantaro {

QtWindow::QtWindow(const LayoutPlan& plan, WindowEvents& events)
    : plan_(plan), dialog_(new QtDialog(plan, events)) {
    // Qt stacks each new child above its earlier siblings, so building the rows in table order
    // lays each row above the rows before it.
    for (std::size_t index = 0; index < plan.controls().size(); ++index) {
        const ControlPlan& control = plan.control(index);
        QWidget& parent = control.frame ? controls_.at(*control.frame)->widget() : *dialog_;
        controls_.push_back(createControl(control, parent));
        if (auto* button = qobject_cast<QPushButton*>(&controls_.back()->widget())) {
            dialog_->addButton(*button, index);
        }
    }
    // A label tells screen readers which box it names.
    for (std::size_t index = 0; index < plan.controls().size(); ++index) {
        if (const auto named = plan.control(index).labelFor) {
            static_cast<QLabel&>(controls_[index]->widget()).setBuddy(&controls_[*named]->widget());
        }
    }
    const std::vector<std::size_t>& chain = plan.tabChain();
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(&controls_[chain[i - 1]]->widget(), &controls_[chain[i]]->widget());
    }
}

void QtWindow::setCaption(const std::string& caption) {
    dialog_->setWindowTitle(QString::fromStdString(caption));
}

std::string QtWindow::description() const {
    return dialog_->accessibleDescription().toStdString();
}

void QtWindow::setDescription(const std::string& description) {
    dialog_->setAccessibleDescription(QString::fromStdString(description));
}

void QtWindow::show() {
    if (!shown_) {
        dialog_->centreOnScreen();
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    if (!shown_ && plan_.firstFocus()) {
        controls_[*plan_.firstFocus()]->widget().setFocus(Qt::ActiveWindowFocusReason);
    }
    shown_ = true;
}

// The focus may rest on a part of a control (a list's text field) rather than on the control.
std::optional<std::size_t> QtWindow::focusedControl() const {
    for (const QWidget* part = QApplication::focusWidget(); part != nullptr;
         part = part->parentWidget()) {
        for (std::size_t index = 0; index < controls_.size(); ++index) {
            if (part == &controls_[index]->widget()) {
                return index;
            }
        }
    }
    return std::nullopt;
}

void QtWindow::activate(std::size_t control) {
    dialog_->raise();
    dialog_->activateWindow();
    controls_.at(control)->widget().setFocus(Qt::OtherFocusReason);
}

}  // namespace quantaro
