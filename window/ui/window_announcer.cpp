#include "window/ui/window_announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include "session/session_controller.h"
#include "window/ui/announcement_line.h"
#include "session/step_announcement.h"
#include "support/error_trap.h"

namespace mindrova {

WindowAnnouncer::WindowAnnouncer(QWidget& window, SessionController& controller,
                                 std::function<bool()> speaking)
    : mWindow(window),
      mController(controller),
      mSpeaking(std::move(speaking)),
      mLine(new AnnouncementLine(&window)) {
    mController.AddListener(this);
    // A line left on a control the user has moved away from would be read again there later.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old != nullptr && old == mDescribed) Restore();
    });
}

WindowAnnouncer::~WindowAnnouncer() {
    mController.RemoveListener(this);
}

void WindowAnnouncer::StepEntered(Step /*left*/, const SessionState& state) {
    Trap({"frmMain", "AnnounceStep"}, [&] {
        const Step step = state.genmCurrentStep;
        if (IsRoundPoint(step) && mSpeaking && mSpeaking()) return;
        const QString line = StepAnnouncement(step, state);
        if (line.isEmpty()) return;
        // Said once the step change is over: a command may still move the focus (Next onto the
        // issue list), and the line belongs to the control that has it then.
        mPendingLine = line;
        if (mPosted) return;
        mPosted = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                mPosted = false;
                Trap({"frmMain", "AnnounceStep"}, [&] { Describe(Target(), mPendingLine); });
            },
            Qt::QueuedConnection);
    });
}

void WindowAnnouncer::Announce(const QString& line) {
    if (!line.isEmpty()) Describe(Target(), line);
}

QWidget* WindowAnnouncer::Target() const {
    QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && focused->window() == &mWindow) return focused;
    return &mWindow;
}

void WindowAnnouncer::Describe(QWidget* target, const QString& line) {
    if (target != mDescribed) {
        Restore();
        mDescribed = target;
        mOwnDescription = target->accessibleDescription();
    }
    mLastLine = line;
    // A new description is announced by Qt itself; the same line again (a step entered anew)
    // needs the event said out, or the screen reader would hear nothing. Never both: a line
    // announced twice is read twice.
    if (target->accessibleDescription() != line) {
        target->setAccessibleDescription(line);
    } else {
        QAccessibleEvent changed(target, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(target, line);
    QAccessible::updateAccessibility(&announcement);
#else
    mLine->Say(line);
#endif
}

void WindowAnnouncer::Restore() {
    if (mDescribed) mDescribed->setAccessibleDescription(mOwnDescription);
    mDescribed = nullptr;
    mOwnDescription.clear();
}

}  // namespace mindrova
