#include "ui/TextFace.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace {

template <typename Object>
using Owned = std::unique_ptr<Object, void (*)(Object *)>;

QString chosen = TextFace::standard();

const FcChar8 *fcString(const QByteArray &text)
{
    return reinterpret_cast<const FcChar8 *>(text.constData());
}

Owned<FcPattern> boldPattern(const QByteArray &family)
{
    return {FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, fcString(family), FC_WEIGHT, FcTypeInteger, FC_WEIGHT_BOLD,
                           nullptr),
            FcPatternDestroy};
}

Owned<FcLangSet> languageSet(const QByteArray &tag)
{
    Owned<FcLangSet> languages(FcLangSetCreate(), FcLangSetDestroy);
    FcLangSetAdd(languages.get(), fcString(tag));
    return languages;
}

bool standardCovers(const QByteArray &tag)
{
    const Owned<FcPattern> standard = boldPattern(TextFace::standard().toUtf8());
    FcPatternAddLangSet(standard.get(), FC_LANG, languageSet(tag).get());
    const Owned<FcObjectSet> family(FcObjectSetBuild(FC_FAMILY, nullptr), FcObjectSetDestroy);
    const Owned<FcFontSet> faces(FcFontList(nullptr, standard.get(), family.get()), FcFontSetDestroy);
    return faces && faces->nfont > 0;
}

// The face fontconfig gives sans-serif text in the language, or none where
// even that lacks the language's letters.
QString desktopFace(const QByteArray &tag)
{
    const Owned<FcPattern> wanted = boldPattern("sans-serif");
    FcPatternAddLangSet(wanted.get(), FC_LANG, languageSet(tag).get());
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    const Owned<FcPattern> match(FcFontMatch(nullptr, wanted.get(), &result), FcPatternDestroy);
    FcLangSet *covered = nullptr;
    FcChar8 *family = nullptr;
    if (!match || FcPatternGetLangSet(match.get(), FC_LANG, 0, &covered) != FcResultMatch
        || FcLangSetHasLang(covered, fcString(tag)) == FcLangDifferentLang
        || FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(family));
}

} // namespace

const QString &TextFace::standard()
{
    static const QString liberationSans = QStringLiteral("Liberation Sans");
    return liberationSans;
}

const QString &TextFace::family()
{
    return chosen;
}

void TextFace::setLanguage(const QString &language)
{
    chosen = standard();
    if (language.isEmpty())
        return;
    // As fontconfig tags it: "zh-tw".
    const QByteArray tag = language.toLower().replace(u'_', u'-').toUtf8();
    if (standardCovers(tag))
        return;
    if (QString face = desktopFace(tag); !face.isEmpty())
        chosen = face;
}
