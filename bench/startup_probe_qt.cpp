// Start-up probe: starts the program exactly as its main does (or, with --bare, an empty Qt
// dialog of the converter window's size, as the floor), then prints how long it took from
// entering main until the window was first painted and until the event loop was idle, and
// leaves. bench/startup.sh runs it repeatedly and adds the whole process's time.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "runtime/qt/qt_start_up.h"

namespace {

// Notes the first paint of any window, then waits for the event loop to run dry.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && paintedAt_ < 0 && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            paintedAt_ = clock_.nsecsElapsed();
            QTimer::singleShot(0, [this] {
                std::printf("painted %.2f ms  idle %.2f ms\n", paintedAt_ / 1e6,
                            clock_.nsecsElapsed() / 1e6);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    const QElapsedTimer& clock_;
    qint64 paintedAt_ = -1;
};

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;

    QApplication qtApplication(argc, argv);
    FirstPaint probe(clock);
    qtApplication.installEventFilter(&probe);

    if (bare) {
        QDialog dialog;
        dialog.setFixedSize(426, 386);
        dialog.show();
        return QApplication::exec();
    }
    const quantaro::QtStartUp program;
    return QApplication::exec();
}
