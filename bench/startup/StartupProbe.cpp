// Starts a program and watches it from outside, through the X server and
// /proc: the milliseconds from fork until a window of the game's size is mapped
// and until it is painted, and the program's peak resident memory once it is.
//
//   vennaro-startup-probe SETTLE_MS PROGRAM [ARGUMENT...]
//
// prints "MAP_MS PAINT_MS VMHWM_KIB". Painted means that a small square at the
// window's centre no longer matches what the screen showed there before the
// program ran: until its first paint a window shows what lies behind it. A
// square, not one pixel, since a pixel may land on a line of the background's
// colour. The memory is read SETTLE_MS after the paint, then the program is
// killed.

#include "ui/Layout.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto GiveUpAfter = std::chrono::seconds(60);

pid_t child = 0;

[[noreturn]] void fail(const std::string &why)
{
    std::fprintf(stderr, "vennaro-startup-probe: %s\n", why.c_str());
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    std::exit(2);
}

// A window can vanish between two requests; that shows up as a failed
// attempt, not as the end of the probe.
int ignoreXError(Display *, XErrorEvent *)
{
    return 0;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void checkChildRunning()
{
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
        child = 0;
        fail("the program ended before its window was painted");
    }
}

constexpr int Square = 8;

// Whether the square at (x, y) of the window differs anywhere from the same
// square of the screen as it was before, which lay at (screenX, screenY).
bool squareChanged(Display *display, Window window, int x, int y, XImage *before, int screenX, int screenY)
{
    XImage *now = XGetImage(display, window, x, y, Square, Square, AllPlanes, ZPixmap);
    if (!now)
        return false;
    bool changed = false;
    for (int row = 0; row < Square && !changed; ++row) {
        for (int column = 0; column < Square && !changed; ++column)
            changed = XGetPixel(now, column, row) != XGetPixel(before, screenX + column, screenY + row);
    }
    XDestroyImage(now);
    return changed;
}

long peakResidentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    fail("no VmHWM in /proc/" + std::to_string(pid) + "/status");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3)
        fail("usage: vennaro-startup-probe SETTLE_MS PROGRAM [ARGUMENT...]");
    const int wantedWidth = Layout::windowSize().width();
    const int wantedHeight = Layout::windowSize().height();
    const auto settle = std::chrono::milliseconds(std::atol(argv[1]));

    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the display");
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    XWindowAttributes screen{};
    XGetWindowAttributes(display, root, &screen);
    XImage *before = XGetImage(display, root, 0, 0, unsigned(screen.width), unsigned(screen.height), AllPlanes, ZPixmap);
    if (!before)
        fail("cannot read the screen");
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    child = fork();
    if (child < 0)
        fail("fork failed");
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }

    Window window = 0;
    XWindowAttributes placed{};
    double mapped = 0;
    while (!window) {
        if (Clock::now() - start > GiveUpAfter)
            fail("no window of the size asked for was mapped");
        checkChildRunning();
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 5);
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || window)
                continue;
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(display, event.xmap.window, &attributes) && attributes.width == wantedWidth
                && attributes.height == wantedHeight) {
                mapped = millisecondsSince(start);
                window = event.xmap.window;
                placed = attributes;
            }
        }
    }

    const int x = (wantedWidth - Square) / 2;
    const int y = (wantedHeight - Square) / 2;
    const int screenX = placed.x + placed.border_width + x;
    const int screenY = placed.y + placed.border_width + y;
    if (screenX < 0 || screenY < 0 || screenX + Square > screen.width || screenY + Square > screen.height)
        fail("the window's centre is off the screen");
    double painted = 0;
    while (painted == 0) {
        if (Clock::now() - start > GiveUpAfter)
            fail("the window was mapped but never painted");
        checkChildRunning();
        if (squareChanged(display, window, x, y, before, screenX, screenY))
            painted = millisecondsSince(start);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    std::this_thread::sleep_for(settle);
    checkChildRunning();
    const long peak = peakResidentKib(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XDestroyImage(before);
    XCloseDisplay(display);
    std::printf("%.1f %.1f %ld\n", mapped, painted, peak);
    return 0;
}
