// Preloaded (LD_PRELOAD) into a program that the start-up benchmark starts: at the
// first exposure of a top-level window, once that event has been handled and the
// window painted, it writes the window's title to standard output and ends the
// program at once. The program itself is the one users run, unchanged.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

namespace {

class FirstExposure : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isTopLevel() &&
            window->isExposed()) {
            QCoreApplication::instance()->removeEventFilter(this);
            const QByteArray title = window->title().toUtf8();
            QTimer::singleShot(0, [title] {
                std::fwrite(title.constData(), 1, std::size_t(title.size()), stdout);
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }
};

void installProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstExposure);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
