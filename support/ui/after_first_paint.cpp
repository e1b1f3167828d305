#include "support/ui/after_first_paint.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace mindrova {
namespace {

// The window is painted in answer to its first expose; what is queued then runs after the paint.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> work)
        : QObject(&window), mWindow(window), mWork(std::move(work)) {
        if (QWindow* handle = mWindow.windowHandle()) {
            WatchHandle(*handle);
        } else {
            mWindow.installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &mWindow && event->type() == QEvent::Show && mWindow.windowHandle()) {
            mWindow.removeEventFilter(this);
            WatchHandle(*mWindow.windowHandle());
        } else if (watched == mWindow.windowHandle() && event->type() == QEvent::Expose &&
                   mWindow.windowHandle()->isExposed()) {
            mWindow.windowHandle()->removeEventFilter(this);
            Run();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void WatchHandle(QWindow& handle) {
        if (handle.isExposed()) {
            Run();
        } else {
            handle.installEventFilter(this);
        }
    }
    void Run() {
        QMetaObject::invokeMethod(
            this,
            [this] {
                const std::function<void()> work = std::move(mWork);
                deleteLater();
                if (work) work();
            },
            Qt::QueuedConnection);
    }

    QWidget& mWindow;
    std::function<void()> mWork;
};

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> work) {
    new FirstPaintWatch(window, std::move(work));
}

}  // namespace mindrova
