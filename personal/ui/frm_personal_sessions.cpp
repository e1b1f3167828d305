#include "personal/ui/frm_personal_sessions.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

#include "support/ui/dialog_button.h"
#include "support/ui/dialog_button_row.h"
#include "support/ui/dialog_size.h"
#include "personal/ui/frm_personal_session_edit.h"
#include "personal/ui/session_list_item.h"
#include "personal/personal_file.h"
#include "personal/personal_from_issue.h"
#include "personal/personal_import.h"
#include "support/error_trap.h"
#include "support/modal_seam.h"

namespace mindrova {
namespace {

QString Caption() {
    return QCoreApplication::translate("mindrova::frmPersonalSessions", "My sessions");
}

// Where an import or export is offered first: the user's documents, or home where there is no
// such folder.
QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// A title none of titles has: the base, else the base with the first free number after it.
QString FreeTitle(const QString& base, const QStringList& titles) {
    const auto taken = [&](const QString& title) {
        return std::any_of(titles.cbegin(), titles.cend(),
                           [&](const QString& t) { return SameSessionTitle(t, title); });
    };
    QString title = base;
    for (int n = 2; taken(title); ++n) title = QStringLiteral("%1 (%2)").arg(base).arg(n);
    return title;
}

QLabel* NoteLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    // It names files and carries what they hold: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setHidden(true);
    return label;
}

// Asks which issue a new session starts from; eisNone when the user cancelled.
Issue AskStartingIssue(QWidget* parent, Issue preselected) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmNewPersonalSession"));
    dialog.setWindowTitle(
        QCoreApplication::translate("mindrova::frmPersonalSessions", "New session"));
    auto* issues = new QComboBox(&dialog);
    issues->setObjectName(QStringLiteral("cboStartFrom"));
    issues->setAccessibleName(
        QCoreApplication::translate("mindrova::frmPersonalSessions", "Start from the issue"));
    for (const Issue issue : OfferedIssues()) issues->addItem(GetIssueName(issue), int(issue));
    const int chosen = issues->findData(int(preselected));
    issues->setCurrentIndex(chosen >= 0 ? chosen : issues->findData(int(GetDefaultIssue())));
    auto* label = new QLabel(
        QCoreApplication::translate("mindrova::frmPersonalSessions", "&Start from the issue:"),
        &dialog);
    label->setBuddy(issues);
    auto* note = new QLabel(
        QCoreApplication::translate("mindrova::frmPersonalSessions",
                                    "Its statement and phrases are filled in for you to change."),
        &dialog);
    note->setWordWrap(true);
    QPushButton* ok = DialogButton(
        QCoreApplication::translate("mindrova::frmPersonalSessions", "&OK"), "cmdOK", &dialog);
    QPushButton* cancel =
        DialogButton(QCoreApplication::translate("mindrova::frmPersonalSessions", "Cancel"),
                     "cmdCancel", &dialog);
    auto* form = new QFormLayout;
    form->addRow(label, issues);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addLayout(AcceptCancelRow(dialog, ok, cancel));
    if (RunModalDialog(dialog) != QDialog::Accepted) return eisNone;
    return static_cast<Issue>(issues->currentData().toInt());
}

void Tell(const QString& text) {
    ShowMessage({Caption(), text, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
}

}  // namespace

frmPersonalSessions::frmPersonalSessions(const QString& folder, Issue issue,
                                         const QString& ownWords, QWidget* parent)
    : QDialog(parent), mFolder(folder), mIssue(issue), mOwnWords(ownWords) {
    setObjectName(QStringLiteral("frmPersonalSessions"));
    setWindowTitle(Caption());
    setModal(true);

    lstSessions = new QListWidget(this);
    lstSessions->setObjectName(QStringLiteral("lstSessions"));
    lstSessions->setAccessibleName(tr("Your sessions"));
    lstSessions->setMinimumWidth(24 * lstSessions->fontMetrics().averageCharWidth());
    lstSessions->installEventFilter(this);
    lstSessions->setItemDelegate(new SessionListItemDelegate(lstSessions));
    auto* listLabel = new QLabel(tr("Your &sessions:"), this);
    listLabel->setBuddy(lstSessions);
    lblProblems = NoteLabel("lblProblems", this);
    lblNotice = NoteLabel("lblNotice", this);

    QPushButton* cmdNew = DialogButton(tr("&New\u2026"), "cmdNew", this);
    cmdEdit = DialogButton(tr("&Edit\u2026"), "cmdEdit", this);
    cmdDuplicate = DialogButton(tr("D&uplicate"), "cmdDuplicate", this);
    cmdDelete = DialogButton(tr("&Delete\u2026"), "cmdDelete", this);
    QPushButton* cmdImport = DialogButton(tr("&Import\u2026"), "cmdImport", this);
    cmdExport = DialogButton(tr("E&xport\u2026"), "cmdExport", this);
    QPushButton* cmdClose = DialogButton(tr("Close"), "cmdClose", this);
    cmdStart = DialogButton(tr("S&tart"), "cmdStart", this);
    cmdStart->setAccessibleDescription(
        tr("Closes this list and runs the chosen session, beginning with its rating"));
    const QList<QPushButton*> all{cmdNew,    cmdEdit,   cmdDuplicate, cmdDelete,
                                  cmdImport, cmdExport, cmdClose,     cmdStart};
    // Enter in the list edits the session chosen; no button takes Enter from it.
    for (QPushButton* b : all) b->setAutoDefault(false);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(listLabel);
    listColumn->addWidget(lstSessions, 1);
    listColumn->addWidget(lblProblems);
    listColumn->addWidget(lblNotice);
    auto* buttonColumn = new QVBoxLayout;
    for (QPushButton* b : all) {
        if (b == cmdClose || b == cmdStart) continue;
        buttonColumn->addWidget(b);
    }
    buttonColumn->addStretch(1);
    // Start closes the dialog as Close does, and goes on: it stands last, beside Close.
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(cmdClose);
    closing->addWidget(cmdStart);
    auto* columns = new QHBoxLayout;
    columns->addLayout(listColumn, 1);
    columns->addLayout(buttonColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(closing);

    setTabOrder(lstSessions, cmdNew);
    for (qsizetype i = 1; i < all.size(); ++i) setTabOrder(all[i - 1], all[i]);

    connect(cmdNew, &QPushButton::clicked, this, [this] { cmdNew_Click(); });
    connect(cmdEdit, &QPushButton::clicked, this, [this] { cmdEdit_Click(); });
    connect(cmdDuplicate, &QPushButton::clicked, this, [this] { cmdDuplicate_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdImport, &QPushButton::clicked, this, [this] { cmdImport_Click(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(lstSessions, &QListWidget::itemDoubleClicked, this, [this] { cmdEdit_Click(); });
    connect(lstSessions, &QListWidget::currentRowChanged, this, [this] { EnableButtons(); });

    Reload();
    if (lstSessions->count() > 0) lstSessions->setCurrentRow(0);
    lstSessions->setFocus();
    // Wide enough for a file's name and its reason on a line, where the screen has the room.
    FitOpeningSize(this, 90);
}

bool frmPersonalSessions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstSessions && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (cmdEdit->isEnabled()) cmdEdit_Click();
            return true;
        }
        if (key == Qt::Key_Delete) {
            if (cmdDelete->isEnabled()) cmdDelete_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPersonalSessions::Reload(const QString& selectPath) {
    mListing = ListPersonalSessions(mFolder);
    const int before = lstSessions->currentRow();
    lstSessions->clear();
    int select = -1;
    for (const PersonalSessionFile& file : mListing.sessions) {
        if (file.path == selectPath) select = lstSessions->count();
        auto* item = new QListWidgetItem(file.session.title, lstSessions);
        item->setData(SESSION_STATEMENT_ROLE, file.session.setup);
        // The statement is cut to one line in the list: whole in the tip and for a screen reader.
        item->setToolTip(file.session.setup);
        item->setData(Qt::AccessibleDescriptionRole, file.session.setup);
    }
    if (select < 0 && lstSessions->count() > 0) {
        select = std::clamp(before, 0, lstSessions->count() - 1);
    }
    lstSessions->setCurrentRow(select);
    QStringList problems;
    for (const PersonalSessionProblem& p : mListing.problems) {
        problems << PersonalSessionProblemText(p);
    }
    if (!problems.isEmpty()) {
        problems.prepend(tr("Not listed, as they cannot be used (they are left as "
                            "they are in %1):")
                             .arg(QDir::toNativeSeparators(mFolder)));
    }
    const QString text = problems.join(u'\n');
    lblProblems->setText(text);
    lblProblems->setAccessibleName(text);
    lblProblems->setHidden(text.isEmpty());
    if (mListing.sessions.isEmpty()) {
        lstSessions->setAccessibleDescription(tr("No sessions yet. New makes one from an issue."));
    } else {
        lstSessions->setAccessibleDescription({});
    }
    EnableButtons();
}

void frmPersonalSessions::EnableButtons() {
    const bool chosen = Selected() != nullptr;
    for (QPushButton* b : {cmdEdit, cmdDuplicate, cmdDelete, cmdExport, cmdStart}) {
        b->setEnabled(chosen);
    }
}

void frmPersonalSessions::SetNotice(const QString& text) {
    lblNotice->setText(text);
    lblNotice->setAccessibleName(text);
    lblNotice->setHidden(text.isEmpty());
}

const PersonalSessionFile* frmPersonalSessions::Selected() const {
    const int row = lstSessions->currentRow();
    if (row < 0 || row >= mListing.sessions.size()) return nullptr;
    return &mListing.sessions.at(row);
}

QStringList frmPersonalSessions::TitlesBut(const QString& path) const {
    QStringList titles;
    for (const PersonalSessionFile& file : mListing.sessions) {
        if (file.path != path) titles << file.session.title;
    }
    return titles;
}

bool frmPersonalSessions::Edit(PersonalSession& session, const QString& path,
                               const QString& caption, QString* written) {
    // The editor shows what the file holds now, and a save compares the file with just that.
    PersonalFileLook seen;
    if (!path.isEmpty()) {
        seen = LookAtPersonalFile(path);
        const PersonalSessionRead read = ParsePersonalSession(seen.bytes);
        if (read.session) session = *read.session;
    }
    frmPersonalSessionEdit editor(session, TitlesBut(path), this);
    editor.setWindowTitle(caption);
    PersonalSession kept;
    written->clear();
    editor.SetSave([&](const PersonalSession& typed, QString* error) {
        kept = typed;
        return Keep(path, seen, kept, written, error);
    });
    if (RunModalDialog(editor) != QDialog::Accepted || written->isEmpty()) return false;
    session = kept;
    return true;
}

bool frmPersonalSessions::Keep(const QString& path, PersonalFileLook& seen,
                               PersonalSession& session, QString* written, QString* error) {
    bool asNew = path.isEmpty();
    const PersonalFileLook now = asNew ? PersonalFileLook{} : LookAtPersonalFile(path);
    if (!asNew && now != seen) {
        // Changed or deleted since the editor read it, perhaps by another running copy: the
        // user decides, and keeping both loses nobody's words.
        QStringList titles;
        for (const PersonalSessionFile& file : ListPersonalSessions(mFolder).sessions) {
            titles << file.session.title;
        }
        const QString free = FreeTitle(session.title, titles);
        const MessageAnswer answer = ShowMessage(
            {Caption(),
             tr("The file %1 of \u201C%2\u201D was changed or deleted after you opened it "
                "here, perhaps in another copy of Mindrova. Overwrite it with what you typed, "
                "or keep both (what you typed as \u201C%3\u201D)?")
                 .arg(QFileInfo(path).fileName(), session.title, free),
             MessageIcon::Question, MessageButtons::OverwriteKeepBothCancel,
             MessageAnswer::KeepBoth});
        if (answer != MessageAnswer::Overwrite && answer != MessageAnswer::KeepBoth) {
            error->clear();
            return false;
        }
        if (answer == MessageAnswer::KeepBoth) {
            session.title = free;
            asNew = true;
        } else {
            // Asked once: should this write fail, trying again does not ask again.
            seen = now;
        }
    }
    if (asNew) {
        *written = SaveNewPersonalSession(mFolder, session, error);
        return !written->isEmpty();
    }
    if (!WritePersonalSessionFile(path, session, error)) return false;
    *written = path;
    return true;
}

// Writes the session to path, or to a new file when path is empty; returns the file's path, or
// an empty text once the user has been told it could not be written.
QString frmPersonalSessions::Write(const QString& path, const PersonalSession& session) {
    QString error;
    QString written = path;
    if (path.isEmpty()) {
        written = SaveNewPersonalSession(mFolder, session, &error);
    } else if (!WritePersonalSessionFile(path, session, &error)) {
        written.clear();
    }
    if (written.isEmpty()) {
        Tell(tr("The session \u201C%1\u201D could not be saved (%2). Your other "
                "sessions are unchanged.")
                 .arg(session.title, error));
    }
    return written;
}

void frmPersonalSessions::cmdNew_Click() {
    Trap({"frmPersonalSessions", "cmdNew_Click"}, [&] {
        const Issue issue = AskStartingIssue(this, mIssue);
        if (issue == eisNone) return;
        PersonalSession session = PersonalSessionFromIssue(issue, mOwnWords);
        session.title = FreeTitle(session.title, TitlesBut({}));
        QString path;
        if (!Edit(session, {}, tr("New session"), &path)) return;
        SetNotice(tr("\u201C%1\u201D was saved.").arg(session.title));
        Reload(path);
    });
}

void frmPersonalSessions::cmdEdit_Click() {
    Trap({"frmPersonalSessions", "cmdEdit_Click"}, [&] {
        const PersonalSessionFile* chosen = Selected();
        if (chosen == nullptr) return;
        PersonalSession session = chosen->session;
        QString path;
        if (!Edit(session, chosen->path, tr("Edit a session"), &path)) return;
        SetNotice(tr("\u201C%1\u201D was saved.").arg(session.title));
        Reload(path);
    });
}

void frmPersonalSessions::cmdDuplicate_Click() {
    Trap({"frmPersonalSessions", "cmdDuplicate_Click"}, [&] {
        const PersonalSessionFile* chosen = Selected();
        if (chosen == nullptr) return;
        PersonalSession copy = chosen->session;
        copy.title = FreeTitle(copy.title, TitlesBut({}));
        const QString path = Write({}, copy);
        if (path.isEmpty()) return;
        SetNotice(tr("\u201C%1\u201D was made as a copy.").arg(copy.title));
        Reload(path);
    });
}

void frmPersonalSessions::cmdDelete_Click() {
    Trap({"frmPersonalSessions", "cmdDelete_Click"}, [&] {
        const PersonalSessionFile* chosen = Selected();
        if (chosen == nullptr) return;
        const PersonalSessionFile file = *chosen;
        const MessageAnswer answer = ShowMessage(
            {Caption(),
             tr("Delete your session \u201C%1\u201D? Its file %2 is deleted; this "
                "cannot be undone.")
                 .arg(file.session.title, QFileInfo(file.path).fileName()),
             MessageIcon::Question, MessageButtons::DeleteCancel, MessageAnswer::Cancel});
        if (answer != MessageAnswer::Delete) return;
        if (QFile::remove(file.path)) {
            SetNotice(tr("\u201C%1\u201D was deleted.").arg(file.session.title));
        } else {
            Tell(tr("The session \u201C%1\u201D could not be deleted; it is left "
                    "as it was.")
                     .arg(file.session.title));
        }
        Reload();
    });
}

void frmPersonalSessions::cmdImport_Click() {
    Trap({"frmPersonalSessions", "cmdImport_Click"}, [&] {
        QFileDialog dialog(this, tr("Import a session"), DocumentsFolder(),
                           tr("Session files (*.json)"));
        dialog.setObjectName(QStringLiteral("dlgSessionImport"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (RunModalDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return;
        }
        const ImportOutcome outcome =
            ImportPersonalSession(mFolder, dialog.selectedFiles().constFirst());
        if (outcome.result == ImportResult::Refused || outcome.result == ImportResult::Failed) {
            Tell(outcome.message);
            return;
        }
        SetNotice(outcome.message);
        Reload(outcome.path);
    });
}

void frmPersonalSessions::cmdExport_Click() {
    Trap({"frmPersonalSessions", "cmdExport_Click"}, [&] {
        const PersonalSessionFile* chosen = Selected();
        if (chosen == nullptr) return;
        const SessionExport exported = ExportPersonalSession(this, chosen->session);
        if (exported.result == ExportResult::Exported) SetNotice(exported.message);
        if (exported.result == ExportResult::Failed) Tell(exported.message);
    });
}

void frmPersonalSessions::cmdStart_Click() {
    Trap({"frmPersonalSessions", "cmdStart_Click"}, [&] {
        const PersonalSessionFile* chosen = Selected();
        if (chosen == nullptr) return;
        mStartTitle = chosen->session.title;
        accept();
    });
}

SessionExport ExportPersonalSession(QWidget* parent, const PersonalSession& session) {
    const QString folder = DocumentsFolder();
    QFileDialog dialog(
        parent, QCoreApplication::translate("mindrova::frmPersonalSessions", "Export a session"),
        folder,
        QCoreApplication::translate("mindrova::frmPersonalSessions", "Session files (*.json)"));
    dialog.setObjectName(QStringLiteral("dlgSessionExport"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    dialog.selectFile(NewPersonalSessionPath(folder, session.title));
    if (RunModalDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString target = dialog.selectedFiles().constFirst();
    QString error;
    if (WritePersonalSessionFile(target, session, &error)) {
        return {ExportResult::Exported,
                QCoreApplication::translate("mindrova::frmPersonalSessions",
                                            "\u201C%1\u201D was exported to %2.")
                    .arg(session.title, QDir::toNativeSeparators(target))};
    }
    return {ExportResult::Failed,
            QCoreApplication::translate("mindrova::frmPersonalSessions",
                                        "\u201C%1\u201D could not be exported to %2 (%3).")
                .arg(session.title, QDir::toNativeSeparators(target), error)};
}

QString ShowPersonalSessions(QWidget* owner, const QString& folder, Issue issue,
                             const QString& ownWords) {
    QString start;
    Trap({"frmPersonalSessions", "ShowPersonalSessions"}, [&] {
        frmPersonalSessions dialog(folder, issue, ownWords, owner);
        if (RunModalDialog(dialog) == QDialog::Accepted) start = dialog.startTitle();
    });
    return start;
}

}  // namespace mindrova
