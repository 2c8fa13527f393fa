// Starts a program and prints the milliseconds from its start until its first top-level window
// is mapped on the X display (the server's MapNotify, not a poll), and the program's process
// id; the program keeps running.
//
//     map-timer [--timeout seconds] program [arguments...]
//
// Exit status 0 with "<ms> <pid>" on standard output; 1 when no window was mapped in time (the
// program is then ended).
#include <X11/Xlib.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    double timeoutMs = 20000;
    if (argc > 2 && std::strcmp(argv[1], "--timeout") == 0) {
        timeoutMs = std::atof(argv[2]) * 1000;
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: map-timer [--timeout seconds] program [arguments...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map-timer: cannot open the display\n");
        return 2;
    }
    // Every window created or mapped as a child of the root window is reported.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        std::perror("map-timer: exec");
        _exit(127);
    }
    if (pid < 0) {
        std::perror("map-timer: fork");
        return 2;
    }

    pollfd watch{ConnectionNumber(display), POLLIN, 0};
    while (NowMs() - start < timeoutMs) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            // Popups and tooltips (override-redirect) are not the program's window.
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                std::printf("%.1f %d\n", NowMs() - start, int(pid));
                return 0;
            }
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "map-timer: %s ended before showing a window\n", argv[first]);
            return 1;
        }
        poll(&watch, 1, 50);
    }
    std::fprintf(stderr, "map-timer: no window of %s within the time-out\n", argv[first]);
    kill(pid, SIGTERM);
    return 1;
}
