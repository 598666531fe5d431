#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/DisplayCheck.h"
#include "app/TGameSession.h"
#include "app/TMainForm.h"
#include "app/TPegloreApplication.h"
#include "dialogs/about/TfrmAbout.h"
#include "dialogs/correctanswer/TfrmCorrectAnswer.h"
#include "dialogs/customboard/TfrmCustomBoard.h"
#include "dialogs/properties/TfrmProperties.h"
#include "platform/help/THelpViewer.h"
#include "platform/media/TFluidSynthPlayer.h"
#include "platform/programdir/TGameFiles.h"
#include "resources/pictures/Pictures.h"
#include "services/messages/TMessages.h"

using namespace peglore;

namespace {

// What the command line asks of this run. A new option: its field here, its
// QCommandLineOption and its reading in ReadCommandLine.
struct TCommandLine {
    std::optional<int> ExitCode;  // the run ends here: help, version or a mistake
};

// Read before any window exists, so that --help and --version answer in a
// terminal without a display.
TCommandLine ReadCommandLine(int argc, char** argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A code-breaking board game of coloured pegs."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version."));
    parser.addOptions({help, version});
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
        return {2};
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot name the program itself.
        std::printf("Usage: peglore [options]\n%s", qPrintable(parser.helpText().section(QLatin1Char('\n'), 1)));
        return {0};
    }
    if (parser.isSet(version)) {
        std::printf("Peglore %s\n", PEGLORE_VERSION);
        return {0};
    }
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    const TCommandLine commandLine = ReadCommandLine(argc, argv);
    if (commandLine.ExitCode)
        return *commandLine.ExitCode;

    TPegloreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(PEGLORE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(PEGLORE_APP_ID));  // the shell's icon and menu entry
    InitPictures();

    // A display that cannot show the pegs' colours ends the game before
    // anything is created, read or written. Unlike a normal exit this one
    // reports the failure to whoever started the game.
    if (!DisplayDepthSufficient(DisplayDepth())) {
        TMessages::ShowDisplayError();
        return EXIT_FAILURE;
    }

    const TGameFiles files = GameFilesOfThisRun(PEGLORE_DATA_FROM_PROGRAM);
    THelpViewer help(QString::fromStdString(files.DataFolder + "Peglore.hlp"));
    TFluidSynthPlayer player;
    TMainForm mainForm(help, player, files);
    mainForm.show();  // the first show creates the services and the first game

    TfrmCorrectAnswer correctAnswer(help, &mainForm);
    TfrmProperties properties(help, &mainForm);
    TfrmCustomBoard customBoard(help, &mainForm);
    TfrmAbout about(help, &mainForm);
    const TGameSession& session = *mainForm.Session();
    correctAnswer.Connect(session.Logic());
    properties.Connect(session.Configuration());
    customBoard.Connect(session.LevelSettings());
    about.Connect(session.Statistics());
    mainForm.SetDialogs(&correctAnswer, &properties, &customBoard, &about);

    return application.exec();
}
