#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <span>

#include "app/DisplayCheck.h"
#include "app/TCloseRequests.h"
#include "app/TCommandLine.h"
#include "app/TGameSession.h"
#include "app/TPlayerLanguage.h"
#include "app/TMainForm.h"
#include "app/TPegloreApplication.h"
#include "dialogs/about/TfrmAbout.h"
#include "dialogs/correctanswer/TfrmCorrectAnswer.h"
#include "dialogs/customboard/TfrmCustomBoard.h"
#include "dialogs/properties/TfrmProperties.h"
#include "dialogs/variant/TfrmVariant.h"
#include "platform/help/THelpViewer.h"
#include "platform/media/TFluidSynthPlayer.h"
#include "platform/programdir/TGameFiles.h"
#include "resources/pictures/Pictures.h"
#include "services/messages/TMessages.h"
#include "translations/Catalogues.h"

using namespace peglore;

int main(int argc, char** argv)
{
    const TCommandLine commandLine = ReadCommandLine(argc, argv, PEGLORE_VERSION);
    if (commandLine.ExitCode)
        return *commandLine.ExitCode;

    // Qt ends with an abort when no display can be reached: say why in one
    // line instead, with the display check's code.
    const std::span<char* const> arguments(argv, static_cast<std::size_t>(argc));
    const TEnvironment environment = [](const char* name) { return std::getenv(name); };
    const std::string unreachable = UnreachableDisplay(
        environment, arguments, [&] { return InstalledPlatforms(environment, arguments); });
    if (!unreachable.empty()) {
        std::fprintf(stderr, "peglore: %s\n", unreachable.c_str());
        return EXIT_FAILURE;
    }

    TPegloreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(PEGLORE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(PEGLORE_APP_ID));  // the shell's icon and menu entry
    InitPictures();
    // The player's language, before the first text is made: the display
    // check's box below speaks it too.
    const QStringList languages = TPlayerLanguage::DesktopLanguages();
    const QStringList catalogues = CatalogueLanguages();
    const TPlayerLanguage language(
        TPlayerLanguage::Choose(languages, [&](const QString& tried) { return catalogues.contains(tried); }));

    // A display that cannot show the pegs' colours ends the game before
    // anything is created, read or written. Unlike a normal exit this one
    // reports the failure to whoever started the game.
    if (!DisplayDepthSufficient(DisplayDepth())) {
        TMessages::ShowDisplayError();
        return EXIT_FAILURE;
    }

    const TGameFiles files = GameFilesOfThisRun(
        PEGLORE_INSTALLED ? TFilesPlace::Installed : TFilesPlace::BesideTheProgram, PEGLORE_DATA_FROM_PROGRAM);
    THelpViewer help(TPlayerLanguage::HelpFile(QString::fromStdString(files.DataFolder), languages));
    TFluidSynthPlayer player;
    TMainForm mainForm(help, player, files);
    if (commandLine.GameNumber)
        mainForm.SetFirstGameNumber(*commandLine.GameNumber);
    mainForm.show();  // the first show creates the services and the first game

    TfrmCorrectAnswer correctAnswer(help, &mainForm);
    TfrmProperties properties(help, &mainForm);
    TfrmCustomBoard customBoard(help, &mainForm);
    TfrmAbout about(help, &mainForm);
    TfrmVariant variant(help, &mainForm);
    const TGameSession& session = *mainForm.Session();
    correctAnswer.Connect(session.Logic());
    properties.Connect(session.Configuration());
    customBoard.Connect(session.LevelSettings());
    about.Connect(session.Statistics());
    variant.Connect(session.LevelSettings());
    mainForm.SetDialogs(&correctAnswer, &properties, &customBoard, &about);
    mainForm.SetVariantDialog(&variant);
    if (commandLine.PegSymbols)
        mainForm.SetPegSymbols(true);

    // A shutdown, a logout or the terminal closing ends the game as its Exit
    // does.
    TCloseRequests closeRequests(application);
    QObject::connect(&closeRequests, &TCloseRequests::Requested, &mainForm, &TMainForm::CloseOnRequest);

    const int exitCode = application.exec();
    // After a close asked from outside, the loop has ended with the window
    // still open: it closes now, while its dialogs still exist.
    mainForm.close();
    return exitCode;
}
