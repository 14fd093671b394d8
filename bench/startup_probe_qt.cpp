// Start-up probe: starts the program exactly as its main does (or, with --floor, a plain Qt
// dialog holding the converter window's nineteen controls, placed by geometry, as the floor to
// compare with), waits for the window's first paint and for the event loop to run dry, prints
// the wall-clock time of that first paint, and leaves. bench/startup.sh runs it.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "runtime/qt/command_line.h"
#include "runtime/qt/qt_display_check.h"
#include "runtime/qt/qt_start_up.h"

namespace {

// The wall clock in microseconds since the epoch, the unit of bash's EPOCHREALTIME, so the
// script can measure from the moment it started the process.
long long wallClockMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Notes the first paint of any window, then waits for the event loop to run dry.
class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && paintedAt_ < 0 && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            paintedAt_ = wallClockMicroseconds();
            QTimer::singleShot(0, [this] {
                std::printf("painted %lld\n", paintedAt_);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    long long paintedAt_ = -1;
};

// The converter window's controls at its pixel geometry at 96 dpi, with the same texts.
void addFloorControls(QDialog& dialog) {
    const auto place = [](QWidget* widget, int left, int top, int width, int height) {
        widget->setGeometry(left, top, width, height);
    };
    auto* input = new QGroupBox(QStringLiteral("Input"), &dialog);
    place(input, 8, 8, 409, 89);
    auto* unit = new QComboBox(input);
    unit->addItems({QStringLiteral("Bits"), QStringLiteral("Bytes"), QStringLiteral("Killobytes"),
                    QStringLiteral("Megabytes"), QStringLiteral("Gigabytes"),
                    QStringLiteral("Terrabytes")});
    place(unit, 8, 24, 385, 21);
    place(new QLineEdit(input), 8, 56, 385, 25);

    auto* output = new QGroupBox(QStringLiteral("Output"), &dialog);
    place(output, 8, 112, 409, 217);
    const char* const captions[] = {
        "Bits:", "Bytes:", "Killobytes:", "Megabytes:", "Gigabytes:", "Terrabytes:"};
    for (int row = 0; row < 6; ++row) {
        place(new QLabel(QString::fromLatin1(captions[row]), output), 8, 24 + 32 * row, 57, 17);
        // The first read-out box lies in the frame, the other five over it, in the window.
        auto* box = new QLineEdit(row == 0 ? static_cast<QWidget*>(output) : &dialog);
        box->setReadOnly(true);
        place(box, row == 0 ? 88 : 96, row == 0 ? 24 : 168 + 32 * (row - 1), 305, 19);
    }

    const char* const buttons[] = {"C&onvert", "&About", "E&xit"};
    for (int column = 0; column < 3; ++column) {
        auto* button = new QPushButton(QString::fromLatin1(buttons[column]), &dialog);
        place(button, 8 + 144 * column, 344, 121, 33);
        button->setDefault(column == 0);
    }
    dialog.setWindowTitle(QStringLiteral("Quantaro"));
    dialog.setFixedSize(426, 386);
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool floor = argc > 1 && std::strcmp(argv[1], "--floor") == 0;
    // The program's own first steps, before Qt: its command line and its trial connection to
    // the display.
    if (!floor && (quantaro::answerCommandLine(argc, argv, std::cout, std::cerr) ||
                   quantaro::missingDisplayMessage(argc, argv))) {
        return 1;
    }

    QApplication qtApplication(argc, argv);
    FirstPaint probe;
    qtApplication.installEventFilter(&probe);

    if (floor) {
        QDialog dialog;
        addFloorControls(dialog);
        dialog.show();
        return QApplication::exec();
    }
    const quantaro::QtStartUp program;
    return QApplication::exec();
}
