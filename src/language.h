#ifndef LANGUAGE_H
#define LANGUAGE_H

#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The language the program speaks: the first of the user's languages, in their order (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG), that it has a catalogue for, or that is Chinese, C or POSIX, which
// keep the Simplified Chinese texts of the code; English where none is. Its catalogue and Qt's own
// are installed on the application for as long as this object lives, and it makes the default
// locale the one figures are written in.
class Language
{
public:
    explicit Language(const QStringList &uiLanguages = QLocale::system().uiLanguages());
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

private:
    QTranslator qtTranslator;
    QTranslator translator;
};

#endif // LANGUAGE_H
