#pragma once

// Recording fakes of the game core's ports. Every fake writes into one
// shared log, so a test can check the order of effects across them.

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

#include "game/BoardGeometry.h"
#include "game/IBoardSurface.h"
#include "game/IClockPort.h"
#include "game/ICanvas.h"
#include "game/ILevelMenuPort.h"
#include "game/IMainWindowPort.h"
#include "game/IMessagesPort.h"
#include "game/TLeftGrid.h"
#include "game/TLevelSettings.h"
#include "game/TLogic.h"
#include "game/TRightGrid.h"
#include "settings/statistics/TStatistics.h"

namespace peglore::testing {

inline QString Hex(TColor c)
{
    return QStringLiteral("%1").arg(c, 6, 16, QLatin1Char('0'));
}

// Records every drawing call as a line of text.
class TRecordingCanvas final : public ICanvas {
public:
    QStringList Calls;
    void SetBrushColor(TColor Color) override { Calls << "brush " + Hex(Color); }
    void SetPenColor(TColor Color) override { Calls << "pen " + Hex(Color); }
    void SetPenWidth(int Width) override { Calls << QStringLiteral("penwidth %1").arg(Width); }
    void SetCopyMode() override { Calls << "copy"; }
    void Rectangle(int L, int T, int R, int B) override
    {
        Calls << QStringLiteral("rect %1 %2 %3 %4").arg(L).arg(T).arg(R).arg(B);
    }
    void Ellipse(int L, int T, int R, int B) override
    {
        Calls << QStringLiteral("ellipse %1 %2 %3 %4").arg(L).arg(T).arg(R).arg(B);
    }
};

// A board surface laid out like the grid control: a 2-pixel border, then
// cells separated by 1-pixel lines. Points on lines or borders hit no cell.
class TFakeSurface final : public IBoardSurface {
public:
    TFakeSurface(int CellWidth, int CellHeight) : FW(CellWidth), FH(CellHeight) {}
    QStringList Invalidated;
    int Columns = MaxStoreCells;
    int Rows = MaxStoreCells;

    TRect CellRect(int Col, int Row) const override
    {
        const int l = 2 + Col * (FW + 1);
        const int t = 2 + Row * (FH + 1);
        return {l, t, l + FW, t + FH};
    }
    TCell CellAt(int X, int Y) const override
    {
        if (X < 2 || Y < 2)
            return NoCell;
        const int col = (X - 2) / (FW + 1);
        const int row = (Y - 2) / (FH + 1);
        if ((X - 2) % (FW + 1) == FW || (Y - 2) % (FH + 1) == FH || col >= Columns || row >= Rows)
            return NoCell;
        return {col, row};
    }
    void InvalidateCell(int Col, int Row) override { Invalidated << QStringLiteral("%1,%2").arg(Col).arg(Row); }

    // The centre of a cell, for pointer positions.
    int X(int Col) const { return 2 + Col * (FW + 1) + FW / 2; }
    int Y(int Row) const { return 2 + Row * (FH + 1) + FH / 2; }

private:
    int FW;
    int FH;
};

class TFakeWindow final : public IMainWindowPort {
public:
    explicit TFakeWindow(QStringList& Log) : FLog(Log) {}
    int MarkerTop = -1;
    QString RowText;
    TGridLayout Left, Right;
    int ClientWidth = 288, ClientHeight = 373;
    int FrameWidth = 8, FrameHeight = 46;  // outer size minus client size
    TSize Screen{1024, 768};
    int WindowLeft = 0, WindowTop = 0;
    int Initial = 288;
    int StatusHeight = 19;

    void SetRowMarkerTop(int Top) override
    {
        MarkerTop = Top;
        FLog << QStringLiteral("marker %1").arg(Top);
    }
    void SetStatusRowText(const std::string& Text) override
    {
        RowText = QString::fromStdString(Text);
        FLog << "status " + RowText;
    }
    void SetLeftBoardLayout(const TGridLayout& L) override { Left = L; }
    void SetRightBoardLayout(const TGridLayout& L) override { Right = L; }
    int InitialClientWidth() const override { return Initial; }
    int StatusBarHeight() const override { return StatusHeight; }
    void SetClientSize(int W, int H) override
    {
        ClientWidth = W;
        ClientHeight = H;
        FLog << QStringLiteral("client %1x%2").arg(W).arg(H);
    }
    TSize OuterSize() const override { return {ClientWidth + FrameWidth, ClientHeight + FrameHeight}; }
    TSize ScreenSize() const override { return Screen; }
    void MoveTo(int L, int T) override
    {
        WindowLeft = L;
        WindowTop = T;
        FLog << QStringLiteral("move %1,%2").arg(L).arg(T);
    }

private:
    QStringList& FLog;
};

// Logs each box together with the statistics at that moment, so a test
// sees which counters changed before the box appeared.
class TFakeMessages final : public IMessagesPort {
public:
    TFakeMessages(QStringList& Log, const TStatistics& Stats) : FLog(Log), FStats(Stats) {}
    std::deque<TAnswer> Answers;  // answers to AskNewGame, in order
    std::function<void()> OnCorrectAnswer;

    void ShowRowNotFull() override { FLog << "box row-not-full " + Counters(); }
    void ShowWon() override { FLog << "box won " + Counters(); }
    void ShowLost() override { FLog << "box lost " + Counters(); }
    void ShowCorrectAnswer() override
    {
        FLog << "box correct-answer " + Counters();
        if (OnCorrectAnswer)
            OnCorrectAnswer();
    }
    TAnswer AskNewGame() override
    {
        FLog << "ask new-game";
        if (Answers.empty())
            return TAnswer::Yes;
        const TAnswer a = Answers.front();
        Answers.pop_front();
        return a;
    }

    QString Counters() const
    {
        return QStringLiteral("%1/%2/%3/%4")
            .arg(FStats.TotalGames())
            .arg(FStats.GamesWon())
            .arg(FStats.GamesLost())
            .arg(FStats.UnfinishedGames());
    }

private:
    QStringList& FLog;
    const TStatistics& FStats;
};

class TFakeClock final : public IClockPort {
public:
    explicit TFakeClock(QStringList& Log) : FLog(Log) {}
    int Resets = 0;
    void ResetClock() override
    {
        ++Resets;
        FLog << "clock reset";
    }

private:
    QStringList& FLog;
};

class TFakeLevelMenu final : public ILevelMenuPort {
public:
    int Checked = -1;
    void CheckLevelItem(int Level) override { Checked = Level; }
};

// The whole game core wired to fakes, in the program's creation order.
struct TGameRig {
    QStringList Log;
    TBoardSize Size;
    TFakeSurface LeftSurface{GuessCellWidth, GuessCellHeight};
    TFakeSurface RightSurface{ScoreCellWidth, ScoreCellHeight};
    TLeftGrid LeftGrid{Size, LeftSurface};
    TRightGrid RightGrid{Size, RightSurface};
    TLogic Logic{LeftGrid, RightGrid, Size};
    TFakeLevelMenu Menu;
    TLevelSettings Levels{Logic, Menu};
    TStatistics Stats;
    TFakeWindow Window{Log};
    TFakeMessages Messages{Log, Stats};
    TFakeClock Clock{Log};

    explicit TGameRig(int Level = Beginner, std::uint32_t Seed = 1)
    {
        Logic.Connect(Window, Messages, Clock, Stats);
        Logic.Randomize(Seed);
        Levels.SetLevel(Level);
        Log.clear();
    }

    void SetStats(int Total, int Won, int Lost, int Unfinished)
    {
        Stats.SetTotalGames(Total);
        Stats.SetGamesWon(Won);
        Stats.SetGamesLost(Lost);
        Stats.SetUnfinishedGames(Unfinished);
    }

    // Drops a colour on a hole of the current row, as the drag and drop does.
    void Drop(int Col, TColor Color, bool AutoCheck = false)
    {
        Logic.DropPeg(LeftSurface.X(Col), LeftSurface.Y(Logic.CurrentRow()), Color, AutoCheck);
    }

    // Fills the current row with the given colours.
    template <typename Range>
    void FillRow(const Range& Colors, bool AutoCheck = false)
    {
        int col = 0;
        for (TColor c : Colors)
            Drop(col++, c, AutoCheck);
    }

    // A colour that differs from every peg of the secret, so a row of it
    // scores nothing.
    TColor ColorNotInSecret() const
    {
        for (TColor c : PegColors) {
            bool used = false;
            for (TColor s : Logic.Secret())
                used = used || s == c;
            if (!used)
                return c;
        }
        return PegColors[0];  // unreachable while holes < colours
    }

    std::vector<TColor> Secret() const { return {Logic.Secret().begin(), Logic.Secret().end()}; }
    std::vector<TColor> Losing() const
    {
        return std::vector<TColor>(static_cast<std::size_t>(Logic.BoardColumns()), ColorNotInSecret());
    }
};

}  // namespace peglore::testing
