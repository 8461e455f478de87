#pragma once

#include <QString>

// The faces the window's texts are drawn in. Liberation Sans stands in for
// Arial and MS Sans Serif, metric-compatible with the first. A language whose
// letters it lacks has its texts drawn whole in the face the desktop gives
// that language, as fontconfig picks it: one face for all of a caption, its
// Latin letters included, rather than Qt's fallback, which fills in letter by
// letter, searches the desktop's fonts once for each script and loads a second
// face at every size (a tenth of the start-up in Chinese, Japanese or Korean).
class TextFace {
public:
    static const QString &standard();
    // The face of the translated texts.
    static const QString &family();
    // language: the translation's, as QTranslator names it ("ja", "zh_TW");
    // empty for English.
    static void setLanguage(const QString &language);
};
