#include <QApplication>
#include <QCoreApplication>
#include <QProcessEnvironment>

#include <cstdio>

#include "app/display_presence.h"
#include "app/error_report_dialog.h"
#include "app/layout_probe.h"
#include "support/ui/message_boxes.h"
#include "app/program_end.h"
#include "app/startup.h"
#include "app/ui_language.h"
#include "window/ui/frm_main.h"

namespace {

// The application from its start to the end of its event loop and its own clean-up.
int Run(int argc, char* argv[]) {
    // Before the application object, which would end the process with an abort of its own.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (!mindrova::DisplayReachable(arguments, QProcessEnvironment::systemEnvironment())) {
        // Qt's core needs no display: enough to say so in the language the window would speak.
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Mindrova"));
        QCoreApplication::setOrganizationName(QStringLiteral("Quellbrook"));
        mindrova::InstallUiLanguage();
        std::fprintf(stderr, "%s\n", qPrintable(mindrova::NoDisplayMessage()));
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mindrova"));
    QApplication::setOrganizationName(QStringLiteral("Quellbrook"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Mindrova"));
    // Before any window or message exists, so that every text comes out in one language.
    mindrova::InstallUiLanguage();
    mindrova::InstallModalHandlers();
    mindrova::InstallErrorReportDialog();
    mindrova::InstallLayoutProbeFromEnvironment();
    const mindrova::StartupOutcome outcome = mindrova::Main();
    if (outcome != mindrova::StartupOutcome::WindowShown) return mindrova::ExitCodeFor(outcome);
    mindrova::EndProgramWithWindow(*mindrova::MainWindowRef);
    const int exitCode = app.exec();
    // What the window still holds ends here, within the deadline its close started.
    delete mindrova::MainWindowRef.data();
    if (mindrova::SpeechEngineLeftRunning()) mindrova::EndProcess(exitCode);
    return exitCode;
}

}  // namespace

int main(int argc, char* argv[]) {
    mindrova::EndProcess(Run(argc, argv));
}
