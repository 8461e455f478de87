#include "app/ApplicationSetUp.h"

#include "ui/FormAccessibility.h"
#include "ui/TextFace.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

ApplicationSetUp::ApplicationSetUp()
{
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Vennaro"));
    QApplication::setApplicationVersion(QStringLiteral(VENNARO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(VENNARO_APP_ID));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The standard face for every control, so that no other font is loaded
    // where a translation does not need one.
    QFont font = QApplication::font();
    font.setFamily(TextFace::standard());
    QApplication::setFont(font);
    // Every size the resources carry, as an icon theme keeps them.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icon/hicolor"));
    for (const QString &size : sizes.entryList())
        icon.addFile(sizes.filePath(size + QStringLiteral("/apps/vennaro.png")));
    QApplication::setWindowIcon(icon);
    FormAccessibility::installFactory();
}
