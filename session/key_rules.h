#pragma once
// Which session command a key press issues, and where the keyboard focus goes after Next or
// Previous. The window sees every key before its focused control; a consumed key goes no further.

#include <optional>

#include "engine/steps.h"

namespace mindrova {

enum class KeyCommand {
    None,
    Pause,
    Resume,
    Next,
    Previous,
    ToggleSpeech,
    OpenMenu,
    TextLarger,   // Ctrl+Plus (also Ctrl+=, as the unshifted key is labelled)
    TextSmaller,  // Ctrl+Minus
    TextDefault,  // Ctrl+0
};

struct KeyDecision {
    bool consumed = false;
    KeyCommand command = KeyCommand::None;
    bool operator==(const KeyDecision&) const = default;
};

// key is a Qt::Key value; Alt is deliberately not looked at, Shift only to tell Shift+F10 from
// F10, and Ctrl only for the text size keys (Ctrl+Plus, Ctrl+=, Ctrl+Minus, Ctrl+0), which work
// in the own-words field too, as the field has no use for them. Every other key with Ctrl keeps
// its bare key's rule. pauseAvailable and resumeAvailable mean the button is enabled and visible.
// currentStep is the step before the command: Previous at the intro is swallowed without a
// command. typingInField means a text field has the focus: then only Enter, Page Down, Page Up
// and Esc keep their session rules and every other key types into the field (the Menu key and
// Shift+F10 open the field's own menu there). The Menu key and Shift+F10 open the window's menu,
// as in any desktop program; while paused they resume, as every key does.
KeyDecision DecideKeyDown(int key, bool pauseAvailable, bool resumeAvailable, Step currentStep,
                          bool typingInField = false, bool shiftHeld = false,
                          bool ctrlHeld = false);

enum class FocusTarget { SUDOption, NextButton, PreviousButton };

struct FocusChoice {
    FocusTarget target = FocusTarget::NextButton;
    int sudIndex = -1;  // the radSUD index when target is SUDOption
    bool operator==(const FocusChoice&) const = default;
};

// Where the focus goes after a key's Next or Previous has run; stepAfter is the current step
// read after the command. No focus move for any other command.
std::optional<FocusChoice> FocusAfterKey(KeyCommand command, Step stepAfter, int selectedSUD,
                                         bool previousEnabled);

}  // namespace mindrova
