#include "app/startup.h"

#include <QApplication>
#include <QIcon>
#include <memory>
#include <utility>

#include "app/feature_parts.h"
#include "app/frm_about.h"
#include "display/ui/frm_appearance.h"
#include "personal/ui/frm_personal_sessions.h"
#include "session/ui/frm_session_options.h"
#include "speech/ui/frm_voice.h"
#include "journal/ui/journal_services.h"
#include "app/web_pages.h"
#include "display/desktop_preferences.h"
#include "journal/journal_store.h"
#include "window/ui/frm_main.h"
#include "support/error_trap.h"
#include "support/ui/after_first_paint.h"
#include "support/file_system_helper.h"
#include "support/report_address.h"
#include "support/single_instance.h"

namespace mindrova {

QPointer<frmMain> MainWindowRef;

SessionWindowServices MakeSessionWindowServices(const std::shared_ptr<WindowJournal>& journal) {
    SessionWindowServices services;
    services.showAbout = [] { ShowAboutBox(); };
    services.openFeedbackPage = [](QWidget* owner) {
        OpenWebPage(owner, ContactPageAddress(), false);
    };
    services.showSessionOptionsDialog = [](QWidget* owner) {
        return ShowSessionOptionsDialog(owner);
    };
    FeatureServices features;
    features.journal = WindowJournal::ItemsOf(journal);
    features.speech.showVoiceDialog = [](QWidget* owner) { return ShowVoiceDialog(owner); };
    features.display.showAppearanceDialog = [](QWidget* owner) {
        return ShowAppearanceDialog(owner);
    };
    features.display.makeDesktopPreferences = [] { return std::make_unique<DesktopPreferences>(); };
    features.personal.listPersonalSessions = [] {
        return ListPersonalSessions(PersonalSessionsFolder());
    };
    features.personal.runPersonalSessions = [](QWidget* owner, Issue issue,
                                               const QString& ownWords) {
        return ShowPersonalSessions(owner, PersonalSessionsFolder(), issue, ownWords);
    };
    services.parts = FeatureParts(std::move(features));
    return services;
}

int ExitCodeFor(StartupOutcome outcome) {
    return outcome == StartupOutcome::WindowFailed ? 1 : 0;
}

StartupOutcome StartUp(const std::function<frmMain*(SessionWindowServices)>& createWindow) {
    constexpr TrapSite kSite{"modMain", "Main"};
    const int checkpoint = 0;
    bool declined = false;
    Trap(
        kSite,
        [&] {
            if (CheckPreviousInstance()) {
                declined = true;
                return;
            }
            FileSystemHelper = std::make_unique<FileSystemObject>();
        },
        &checkpoint);
    if (declined) return StartupOutcome::SecondCopyDeclined;

    const auto journal = std::make_shared<WindowJournal>(JournalStore::DefaultPath());

    // A window that cannot be made would fail again on every retry: report it once and end.
    bool shown = false;
    Trap(
        kSite,
        [&] {
            std::unique_ptr<frmMain> window(createWindow(MakeSessionWindowServices(journal)));
            if (!window) throw Fault(91, "Object variable or With block variable not set");
            journal->Attach(*window);
            window->show();
            // Drawing the icon at every size the window manager may ask for takes longer than
            // anything else the opening window does; a window painted first wants none of it.
            AfterFirstPaint(*window, [] {
                QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/app_icon.svg")));
            });
            MainWindowRef = window.release();
            shown = true;
        },
        &checkpoint);
    return shown ? StartupOutcome::WindowShown : StartupOutcome::WindowFailed;
}

StartupOutcome Main() {
    return StartUp([](SessionWindowServices services) { return new frmMain(std::move(services)); });
}

}  // namespace mindrova
