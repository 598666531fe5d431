#include "app/TCodeBreakerRun.h"

#include <QDateTime>
#include <QWidget>

#include "services/messages/TMessages.h"
#include "windows/codebreaker/TfrmCodeBreaker.h"

namespace peglore {

TCodeBreakerRun::TCodeBreakerRun(IHelpCommands& help, QWidget& mainWindow)
    : QObject(&mainWindow), FHelp(help), FMainWindow(mainWindow)
{
    setObjectName(QStringLiteral("CodeBreakerRun"));
    FPause.setSingleShot(true);
}

TCodeBreakerRun::~TCodeBreakerRun()
{
    Stop();
    delete FWindow.data();
}

void TCodeBreakerRun::Open(int width, int rows, const TRules& rules)
{
    if (width > TCode::MaxPegs) {
        TMessages::ShowCodeBreakerBoardTooWide(TCode::MaxPegs, width);
        return;
    }
    Stop();
    delete FWindow.data();
    FRules = rules;
    FWindow = new TfrmCodeBreaker(FHelp, width, rows, &FMainWindow);
    connect(FWindow, &TfrmCodeBreaker::StartRequested, this, &TCodeBreakerRun::Start);
    connect(FWindow, &TfrmCodeBreaker::AnswerGiven, this, &TCodeBreakerRun::Answer);
    connect(FWindow, &TfrmCodeBreaker::Closed, this, &TCodeBreakerRun::Stop);
    connect(FWindow, &TfrmCodeBreaker::FasterRequested, this, [this] {
        FRowPause = FRowPause > FasterPause ? FasterPause : 0;
        if (FPause.isActive())
            FPause.start(std::max(0, FRowPause - static_cast<int>(FRowClock.elapsed())));
    });
    connect(FWindow, &TfrmCodeBreaker::RandomRequested, this, [this, width] {
        const auto seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) + ++FRandomDraws;
        FWindow->SetSecret(TCodeBreaker::RandomSecret(width, FRules, seed));
    });
    FWindow->show();
}

void TCodeBreakerRun::Stop()
{
    FJob.Stop();
    FPause.stop();
    FPause.disconnect(this);
    FBreaker.reset();
}

void TCodeBreakerRun::Start(std::optional<TCode> secret)
{
    Stop();
    // The computer plays the game's variant: a code it could never find is
    // sent back to the player to change.
    if (secret && !FRules.Allows(*secret)) {
        bool outOfPlay = false;
        for (int hole = 0; hole < secret->Width(); ++hole)
            outOfPlay = outOfPlay || !FRules.InPlay(secret->Peg(hole));
        TMessages::ShowCodeBreaksVariant(!outOfPlay, FRules.ColoursInPlay());
        return;
    }
    FBreaker.emplace(FWindow->Width(), FWindow->Rows(), FRules);
    FSecret = secret;
    FRowPause = RowPause;
    Step();
}

void TCodeBreakerRun::Step()
{
    if (!FBreaker || !FWindow)
        return;
    const int row = static_cast<int>(FBreaker->Checked().size());
    FWindow->ShowThinking(row);
    FRowClock.start();
    FJob.Start([width = FBreaker->Width(), rules = FRules, rows = FBreaker->Checked(),
                this](std::stop_token stop) -> TBackgroundJob::TDelivery {
        std::optional<TCodeBreaker::TNextStep> step = TCodeBreaker::NextStep(width, rules, rows, stop);
        if (!step)
            return {};
        return [this, step = std::move(*step)] {
            if (!FBreaker || !FWindow)
                return;
            if (step.Guess) {
                if (FBreaker->Over())
                    Finish();  // the player's answers agree, and no row is left
                else
                    Play(*step.Guess);
                return;
            }
            // Only the player's own answers can disagree: the last one
            // waits to be given again.
            const int row = static_cast<int>(FBreaker->Checked().size()) - 1;
            FBreaker->TakeBackAnswer();
            FWindow->ShowConflict(step.Conflict, row);
        };
    });
}

void TCodeBreakerRun::Play(const TCode& guess)
{
    const int row = static_cast<int>(FBreaker->Checked().size());
    FBreaker->Place(guess);
    FWindow->ShowGuess(row, guess);
    if (!FSecret) {
        FWindow->AskAnswer(row);
        return;
    }
    // The answer shows a moment after the row, at a pace a person follows.
    FPause.disconnect(this);
    connect(&FPause, &QTimer::timeout, this, [this, guess] { Answer(Score(guess, *FSecret)); });
    FPause.start(std::max(0, FRowPause - static_cast<int>(FRowClock.elapsed())));
}

void TCodeBreakerRun::Answer(TKeyPegs answer)
{
    if (!FBreaker || !FBreaker->Pending() || !FWindow)
        return;
    const int row = static_cast<int>(FBreaker->Checked().size());
    FBreaker->Answer(answer);
    FWindow->ShowAnswer(row, answer);
    if (FBreaker->Found() || (FBreaker->Over() && FSecret)) {
        Finish();
        return;
    }
    // Every row used on the player's answers: they are checked once more,
    // so a wrong one is still named.
    Step();
}

void TCodeBreakerRun::Finish()
{
    const TCodeBreakEnd end = FBreaker->End(!FSecret, FSecret);
    FBreaker.reset();
    FWindow->ShowEnd(end);
    emit Ended(end);
}

}  // namespace peglore
