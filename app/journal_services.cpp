#include "app/journal_services.h"

#include <QFile>
#include <QPointer>

#include <QCoreApplication>
#include <QLibrary>
#include "journal/journal_recorder.h"
#include "journal/journal_setting.h"
#include "session_window/frm_main.h"
#include "session_window/window_services.h"
#include "support/modal_seam.h"

namespace mindrova {
namespace {

QPointer<JournalRecorder> gRecorder;

using RunJournalWindow = void (*)(const QString& filePath, QWidget* owner);

QString& JournalWindowFolder() {
    static QString folder;
    return folder;
}

// Beside the program in the build, in its library folder once installed.
RunJournalWindow LoadJournalWindow(QString* tried) {
    static RunJournalWindow run = nullptr;
    if (run) return run;
    const QString folder = JournalWindowFolder().isEmpty() ? QCoreApplication::applicationDirPath()
                                                           : JournalWindowFolder();
    for (const QString& candidate :
         {folder + QStringLiteral("/mindrova_journal_window.so"),
          folder + QStringLiteral("/" MINDROVA_JOURNAL_WINDOW_DIR "/mindrova_journal_window.so")}) {
        QLibrary module(candidate);
        if (!QFile::exists(candidate)) continue;
        run = reinterpret_cast<RunJournalWindow>(module.resolve("MindrovaRunJournalWindow"));
        if (run) return run;
        *tried = module.errorString();
    }
    if (tried->isEmpty()) *tried = folder;
    return nullptr;
}

}  // namespace

void SetJournalWindowFolder(const QString& folder) {
    JournalWindowFolder() = folder;
}

void ShowJournalWindow(const QString& filePath, QWidget* owner) {
    QString tried;
    if (const RunJournalWindow run = LoadJournalWindow(&tried)) {
        run(filePath, owner);
        return;
    }
    ShowMessage({QStringLiteral("Mindrova"),
                 QStringLiteral("The journal window could not be opened (%1). Your journal is "
                                "kept as it was.")
                     .arg(tried),
                 MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
}

JournalRecorder* CurrentJournalRecorder() {
    return gRecorder.data();
}

void AttachJournal(frmMain& window, const QString& filePath) {
    auto* recorder = new JournalRecorder(filePath, &window);
    recorder->SetEnabled(JournalEnabledSetting());
    window.controller().AddListener(recorder);
    gRecorder = recorder;
}

bool DeleteJournalFiles(const QString& filePath) {
    bool allGone = true;
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString file = filePath + suffix;
        if (QFile::exists(file) && !QFile::remove(file)) allGone = false;
    }
    return allGone;
}

bool SetJournalKept(bool on, QWidget* /*owner*/, const QString& filePath) {
    SaveJournalEnabledSetting(on);
    if (JournalRecorder* recorder = CurrentJournalRecorder()) recorder->SetEnabled(on);
    if (on || !QFile::exists(filePath)) return on;
    const MessageAnswer answer = ShowMessage(
        {QStringLiteral("Mindrova"),
         QStringLiteral("Your journal is off: nothing more will be written to it. Do you also "
                        "want to delete the entries it keeps? This cannot be undone."),
         MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) return false;
    // The writer lets go of the file first, so that nothing is written back after the delete.
    if (JournalRecorder* recorder = CurrentJournalRecorder()) recorder->CloseFile();
    if (!DeleteJournalFiles(filePath)) {
        ShowMessage({QStringLiteral("Mindrova"),
                     QStringLiteral("The journal could not be deleted. You can delete the file "
                                    "%1 yourself.")
                         .arg(filePath),
                     MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
    }
    return false;
}

void InstallJournalServices(const QString& filePath) {
    SessionWindowServices& services = WindowServices();
    services.journalEnabled = [] { return JournalEnabledSetting(); };
    services.setJournalEnabled = [filePath](bool on, QWidget* owner) {
        return SetJournalKept(on, owner, filePath);
    };
    services.showJournal = [filePath](QWidget* owner) { ShowJournalWindow(filePath, owner); };
}

}  // namespace mindrova
