#include "VirtualDisplay.h"

#include "BlackRuns.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

constexpr int PollMs = 40;

template <typename Result>
Result poll(const std::function<Result()> &attempt)
{
    const QDeadlineTimer deadline(VirtualDisplay::WaitMs);
    Result result = attempt();
    while (!result && !deadline.hasExpired()) {
        QThread::msleep(PollMs);
        result = attempt();
    }
    return result;
}

} // namespace

VirtualDisplay::~VirtualDisplay()
{
    if (connection_)
        XCloseDisplay(connection_);
}

bool VirtualDisplay::open()
{
    connection_ = XOpenDisplay(nullptr);
    if (!connection_)
        lastError_ = QStringLiteral("cannot open the X display \"%1\"").arg(qEnvironmentVariable("DISPLAY"));
    return connection_ != nullptr;
}

QSize VirtualDisplay::screenSize() const
{
    const int screen = DefaultScreen(connection_);
    return {DisplayWidth(connection_, screen), DisplayHeight(connection_, screen)};
}

QProcessEnvironment VirtualDisplay::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), onWayland() ? QStringLiteral("wayland") : QStringLiteral("xcb"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (onWayland())
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), qEnvironmentVariable("VENNARO_WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    return environment;
}

bool VirtualDisplay::onWayland()
{
    return qEnvironmentVariableIsSet("VENNARO_WAYLAND_DISPLAY");
}

QString VirtualDisplay::lastError() const
{
    return lastError_;
}

std::optional<QByteArray> VirtualDisplay::run(const QString &tool, const QStringList &arguments, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(tool, arguments);
    const QString command = tool + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
    if (!process.waitForFinished(timeoutMs)) {
        lastError_ = command + QStringLiteral(": ") + process.errorString();
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        lastError_ = QStringLiteral("%1: exit code %2 %3")
                         .arg(command)
                         .arg(process.exitCode())
                         .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

QImage VirtualDisplay::screenshot() const
{
    const QSize size = screenSize();
    XImage *shot = XGetImage(connection_, DefaultRootWindow(connection_), 0, 0, unsigned(size.width()),
                             unsigned(size.height()), AllPlanes, ZPixmap);
    if (!shot) {
        lastError_ = QStringLiteral("XGetImage of the root window failed");
        return {};
    }
    QImage image;
    if (shot->bits_per_pixel == 32 && shot->red_mask == 0xff0000 && shot->green_mask == 0xff00
        && shot->blue_mask == 0xff) {
        image = QImage(reinterpret_cast<const uchar *>(shot->data), shot->width, shot->height, shot->bytes_per_line,
                       QImage::Format_RGB32)
                    .copy();
    } else {
        lastError_ = QStringLiteral("the screen is not 24-bit true colour");
    }
    XDestroyImage(shot);
    return image;
}

QImage VirtualDisplay::screenshotWhen(const std::function<bool(const QImage &)> &ready) const
{
    QImage shot;
    poll<bool>([&] {
        shot = screenshot();
        return !shot.isNull() && ready(shot);
    });
    return shot;
}

QStringList VirtualDisplay::visibleWindows(const QStringList &criteria) const
{
    // search exits with 1 when it finds nothing, which is no failure here.
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("xdotool"),
                  QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + criteria);
    process.waitForFinished(WaitMs);
    return QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

std::optional<QString> VirtualDisplay::waitForWindow(const QStringList &criteria,
                                                     const std::function<bool(const QString &)> &accept) const
{
    std::optional<QString> found = poll<std::optional<QString>>([&]() -> std::optional<QString> {
        for (const QString &window : visibleWindows(criteria)) {
            if (accept(window))
                return window;
        }
        return std::nullopt;
    });
    if (!found)
        lastError_ = QStringLiteral("no window for xdotool search ") + criteria.join(QLatin1Char(' '));
    return found;
}

bool VirtualDisplay::waitUntilGone(const QString &window) const
{
    if (poll<bool>([&] { return !isMapped(window); }))
        return true;
    lastError_ = QStringLiteral("window %1 is still mapped").arg(window);
    return false;
}

bool VirtualDisplay::isMapped(const QString &window) const
{
    const std::optional<QByteArray> info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    return info && info->contains("Map State: IsViewable");
}

std::optional<QRect> VirtualDisplay::geometry(const QString &window) const
{
    const std::optional<QByteArray> shell =
        run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    if (!shell)
        return std::nullopt;
    QRect rectangle;
    for (const QByteArray &line : shell->split('\n')) {
        const QList<QByteArray> pair = line.split('=');
        if (pair.size() != 2)
            continue;
        const int value = pair[1].toInt();
        if (pair[0] == "X")
            rectangle.moveLeft(value);
        else if (pair[0] == "Y")
            rectangle.moveTop(value);
        else if (pair[0] == "WIDTH")
            rectangle.setWidth(value);
        else if (pair[0] == "HEIGHT")
            rectangle.setHeight(value);
    }
    return rectangle;
}

std::optional<QRect> VirtualDisplay::outlineOn(const QImage &shot, QSize size)
{
    const auto black = [&](QPoint from, QPoint step, int count) {
        return BlackRuns::along(shot, from, step, count) == QList<int>{count};
    };
    for (int y = 0; y + size.height() <= shot.height(); ++y) {
        for (int x = 0; x + size.width() <= shot.width(); ++x) {
            const QRect outline(QPoint(x, y), size);
            if (black(outline.bottomRight(), {}, 1) && black(outline.topLeft(), {1, 0}, size.width())
                && black(outline.bottomLeft(), {1, 0}, size.width()) && black(outline.topLeft(), {0, 1}, size.height())
                && black(outline.topRight(), {0, 1}, size.height()))
                return outline;
        }
    }
    return std::nullopt;
}

bool VirtualDisplay::click(QPoint screenPoint, int count, int button) const
{
    return moveMouse(screenPoint)
        && run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
                                           QStringLiteral("--delay"), QStringLiteral("60"), QString::number(button)});
}

bool VirtualDisplay::drag(QPoint from, QPoint to, int steps) const
{
    QString commands = QStringLiteral("mousemove %1 %2 sleep 0.1 mousedown 1").arg(from.x()).arg(from.y());
    for (int step = 1; step <= steps; ++step) {
        const QPoint at = from + (to - from) * step / steps;
        commands += QStringLiteral(" sleep 0.02 mousemove %1 %2").arg(at.x()).arg(at.y());
    }
    // A compositor moves a window only while the button is down: the hand
    // rests a moment before it lets go.
    return run(QStringLiteral("xdotool"), (commands + QStringLiteral(" sleep 0.3 mouseup 1")).split(u' ')).has_value();
}

bool VirtualDisplay::requestClose(const QString &window) const
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window.toULong();
    event.xclient.message_type = XInternAtom(connection_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(connection_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(connection_, event.xclient.window, False, NoEventMask, &event) != 0;
    XFlush(connection_);
    if (!sent)
        lastError_ = QStringLiteral("cannot send WM_DELETE_WINDOW to window %1").arg(window);
    return sent;
}

bool VirtualDisplay::moveMouse(QPoint screenPoint) const
{
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QString::number(screenPoint.x()), QString::number(screenPoint.y())})
        .has_value();
}

bool VirtualDisplay::focus(const QString &window) const
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})
        .has_value();
}

bool VirtualDisplay::pressKeys(const QString &window, const QStringList &keys) const
{
    return (window.isEmpty() || focus(window))
        && run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys).has_value();
}
