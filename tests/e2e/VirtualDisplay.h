#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct _XDisplay;

// The X display the test runs on (the virtual one that xvfb-run starts for
// it), read through libX11 and driven with xdotool. Every call that can
// fail leaves the reason in lastError().
class VirtualDisplay
{
public:
    // How long anything on the screen is given to happen.
    static constexpr int WaitMs = 5000;

    VirtualDisplay() = default;
    VirtualDisplay(const VirtualDisplay &) = delete;
    VirtualDisplay &operator=(const VirtualDisplay &) = delete;
    ~VirtualDisplay();

    // Connects to the display that DISPLAY names.
    bool open();
    QSize screenSize() const;
    // What programs started on this display get: DISPLAY, English, and X11 for
    // Qt, or Wayland where VENNARO_WAYLAND_DISPLAY names a compositor on it.
    QProcessEnvironment environment() const;
    static bool onWayland();
    QString lastError() const;

    // Runs xdotool against this display; its standard output, or nothing
    // when it could not run or did not exit with 0 within timeoutMs.
    std::optional<QByteArray> xdotool(const QStringList &arguments, int timeoutMs = WaitMs) const;

    QImage screenshot() const;
    // Screenshots until ready accepts one or time is up; the last one taken.
    QImage screenshotWhen(const std::function<bool(const QImage &)> &ready) const;

    // Ids of mapped windows that xdotool search finds with these criteria.
    QStringList visibleWindows(const QStringList &criteria) const;
    // Waits for a mapped window matching criteria that accept takes.
    std::optional<QString> waitForWindow(const QStringList &criteria,
                                         const std::function<bool(const QString &)> &accept) const;
    bool waitUntilGone(const QString &window) const;
    bool isMapped(const QString &window) const;
    std::optional<QRect> geometry(const QString &window) const;
    // A black one-pixel outline of that size on the shot: a window's border.
    static std::optional<QRect> outlineOn(const QImage &shot, QSize size);
    // Whether the window is a child of the root window, unframed.
    bool isTopLevel(const QString &window) const;
    // The values of a property of format 32; empty where the window has none.
    QList<long> property(const QString &window, const char *name) const;
    QString name(const QString &window) const;

    // Presses and releases mouse button 1 there, count times in a row (two is a
    // double-click); buttons 4 and 5 are the wheel's notches up and down.
    bool click(QPoint screenPoint, int count = 1, int button = 1) const;
    // Presses button 1 at from, goes to to in steps, and releases it there
    // once arrived() holds, or WaitMs later: a compositor moves a window only
    // while the button is down, and a hand waits for the window to come along.
    bool drag(QPoint from, QPoint to, int steps, const std::function<bool()> &arrived) const;
    bool moveMouse(QPoint screenPoint) const;
    // Asks the window to close as a window manager's close button does: a
    // WM_DELETE_WINDOW message.
    bool requestClose(const QString &window) const;
    bool focus(const QString &window) const;
    // Focuses window, then types the keys, e.g. "alt+x" or "Return"; with no
    // window, where the focus is.
    bool pressKeys(const QString &window, const QStringList &keys) const;

private:
    _XDisplay *connection_ = nullptr;
    mutable QString lastError_;
};
