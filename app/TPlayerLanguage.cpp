#include "app/TPlayerLanguage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

#include "translations/Catalogues.h"

namespace peglore {

namespace {
bool IsCLocale(const QString& name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX") || name.startsWith(QLatin1String("C."));
}
}  // namespace

QStringList TPlayerLanguage::DesktopLanguages()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return IsCLocale(value) ? QStringList() : QLocale::system().uiLanguages();
    }
    return {};
}

QString TPlayerLanguage::Choose(const QStringList& languages, const std::function<bool(const QString&)>& has)
{
    for (QString language : languages) {
        // "de-DE", "de_DE.UTF-8", "sr@latin": the name alone, with "_".
        language = language.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QLocale::Language spoken = QLocale(language).language();
        if (language.isEmpty() || IsCLocale(language) || spoken == QLocale::C || spoken == QLocale::English)
            return {};
        for (QString tried = language; !tried.isEmpty(); tried = tried.section(QLatin1Char('_'), 0, -2))
            if (has(tried))
                return tried;
    }
    return {};
}

TPlayerLanguage::TPlayerLanguage(const QString& language) : FFormerDefault(QLocale())
{
    if (!language.isEmpty() &&
        FGame.load(QStringLiteral("peglore_") + language, QString::fromLatin1(CatalogueFolder))) {
        FName = language;
        QCoreApplication::installTranslator(&FGame);
        // Qt's catalogue of a language is qtbase_LANG, or for a few only the
        // older qt_LANG; without either Qt's texts stay English.
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (FQt.load(QStringLiteral("qtbase_") + language, qtFolder) ||
            FQt.load(QStringLiteral("qt_") + language, qtFolder))
            QCoreApplication::installTranslator(&FQt);
    }
    // The formats of the desktop's own locale where it speaks the language
    // (de_AT stays Austrian), else the language's; the C locale's, which
    // keep the written ones, for the written English.
    const QLocale desktop = QLocale::system();
    const QLocale chosen(FName);
    QLocale::setDefault(FName.isEmpty()                            ? QLocale::c()
                        : desktop.language() == chosen.language() ? desktop
                                                                   : chosen);
}

TPlayerLanguage::~TPlayerLanguage()
{
    QCoreApplication::removeTranslator(&FQt);
    QCoreApplication::removeTranslator(&FGame);
    QLocale::setDefault(FFormerDefault);
}

QString TPlayerLanguage::HelpFile(const QString& folder, const QStringList& languages)
{
    const auto named = [&](const QString& language) { return folder + QStringLiteral("Peglore.%1.hlp").arg(language); };
    const QString language =
        Choose(languages, [&](const QString& tried) { return QFileInfo(named(tried)).isFile(); });
    return language.isEmpty() ? folder + QStringLiteral("Peglore.hlp") : named(language);
}

}  // namespace peglore
