#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <functional>

namespace peglore {

// The player's language, chosen once at start-up, before any window: the
// game's catalogue and Qt's own (standard buttons, the What's This pointer)
// for the first of the desktop's languages that the game speaks, that
// locale's formats for dates and numbers, and the help file in that
// language. Where the game speaks none of them, or an English one comes
// first, the written English texts and the C locale's formats stay.
class TPlayerLanguage {
public:
    // The desktop's languages in their order ("de-DE", "de"), as QLocale
    // reads them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG. None while the
    // messages' locale is C or POSIX, which then outweighs LANGUAGE, as it
    // does for gettext.
    static QStringList DesktopLanguages();

    // The first of LANGUAGES that HAS knows, as the catalogues name it ("de",
    // "pt_BR"): each is tried with its country, then without. Empty when none
    // is known or an English one comes first.
    static QString Choose(const QStringList& languages, const std::function<bool(const QString&)>& has);

    // Installs the catalogues of LANGUAGE (one of CatalogueLanguages(), or
    // empty for the written English) into the application and makes its
    // locale the default one for formats; the destructor takes both back.
    explicit TPlayerLanguage(const QString& language);
    ~TPlayerLanguage();
    TPlayerLanguage(const TPlayerLanguage&) = delete;
    TPlayerLanguage& operator=(const TPlayerLanguage&) = delete;

    // The catalogue's language, empty for the written English.
    QString Name() const { return FName; }

    // The help file in FOLDER (ending in "/") for LANGUAGES: Peglore.LANG.hlp
    // of the first language that has one there, else Peglore.hlp.
    static QString HelpFile(const QString& folder, const QStringList& languages);

private:
    QString FName;
    QTranslator FGame;
    QTranslator FQt;
    QLocale FFormerDefault;
};

}  // namespace peglore
