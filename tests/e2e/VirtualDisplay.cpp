#include "VirtualDisplay.h"

#include "BlackRuns.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
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

// A window can go between finding it and asking about it: the call that
// asked then returns a failure, which its caller reports, instead of Xlib
// ending the test.
int ignoreError(Display *, XErrorEvent *)
{
    return 0;
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
    XSetErrorHandler(ignoreError);
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

std::optional<QByteArray> VirtualDisplay::xdotool(const QStringList &arguments, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("xdotool"), arguments);
    const QString command = QStringLiteral("xdotool ") + arguments.join(QLatin1Char(' '));
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
    // search fails when it finds nothing.
    return QString::fromLatin1(xdotool(QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + criteria)
                                   .value_or(QByteArray()))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
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
    XWindowAttributes attributes;
    return XGetWindowAttributes(connection_, window.toULong(), &attributes) != 0
        && attributes.map_state == IsViewable;
}

std::optional<QRect> VirtualDisplay::geometry(const QString &window) const
{
    XWindowAttributes attributes;
    int x = 0;
    int y = 0;
    Window child = 0;
    if (XGetWindowAttributes(connection_, window.toULong(), &attributes) == 0
        || !XTranslateCoordinates(connection_, window.toULong(), attributes.root, 0, 0, &x, &y, &child)) {
        lastError_ = QStringLiteral("window %1 is gone").arg(window);
        return std::nullopt;
    }
    return QRect(x, y, attributes.width, attributes.height);
}

bool VirtualDisplay::isTopLevel(const QString &window) const
{
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(connection_, window.toULong(), &root, &parent, &children, &count) == 0)
        return false;
    XFree(children);
    return parent == root;
}

QList<long> VirtualDisplay::property(const QString &window, const char *name) const
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    QList<long> values;
    if (XGetWindowProperty(connection_, window.toULong(), XInternAtom(connection_, name, False), 0, 32, False,
                           AnyPropertyType, &type, &format, &count, &after, &data)
            == Success
        && format == 32)
        values = QList<long>(reinterpret_cast<const long *>(data), reinterpret_cast<const long *>(data) + count);
    XFree(data);
    return values;
}

QString VirtualDisplay::name(const QString &window) const
{
    char *name = nullptr;
    const QString fetched = XFetchName(connection_, window.toULong(), &name) != 0 ? QString::fromUtf8(name) : QString();
    XFree(name);
    return fetched;
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
        && xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
                                           QStringLiteral("--delay"), QStringLiteral("60"), QString::number(button)});
}

bool VirtualDisplay::drag(QPoint from, QPoint to, int steps, const std::function<bool()> &arrived) const
{
    QString commands = QStringLiteral("mousemove %1 %2 sleep 0.1 mousedown 1").arg(from.x()).arg(from.y());
    for (int step = 1; step <= steps; ++step) {
        const QPoint at = from + (to - from) * step / steps;
        commands += QStringLiteral(" sleep 0.02 mousemove %1 %2").arg(at.x()).arg(at.y());
    }
    if (!xdotool(commands.split(u' ')))
        return false;
    // Whether it arrived is the caller's to judge, once the button is up.
    static_cast<void>(QTest::qWaitFor(arrived, WaitMs));
    return xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}).has_value();
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
    return xdotool({QStringLiteral("mousemove"), QString::number(screenPoint.x()), QString::number(screenPoint.y())})
        .has_value();
}

bool VirtualDisplay::focus(const QString &window) const
{
    return xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})
        .has_value();
}

bool VirtualDisplay::pressKeys(const QString &window, const QStringList &keys) const
{
    return (window.isEmpty() || focus(window))
        && xdotool(QStringList{QStringLiteral("key")} + keys).has_value();
}
