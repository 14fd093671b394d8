// The program on the Qt back end, on Qt's offscreen platform: real key and mouse events through
// QTest to the focused widget, message boxes answered with Enter as soon as they run their
// modal loop. Widgets are found by the names the layout tables give them.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include "conformance/program_driver.h"
#include "runtime/qt/qt_backend.h"

namespace quantaro::testing {

class QtDriver final : public WindowDriver {
  public:
    QtDriver();
    ~QtDriver() override;

    Application& application() override { return *application_; }
    void click(std::string_view form, std::string_view control) override;
    void closeFromTitleBar(std::string_view form) override;
    std::string caption(std::string_view form, std::string_view control) override;
    std::vector<std::string> items(std::string_view control) override;
    std::string focused() override;
    std::vector<std::string> windows() override;
    bool isVisible(std::string_view form) override { return window(form) != nullptr; }
    int endRequests() override { return backend_.quitRequests; }

    void press(Key key) override;
    void type(std::string_view characters) override;
    void pressAlt(char letter) override;
    void focus(std::string_view form, std::string_view control) override;
    void activate(std::string_view form) override;
    void moveTo(std::string_view form, int left, int top) override {
        window(form)->move(left, top);
    }
    std::string clipboard() override;

    int dotsPerInch() override;
    Rect bounds(std::string_view form, std::string_view control) override;
    Rect clientArea(std::string_view form) override;
    Rect frame(std::string_view form) override;
    Rect workArea() override;
    int widestWord(std::string_view form, std::string_view control) override;
    bool liesAbove(std::string_view form, std::string_view upper, std::string_view lower) override;
    std::string activeWindow() override;
    Rgb pixel(std::string_view form, int x, int y) override;
    Paint paint(std::string_view control) override;
    Rgb rgb(Colour colour) override;

    QDialog* window(std::string_view form);  // the form's visible window, or nullptr
    QWidget& widget(std::string_view form, std::string_view control);

  private:
    // Ending the program is counted instead of leaving Qt's loop, which the tests never enter.
    class QuitCountingBackend final : public QtBackend {
      public:
        void quit() override { ++quitRequests; }
        int quitRequests = 0;
    };

    void answerMessageBox();

    QuitCountingBackend backend_;
    std::unique_ptr<Application> application_;
    QTimer messageBoxPoll_;
    QPointer<QWidget> lastFocused_;
};

}  // namespace quantaro::testing
