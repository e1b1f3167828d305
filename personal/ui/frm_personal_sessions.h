#pragma once
// The user's own sessions, listed with what can be done to them: New (from an issue), Edit,
// Duplicate, Delete, Import and Export, and Start, which runs the chosen one at once. Files the
// folder holds but that cannot be used are named under the list with the reason, and are never
// changed or deleted here.

#include <QDialog>
#include <QString>

#include "engine/issues.h"
#include "personal/personal_file.h"
#include "personal/personal_store.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace mindrova {

class frmPersonalSessions : public QDialog {
    Q_OBJECT
public:
    // New starts from issue and ownWords.
    frmPersonalSessions(const QString& folder, Issue issue, const QString& ownWords,
                        QWidget* parent = nullptr);

    const PersonalSessionListing& listing() const { return mListing; }
    // The title of the session Start chose to run, once the dialog has closed by Start; else empty.
    const QString& startTitle() const { return mStartTitle; }

    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdDuplicate_Click();
    void cmdDelete_Click();
    void cmdImport_Click();
    void cmdExport_Click();
    void cmdStart_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Reload(const QString& selectPath = {});
    void EnableButtons();
    void SetNotice(const QString& text);
    const PersonalSessionFile* Selected() const;
    QStringList TitlesBut(const QString& path) const;
    // Runs the editor on session (read afresh from path, where there is one); true once the user
    // saved, with the session as kept and the path of its file in written.
    bool Edit(PersonalSession& session, const QString& path, const QString& caption,
              QString* written);
    // Keeps what the editor holds (see frmPersonalSessionEdit::SaveSession).
    bool Keep(const QString& path, PersonalFileLook& seen, PersonalSession& session,
              QString* written, QString* error);
    QString Write(const QString& path, const PersonalSession& session);

    QString mFolder;
    Issue mIssue;
    QString mOwnWords;
    PersonalSessionListing mListing;
    QString mStartTitle;

    QListWidget* lstSessions = nullptr;
    QLabel* lblProblems = nullptr;
    QLabel* lblNotice = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDuplicate = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdStart = nullptr;
};

enum class ExportResult { Cancelled, Exported, Failed };

struct SessionExport {
    ExportResult result = ExportResult::Cancelled;
    QString message;  // for the user: what happened, naming the file
};

// Asks where to export session (the file dialog "dlgSessionExport", in the user's documents) and
// writes it there whole, owner-only.
SessionExport ExportPersonalSession(QWidget* parent, const PersonalSession& session);

// Runs the dialog modally over owner on the files in folder; New starts from issue and ownWords.
// Returns the title of the session to run at once when the dialog closed by Start, else empty.
QString ShowPersonalSessions(QWidget* owner, const QString& folder, Issue issue,
                             const QString& ownWords);

}  // namespace mindrova
