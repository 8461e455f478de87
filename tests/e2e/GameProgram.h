#pragma once

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>

class VirtualDisplay;

// One run of the real program on a virtual display, and its main window. At a
// scale other than 1 the program runs with QT_SCALE_FACTOR set to it, and
// client points are logical pixels, scaled to the screen's.
class GameProgram
{
public:
    explicit GameProgram(const VirtualDisplay &display, double scale = 1.0);
    GameProgram(const GameProgram &) = delete;
    GameProgram &operator=(const GameProgram &) = delete;
    ~GameProgram();

    // Starts the program and waits for its main window; the reason when that fails.
    QString start();

    QProcess &process();
    // The main window's X id; none on Wayland.
    QString window() const;
    QRect windowGeometry() const;
    // Reads the window's place again, after something may have moved it.
    bool updateGeometry();
    QPoint toScreen(QPoint client) const;
    QRect toScreen(const QRect &client) const;
    bool click(QPoint client) const;

private:
    const VirtualDisplay &display_;
    double scale_;
    QProcess process_;
    QString window_;
    QRect geometry_;
};
