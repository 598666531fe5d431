#include "app/TCommandLine.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace peglore {

// Read before any window exists, so that --help and --version answer in a
// terminal without a display.
TCommandLine ReadCommandLine(int argc, char** argv, const char* version)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A code-breaking board game of coloured pegs."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Displays the version."));
    const QCommandLineOption symbols(QStringLiteral("symbols"),
                                     QStringLiteral("Draws a small symbol on every peg, so that the colours can be "
                                                    "told apart without colour (Ctrl+Shift+S in the game)."));
    parser.addOptions({help, versionOption, symbols});
    // Qt's own options ("-platform xcb", "-session id"), which the application
    // object takes off the command line, pass unmentioned.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto passQtOption = [&parser](const char* name, bool takesValue) {
        QCommandLineOption option(QString::fromLatin1(name), {}, takesValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
          "session", "display", "geometry", "name", "visual", "style", "stylesheet", "qmljsdebugger"})
        passQtOption(name, true);
    for (const char* name : {"reverse", "widgetcount", "sync"})
        passQtOption(name, false);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString mistake;
    if (!parser.parse(arguments))
        mistake = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        mistake = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!mistake.isEmpty()) {
        std::fprintf(stderr, "peglore: %s\nTry 'peglore --help' for more information.\n", qPrintable(mistake));
        return {2, false};
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot name the program itself.
        std::printf("Usage: peglore [options]\n%s", qPrintable(parser.helpText().section(QLatin1Char('\n'), 1)));
        return {0, false};
    }
    if (parser.isSet(versionOption)) {
        std::printf("Peglore %s\n", version);
        return {0, false};
    }
    TCommandLine wanted;
    wanted.PegSymbols = parser.isSet(symbols);
    return wanted;
}

}  // namespace peglore
