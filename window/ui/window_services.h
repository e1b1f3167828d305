#pragma once
// What the session window asks of the application around it. The application fills these in and
// hands them to the window it makes; an empty one does nothing (the About item, the Feedback
// button and the journal items stay quiet), so tests give only what they drive.

#include <functional>
#include <memory>

#include "display/desktop_preferences.h"
#include "engine/issues.h"
#include "personal/personal_store.h"
#include "speech/speaker.h"
#include "speech/speech_settings.h"

class QWidget;

namespace mindrova {

struct SessionWindowServices {
    // Runs the About box modally and returns when it has closed.
    std::function<void()> showAbout;
    // Opens the maker's contact page; owner carries the box that says when it could not.
    std::function<void(QWidget* owner)> openFeedbackPage;
    // The private journal: whether it is kept, switching it (returns whether it is kept
    // afterwards; owner carries any question), and opening its window.
    std::function<bool()> journalEnabled;
    std::function<bool(bool on, QWidget* owner)> setJournalEnabled;
    std::function<void(QWidget* owner)> showJournal;
    // Runs the Voice dialog modally; true when it saved new choices to the settings file.
    std::function<bool(QWidget* owner)> showVoiceDialog;
    // Runs the Appearance dialog modally; true when it saved new choices to the settings file.
    std::function<bool(QWidget* owner)> showAppearanceDialog;
    // The user's own sessions: read the sessions folder afresh (files placed there by hand show
    // up), and run the dialog that makes, edits, duplicates, deletes, imports and exports them
    // modally; it starts from the issue on Select Issue and the own words typed. Empty: no
    // sessions (tests give their own).
    std::function<PersonalSessionListing()> listPersonalSessions;
    std::function<void(QWidget* owner, Issue issue, const QString& ownWords)>
        managePersonalSessions;
    // The same dialog with its Start button: returns the title of the session the user chose to
    // run at once, or an empty text. Where it is given, the window uses it in place of the above.
    std::function<QString(QWidget* owner, Issue issue, const QString& ownWords)>
        runPersonalSessions;
    // Runs the Session options dialog modally; true when it saved new choices to the settings file.
    std::function<bool(QWidget* owner)> showSessionOptionsDialog;
    // Makes the voice of spoken guidance; empty means the desktop's own engines. Tests put a
    // recording speaker here.
    std::function<std::unique_ptr<Speaker>(const SpeechSettings& settings)> makeSpeaker;
    // Reads what the desktop asks of motion and colours; empty means the window asks nothing
    // of the desktop (tests, which must not depend on the desktop they run on).
    std::function<std::unique_ptr<DesktopPreferences>()> makeDesktopPreferences;
};

}  // namespace mindrova
