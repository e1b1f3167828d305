#pragma once
// The private journal as the application offers it: the recorder that follows the session
// window, the menu's switch, and the journal window.

#include <QString>

class QWidget;

namespace mindrova {

class frmMain;
class JournalRecorder;

// Gives the session window a recorder (its child), on or off as the settings say; the
// recorder's problems show as a notice in the window's status bar.
void AttachJournal(frmMain& window, const QString& filePath);

// Installs showJournal, journalEnabled and setJournalEnabled in the window services.
void InstallJournalServices(const QString& filePath);

// Turns the journal on or off and saves the choice; turning it off asks whether to delete what
// is kept, the copies kept aside included. Returns whether the journal is kept afterwards: a
// choice of on that cannot be saved leaves it off.
bool SetJournalKept(bool on, QWidget* owner, const QString& filePath);

// Opens the journal window modally, loading it on first use; says so calmly when it cannot.
// The writer lets go of the file first, and the window shows the latest problem in full.
void ShowJournalWindow(const QString& filePath, QWidget* owner);

// Where the journal window module is looked for; empty means the program's own folder.
void SetJournalWindowFolder(const QString& folder);

// The recorder of the open session window, if any.
JournalRecorder* CurrentJournalRecorder();

}  // namespace mindrova
