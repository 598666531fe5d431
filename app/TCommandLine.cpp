#include "app/TCommandLine.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "solver/SolveCommand.h"

namespace peglore {

namespace {
// The standard output, written to the end: a full disk or a device that
// takes nothing (> /dev/full) turns an answer into a failure, told on the
// standard error with code 2, as nothing reached the reader.
int Finished(int exitCode)
{
    errno = 0;
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    int error = errno;
    const bool closed = std::fclose(stdout) == 0;
    if (written && closed)
        return exitCode;
    if (written || error == 0)
        error = errno != 0 ? errno : EIO;
    std::fprintf(stderr, "peglore: the standard output cannot be written: %s\n", std::strerror(error));
    return 2;
}

// Answers --solve in the terminal; the exit code tells how it went.
int Solve(const QStringList& arguments, const TRules& rules)
{
    std::vector<std::string> rows;
    for (const QString& argument : arguments)
        rows.push_back(argument.toStdString());
    const TSolveReply reply = SolveCommand(rows, rules);
    std::fputs(reply.Output.c_str(), stdout);
    std::fputs(reply.Error.c_str(), stderr);
    return Finished(reply.ExitCode);
}
}  // namespace

// Read before any window exists, so that --help and --version answer in a
// terminal without a display.
TCommandLine ReadCommandLine(int argc, char** argv, const char* version)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A code-breaking board game of coloured pegs.\n"
                       "In the game, H fills the current row with a hint and F3 shows the analysis window.\n"
                       "F4 in the game shows the records of the games played, kept in Peglore.records\n"
                       "($XDG_DATA_HOME/peglore/, else ~/.local/share/peglore/, when installed).\n"
                       "Tools > Daily Game (Ctrl+D) starts today's game, the same secret for every player;\n"
                       "its result, key pegs only, can be copied to share.\n"
                       "Tools > Hard Mode checks only rows that could be the secret; Tools > Break My Code...\n"
                       "lets the computer break a code you set; Tools > Variant... sets the colours in play."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Displays the version."));
    const QCommandLineOption symbols(QStringLiteral("symbols"),
                                     QStringLiteral("Draws a small symbol on every peg, so that the colours can be "
                                                    "told apart without colour (Ctrl+Shift+S in the game)."));
    const QCommandLineOption game(QStringLiteral("game"),
                                  QStringLiteral("Starts the first game as game number N; the same number on the same "
                                                 "board always hides the same secret."),
                                  QStringLiteral("N"));
    const QCommandLineOption solve(QStringLiteral("solve"),
                                   QStringLiteral("Prints how many secrets still fit the checked rows given as "
                                                  "arguments, and a hint for the next row, without opening a window. "
                                                  "Each ROW is CODE:BLACKS,WHITES with the code in the digits 1 to 8 "
                                                  "of the colour bar, e.g. peglore --solve 1123:1,1 4456:0,2"));
    const QCommandLineOption colours(QStringLiteral("colours"),
                                     QStringLiteral("With --solve: the game plays the first N colours of the colour "
                                                    "bar only, the digits 1 to N (2 to 8; 8 when not given)."),
                                     QStringLiteral("N"));
    const QCommandLineOption noRepeats(QStringLiteral("no-repeats"),
                                       QStringLiteral("With --solve: no colour stands twice in the secret."));
    parser.addOptions({help, versionOption, symbols, game, solve, colours, noRepeats});
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
    else if (!parser.isSet(solve) && !parser.positionalArguments().isEmpty())
        mistake = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    std::optional<std::uint64_t> gameNumber;
    if (mistake.isEmpty() && parser.isSet(game)) {
        bool isNumber = false;
        // Blanks around the number, as a quoted argument may carry them,
        // are no part of it, before it as after it.
        const QString text = parser.value(game).trimmed();
        gameNumber = text.toULongLong(&isNumber);
        if (!isNumber || text.isEmpty() || !text.front().isDigit())
            mistake = QStringLiteral("The game number '%1' is not a whole number from 0 to %2.")
                          .arg(parser.value(game))
                          .arg(std::numeric_limits<std::uint64_t>::max());
    }
    TRules rules;
    if (mistake.isEmpty() && (parser.isSet(colours) || parser.isSet(noRepeats)) && !parser.isSet(solve))
        mistake = QStringLiteral("--colours and --no-repeats go with --solve.");
    if (mistake.isEmpty() && parser.isSet(colours)) {
        bool isNumber = false;
        rules.Colours = parser.value(colours).trimmed().toInt(&isNumber);
        if (!isNumber || rules.Colours < 2 || rules.Colours > TCode::Colours)
            mistake = QStringLiteral("The number of colours '%1' is not a whole number from 2 to %2.")
                          .arg(parser.value(colours))
                          .arg(TCode::Colours);
    }
    rules.Repeats = !parser.isSet(noRepeats);
    if (!mistake.isEmpty()) {
        std::fprintf(stderr, "peglore: %s\nTry 'peglore --help' for more information.\n", qPrintable(mistake));
        return {2, false, {}};
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot name the program itself.
        std::printf("Usage: peglore [options]\n       peglore --solve ROW...\n%s",
                    qPrintable(parser.helpText().section(QLatin1Char('\n'), 1)));
        return {Finished(0), false, {}};
    }
    if (parser.isSet(versionOption)) {
        std::printf("Peglore %s\n", version);
        return {Finished(0), false, {}};
    }
    if (parser.isSet(solve))
        return {Solve(parser.positionalArguments(), rules), false, {}};
    TCommandLine wanted;
    wanted.PegSymbols = parser.isSet(symbols);
    wanted.GameNumber = gameNumber;
    return wanted;
}

}  // namespace peglore
