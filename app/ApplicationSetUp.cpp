#include "app/ApplicationSetUp.h"
#include "pictures/SizedIconEngine.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

void ApplicationSetUp::apply()
{
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Vennaro"));
    QApplication::setApplicationVersion(QStringLiteral(VENNARO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vennaro"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // One face for every control, so no other font is ever loaded.
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Liberation Sans"));
    QApplication::setFont(font);
    QApplication::setWindowIcon(SizedIconEngine::icon(QStringLiteral(":/icon/hicolor"), QStringLiteral("vennaro")));
}
