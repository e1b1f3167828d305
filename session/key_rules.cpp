#include "session/key_rules.h"

#include <Qt>

#include "session/session_controller.h"

namespace mindrova {
namespace {

bool IsNextKey(int key) {
    switch (key) {
        case Qt::Key_N:
        case Qt::Key_Space:
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_Return:
        case Qt::Key_Enter:  // the keypad's Enter
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
    }
}

bool IsPreviousKey(int key) {
    switch (key) {
        case Qt::Key_P:
        case Qt::Key_Backspace:
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            return true;
        default:
            return false;
    }
}

bool KeepsItsRuleWhileTyping(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
        case Qt::Key_Escape:
            return true;
        default:
            return false;
    }
}

KeyCommand TextSizeCommand(int key) {
    switch (key) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return KeyCommand::TextLarger;
        case Qt::Key_Minus:
            return KeyCommand::TextSmaller;
        case Qt::Key_0:
            return KeyCommand::TextDefault;
        default:
            return KeyCommand::None;
    }
}

}  // namespace

KeyDecision DecideKeyDown(int key, bool pauseAvailable, bool resumeAvailable, Step currentStep,
                          bool typingInField, bool shiftHeld, bool ctrlHeld) {
    if (pauseAvailable && key == Qt::Key_Escape) return {true, KeyCommand::Pause};
    // While paused every key only resumes, bare modifiers included.
    if (resumeAvailable) return {true, KeyCommand::Resume};
    if (ctrlHeld && TextSizeCommand(key) != KeyCommand::None) {
        return {true, TextSizeCommand(key)};
    }
    if (typingInField && !KeepsItsRuleWhileTyping(key)) return {};
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && shiftHeld)) {
        return {true, KeyCommand::OpenMenu};
    }
    if (IsNextKey(key)) return {true, KeyCommand::Next};
    if (key == Qt::Key_V) return {true, KeyCommand::ToggleSpeech};
    if (IsPreviousKey(key)) {
        if (currentStep == estIntro) return {true, KeyCommand::None};
        return {true, KeyCommand::Previous};
    }
    return {};
}

std::optional<FocusChoice> FocusAfterKey(KeyCommand command, Step stepAfter, int selectedSUD,
                                         bool previousEnabled) {
    if (command != KeyCommand::Next && command != KeyCommand::Previous) return std::nullopt;
    // An index outside the option buttons has no button to take the focus; fall back to the
    // navigation buttons rather than address a control that does not exist.
    const bool sudValid = selectedSUD >= 0 && selectedSUD < SUD_OPTION_COUNT;
    if (stepAfter == estReassessSUD && sudValid) {
        return FocusChoice{FocusTarget::SUDOption, selectedSUD};
    }
    if (command == KeyCommand::Previous && previousEnabled) {
        return FocusChoice{FocusTarget::PreviousButton, -1};
    }
    return FocusChoice{FocusTarget::NextButton, -1};
}

}  // namespace mindrova
