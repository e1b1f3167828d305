// The session window as the session controller's view: the step timer and the controls it
// switches, the options it selects, and closing when the session ends.
#include "window/ui/frm_main.h"

namespace mindrova {

void frmMain::SetStepTimerEnabled(bool enabled) {
    if (enabled == tmrSteps.isActive()) return;
    enabled ? tmrSteps.start() : tmrSteps.stop();
}

QAbstractButton* frmMain::ControlButton(SessionControl control) const {
    switch (control) {
        case SessionControl::Pause:
            return cmdPause;
        case SessionControl::Resume:
            return cmdResume;
        case SessionControl::PauseBottom:
            return cmdPause_Bottom;
        case SessionControl::Previous:
            return cmdNavig[0];
    }
    return nullptr;
}

void frmMain::SetControlVisible(SessionControl control, bool visible) {
    QAbstractButton* button = ControlButton(control);
    if (button->isVisibleTo(this) != visible) button->setVisible(visible);
    SyncBottomPause();
}

void frmMain::SetControlEnabled(SessionControl control, bool enabled) {
    ControlButton(control)->setEnabled(enabled);
    SyncBottomPause();
}

// The lower Pause button issues the toolbar's Pause, so it is usable exactly when that one is.
void frmMain::SyncBottomPause() {
    cmdPause_Bottom->setEnabled(cmdPause->isEnabled() && cmdPause->isVisibleTo(this));
}

void frmMain::SelectSUDOption(int index) {
    if (index >= 0 && index < SUD_OPTION_COUNT) radSUD[index]->setChecked(true);
}

void frmMain::SelectIssueOption(int optionIndex) {
    if (optionIndex >= 1 && optionIndex <= ISSUE_OPTION_COUNT) {
        radMode[optionIndex]->setChecked(true);
    }
}

void frmMain::CloseWindow() {
    close();
}

}  // namespace mindrova
