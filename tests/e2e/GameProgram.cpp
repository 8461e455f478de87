#include "GameProgram.h"

#include "VirtualDisplay.h"
#include "ui/Layout.h"

GameProgram::GameProgram(const VirtualDisplay &display)
    : display_(display)
{
}

GameProgram::~GameProgram()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.kill();
    process_.waitForFinished(VirtualDisplay::WaitMs);
}

QString GameProgram::start()
{
    process_.setProcessEnvironment(display_.environment());
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(VENNARO_PROGRAM), {});
    if (!process_.waitForStarted(VirtualDisplay::WaitMs))
        return QStringLiteral("%1 did not start: %2").arg(QStringLiteral(VENNARO_PROGRAM), process_.errorString());

    // The program keeps windows of its own besides the main one.
    const std::optional<QString> window = display_.waitForWindow(
        {QStringLiteral("--class"), QStringLiteral("vennaro")}, [this](const QString &candidate) {
            const std::optional<QRect> geometry = display_.geometry(candidate);
            return geometry && geometry->size() == Layout::windowSize();
        });
    if (!window)
        return QStringLiteral("no %1 x %2 window of class vennaro appeared: %3")
            .arg(Layout::windowSize().width())
            .arg(Layout::windowSize().height())
            .arg(display_.lastError());
    window_ = *window;
    geometry_ = display_.geometry(window_).value_or(QRect());
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

QPoint GameProgram::toScreen(QPoint client) const
{
    return geometry_.topLeft() + QPoint(Layout::BorderPixels, Layout::BorderPixels) + client;
}

QRect GameProgram::toScreen(const QRect &client) const
{
    return client.translated(toScreen(QPoint()));
}

bool GameProgram::click(QPoint client) const
{
    return display_.click(toScreen(client));
}
