#include "game/TLogic.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <string>

#include "game/BoardGeometry.h"
#include "game/CenterOnScreen.h"
#include "game/GameNumber.h"
#include "game/Scoring.h"
#include "settings/statistics/TStatistics.h"

namespace peglore {

namespace {
// A counter that has reached the largest int stays there.
int PlusOne(int value)
{
    return value < std::numeric_limits<int>::max() ? value + 1 : value;
}

// A board of columns x rows cells with a spare column beyond its width, and
// 1-pixel lines inside a 2-pixel border.
TGridLayout BoardLayout(int left, int top, int cellWidth, int cellHeight, int columns, int rows)
{
    const int g = GridLineWidth;
    TGridLayout layout;
    layout.Left = left;
    layout.Top = top;
    layout.DefaultColWidth = cellWidth;
    layout.DefaultRowHeight = cellHeight;
    layout.ColCount = columns + 1;
    layout.FixedCols = columns;
    layout.RowCount = rows;
    layout.Width = (cellWidth + g) * columns + 4 * g;
    layout.Height = (cellHeight + g) * rows + 4 * g;
    return layout;
}
}  // namespace

TLogic::TLogic(TLeftGrid& leftGrid, TRightGrid& rightGrid, TBoardSize& size)
    : FLeftGrid(leftGrid), FRightGrid(rightGrid), FSize(size)
{
}

void TLogic::Connect(IMainWindowPort& window, IMessagesPort& messages, IClockPort& clock, TStatistics& statistics)
{
    FWindow = &window;
    FMessages = &messages;
    FClock = &clock;
    FStatistics = &statistics;
}

void TLogic::Randomize(std::uint32_t seed)
{
    FRandom.seed(seed);
}

std::span<const TColor> TLogic::Secret() const
{
    return std::span<const TColor>(FSecret.data(), static_cast<std::size_t>(FSize.BoardColumns()));
}

bool TLogic::IsValidRow(int row) const
{
    return row >= 0 && row < FSize.BoardRows();
}

void TLogic::NewGame(bool confirm, bool countUnfinished)
{
    assert(FWindow && FMessages && FClock && FStatistics);
    // Only an explicit Yes throws the game in progress away.
    if (confirm && FMessages->AskNewGame() != TAnswer::Yes)
        return;
    if (countUnfinished && !IsBoardEmpty())
        FStatistics->SetTotalGames(PlusOne(FStatistics->TotalGames()));
    // Counted or not, a game with pegs that nobody was told the end of is
    // abandoned for this one.
    AbandonGame();
    FRightGrid.ClearAll();
    FLeftGrid.ClearAll();
    FWindow->SetRowMarkerTop(RowMarkerTop);
    GenerateSecret();
    FWindow->ShowVariant(PlayedVariant(), FVariant);
    SetCurrentRow(0);
    FClock->ResetClock();
    ++FGamesStarted;
    FEndTold = false;
    FCheckedWithoutHardMode = false;
    for (IGameObserver* observer : std::vector(FObservers))
        observer->GameStarted();
}

void TLogic::AddObserver(IGameObserver& observer)
{
    FObservers.push_back(&observer);
}

void TLogic::RemoveObserver(IGameObserver& observer)
{
    std::erase(FObservers, &observer);
}

void TLogic::NotifyEnd(TGameOutcome outcome)
{
    FEndTold = true;
    int rowsUsed = 0;
    for (int row = 0; row < FSize.BoardRows(); ++row)
        rowsUsed += FLeftGrid.IsRowEmpty(row) ? 0 : 1;
    TGameEnd game{outcome,  FGameNumber,     FSize.BoardColumns(), FSize.BoardRows(),
                  rowsUsed, PlayedVariant(), PlayedInHardMode(),   {}};
    // The rows above the current one are checked, and the current one too
    // when its check ended the game.
    const bool lastRowChecked = outcome == TGameOutcome::Won || outcome == TGameOutcome::Lost;
    for (int row = 0; row < FCurrentRow + (lastRowChecked ? 1 : 0); ++row)
        game.Answers.push_back({CountBlacks(row), CountWhites(row)});
    for (IGameObserver* observer : std::vector(FObservers))
        observer->GameEnded(game);
}

void TLogic::GenerateSecret()
{
    if (FNextGameNumber) {
        FGameNumber = *FNextGameNumber;
        FNextGameNumber.reset();
    } else {
        FGameNumber = std::uniform_int_distribution<std::uint64_t>(0, GameNumberLimit - 1)(FRandom);
    }
    FGameVariant = FVariant.ForWidth(FSize.BoardColumns());
    FSecret = SecretOf(FGameNumber, FGameVariant, FSize.BoardColumns());
}

std::array<TColor, TLogic::MaxSecret> TLogic::SecretOf(std::uint64_t number, const TVariant& variant, int columns)
{
    std::array<int, MaxSecret> pegs{};
    SecretOfGame(number, variant, std::span(pegs).first(static_cast<std::size_t>(columns)));
    std::array<TColor, MaxSecret> secret{};
    for (int i = 0; i < columns; ++i)
        secret[static_cast<std::size_t>(i)] = PegColors[static_cast<std::size_t>(pegs[static_cast<std::size_t>(i)])];
    return secret;
}

void TLogic::SetCurrentRow(int row)
{
    FCurrentRow = row;
    FLeftGrid.Select(0, row);
    FWindow->SetStatusRow(row);
}

bool TLogic::IsBoardEmpty() const
{
    for (int row = 0; row < FSize.BoardRows(); ++row)
        if (!FLeftGrid.IsRowEmpty(row))
            return false;
    return true;
}

bool TLogic::IsRowComplete(int row) const
{
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        if (FLeftGrid.IsEmpty(col, row))
            return false;
    return true;
}

std::array<TColor, TLogic::MaxSecret> TLogic::GuessRow(int row) const
{
    std::array<TColor, MaxSecret> guess{};
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        guess[static_cast<std::size_t>(col)] = FLeftGrid.Cell(col, row);
    return guess;
}

int TLogic::CountBlacks(int row) const
{
    const auto guess = GuessRow(row);
    return peglore::CountBlacks(std::span(guess).first(Secret().size()), Secret());
}

int TLogic::CountWhites(int row) const
{
    const auto guess = GuessRow(row);
    return peglore::CountWhites(std::span(guess).first(Secret().size()), Secret());
}

void TLogic::ScoreRow(int row)
{
    if (!IsValidRow(row))
        return;
    const int blacks = CountBlacks(row);
    const int whites = CountWhites(row);
    for (int col = 0; col < blacks; ++col)
        FRightGrid.DrawPeg(col, row, BlackKeyPeg);
    for (int col = blacks; col < blacks + whites; ++col)
        FRightGrid.DrawPeg(col, row, WhiteKeyPeg);
}

void TLogic::SetBoardSize(int columns, int rows)
{
    // The game left is told over on the board it was played on.
    AbandonGame();
    // Sizes from the settings file are not checked anywhere else; keep
    // them inside the stores.
    columns = std::clamp(columns, 1, MaxColumns);
    rows = std::clamp(rows, 1, MaxRows);
    FSize.Set(columns, rows);

    const TGridLayout left = BoardLayout(LeftBoardLeft, LeftBoardTop, GuessCellWidth, GuessCellHeight, columns, rows);
    FWindow->SetLeftBoardLayout(left);
    const TGridLayout right =
        BoardLayout(left.Left + left.Width + BoardGap, RightBoardTop, ScoreCellWidth, ScoreCellHeight, columns, rows);
    FWindow->SetRightBoardLayout(right);

    const int clientWidth = std::max(right.Left + right.Width + ClientRightMargin, FWindow->InitialClientWidth());
    const int clientHeight = left.Top + left.Height + ClientBottomMargin + FWindow->StatusBarHeight();
    FWindow->SetClientSize(clientWidth, clientHeight);
    CenterOnScreen(*FWindow);
    NewGame(false, false);
}

void TLogic::CheckCurrentRow()
{
    if (!IsRowComplete(FCurrentRow)) {
        FMessages->ShowRowNotFull();
        return;
    }
    if (const TVariantBreach breach = CurrentRowBreach(); breach != TVariantBreach::None) {
        // The row stays current, as it is, for the player to change.
        FMessages->ShowRowBreaksVariant(breach, PlayedVariant().ColoursInPlay());
        return;
    }
    if (FHardMode) {
        if (const std::optional<int> row = ContradictedRow()) {
            // The row stays as it is, current, for the player to change.
            FMessages->ShowRowContradicts(*row, CountBlacks(*row), CountWhites(*row));
            return;
        }
    } else {
        FCheckedWithoutHardMode = true;
    }
    ScoreRow(FCurrentRow);
    for (IGameObserver* observer : std::vector(FObservers))
        observer->RowChecked(FCurrentRow);
    if (CountBlacks(FCurrentRow) == FSize.BoardColumns()) {
        NotifyEnd(TGameOutcome::Won);
        FStatistics->SetGamesWon(PlusOne(FStatistics->GamesWon()));
        FMessages->ShowWon();
        NewGame(false, true);
    } else if (FCurrentRow < FSize.BoardRows() - 1) {
        SetCurrentRow(FCurrentRow + 1);
        FWindow->SetRowMarkerTop(RowMarkerTop + RowPitch * FCurrentRow);
    } else {
        NotifyEnd(TGameOutcome::Lost);
        FStatistics->SetGamesLost(PlusOne(FStatistics->GamesLost()));
        FMessages->ShowLost();
        FMessages->ShowCorrectAnswer();
        NewGame(false, true);
    }
}

TVariantBreach TLogic::CurrentRowBreach() const
{
    const TVariant& played = PlayedVariant();
    std::array<bool, PegColors.size()> used{};
    TVariantBreach breach = TVariantBreach::None;
    for (int col = 0; col < FSize.BoardColumns(); ++col) {
        if (FLeftGrid.IsEmpty(col, FCurrentRow))
            continue;
        const auto peg = std::find(PegColors.begin(), PegColors.end(), FLeftGrid.Cell(col, FCurrentRow));
        const auto index = static_cast<std::size_t>(peg - PegColors.begin());
        if (peg == PegColors.end() || !played.InPlay(static_cast<int>(index)))
            return TVariantBreach::ColourNotInPlay;
        if (!played.Repeats && used[index])
            breach = TVariantBreach::ColourRepeated;
        used[index] = true;
    }
    return breach;
}

std::optional<int> TLogic::ContradictedRow() const
{
    const auto candidate = GuessRow(FCurrentRow);
    const auto asSecret = std::span(candidate).first(Secret().size());
    for (int row = 0; row < FCurrentRow; ++row) {
        const auto guess = GuessRow(row);
        const auto checked = std::span(guess).first(Secret().size());
        if (peglore::CountBlacks(checked, asSecret) != CountBlacks(row) ||
            peglore::CountWhites(checked, asSecret) != CountWhites(row))
            return row;
    }
    return std::nullopt;
}

void TLogic::GiveUp()
{
    NotifyEnd(TGameOutcome::GivenUp);
    FMessages->ShowCorrectAnswer();
    NewGame(false, true);
}

void TLogic::AbandonGame()
{
    if (!FEndTold && !IsBoardEmpty())
        NotifyEnd(TGameOutcome::Abandoned);
}

void TLogic::AutoCheckCurrentRow(bool autoCheck)
{
    if (autoCheck && IsRowComplete(FCurrentRow))
        CheckCurrentRow();
}

void TLogic::DropPeg(int x, int y, TColor color, bool autoCheck)
{
    FLeftGrid.PlacePegAt(x, y, color);
    AutoCheckCurrentRow(autoCheck);
}

void TLogic::RepeatFromAbove(bool autoCheck)
{
    FLeftGrid.RepeatFromAbove(FCurrentRow);
    AutoCheckCurrentRow(autoCheck);
}

void TLogic::SelectHole(int col)
{
    FLeftGrid.Select(std::clamp(col, 0, FSize.BoardColumns() - 1), FCurrentRow);
}

int TLogic::NextEmptyHole(int col) const
{
    const int columns = FSize.BoardColumns();
    for (int step = 1; step < columns; ++step) {
        const int next = (col + step) % columns;
        if (FLeftGrid.IsEmpty(next, FCurrentRow))
            return next;
    }
    return col;
}

void TLogic::PlaceInSelectedHole(TColor color, bool autoCheck)
{
    const int col = SelectedHole();
    FLeftGrid.DrawPeg(col, FCurrentRow, color);
    SelectHole(NextEmptyHole(col));
    AutoCheckCurrentRow(autoCheck);
}

void TLogic::PlaceRow(std::span<const TColor> colors, bool autoCheck)
{
    const int columns = std::min(FSize.BoardColumns(), static_cast<int>(colors.size()));
    for (int col = 0; col < columns; ++col)
        FLeftGrid.DrawPeg(col, FCurrentRow, colors[static_cast<std::size_t>(col)]);
    AutoCheckCurrentRow(autoCheck);
}

void TLogic::ClearSelectedHole()
{
    FLeftGrid.DrawEmpty(SelectedHole(), FCurrentRow);
}

void TLogic::ClearBeforeSelectedHole()
{
    const int col = SelectedHole();
    if (col == 0)
        return;
    FLeftGrid.DrawEmpty(col - 1, FCurrentRow);
    SelectHole(col - 1);
}

TKeptGame TLogic::KeptGame() const
{
    TKeptGame kept;
    kept.Colours = FGameVariant.ColoursInPlay();
    kept.Repeats = FGameVariant.Repeats;
    kept.Columns = FSize.BoardColumns();
    kept.Rows = FSize.BoardRows();
    kept.GameNumber = FGameNumber;
    for (int row = 0; row < FCurrentRow; ++row) {
        const auto guess = GuessRow(row);
        kept.Checked.push_back(
            {std::vector(guess.begin(), guess.begin() + kept.Columns), CountBlacks(row), CountWhites(row)});
    }
    const auto current = GuessRow(FCurrentRow);
    kept.Current.assign(current.begin(), current.begin() + kept.Columns);
    return kept;
}

bool TLogic::CanResume(const TKeptGame& kept) const
{
    // A kept game resumes under the variant chosen now, which the settings
    // kept beside it; a game of other rules is not ours.
    const TVariant variant{kept.Colours, kept.Repeats};
    if (kept.Colours != variant.ColoursInPlay() || !(variant == FVariant.ForWidth(kept.Columns)))
        return false;
    if (kept.Columns < 1 || kept.Columns > MaxColumns || kept.Rows < 1 || kept.Rows > MaxRows ||
        std::ssize(kept.Checked) >= kept.Rows || std::ssize(kept.Current) != kept.Columns)
        return false;
    const auto inPlay = std::span(ColorBarOrder).first(static_cast<std::size_t>(variant.ColoursInPlay()));
    const auto isPeg = [&](TColor color) {
        return std::ranges::any_of(inPlay,
                                   [&](int index) { return PegColors[static_cast<std::size_t>(index)] == color; });
    };
    if (!std::ranges::all_of(kept.Current, [&](TColor color) { return color == EmptyHole || isPeg(color); }))
        return false;
    const auto secretStore = SecretOf(kept.GameNumber, variant, kept.Columns);
    const auto secret = std::span(secretStore).first(static_cast<std::size_t>(kept.Columns));
    for (const TKeptRow& row : kept.Checked) {
        if (std::ssize(row.Guess) != kept.Columns || !std::ranges::all_of(row.Guess, isPeg))
            return false;
        // Without repeats no checked row can have used a colour twice.
        if (!variant.Repeats &&
            std::ranges::any_of(row.Guess, [&](TColor color) { return std::ranges::count(row.Guess, color) > 1; }))
            return false;
        const int blacks = peglore::CountBlacks(row.Guess, secret);
        if (blacks == kept.Columns || blacks != row.Blacks || peglore::CountWhites(row.Guess, secret) != row.Whites)
            return false;
    }
    return true;
}

bool TLogic::Resume(const TKeptGame& kept)
{
    if (!CanResume(kept) || kept.Columns != FSize.BoardColumns() || kept.Rows != FSize.BoardRows())
        return false;
    AbandonGame();
    FRightGrid.ClearAll();
    FLeftGrid.ClearAll();
    FGameNumber = kept.GameNumber;
    // The kept file does not say how its rows were checked: a resumed game
    // with checked rows does not count as played in hard mode.
    FCheckedWithoutHardMode = !kept.Checked.empty();
    FGameVariant = TVariant{kept.Colours, kept.Repeats};
    FSecret = SecretOf(FGameNumber, FGameVariant, kept.Columns);
    const int checked = static_cast<int>(kept.Checked.size());
    for (int row = 0; row < checked; ++row) {
        for (int col = 0; col < kept.Columns; ++col)
            FLeftGrid.DrawPeg(col, row,
                              kept.Checked[static_cast<std::size_t>(row)].Guess[static_cast<std::size_t>(col)]);
        ScoreRow(row);
    }
    for (int col = 0; col < kept.Columns; ++col)
        if (const TColor color = kept.Current[static_cast<std::size_t>(col)]; color != EmptyHole)
            FLeftGrid.DrawPeg(col, checked, color);
    SetCurrentRow(checked);
    FWindow->SetRowMarkerTop(RowMarkerTop + RowPitch * checked);
    FClock->ResetClock();
    ++FGamesStarted;
    FEndTold = false;
    for (IGameObserver* observer : std::vector(FObservers))
        observer->GameStarted();
    return true;
}

}  // namespace peglore
