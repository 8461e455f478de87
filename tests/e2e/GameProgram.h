#pragma once

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>

class VirtualDisplay;

// One run of the real program on a virtual display, and its main window.
class GameProgram
{
public:
    explicit GameProgram(const VirtualDisplay &display);
    GameProgram(const GameProgram &) = delete;
    GameProgram &operator=(const GameProgram &) = delete;
    ~GameProgram();

    // Starts the program and waits for its main window; the reason when that fails.
    QString start();

    QProcess &process();
    QString window() const;
    QRect windowGeometry() const;
    QPoint toScreen(QPoint client) const;
    QRect toScreen(const QRect &client) const;
    bool click(QPoint client) const;

private:
    const VirtualDisplay &display_;
    QProcess process_;
    QString window_;
    QRect geometry_;
};
