#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The program's texts and Qt's own (the message boxes' buttons) in the first
// of the desktop's languages that the program speaks, for as long as the
// object lives. English needs none and ends the search: where it comes first,
// or the program speaks none of the languages, nothing is loaded.
class Translation {
public:
    // uiLanguages: the desktop's, as QLocale::system().uiLanguages() gives them.
    explicit Translation(const QStringList &uiLanguages);
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    // The language loaded, as in "pt_BR"; empty for English.
    QString language() const;

private:
    QTranslator program_;
    QTranslator qt_;
};
