#pragma once
// The user's own sessions' part of the session window: the row under the issue list that chooses
// one of them in the issue's place ("My sessions:", the list, "Manage..."), the line that names
// the session running instead, and the notice of session files that could not be read.
//
// Choosing a session of one's own leaves the issue options as they are, but shown disabled, as is
// the own-words field, with a line under the issues that names the session, so that what will
// run is plain. The chosen session holds until the list is set back to its first entry or a
// greyed issue is clicked, which lets the issue hold again, sets the list back and brings the
// options back.

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

#include "engine/issues.h"
#include "engine/personal_session.h"
#include "personal/personal_store.h"
#include "window/ui/window_part.h"

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace mindrova {

// What the row asks of the application around the window; empty ones do nothing.
struct PersonalRowServices {
    // Reads the sessions folder afresh (files placed there by hand show up). Empty: no sessions.
    std::function<PersonalSessionListing()> listPersonalSessions;
    // Runs the dialog that makes, edits, duplicates, deletes, imports and exports them modally;
    // it starts from the issue on Select Issue and the own words typed.
    std::function<void(QWidget* owner, Issue issue, const QString& ownWords)>
        managePersonalSessions;
    // The same dialog with its Start button: returns the title of the session the user chose to
    // run at once, or an empty text. Where it is given, the row uses it in place of the above.
    std::function<QString(QWidget* owner, Issue issue, const QString& ownWords)>
        runPersonalSessions;
};

// The part the application hands the session window.
WindowPartMaker PersonalSessionsPart(PersonalRowServices services);

class PersonalSessionRow : public QObject, public WindowPart {
    Q_OBJECT
public:
    PersonalSessionRow(frmMain& window, PersonalRowServices services);

    // WindowPart: the row is made the first time Select Issue shows and lists the sessions each
    // time it shows; a click on an issue lets the issue hold again.
    void StepShown(const QString& instructions, bool onInstructions) override;
    void IssueChosen() override;
    bool TypesIn(const QWidget* focus) const override;
    bool KeepsKey(const QWidget* focus, int key) const override;

private:
    void Build();
    void ListSessions();
    void SessionChosen(int index);
    void ManageSessions();
    // The issue options greyed, and the session named, while a session of the user's own runs.
    void ShowWhatRuns();
    void PlaceRunsInsteadLine();
    // Start in the My sessions dialog: that session chosen, and on to Assign SUD.
    void StartListedSession(const QString& title);

    frmMain& mWindow;
    PersonalRowServices mServices;
    QWidget* mRow = nullptr;
    QComboBox* mSessions = nullptr;
    QPushButton* mManage = nullptr;
    QLabel* mNotice = nullptr;               // files of the sessions folder that were refused
    QList<PersonalSession> mListedSessions;  // as the list offers them after its first entry
    QLabel* mRunsInstead = nullptr;          // "Your session ... runs instead.", made on first use
};

}  // namespace mindrova
