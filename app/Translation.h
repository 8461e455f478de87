#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The program's texts and Qt's own (the message boxes' buttons) in the first
// of the desktop's languages that the program speaks, and the window's
// direction and its texts' face for that language, for as long as the object
// lives. English needs none and ends the search: where it comes first, or the
// program speaks none of the languages, nothing is loaded.
class Translation {
public:
    // languages: locale names as the desktop writes them ("pt_PT.UTF-8",
    // "sr@latin", "de"), most wanted first.
    explicit Translation(const QStringList &languages);
    ~Translation();
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    // The languages the environment asks for, read as gettext reads them, so
    // that the game speaks what the desktop's other programs speak: LANGUAGE's
    // list, unless the messages' locale (LC_ALL, else LC_MESSAGES, else LANG)
    // is C or unset, which means English whatever LANGUAGE says.
    static QStringList desktopLanguages(const QProcessEnvironment &environment);

    // The language loaded, as in "pt_BR"; empty for English.
    QString language() const;

private:
    QTranslator program_;
    QTranslator qt_;
};
