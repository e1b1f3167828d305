#include "app/program_end.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <thread>

#include "window/ui/frm_main.h"
#include "support/single_instance.h"

#include <unistd.h>

namespace mindrova {
namespace {

bool gEngineLeftRunning = false;

}  // namespace

ProgramEnd ProcessEnd() {
    return {[](int exitCode) { QCoreApplication::exit(exitCode); }, ArmProcessEndDeadline};
}

void EndProgramWithWindow(frmMain& window, ProgramEnd end) {
    gEngineLeftRunning = false;
    QObject::connect(
        &window, &frmMain::closed, &window,
        [&window, end = std::move(end)] {
            gEngineLeftRunning = window.Abandon();
            if (end.armDeadline) end.armDeadline(0, PROGRAM_END_DEADLINE_MS);
            if (end.endEventLoop) end.endEventLoop(0);
        },
        Qt::SingleShotConnection);
}

bool SpeechEngineLeftRunning() {
    return gEngineLeftRunning;
}

void EndProcess(int exitCode) {
    ReleaseInstanceLock();
    std::fflush(nullptr);
    ::_exit(exitCode);
}

void ArmProcessEndDeadline(int exitCode, int ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    // Nothing but the clock and _exit: whatever else the process holds may be what hangs.
    std::thread([exitCode, deadline] {
        std::this_thread::sleep_until(deadline);
        ::_exit(exitCode);
    }).detach();
}

}  // namespace mindrova
