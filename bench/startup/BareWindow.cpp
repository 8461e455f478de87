#include <QApplication>
#include <QScreen>
#include <QWidget>

// The least a Qt Widgets program can do to put up a window like the game's:
// the yardstick for the game's start-up time and memory.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(567, 401);
    window.move(QGuiApplication::primaryScreen()->geometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
