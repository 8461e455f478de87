#include "app/Translation.h"

#include "ui/TextFace.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>

namespace {

// A locale name's parts as gettext splits them: language, territory,
// codeset, modifier. QLocale's parsing would turn the modifier into a script
// and fill in a territory, which the catalogues' names do not follow.
QRegularExpressionMatch partsOf(const QString &localeName)
{
    static const QRegularExpression parts(QStringLiteral("^([^_.@]+)(_[^.@]+)?(\\.[^@]*)?(@.+)?$"));
    return parts.match(localeName);
}

// The program's catalogue for a locale name, or none, found as gettext finds
// its own: language, territory and modifier, then the language with the
// modifier, with the territory, and alone, never the codeset; so "sr_RS@latin"
// falls back to Serbian, "pt_PT.UTF-8" to "pt".
QString catalogueFor(const QRegularExpressionMatch &name)
{
    const QString language = name.captured(1);
    const QString territory = name.captured(2);
    const QString modifier = name.captured(4);
    for (const QString &catalogue : {language + territory + modifier, language + modifier, language + territory, language}) {
        QString file = QStringLiteral(":/translations/vennaro_%1.qm").arg(catalogue);
        if (!language.isEmpty() && QFile::exists(file))
            return file;
    }
    return {};
}

} // namespace

Translation::Translation(const QStringList &languages)
{
    for (const QString &name : languages) {
        // C ends gettext's search untranslated; English is the program's own.
        const QRegularExpressionMatch parts = partsOf(name);
        if (name == u"C" || name == u"POSIX" || parts.captured(1) == u"en")
            return;
        if (const QString catalogue = catalogueFor(parts); !catalogue.isEmpty() && program_.load(catalogue))
            break;
    }
    if (program_.isEmpty())
        return;
    QCoreApplication::installTranslator(&program_);
    // Without Qt's own, the rest of Qt's words stay English and the buttons
    // come from the program's. Either way the direction is the language's,
    // whatever Qt's translation says.
    if (qt_.load(QStringLiteral("qtbase_") + program_.language(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    QGuiApplication::setLayoutDirection(QLocale(program_.language()).textDirection());
    TextFace::setLanguage(program_.language());
}

Translation::~Translation()
{
    if (program_.isEmpty())
        return;
    QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
    TextFace::setLanguage({});
}

QStringList Translation::desktopLanguages(const QProcessEnvironment &environment)
{
    QString locale;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QLatin1String(variable));
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || locale == u"C" || locale == u"POSIX")
        return {QStringLiteral("C")};
    const QString list = environment.value(QStringLiteral("LANGUAGE"));
    return (list.isEmpty() ? locale : list).split(u':', Qt::SkipEmptyParts);
}

QString Translation::language() const
{
    return program_.isEmpty() ? QString() : program_.language();
}
