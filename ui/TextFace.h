#pragma once

#include <QString>
#include <QStringList>

// The faces the window's texts are drawn in. Liberation Sans stands in for
// Arial and MS Sans Serif, metric-compatible with the first. A translated text
// whose letters it lacks is drawn whole in the face the desktop gives the
// language, as fontconfig picks it: one face for a caption, its Latin letters
// included, rather than Qt's fallback, which searches the desktop's fonts once
// per script and loads a second face at every size, a tenth of the start-up
// in Chinese, Japanese or Korean.
class TextFace {
public:
    static const QString &standard();
    // language: the translation's, as QTranslator names it ("ja", "zh_TW");
    // empty for English, whose texts are all in the standard face.
    static void setLanguage(const QString &language);
    static QString familyFor(const QStringList &texts);
};
