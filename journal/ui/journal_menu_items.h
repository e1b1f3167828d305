#pragma once
// The journal's part of the session window: the "Keep a private journal" switch and the
// "Journal..." item of its menu.

#include <QObject>
#include <functional>

#include "window/ui/window_part.h"

class QAction;
class QWidget;

namespace mindrova {

// What the journal's items ask of the application around the window; empty ones do nothing.
struct JournalItemServices {
    // Whether the journal is kept, switching it (returns whether it is kept afterwards; owner
    // carries any question), and opening its window.
    std::function<bool()> journalEnabled;
    std::function<bool(bool on, QWidget* owner)> setJournalEnabled;
    std::function<void(QWidget* owner)> showJournal;
};

// The part the application hands the session window.
WindowPartMaker JournalItemsPart(JournalItemServices services);

class JournalMenuItems : public QObject, public WindowPart {
    Q_OBJECT
public:
    // Adds the two items among the window's parts' items.
    JournalMenuItems(frmMain& window, JournalItemServices services);

private:
    void Toggled(bool on);

    frmMain& mWindow;
    JournalItemServices mServices;
    QAction* mJournalKeep = nullptr;
    QAction* mJournalOpen = nullptr;
};

}  // namespace mindrova
