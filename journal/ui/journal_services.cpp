#include "journal/ui/journal_services.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLibrary>
#include <QPointer>

#include "journal/journal_files.h"
#include "journal/journal_recorder.h"
#include "journal/journal_setting.h"
#include "window/ui/frm_main.h"
#include "window/ui/status_notices.h"
#include "window/ui/window_services.h"
#include "support/modal_seam.h"

namespace mindrova {
namespace {

using RunJournalWindow = void (*)(const QString& filePath, QWidget* owner, const QString& problem);

// Beside the program in the build, in its library folder once installed. QLibrary adds the
// platform's own file name ending.
// The module, once loaded, stays loaded for the rest of the process.
RunJournalWindow LoadJournalWindow(const QString& moduleFolder, QString* tried) {
    static RunJournalWindow run = nullptr;
    if (run) return run;
    const QString folder =
        moduleFolder.isEmpty() ? QCoreApplication::applicationDirPath() : moduleFolder;
    for (const QString& candidate :
         {folder + QStringLiteral("/mindrova_journal_window"),
          folder + QStringLiteral("/" MINDROVA_JOURNAL_WINDOW_DIR "/mindrova_journal_window")}) {
        QLibrary module(candidate);
        run = reinterpret_cast<RunJournalWindow>(module.resolve("MindrovaRunJournalWindow"));
        if (run) return run;
        if (tried->isEmpty()) *tried = module.errorString();
    }
    if (tried->isEmpty()) *tried = folder;
    return nullptr;
}

void Tell(const QString& text) {
    ShowMessage({QStringLiteral("Mindrova"), text, MessageIcon::Information, MessageButtons::Ok,
                 MessageAnswer::Ok});
}

QString FileNames(const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths) names << QFileInfo(path).fileName();
    return names.join(QStringLiteral(", "));
}

}  // namespace

WindowJournal::WindowJournal(QString filePath) : mFilePath(std::move(filePath)) {}

void WindowJournal::ShowWindow(QWidget* owner) {
    QString tried;
    const RunJournalWindow run = LoadJournalWindow(mModuleFolder, &tried);
    if (!run) {
        Tell(QCoreApplication::translate(
                 "JournalServices",
                 "The journal window could not be opened (%1). Your journal is "
                 "kept as it was.")
                 .arg(tried));
        return;
    }
    // The writer finishes what it was given and lets go of the file: the window shows the newest
    // entry, and it alone may find the file damaged and keep it aside.
    QString problem;
    if (JournalRecorder* recorder = Recorder()) {
        recorder->CloseFile();
        problem = recorder->ProblemText();
    }
    run(mFilePath, owner, problem);
    // The window has said it in full.
    if (!problem.isEmpty() && mWindow && mNotice) mWindow->notices().Hide(mNotice);
}

JournalRecorder* WindowJournal::Recorder() const {
    return mRecorder.data();
}

bool WindowJournal::Kept() const {
    const JournalRecorder* recorder = Recorder();
    return recorder ? recorder->Enabled() : JournalEnabledSetting();
}

void WindowJournal::Attach(frmMain& window) {
    auto* recorder = new JournalRecorder(mFilePath, &window);
    recorder->SetEnabled(JournalEnabledSetting());
    window.controller().AddListener(recorder);
    QLabel* notice = window.notices().AddNotice(
        QStringLiteral("lblJournalNotice"),
        QCoreApplication::translate("JournalServices", "Journal notice"));
    QObject::connect(
        recorder, &JournalRecorder::problemNoticed, notice,
        [&window, notice](const QString& text) { window.notices().Show(notice, text); });
    mRecorder = recorder;
    mWindow = &window;
    mNotice = notice;
}

bool WindowJournal::SetKept(bool on, QWidget* /*owner*/) {
    const QString& filePath = mFilePath;
    JournalRecorder* recorder = Recorder();
    const bool saved = SaveJournalEnabledSetting(on);
    if (on && !saved) {
        // Kept on for this session alone, the menu would say on while the next start says off.
        Tell(QCoreApplication::translate(
            "JournalServices",
            "Your choice could not be saved in the settings file, so the journal "
            "stays off and nothing is written to it."));
        if (recorder) recorder->SetEnabled(false);
        return false;
    }
    if (recorder) recorder->SetEnabled(on);
    if (!on && !saved) {
        Tell(QCoreApplication::translate(
            "JournalServices",
            "Your journal is off: nothing more will be written to it now. Your "
            "choice could not be saved in the settings file, so the journal "
            "will be on again when Mindrova next starts."));
    }
    const QStringList copies = DamagedCopies(filePath);
    if (on || (!QFileInfo::exists(filePath) && copies.isEmpty())) return on;
    QString question = QCoreApplication::translate(
        "JournalServices",
        "Your journal is off: nothing more will be written to it. Do you also "
        "want to delete the entries it keeps? This cannot be undone.");
    if (!copies.isEmpty()) {
        question += QLatin1Char(' ') +
                    QCoreApplication::translate(
                        "JournalServices",
                        "The copies kept aside because they could not be read are deleted "
                        "with them: %1.")
                        .arg(FileNames(copies));
    }
    const MessageAnswer answer =
        ShowMessage({QStringLiteral("Mindrova"), question, MessageIcon::Question,
                     MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) return false;
    // The writer lets go of the file first, so that nothing is written back after the delete.
    if (recorder) recorder->CloseFile();
    if (!DeleteJournalFiles(filePath, true)) {
        Tell(QCoreApplication::translate(
                 "JournalServices",
                 "The journal could not be deleted. You can delete the files "
                 "%1* yourself.")
                 .arg(filePath));
    }
    return false;
}

JournalItemServices WindowJournal::ItemsOf(const std::shared_ptr<WindowJournal>& journal) {
    JournalItemServices services;
    services.journalEnabled = [journal] { return journal->Kept(); };
    services.setJournalEnabled = [journal](bool on, QWidget* owner) {
        return journal->SetKept(on, owner);
    };
    services.showJournal = [journal](QWidget* owner) { journal->ShowWindow(owner); };
    return services;
}

}  // namespace mindrova
