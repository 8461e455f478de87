#include "app/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translation::Translation(const QStringList &uiLanguages)
{
    for (const QString &language : uiLanguages) {
        const QLocale::Language spoken = QLocale(language).language();
        if (spoken == QLocale::English || spoken == QLocale::C)
            return;
        // load() also tries the name cut short at each "_": "de_AT" finds vennaro_de.qm.
        if (program_.load(QStringLiteral("vennaro_") + QString(language).replace(u'-', u'_'), QStringLiteral(":/translations")))
            break;
    }
    if (program_.isEmpty())
        return;
    QCoreApplication::installTranslator(&program_);
    // Without Qt's own, the buttons stay English and the rest is still translated.
    if (qt_.load(QStringLiteral("qtbase_") + program_.language(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

QString Translation::language() const
{
    return program_.isEmpty() ? QString() : program_.language();
}
