#pragma once
// The display choices' part of the session window: the "Steady markers" and "Appearance..." menu
// items, the desktop's wish for less motion, which the markers follow while the user has chosen
// nothing, its colour scheme, and "Follow the round".

#include <QEvent>
#include <QObject>
#include <functional>
#include <memory>

#include "display/desktop_preferences.h"
#include "display/display_settings.h"
#include "window/ui/window_look.h"
#include "window/ui/window_part.h"

class QAction;
class QMenu;
class QWidget;

namespace mindrova {

class SessionController;
class RoundFollow;

inline constexpr const char* STEADY_MARKERS_ITEM =
    QT_TRANSLATE_NOOP("mindrova::WindowDisplay", "Steady markers");
inline constexpr const char* APPEARANCE_ITEM =
    QT_TRANSLATE_NOOP("mindrova::WindowDisplay", "Appearance...");

// "system" follows the desktop's colour scheme: dark where it asks for dark, else light.
Look ResolveLook(Appearance chosen, DesktopColorScheme desktop);

// What the display choices ask of the application around the window.
struct DisplayServices {
    // Runs the Appearance dialog modally; true when it saved new choices to the settings file.
    std::function<bool(QWidget* owner)> showAppearanceDialog;
    // Reads what the desktop asks of motion and colours; empty means the window asks nothing of
    // the desktop (tests, which must not depend on the desktop they run on).
    std::function<std::unique_ptr<DesktopPreferences>()> makeDesktopPreferences;
};

// The part the application hands the session window.
WindowPartMaker DisplayChoicesPart(DisplayServices services);

class WindowDisplay : public QObject, public WindowPart {
    Q_OBJECT
public:
    // Adds the menu items among the window's parts' items and applies the saved choices. The
    // desktop is asked only once the window has first been painted, and only when the
    // application provides it. A look chosen in the settings file is applied at once, before the
    // window is shown; the system's look waits for the desktop's answer.
    WindowDisplay(frmMain& window, DisplayServices services);
    ~WindowDisplay() override;

    // WindowPart: "Follow the round" marks the said line and places its line under the point.
    void StepShown(const QString& instructions, bool onInstructions) override;
    void Relayout() override;
    double HeightUnderPointName() const override;

    // The menu item: the user's own choice from now on, saved.
    void ToggleSteadyMarkers();
    // What the desktop asks; kept even while the user's own choice overrides it.
    void SetDesktopReducedMotion(bool reduced);
    bool SteadyMarkers() const;
    // The desktop's colour scheme, followed while the appearance is "system".
    void SetDesktopColorScheme(DesktopColorScheme scheme);
    // The Appearance dialog; its saved choices are applied at once.
    void ShowAppearanceDialog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplySteadyMarkers();
    void ApplyLook();
    void AskTheDesktop();

    frmMain& mWindow;
    SessionController& mController;
    DisplayServices mServices;
    QAction* mnuPopUpSteadyMarkers = nullptr;
    QAction* mnuPopUpAppearance = nullptr;
    std::unique_ptr<RoundFollow> mRoundFollow;
    DesktopColorScheme mDesktopScheme = DesktopColorScheme::NoPreference;
    DisplaySettings mSettings;
    bool mDesktopReducedMotion = false;
    bool mDesktopPending = true;
    std::unique_ptr<DesktopPreferences> mDesktop;
};

}  // namespace mindrova
