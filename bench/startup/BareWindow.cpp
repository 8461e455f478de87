#include "ui/Layout.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QScreen>
#include <QWidget>

// The least a Qt Widgets program can do to put up a window like the game's:
// the yardstick for the game's start-up time and memory. With --text it also
// shows one line of bold text, the least any window with words in it pays
// for loading fonts.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(Layout::windowSize());
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto *title = new QLabel(QStringLiteral("Vennaro"), &window);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(37);
        font.setBold(true);
        title->setFont(font);
        title->setGeometry(Twips::toPixels(Layout::Label1));
    }
    window.move(QGuiApplication::primaryScreen()->geometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
