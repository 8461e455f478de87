#include "ui/TextFace.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <optional>

namespace {

template <typename Object>
using Owned = std::unique_ptr<Object, void (*)(Object *)>;

// As fontconfig tags it: "zh-tw".
QByteArray languageTag;
// The desktop's face for it, once asked; empty where it has none.
std::optional<QString> desktopFace;

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

// The standard face's letters, asked once: they stay the same.
const FcCharSet *standardLetters()
{
    static const Owned<FcCharSet> letters = [] {
        const Owned<FcObjectSet> charset(FcObjectSetBuild(FC_CHARSET, nullptr), FcObjectSetDestroy);
        const Owned<FcFontSet> faces(FcFontList(nullptr, boldPattern(TextFace::standard().toUtf8()).get(), charset.get()),
                                     FcFontSetDestroy);
        FcCharSet *found = nullptr;
        if (faces && faces->nfont > 0)
            FcPatternGetCharSet(faces->fonts[0], FC_CHARSET, 0, &found);
        return Owned<FcCharSet>(found ? FcCharSetCopy(found) : nullptr, FcCharSetDestroy);
    }();
    return letters.get();
}

bool standardHasLetters(const QStringList &texts)
{
    const FcCharSet *standard = standardLetters();
    if (!standard)
        return false;
    for (const QString &text : texts) {
        for (const char32_t letter : text.toUcs4()) {
            if (!FcCharSetHasChar(standard, letter))
                return false;
        }
    }
    return true;
}

// The face fontconfig gives sans-serif text in the language, or none where
// even that lacks the language's letters.
QString askDesktopFace()
{
    const Owned<FcPattern> wanted = boldPattern("sans-serif");
    FcLangSet *languages = FcLangSetCreate();
    FcLangSetAdd(languages, fcString(languageTag));
    FcPatternAddLangSet(wanted.get(), FC_LANG, languages);
    FcLangSetDestroy(languages);
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    const Owned<FcPattern> match(FcFontMatch(nullptr, wanted.get(), &result), FcPatternDestroy);
    FcLangSet *covered = nullptr;
    FcChar8 *family = nullptr;
    if (!match || FcPatternGetLangSet(match.get(), FC_LANG, 0, &covered) != FcResultMatch
        || FcLangSetHasLang(covered, fcString(languageTag)) == FcLangDifferentLang
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

void TextFace::setLanguage(const QString &language)
{
    languageTag = language.toLower().replace(u'_', u'-').toUtf8();
    desktopFace.reset();
}

QString TextFace::familyFor(const QStringList &texts)
{
    if (languageTag.isEmpty() || standardHasLetters(texts))
        return standard();
    if (!desktopFace)
        desktopFace = askDesktopFace();
    return desktopFace->isEmpty() ? standard() : *desktopFace;
}
