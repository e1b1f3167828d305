#pragma once
// The features' parts of the session window, in the order their menu items follow the window's
// own: the journal's switch and window, spoken guidance, the display choices; then the row of the
// user's own sessions under the issue list.

#include <vector>

#include "display/ui/window_display.h"
#include "journal/ui/journal_menu_items.h"
#include "personal/ui/personal_session_row.h"
#include "speech/ui/window_speech.h"
#include "window/ui/window_part.h"

namespace mindrova {

struct FeatureServices {
    JournalItemServices journal;
    SpeechServices speech;
    DisplayServices display;
    PersonalRowServices personal;
};

std::vector<WindowPartMaker> FeatureParts(FeatureServices services);

}  // namespace mindrova
