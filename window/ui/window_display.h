#pragma once
// The display choices in the session window: the "Steady markers" menu item and the desktop's
// wish for less motion, which the markers follow while the user has chosen nothing.

#include <QEvent>
#include <QObject>
#include <functional>
#include <memory>

#include "display/desktop_preferences.h"
#include "display/display_settings.h"
#include "window/ui/window_services.h"

class QAction;
class QMenu;
class QWidget;

namespace mindrova {

class SessionController;

inline constexpr const char* STEADY_MARKERS_ITEM =
    QT_TRANSLATE_NOOP("mindrova::WindowDisplay", "Steady markers");
inline constexpr const char* APPEARANCE_ITEM =
    QT_TRANSLATE_NOOP("mindrova::WindowDisplay", "Appearance...");

// What the window does when the look or the text size changes.
struct DisplayHooks {
    std::function<void()> lookChanged;
    std::function<void(int percent)> textScaleChanged;
    std::function<void(bool follow)> followRoundChanged;
};

class WindowDisplay : public QObject {
    Q_OBJECT
public:
    // Adds the menu item before `before` and applies the saved choices. The desktop is asked
    // only once the window has first been painted, and only when the application provides it.
    // A look chosen in the settings file is applied at once, before the window is shown; the
    // system's look waits for the desktop's answer. services (the desktop and the Appearance
    // dialog) must outlive this object.
    WindowDisplay(QWidget& window, SessionController& controller, QMenu& menu, QAction* before,
                  const SessionWindowServices& services, DisplayHooks hooks = {});
    ~WindowDisplay() override;

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

    QWidget& mWindow;
    SessionController& mController;
    const SessionWindowServices& mServices;
    QAction* mnuPopUpSteadyMarkers = nullptr;
    QAction* mnuPopUpAppearance = nullptr;
    DisplayHooks mHooks;
    DesktopColorScheme mDesktopScheme = DesktopColorScheme::NoPreference;
    DisplaySettings mSettings;
    bool mDesktopReducedMotion = false;
    bool mDesktopPending = true;
    std::unique_ptr<DesktopPreferences> mDesktop;
};

}  // namespace mindrova
