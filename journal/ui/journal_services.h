#pragma once
// The private journal as the application offers it: the recorder that follows the session
// window, the menu's switch, and the journal window.

#include <QLabel>
#include <QPointer>
#include <QString>
#include <memory>

#include "journal/journal_recorder.h"
#include "journal/ui/journal_menu_items.h"

class QWidget;

namespace mindrova {

class frmMain;
class JournalRecorder;

// The journal of one session window: the recorder that follows it, the menu's switch, and the
// journal window. It is shared by the window's services and start-up, and outlives neither.
class WindowJournal {
public:
    explicit WindowJournal(QString filePath);
    WindowJournal(const WindowJournal&) = delete;
    WindowJournal& operator=(const WindowJournal&) = delete;

    // Where the journal window module is looked for; empty means the program's own folder.
    void SetModuleFolder(const QString& folder) { mModuleFolder = folder; }

    // Gives the session window a recorder (its child), on or off as the settings say; the
    // recorder's problems show as a notice in the window's status bar.
    void Attach(frmMain& window);

    // The recorder of the window attached, while it is open.
    JournalRecorder* Recorder() const;

    // What this session does: the settings file may not have taken the last choice.
    bool Kept() const;

    // Turns the journal on or off and saves the choice; turning it off asks whether to delete
    // what is kept, the copies kept aside included. Returns whether the journal is kept
    // afterwards: a choice of on that cannot be saved leaves it off.
    bool SetKept(bool on, QWidget* owner);

    // Opens the journal window modally, loading it on first use; says so calmly when it cannot.
    // The writer lets go of the file first, and the window shows the latest problem in full.
    void ShowWindow(QWidget* owner);

    // The window's journal items answered by journal, which the services keep alive.
    static JournalItemServices ItemsOf(const std::shared_ptr<WindowJournal>& journal);

private:
    QString mFilePath;
    QString mModuleFolder;
    QPointer<JournalRecorder> mRecorder;
    QPointer<frmMain> mWindow;
    QPointer<QLabel> mNotice;
};

}  // namespace mindrova
