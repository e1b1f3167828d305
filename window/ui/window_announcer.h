#pragma once
// A screen reader follows the session. Screen readers speak changes only on the object that has
// the keyboard focus, so each step change puts a short line into the accessible description of
// the focused control and says that the description changed. The name stays as it is: a changed
// name would be read twice.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "session/session_listener.h"

class QWidget;

namespace mindrova {

class AnnouncementLine;
class SessionController;

class WindowAnnouncer : public QObject, public SessionListener {
    Q_OBJECT
public:
    // Listens to the controller until destroyed. speaking says whether spoken guidance is on:
    // then the points are left to the voice, so that two voices never talk over each other.
    WindowAnnouncer(QWidget& window, SessionController& controller, std::function<bool()> speaking);
    ~WindowAnnouncer() override;

    void StepEntered(Step left, const SessionState& state) override;
    // A line that appeared in the middle of a step, told on the control that has the focus.
    void Announce(const QString& line);

    // The control that carries the line now, and the line. A step's line is put there once the
    // events of the step change have run.
    QWidget* Described() const { return mDescribed; }
    const QString& LastLine() const { return mLastLine; }

private:
    QWidget* Target() const;
    void Describe(QWidget* target, const QString& line);
    // The control gets back the description it had before it carried a line.
    void Restore();

    QWidget& mWindow;
    SessionController& mController;
    std::function<bool()> mSpeaking;
    QPointer<QWidget> mDescribed;
    QString mOwnDescription;
    QString mLastLine;
    QString mPendingLine;
    bool mPosted = false;
    // Owned by the window, as its child.
    AnnouncementLine* mLine;
};

}  // namespace mindrova
