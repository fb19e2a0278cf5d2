#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>

namespace {
// Read by Qt itself: a catalogue that says "RTL" here lays the widgets out right to left. Named
// here so that lupdate keeps it in every catalogue.
[[maybe_unused]] const struct
{
    const char *source;
    const char *comment;
} layoutDirection = QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

// The catalogue a language takes: Traditional Chinese (Taiwan, Hong Kong, Macau) the Taiwanese
// one, every Portuguese the Brazilian one, any other language the one of its name (de for de_AT).
QString catalogueFile(const QLocale &locale)
{
    QString name = locale.name().section(QLatin1Char('_'), 0, 0);
    if (locale.script() == QLocale::TraditionalHanScript)
        name = QStringLiteral("zh_TW");
    else if (locale.language() == QLocale::Portuguese)
        name = QStringLiteral("pt_BR");
    // Beside the executable's directory, as the icon is, so under any prefix.
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/ostrelo/translations/ostrelo_%1.qm").arg(name));
}
} // namespace

Language::Language(const QStringList &uiLanguages)
{
    QLocale language(QLocale::English);
    for (const QString &name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::C || locale.language() == QLocale::Chinese
            || QFile::exists(catalogueFile(locale))) {
            language = locale;
            break;
        }
    }
    // A catalogue that cannot be read leaves the texts of the code, as C and Simplified Chinese do.
    const bool translated = translator.load(catalogueFile(language));
    if (translated)
        QCoreApplication::installTranslator(&translator);

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 deprecates location() for path(), which Qt 5 does not have.
    const QString qtCatalogues = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString qtCatalogues = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    // Qt's own texts (the box's OK button) in the same language, from Qt's catalogues where the
    // system has them, as in every other Qt program of the desktop.
    if (qtTranslator.load(language, QStringLiteral("qtbase"), QStringLiteral("_"), qtCatalogues))
        QCoreApplication::installTranslator(&qtTranslator);

    // A translated text writes its figures as its language does (7,0 in German); the texts of the
    // code and English keep 7.0. Without digit grouping, which would make 1397 MHz 1,397 MHz.
    QLocale figures
        = translated && language.language() != QLocale::English ? language : QLocale::c();
    figures.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(figures);
}
