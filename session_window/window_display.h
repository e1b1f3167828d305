#pragma once
// The display choices in the session window: the "Steady markers" menu item and the desktop's
// wish for less motion, which the markers follow while the user has chosen nothing.

#include <QEvent>
#include <QObject>
#include <memory>

#include "display/desktop_preferences.h"
#include "display/display_settings.h"

class QAction;
class QMenu;
class QWidget;

namespace mindrova {

class SessionController;

inline constexpr const char* STEADY_MARKERS_ITEM = "Steady markers";

class WindowDisplay : public QObject {
    Q_OBJECT
public:
    // Adds the menu item before `before` and applies the saved choices. The desktop is asked
    // only once the window has first been painted, and only when the application provides it.
    WindowDisplay(QWidget& window, SessionController& controller, QMenu& menu, QAction* before);
    ~WindowDisplay() override;

    // The menu item: the user's own choice from now on, saved.
    void ToggleSteadyMarkers();
    // What the desktop asks; kept even while the user's own choice overrides it.
    void SetDesktopReducedMotion(bool reduced);
    bool SteadyMarkers() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplySteadyMarkers();
    void AskTheDesktop();

    QWidget& mWindow;
    SessionController& mController;
    QAction* mnuPopUpSteadyMarkers = nullptr;
    DisplaySettings mSettings;
    bool mDesktopReducedMotion = false;
    bool mDesktopPending = true;
    std::unique_ptr<DesktopPreferences> mDesktop;
};

}  // namespace mindrova
