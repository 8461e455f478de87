#include "GameProgram.h"

#include "VirtualDisplay.h"
#include "ui/Layout.h"

GameProgram::GameProgram(const VirtualDisplay &display, double scale)
    : display_(display), scale_(scale)
{
}

GameProgram::~GameProgram()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.kill();
    process_.waitForFinished(VirtualDisplay::WaitMs);
    // A compositor takes its time to drop the window of a client gone.
    if (VirtualDisplay::onWayland())
        display_.screenshotWhen([&](const QImage &shot) { return VirtualDisplay::outlineOn(shot, geometry_.size()) != geometry_; });
}

QString GameProgram::start()
{
    QProcessEnvironment environment = display_.environment();
    if (scale_ != 1.0)
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale_));
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(VENNARO_PROGRAM), {});
    if (!process_.waitForStarted(VirtualDisplay::WaitMs))
        return QStringLiteral("%1 did not start: %2").arg(QStringLiteral(VENNARO_PROGRAM), process_.errorString());

    // The program keeps windows of its own besides the main one. A Wayland
    // window is no X window: it is found on the screen, and the keys go to
    // the compositor's window, which covers the screen.
    const QSize size = (QSizeF(Layout::windowSize()) * scale_).toSize();
    geometry_.setSize(size);
    if (!VirtualDisplay::onWayland()) {
        window_ = display_.waitForWindow({QStringLiteral("--class"), QStringLiteral("vennaro")}, [&](const QString &candidate) {
            const std::optional<QRect> geometry = display_.geometry(candidate);
            return geometry && geometry->size() == size;
        }).value_or(QString());
    }
    if ((window_.isEmpty() && !VirtualDisplay::onWayland()) || !updateGeometry())
        return QStringLiteral("no %1 x %2 window of the program appeared: %3").arg(size.width()).arg(size.height()).arg(display_.lastError());
    return {};
}

QProcess &GameProgram::process()
{
    return process_;
}

QString GameProgram::window() const
{
    return window_;
}

QRect GameProgram::windowGeometry() const
{
    return geometry_;
}

bool GameProgram::updateGeometry()
{
    std::optional<QRect> geometry;
    if (VirtualDisplay::onWayland())
        display_.screenshotWhen([&](const QImage &shot) { return (geometry = VirtualDisplay::outlineOn(shot, geometry_.size())).has_value(); });
    else
        geometry = display_.geometry(window_);
    if (geometry)
        geometry_ = *geometry;
    return geometry.has_value();
}

QPoint GameProgram::toScreen(QPoint client) const
{
    return geometry_.topLeft() + (QPointF(QPoint(Layout::BorderPixels, Layout::BorderPixels) + client) * scale_).toPoint();
}

QRect GameProgram::toScreen(const QRect &client) const
{
    return {toScreen(client.topLeft()), (QSizeF(client.size()) * scale_).toSize()};
}

bool GameProgram::click(QPoint client) const
{
    return display_.click(toScreen(client));
}
