// Start-up probe: starts a program and reports how long it takes until its
// top-level window with the given title is mapped on the X display, then its
// memory and its CPU use while idle.
//
//   mapwait [--settle MS] [--idle MS] TITLE PROGRAM [ARGS...]
//   -> map_ms=<ms> cpu_ms=<CPU time until mapped> hwm_kb=<peak RSS> rss_kb=<RSS>
//      idle_us=<CPU time used while idling>
// Exit status 3 means the run could not be measured (no connection to the
// display, or the program ended without a window) and may be repeated.
//
// The probe listens for MapNotify on the root window (SubstructureNotify) before
// it forks, so no map can slip by, and the event is sent the moment the server
// maps the window. Without a window manager a top-level window is a direct
// child of the root and is mapped as soon as the program asks for it.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kRetry = 3;

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

std::string Title(Display* dpy, Window window) {
    for (const char* name : {"_NET_WM_NAME", "WM_NAME"}) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        const Atom property = XInternAtom(dpy, name, False);
        if (XGetWindowProperty(dpy, window, property, 0, 256, False, AnyPropertyType, &type,
                               &format, &count, &after, &data) == Success &&
            data != nullptr) {
            std::string title(reinterpret_cast<const char*>(data), count);
            XFree(data);
            if (format == 8) return title;
        }
    }
    return {};
}

long StatusKb(pid_t pid, const std::string& key) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key + ":", 0) == 0)
            return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
    }
    return -1;
}

// CPU time of all the program's threads in microseconds, from the scheduler's
// nanosecond counters (finer than the clock ticks of /proc/<pid>/stat).
long long CpuUs(pid_t pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    long long ns = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "schedstat");
        long long running = 0;
        if (in >> running) ns += running;
    }
    return ns / 1000;
}

void SleepMs(int ms) {
    const timespec ts{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    nanosleep(&ts, nullptr);
}

int Stop(pid_t pid, int code) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return code;
}

} // namespace

int main(int argc, char** argv) {
    int settleMs = 500;
    int idleMs = 0;
    int arg = 1;
    for (; arg + 1 < argc && std::strncmp(argv[arg], "--", 2) == 0; arg += 2) {
        if (std::strcmp(argv[arg], "--settle") == 0) settleMs = std::atoi(argv[arg + 1]);
        if (std::strcmp(argv[arg], "--idle") == 0) idleMs = std::atoi(argv[arg + 1]);
    }
    if (argc - arg < 2) {
        std::fprintf(stderr, "usage: mapwait [--settle MS] [--idle MS] TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::string wanted = argv[arg];
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "mapwait: cannot open the display\n");
        return kRetry;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[arg + 1], argv + arg + 1);
        std::perror("mapwait: exec");
        _exit(127);
    }

    constexpr double kTimeoutMs = 30000;
    double mapped = -1;
    while (mapped < 0) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "mapwait: %s ended before its window was mapped\n", argv[arg + 1]);
            return kRetry;
        }
        if (NowMs() - start > kTimeoutMs) {
            std::fprintf(stderr, "mapwait: no window \"%s\" within %.0f ms\n", wanted.c_str(),
                         kTimeoutMs);
            return Stop(pid, 1);
        }
        if (XPending(dpy) == 0) {
            pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
            poll(&fd, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(dpy, &event);
        if (event.type == MapNotify && Title(dpy, event.xmap.window) == wanted) mapped = NowMs();
    }
    const long long cpuUs = CpuUs(pid);

    SleepMs(settleMs);
    const long long idleStart = CpuUs(pid);
    if (idleMs > 0) SleepMs(idleMs);
    const long long idleUs = CpuUs(pid) - idleStart;
    std::printf("map_ms=%.1f cpu_ms=%.1f hwm_kb=%ld rss_kb=%ld idle_us=%lld\n", mapped - start,
                static_cast<double>(cpuUs) / 1e3, StatusKb(pid, "VmHWM"), StatusKb(pid, "VmRSS"),
                idleUs);
    XCloseDisplay(dpy);
    return Stop(pid, 0);
}
