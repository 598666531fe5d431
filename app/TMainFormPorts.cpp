#include "app/TMainFormPorts.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QToolButton>

#include "app/TColorSwatch.h"
#include "app/TGameSession.h"
#include "app/TTooltipSwitch.h"
#include "components/boardgrid/TBoardGrid.h"
#include "components/widgets/TStatusPanels.h"
#include "components/widgets/TWindowPlacement.h"
#include "game/BoardGeometry.h"
#include "game/CenterOnScreen.h"
#include "game/TLeftGrid.h"
#include "game/TLogic.h"
#include "services/clock/TMyTimer.h"
#include "services/messages/TMessages.h"
#include "services/music/TMusic.h"

namespace peglore {

namespace {
void ApplyLayout(TBoardGrid& grid, const TGridLayout& layout)
{
    grid.SetDefaultColWidth(layout.DefaultColWidth);
    grid.SetDefaultRowHeight(layout.DefaultRowHeight);
    grid.SetColCount(layout.ColCount);
    grid.SetFixedCols(layout.FixedCols);
    grid.SetRowCount(layout.RowCount);
    grid.setGeometry(layout.Left, layout.Top, layout.Width, layout.Height);
}
}  // namespace

TMainFormPorts::TMainFormPorts(const TMainFormParts& parts, int initialClientWidth)
    : FParts(parts), FInitialClientWidth(initialClientWidth)
{
    // Centred before the window manager framed it, the window is centred
    // again by its frame once that is known.
    FPlacement = new TWindowPlacement(*FParts.Window, [this] { CenterOnScreen(*this); });
}

void TMainFormPorts::SetCorrectAnswerDialog(QDialog* dialog)
{
    FCorrectAnswerDialog = dialog;
    if (dialog)
        dialog->setProperty("pegSymbols", FPegSymbols);
}

void TMainFormPorts::SetRowMarkerTop(int top)
{
    FParts.Hand->move(RowMarkerLeft, top);
}

void TMainFormPorts::SetStatusRowText(const std::string& text)
{
    ShowStatusRow(QString::fromStdString(text));
}

void TMainFormPorts::SetStatusRow(int row)
{
    //: The status bar's first panel, 43 pixels for the text: the number of the current row, counted from 1.
    ShowStatusRow(QCoreApplication::translate("peglore::TMainForm", "Row: %1").arg(row + 1));
}

void TMainFormPorts::ShowStatusRow(const QString& text)
{
    FParts.StatusBar->SetPanelText(0, text);
    // Another row is played: the rows read as checked or current anew.
    FParts.LeftBoard->ReadingChanged();
    FParts.RightBoard->ReadingChanged();
}

void TMainFormPorts::SetLeftBoardLayout(const TGridLayout& layout)
{
    ApplyLayout(*FParts.LeftBoard, layout);
}

void TMainFormPorts::SetRightBoardLayout(const TGridLayout& layout)
{
    ApplyLayout(*FParts.RightBoard, layout);
}

void TMainFormPorts::SetClientSize(int width, int height)
{
    FParts.Client->setFixedSize(width, height);
    FParts.StatusBar->setGeometry(0, height - StatusHeight, width, StatusHeight);
    // Take the new size at once, so the outer size is right for centring.
    FParts.Window->layout()->activate();
    FParts.Window->adjustSize();
}

void TMainFormPorts::ShowVariant(const TVariant& played, const TVariant& chosen)
{
    // The colour bar shows the colours in play, keys 1 to N, from the left.
    for (std::size_t i = 0; i < FParts.Swatches.size(); ++i)
        if (FParts.Swatches[i])
            FParts.Swatches[i]->setVisible(int(i) < played.ColoursInPlay());
    const int colours = played.ColoursInPlay();
    if (played.IsStandard())
        FVariantText.clear();
    else if (played.Repeats && !chosen.Repeats)
        //: The status bar's second panel, at least 235 pixels wide: the game draws its secret from the first %n
        //: colours of the colour bar, and although no repeats were chosen, a colour may repeat, as the board has
        //: more holes than colours in play.
        FVariantText = QCoreApplication::translate("peglore::TMainForm", "Variant: %n colours, repeats on this board",
                                                   nullptr, colours);
    else if (played.Repeats)
        //: The status bar's second panel, at least 235 pixels wide: the game draws its secret from the first %n
        //: colours of the colour bar, a colour as often as it comes.
        FVariantText = QCoreApplication::translate("peglore::TMainForm", "Variant: %n colours", nullptr, colours);
    else
        //: The status bar's second panel, at least 235 pixels wide: the game draws its secret from the first %n
        //: colours of the colour bar, no colour twice.
        FVariantText =
            QCoreApplication::translate("peglore::TMainForm", "Variant: %n colours, no repeats", nullptr, colours);
    FParts.StatusBar->SetPanelText(1, FVariantText);
}

TSize TMainFormPorts::OuterSize() const
{
    // The frame as the window manager states it (none before the window
    // is framed), around the window's current size.
    const QSize outer = FPlacement->OuterSize();
    return {outer.width(), outer.height()};
}

TSize TMainFormPorts::ScreenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0};
    return {screen->size().width(), screen->size().height()};
}

void TMainFormPorts::MoveTo(int left, int top)
{
    // Under Wayland the compositor places windows and this does nothing.
    FPlacement->PlaceFrameAt({left, top});
}

void TMainFormPorts::ShowRowNotFull()
{
    TMessages::ShowRowNotFull();
}

void TMainFormPorts::ShowRowBreaksVariant(TVariantBreach breach, int colours)
{
    TMessages::ShowRowBreaksVariant(breach == TVariantBreach::ColourRepeated, colours);
}

void TMainFormPorts::ShowRowContradicts(int row, int blacks, int whites)
{
    TMessages::ShowRowContradicts(row + 1, blacks, whites);
}

void TMainFormPorts::ShowWon()
{
    TMessages::ShowWon();
}

void TMainFormPorts::ShowLost()
{
    TMessages::ShowLost();
}

void TMainFormPorts::ShowCorrectAnswer()
{
    if (FCorrectAnswerDialog)
        TMessages::ShowCorrectAnswer(*FCorrectAnswerDialog);
}

TAnswer TMainFormPorts::AskNewGame()
{
    return TMessages::AskNewGame();
}

void TMainFormPorts::ResetClock()
{
    if (FSession)
        FSession->Clock().ResetClock();
    // Told at a new game only; every second's tick would drown the game.
    if (FParts.ClockPanel) {
        QAccessibleValueChangeEvent reset(FParts.ClockPanel, 0);
        QAccessible::updateAccessibility(&reset);
    }
}

void TMainFormPorts::CheckLevelItem(int level)
{
    if (level >= 0 && level < int(FParts.LevelItems.size()))
        FParts.LevelItems[std::size_t(level)]->setChecked(true);
}

void TMainFormPorts::PlayMusic()
{
    if (FSession)
        FSession->Music().Play();
}

void TMainFormPorts::StopMusic()
{
    if (FSession)
        FSession->Music().Stop();
}

void TMainFormPorts::SetTooltipsEnabled(bool enabled)
{
    FParts.Tooltips->SetEnabled(enabled);
}

void TMainFormPorts::SetCheckButtonEnabled(bool enabled)
{
    FParts.CheckButton->setEnabled(enabled);
}

void TMainFormPorts::SetHardModeOn(bool on)
{
    if (FSession)
        FSession->Logic().SetHardMode(on);
}

void TMainFormPorts::SetPegSymbolsShown(bool shown)
{
    FPegSymbols = shown;
    if (FSession)
        FSession->LeftGrid().SetSymbolsShown(shown);
    FParts.LeftBoard->ReadingChanged();
    for (TColorSwatch* swatch : FParts.Swatches)
        if (swatch)
            swatch->SetSymbolShown(shown);
    if (FCorrectAnswerDialog)
        FCorrectAnswerDialog->setProperty("pegSymbols", shown);
}

}  // namespace peglore
