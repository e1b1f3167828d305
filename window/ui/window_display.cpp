#include "window/ui/window_display.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "session/session_controller.h"
#include "window/ui/window_look.h"
#include "window/ui/window_services.h"
#include "support/error_trap.h"

namespace mindrova {

WindowDisplay::WindowDisplay(QWidget& window, SessionController& controller, QMenu& menu,
                             QAction* before, const SessionWindowServices& services,
                             DisplayHooks hooks)
    : mWindow(window),
      mController(controller),
      mServices(services),
      mHooks(std::move(hooks)),
      mSettings(LoadDisplaySettings()) {
    mnuPopUpSteadyMarkers = new QAction(tr(STEADY_MARKERS_ITEM), &menu);
    mnuPopUpSteadyMarkers->setObjectName(QStringLiteral("mnuPopUpSteadyMarkers"));
    mnuPopUpSteadyMarkers->setCheckable(true);
    menu.insertAction(before, mnuPopUpSteadyMarkers);
    connect(mnuPopUpSteadyMarkers, &QAction::triggered, this, [this] { ToggleSteadyMarkers(); });
    mnuPopUpAppearance = new QAction(tr(APPEARANCE_ITEM), &menu);
    mnuPopUpAppearance->setObjectName(QStringLiteral("mnuPopUpAppearance"));
    menu.insertAction(before, mnuPopUpAppearance);
    connect(mnuPopUpAppearance, &QAction::triggered, this, [this] { ShowAppearanceDialog(); });
    ApplySteadyMarkers();
    if (ResolveLook(mSettings.appearance, mDesktopScheme) != Look::Light) ApplyLook();
    // Reading the desktop starts a process and a D-Bus call; the opening window does not wait.
    window.installEventFilter(this);
}

WindowDisplay::~WindowDisplay() = default;

bool WindowDisplay::SteadyMarkers() const {
    return mSettings.steadyMarkers.value_or(mDesktopReducedMotion);
}

void WindowDisplay::ToggleSteadyMarkers() {
    Trap({"frmMain", "mnuPopUpSteadyMarkers_Click"}, [&] {
        mSettings.steadyMarkers = !SteadyMarkers();
        SaveSteadyMarkers(*mSettings.steadyMarkers);
        ApplySteadyMarkers();
    });
}

void WindowDisplay::SetDesktopReducedMotion(bool reduced) {
    mDesktopReducedMotion = reduced;
    ApplySteadyMarkers();
}

void WindowDisplay::SetDesktopColorScheme(DesktopColorScheme scheme) {
    if (scheme == mDesktopScheme) return;
    mDesktopScheme = scheme;
    if (mSettings.appearance == Appearance::System) ApplyLook();
}

void WindowDisplay::ApplyLook() {
    const Look look = ResolveLook(mSettings.appearance, mDesktopScheme);
    if (look == CurrentLook()) return;
    ApplyApplicationLook(look);
    if (mHooks.lookChanged) mHooks.lookChanged();
}

void WindowDisplay::ShowAppearanceDialog() {
    Trap({"frmMain", "mnuPopUpAppearance_Click"}, [&] {
        const auto& show = mServices.showAppearanceDialog;
        if (!show) return;
        const StepTimerHold hold(mController);
        if (!show(&mWindow)) return;
        const DisplaySettings saved = LoadDisplaySettings();
        mSettings.appearance = saved.appearance;
        mSettings.textScalePercent = saved.textScalePercent;
        ApplyLook();
        if (mHooks.textScaleChanged) mHooks.textScaleChanged(saved.textScalePercent);
        if (mHooks.followRoundChanged) mHooks.followRoundChanged(saved.followRound);
    });
}

void WindowDisplay::ApplySteadyMarkers() {
    const bool steady = SteadyMarkers();
    mnuPopUpSteadyMarkers->setChecked(steady);
    if (mController.SteadyMarkers() != steady) mController.SetSteadyMarkers(steady);
}

void WindowDisplay::AskTheDesktop() {
    if (!mServices.makeDesktopPreferences) return;
    mDesktop = mServices.makeDesktopPreferences();
    if (!mDesktop) return;
    connect(mDesktop.get(), &DesktopPreferences::reducedMotionChanged, this,
            [this](bool reduced) { SetDesktopReducedMotion(reduced); });
    connect(mDesktop.get(), &DesktopPreferences::colorSchemeChanged, this,
            [this](DesktopColorScheme scheme) { SetDesktopColorScheme(scheme); });
    mDesktop->Start();
}

// The window is painted in answer to its first expose; what is queued then runs after the paint.
bool WindowDisplay::eventFilter(QObject* watched, QEvent* event) {
    if (mDesktopPending && watched == &mWindow && event->type() == QEvent::Show &&
        mWindow.windowHandle()) {
        mWindow.removeEventFilter(this);
        mWindow.windowHandle()->installEventFilter(this);
    } else if (mDesktopPending && watched == mWindow.windowHandle() &&
               event->type() == QEvent::Expose && mWindow.windowHandle()->isExposed()) {
        mDesktopPending = false;
        mWindow.windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this, [this] { AskTheDesktop(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace mindrova
