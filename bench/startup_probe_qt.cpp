// Start-up probe: starts the program exactly as its main does (or, with --floor, a plain Qt
// dialog holding the converter window's nineteen controls at the rectangles the layout plan
// gives them, as the floor to compare with), waits for the window's first paint and for the event
// loop to run dry, prints the wall-clock time of that first paint, and leaves. bench/startup.sh
// runs it.
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
#include <string_view>
#include <vector>

#include "app/frm_main.h"
#include "programs/linux/command_line.h"
#include "programs/linux/qt_display_check.h"
#include "programs/linux/qt_start_up.h"
#include "runtime/layout_check.h"
#include "runtime/layout_plan.h"
#include "runtime/qt/qt_backend.h"

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

// The converter window's table planned at 96 dpi in the tables' 9 point font, measuring its
// words with the back end's own measure, so the floor holds the program's rectangles whenever
// the table or the measuring changes.
quantaro::LayoutPlan floorPlan() {
    return quantaro::LayoutPlan(
        quantaro::frmMain::layout,
        {96, quantaro::QtBackend::labelTextSize(), quantaro::tableFontPoints});
}

QComboBox* unitList(QWidget* parent) {
    auto* unit = new QComboBox(parent);
    unit->addItems({QStringLiteral("Bits"), QStringLiteral("Bytes"), QStringLiteral("Killobytes"),
                    QStringLiteral("Megabytes"), QStringLiteral("Gigabytes"),
                    QStringLiteral("Terrabytes")});
    return unit;
}

// A plain Qt widget for a control of the plan, in its container, with its caption.
QWidget* floorWidget(const quantaro::ControlPlan& control, QWidget* parent) {
    using enum quantaro::ControlKind;
    const std::string_view text = control.row->caption;
    const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    switch (control.row->kind) {
        case Frame:
            return new QGroupBox(caption, parent);
        case Label:
        case Picture:
            return new QLabel(caption, parent);
        case DropDownList:
            return unitList(parent);
        case Button: {
            auto* button = new QPushButton(caption, parent);
            button->setDefault(isDefaultButton(*control.row));
            return button;
        }
        case ReadOnlyTextBox:
        case TextBox:
            break;
    }
    auto* box = new QLineEdit(parent);
    box->setReadOnly(control.row->kind == ReadOnlyTextBox);
    return box;
}

void addFloorControls(QDialog& dialog, const quantaro::LayoutPlan& plan) {
    std::vector<QWidget*> widgets;
    for (const quantaro::ControlPlan& control : plan.controls()) {
        QWidget* const parent = control.frame ? widgets[*control.frame] : &dialog;
        widgets.push_back(floorWidget(control, parent));
        const quantaro::PixelRect& place = control.inContainer;
        widgets.back()->setGeometry(place.left, place.top, place.width, place.height);
    }
    dialog.setWindowTitle(QString::fromUtf8(plan.layout().caption.data(),
                                            static_cast<qsizetype>(plan.layout().caption.size())));
    dialog.setFixedSize(plan.clientSize().width, plan.clientSize().height);
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
        const quantaro::LayoutPlan plan = floorPlan();
        QDialog dialog;
        addFloorControls(dialog, plan);
        dialog.show();
        return QApplication::exec();
    }
    const quantaro::QtStartUp program;
    return QApplication::exec();
}
