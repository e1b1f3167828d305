// Watches an X display from outside a program, so start-up is timed the same way for any program
// and the watcher adds no polling delay of its own.
//
//   paint_watch [-q QUIET_MS] [-t TIMEOUT_MS] [-h HOLD_MS] [-k] -- PROGRAM [ARGS...]
//     Starts PROGRAM and waits for its first window (at least 100x100) to be mapped and painted:
//     the paint is finished when the window's area has had no damage for QUIET_MS (300). Prints
//     "pid= window= map_ms= first_damage_ms= paint_ms=", times counted from the fork, and
//     run_ms=, the program's CPU time by then (read after the quiet spell). Then waits HOLD_MS
//     (0), prints "hwm_kb= rss_kb=" from /proc and ends the program, unless -k leaves it running.
//   paint_watch -l SECONDS
//     Prints every damaged rectangle of the screen for SECONDS as "t_ms x y w h", t in ms on
//     the monotonic clock.
//
// Damage is taken on the root window: it sees the drawing of every top-level window, including
// the first paint of a window that did not exist yet when the watching began.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// A window that vanishes between its CreateNotify and our question about it is not an error.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// Waits for the next event until the absolute time deadline_ms; false on timeout.
bool NextEvent(Display* dpy, XEvent& ev, double deadline_ms) {
    while (!XPending(dpy)) {
        const double left = deadline_ms - NowMs();
        if (left <= 0) return false;
        pollfd pfd{ConnectionNumber(dpy), POLLIN, 0};
        poll(&pfd, 1, int(left) + 1);
    }
    XNextEvent(dpy, &ev);
    return true;
}

bool Overlaps(const XRectangle& a, int x, int y, int w, int h) {
    return a.x < x + w && x < a.x + a.width && a.y < y + h && y < a.y + a.height;
}

std::string StatusField(pid_t pid, const char* name) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string key = std::string(name) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) return std::to_string(std::atol(line.c_str() + key.size()));
    }
    return "0";
}

// CPU time the program has had so far, every thread, from the scheduler's nanosecond counts:
// unlike wall-clock time it does not grow when other work shares the cores.
double RunMs(pid_t pid) {
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            if (e->d_name[0] == '.') continue;
            std::ifstream in(dir + "/" + e->d_name + "/schedstat");
            double run = 0;
            if (in >> run) ns += run;
        }
        closedir(d);
    }
    return ns / 1e6;
}

void EndChild(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int LogDamage(Display* dpy, int damageEvent, double seconds) {
    const double end = NowMs() + seconds * 1e3;
    XEvent ev;
    while (NextEvent(dpy, ev, end)) {
        if (ev.type != damageEvent + XDamageNotify) continue;
        const auto& d = reinterpret_cast<XDamageNotifyEvent&>(ev);
        std::printf("%.3f %d %d %d %d\n", NowMs(), d.area.x, d.area.y, d.area.width, d.area.height);
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    int quietMs = 300, timeoutMs = 20000, holdMs = 0;
    double logSeconds = 0;
    bool keep = false;
    int opt;
    while ((opt = getopt(argc, argv, "q:t:h:kl:")) != -1) {
        switch (opt) {
            case 'q':
                quietMs = std::atoi(optarg);
                break;
            case 't':
                timeoutMs = std::atoi(optarg);
                break;
            case 'h':
                holdMs = std::atoi(optarg);
                break;
            case 'k':
                keep = true;
                break;
            case 'l':
                logSeconds = std::atof(optarg);
                break;
            default:
                return 2;
        }
    }
    if (logSeconds <= 0 && optind >= argc) {
        std::fprintf(stderr,
                     "usage: paint_watch [-q ms] [-t ms] [-h ms] [-k] -- program args\n"
                     "       paint_watch -l seconds\n");
        return 2;
    }

    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "paint_watch: cannot open display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "paint_watch: no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XDamageCreate(dpy, root, XDamageReportRawRectangles);
    XSync(dpy, False);  // watching before the program starts

    if (logSeconds > 0) return LogDamage(dpy, damageEvent, logSeconds);

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid < 0) return 1;
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        dup2(2, 1);  // the program's output must not hold our caller's pipe open
        execvp(argv[optind], argv + optind);
        std::perror("paint_watch: exec");
        _exit(127);
    }

    const double deadline = start + timeoutMs;
    Window target = 0;
    int wx = 0, wy = 0, ww = 0, wh = 0;
    double mapMs = -1, firstMs = -1, lastMs = -1;
    XEvent ev;
    for (;;) {
        // Once painting has begun, a quiet spell ends the wait.
        const double until = firstMs >= 0 ? std::min(deadline, start + lastMs + quietMs) : deadline;
        if (!NextEvent(dpy, ev, until)) break;
        const double t = NowMs() - start;
        if (ev.type == MapNotify && !target) {
            XWindowAttributes a{};
            if (XGetWindowAttributes(dpy, ev.xmap.window, &a) && a.width >= 100 &&
                a.height >= 100) {
                target = ev.xmap.window;
                wx = a.x, wy = a.y, ww = a.width, wh = a.height;
                mapMs = t;
            }
        } else if (ev.type == ConfigureNotify && ev.xconfigure.window == target) {
            wx = ev.xconfigure.x, wy = ev.xconfigure.y;
            ww = ev.xconfigure.width, wh = ev.xconfigure.height;
        } else if (ev.type == damageEvent + XDamageNotify && target) {
            const auto& d = reinterpret_cast<XDamageNotifyEvent&>(ev);
            if (!Overlaps(d.area, wx, wy, ww, wh)) continue;
            if (firstMs < 0) firstMs = t;
            lastMs = t;
        }
    }
    if (firstMs < 0) {
        std::fprintf(stderr, "paint_watch: no painted window within %d ms\n", timeoutMs);
        EndChild(pid);
        return 1;
    }
    const double runMs = RunMs(pid);
    std::printf(
        "pid=%d window=0x%lx size=%dx%d map_ms=%.1f first_damage_ms=%.1f paint_ms=%.1f "
        "run_ms=%.1f\n",
        int(pid), target, ww, wh, mapMs, firstMs, lastMs, runMs);
    std::fflush(stdout);
    if (holdMs > 0) usleep(useconds_t(holdMs) * 1000);
    if (holdMs > 0 || !keep) {
        std::printf("hwm_kb=%s rss_kb=%s\n", StatusField(pid, "VmHWM").c_str(),
                    StatusField(pid, "VmRSS").c_str());
    }
    if (!keep) EndChild(pid);
    XCloseDisplay(dpy);
    return 0;
}
