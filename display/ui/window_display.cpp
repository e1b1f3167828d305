#include "display/ui/window_display.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "display/ui/round_follow.h"
#include "session/round_position.h"
#include "session/session_controller.h"
#include "window/ui/frm_main.h"
#include "support/error_trap.h"

namespace mindrova {

Look ResolveLook(Appearance chosen, DesktopColorScheme desktop) {
    switch (chosen) {
        case Appearance::Light:
            return Look::Light;
        case Appearance::Dark:
            return Look::Dark;
        case Appearance::HighContrast:
            return Look::HighContrast;
        case Appearance::System:
            break;
    }
    return desktop == DesktopColorScheme::Dark ? Look::Dark : Look::Light;
}

WindowPartMaker DisplayChoicesPart(DisplayServices services) {
    return MakerOf<WindowDisplay>(std::move(services));
}

WindowDisplay::WindowDisplay(frmMain& window, DisplayServices services)
    : mWindow(window),
      mController(window.controller()),
      mServices(std::move(services)),
      mSettings(LoadDisplaySettings()) {
    QMenu& menu = window.menu();
    QAction* before = window.partItemsEnd();
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
    mRoundFollow = std::make_unique<RoundFollow>(
        mController, menu, mnuPopUpAppearance, window.instructionsLabel(),
        window.instructionsArea(), window.pointNameLabel(), [&window] { window.LayOutAgain(); });
    // Reading the desktop starts a process and a D-Bus call; the opening window does not wait.
    window.installEventFilter(this);
}

WindowDisplay::~WindowDisplay() = default;

void WindowDisplay::StepShown(const QString& instructions, bool onInstructions) {
    mRoundFollow->StepShown(instructions, onInstructions);
}

void WindowDisplay::Relayout() {
    // The window takes its saved look while this part is still being made.
    if (mRoundFollow) mRoundFollow->Relayout();
}

// Following the round, a line under the point's name tells its place.
double WindowDisplay::HeightUnderPointName() const {
    return mRoundFollow && mRoundFollow->Enabled() ? ROUND_POSITION_LINE_HEIGHT : 0;
}

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
    mWindow.ApplyLook();
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
        mWindow.SetTextScalePercent(saved.textScalePercent);
        mRoundFollow->SetEnabled(saved.followRound);
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
