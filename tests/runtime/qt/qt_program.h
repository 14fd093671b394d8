// The whole program on the Qt back end, driven as a user would drive it: real key presses to
// the focused widget and mouse clicks, with message boxes answered by pressing Enter. Services
// are the tests' own: an in-memory registry and a program starter that only records.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/start_up.h"
#include "runtime/application.h"
#include "runtime/qt/qt_backend.h"
#include "support/memory_registry.h"

namespace quantaro::testing {

// The real back end, except that ending the program is counted instead of leaving Qt's loop,
// which the tests never enter.
class QuitCountingBackend final : public QtBackend {
  public:
    void quit(int) override { ++quitRequests; }
    int quitRequests = 0;
};

// Answers every message box with Enter, as soon as it runs its modal loop, and notes what it
// showed.
class MessageBoxAnswerer {
  public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        qsizetype buttonCount;
        Qt::WindowModality modality;
    };

    MessageBoxAnswerer() {
        QObject::connect(&poll_, &QTimer::timeout, [this] { answer(); });
        poll_.start(10);
    }
    std::vector<Shown> shown;

  private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        shown.push_back({box->windowTitle(), box->text(), box->icon(), box->buttons().size(),
                         box->windowModality()});
        QTest::keyClick(box, Qt::Key_Return);
    }
    QTimer poll_;
};

// What a user does and sees, on whichever windows are open.

// The form's top-level widgets, hidden ones still waiting for deletion included.
inline QList<QWidget*> windows(const QString& form) {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == form) {
            found.push_back(widget);
        }
    }
    return found;
}

inline QDialog* window(const QString& form) {
    for (QWidget* widget : windows(form)) {
        if (widget->isVisible()) {
            return qobject_cast<QDialog*>(widget);
        }
    }
    return nullptr;
}

template <class Widget = QWidget>
Widget* widget(const QString& name, const QString& form = "frmMain") {
    QDialog* dialog = window(form);
    return dialog == nullptr ? nullptr : dialog->findChild<Widget*>(name);
}

inline QString text(const QString& box) {
    return widget<QLineEdit>(box)->text();
}

inline QString focused() {
    QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QString() : focus->objectName();
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget has the keyboard focus";
    QTest::keyClick(focus, key, modifiers);
}

inline void type(const char* keys) {
    QTest::keyClicks(QApplication::focusWidget(), keys);
}

inline void tabTo(const QString& name) {
    for (int presses = 0; presses < 20 && focused() != name; ++presses) {
        press(Qt::Key_Tab);
    }
    ASSERT_EQ(focused(), name);
}

// Access keys click after Qt's short press animation, so their effect is waited for.
inline void waitUntil(const std::function<bool()>& done) {
    EXPECT_TRUE(QTest::qWaitFor(done)) << "the expected effect did not happen";
}

inline void openAbout() {
    QTest::mouseClick(widget("cmdAbout"), Qt::LeftButton);
    ASSERT_NE(window("frmAbout"), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window("frmAbout")));
}

// Types 1 and chooses the last unit, with the keyboard alone; converting is left to the test.
inline void enterOneTerrabyte() {
    tabTo("txtUnit");
    type("1");
    tabTo("cboUnit");
    press(Qt::Key_End);
}

class QtProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        SystemServices services;
        services.registry = registry;
        services.isAbsolutePath = [](const std::string&) { return true; };
        services.isFile = [](const std::string&) { return false; };
        services.startProgram = [this](const std::string& path) { started.push_back(path); };
        application = std::make_unique<Application>(backend, std::move(services));
        startUp(*application);
        ASSERT_NE(window("frmMain"), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window("frmMain")));
    }
    void TearDown() override {
        application.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class Form>
    bool isLoaded() {
        return application->form<Form>().isLoaded();
    }

    QuitCountingBackend backend;
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>();
    std::vector<std::string> started;
    std::unique_ptr<Application> application;
    MessageBoxAnswerer messageBoxes;
};

}  // namespace quantaro::testing
