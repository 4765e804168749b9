// Corvalle Lyrabel — start-up probes for bench/startup.sh.
//
//   bench-firstpaint          the program's own start-up: build the thirteen
//                             windows, show the lesson book, end at its first paint
//   bench-firstpaint --bare   a bare Qt program: one empty window of the same size
//
// Each prints the milliseconds from process start to the end of the first paint.
#include "app/windowset.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since this process started, from /proc (start time in clock ticks since boot).
double millisecondsSinceStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();  // field 22 overall
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Ends the program once the watched window has finished its first paint.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            static_cast<QWidget*>(watched)->removeEventFilter(this);
            // After the paint event has been handled: the window is painted.
            QTimer::singleShot(0, [] {
                std::printf("%.1f\n", millisecondsSinceStart());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    if (!bare)
        ui::prepareFontEnvironment();
    QApplication app(argc, argv);
    FirstPaint probe;
    if (bare) {
        QWidget window;
        window.resize(638, 582);
        window.installEventFilter(&probe);
        window.show();
        return QApplication::exec();
    }
    ui::installFonts();
    app::WindowSet windows(app::WindowSet::Start::WorkpagesAfterFirstPaint);
    windows.lessonBook()->installEventFilter(&probe);
    windows.lessonBook()->showWindow();
    return QApplication::exec();
}
