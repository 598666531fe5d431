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
#include "game/ICanvas.h"
#include "game/IClockPort.h"
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
    void SetBrushColor(TColor color) override { Calls << "brush " + Hex(color); }
    void SetPenColor(TColor color) override { Calls << "pen " + Hex(color); }
    void SetPenWidth(int width) override { Calls << QStringLiteral("penwidth %1").arg(width); }
    void SetCopyMode() override { Calls << "copy"; }
    void Rectangle(int l, int t, int r, int b) override
    {
        Calls << QStringLiteral("rect %1 %2 %3 %4").arg(l).arg(t).arg(r).arg(b);
    }
    void Ellipse(int l, int t, int r, int b) override
    {
        Calls << QStringLiteral("ellipse %1 %2 %3 %4").arg(l).arg(t).arg(r).arg(b);
    }
    void Polygon(std::span<const TPoint> points) override
    {
        QStringList corners;
        for (const TPoint& p : points)
            corners << QStringLiteral("%1,%2").arg(p.X).arg(p.Y);
        Calls << "polygon " + corners.join(' ');
    }
};

// A board surface laid out like the grid control: a 2-pixel border, then
// cells separated by 1-pixel lines. Points on lines or borders hit no cell.
class TFakeSurface final : public IBoardSurface {
public:
    TFakeSurface(int cellWidth, int cellHeight) : FW(cellWidth), FH(cellHeight) {}
    QStringList Invalidated;
    int Columns = MaxStoreCells;
    int Rows = MaxStoreCells;

    TRect CellRect(int col, int row) const override
    {
        const int l = 2 + col * (FW + 1);
        const int t = 2 + row * (FH + 1);
        return {l, t, l + FW, t + FH};
    }
    TCell CellAt(int x, int y) const override
    {
        if (x < 2 || y < 2)
            return NoCell;
        const int col = (x - 2) / (FW + 1);
        const int row = (y - 2) / (FH + 1);
        if ((x - 2) % (FW + 1) == FW || (y - 2) % (FH + 1) == FH || col >= Columns || row >= Rows)
            return NoCell;
        return {col, row};
    }
    void InvalidateCell(int col, int row) override { Invalidated << QStringLiteral("%1,%2").arg(col).arg(row); }

    // The centre of a cell, for pointer positions.
    int X(int col) const { return 2 + col * (FW + 1) + FW / 2; }
    int Y(int row) const { return 2 + row * (FH + 1) + FH / 2; }

private:
    int FW;
    int FH;
};

class TFakeWindow final : public IMainWindowPort {
public:
    explicit TFakeWindow(QStringList& log) : FLog(log) {}
    int MarkerTop = -1;
    QString RowText;
    TGridLayout Left, Right;
    int ClientWidth = 288, ClientHeight = 373;
    int FrameWidth = 8, FrameHeight = 46;  // outer size minus client size
    TSize Screen{1024, 768};
    int WindowLeft = 0, WindowTop = 0;
    int Initial = 288;
    int StatusHeight = 19;

    void SetRowMarkerTop(int top) override
    {
        MarkerTop = top;
        FLog << QStringLiteral("marker %1").arg(top);
    }
    void SetStatusRowText(const std::string& text) override
    {
        RowText = QString::fromStdString(text);
        FLog << "status " + RowText;
    }
    void SetLeftBoardLayout(const TGridLayout& l) override { Left = l; }
    void SetRightBoardLayout(const TGridLayout& l) override { Right = l; }
    int InitialClientWidth() const override { return Initial; }
    int StatusBarHeight() const override { return StatusHeight; }
    void SetClientSize(int w, int h) override
    {
        ClientWidth = w;
        ClientHeight = h;
        FLog << QStringLiteral("client %1x%2").arg(w).arg(h);
    }
    TSize OuterSize() const override { return {ClientWidth + FrameWidth, ClientHeight + FrameHeight}; }
    TSize ScreenSize() const override { return Screen; }
    void MoveTo(int l, int t) override
    {
        WindowLeft = l;
        WindowTop = t;
        FLog << QStringLiteral("move %1,%2").arg(l).arg(t);
    }

private:
    QStringList& FLog;
};

// Logs each box together with the statistics at that moment, so a test
// sees which counters changed before the box appeared.
class TFakeMessages final : public IMessagesPort {
public:
    TFakeMessages(QStringList& log, const TStatistics& stats) : FLog(log), FStats(stats) {}
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
    explicit TFakeClock(QStringList& log) : FLog(log) {}
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
    void CheckLevelItem(int level) override { Checked = level; }
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

    explicit TGameRig(int level = Beginner, std::uint32_t seed = 1)
    {
        Logic.Connect(Window, Messages, Clock, Stats);
        Logic.Randomize(seed);
        Levels.SetLevel(level);
        Log.clear();
    }

    void SetStats(int total, int won, int lost, int unfinished)
    {
        Stats.SetTotalGames(total);
        Stats.SetGamesWon(won);
        Stats.SetGamesLost(lost);
        Stats.SetUnfinishedGames(unfinished);
    }

    // Drops a colour on a hole of the current row, as the drag and drop does.
    void Drop(int col, TColor color, bool autoCheck = false)
    {
        Logic.DropPeg(LeftSurface.X(col), LeftSurface.Y(Logic.CurrentRow()), color, autoCheck);
    }

    // Fills the current row with the given colours.
    template <typename Range>
    void FillRow(const Range& colors, bool autoCheck = false)
    {
        int col = 0;
        for (TColor c : colors)
            Drop(col++, c, autoCheck);
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
