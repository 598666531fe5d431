#include "dialogs/customboard/TfrmCustomBoard.h"

#include <QPushButton>
#include <QSlider>

#include "components/boardgrid/TBoardGrid.h"
#include "components/contexthelp/HelpContexts.h"
#include "components/contexthelp/TContextHelp.h"
#include "components/widgets/TBevel.h"
#include "components/widgets/TBevelPanel.h"
#include "dialogs/common/DialogFonts.h"
#include "dialogs/common/TAutoSizeLabel.h"
#include "game/TLevelSettings.h"

namespace peglore {

namespace {
const QColor Navy(0, 0, 0x80);
const QColor Teal(0, 0x80, 0x80);
}  // namespace

TfrmCustomBoard::TfrmCustomBoard(IHelpCommands& help, QWidget* parent)
    : TGameDialog(help, QSize(ClientWidth, ClientHeight), TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup,
                  parent)
{
    setObjectName(QStringLiteral("frmCustomBoard"));
    //: Title of the dialog of the Custom level's board size.
    setWindowTitle(tr("Custom Board Size:"));
    setFont(DialogFont(13, true));
    SetFontColor(this, Qt::black);

    auto* bevel1 = new TBevel(TBevelShape::LeftLine, this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setGeometry(191, 3, 2, 192);
    auto* bevel2 = new TBevel(TBevelShape::TopLine, this);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setGeometry(196, 58, 105, 7);

    FPreviewGrid = new TBoardGrid(this);
    FPreviewGrid->setObjectName(QStringLiteral("PreviewGrid"));
    FPreviewGrid->SetDefaultColWidth(PreviewCellSize);
    FPreviewGrid->SetDefaultRowHeight(PreviewCellSize);
    FPreviewGrid->SetCellColor(Navy);
    FPreviewGrid->SetColCount(10);
    FPreviewGrid->SetFixedCols(9);
    FPreviewGrid->SetRowCount(9);
    FPreviewGrid->setGeometry(49, 48, 94, 86);
    ContextHelp().AttachPopupMenu(FPreviewGrid);
    //: Accessible name, read by screen readers: the small picture of the chosen board.
    FPreviewGrid->setAccessibleName(tr("Board preview"));

    FColumnsTrackBar =
        AddTrackBar("ColumnsTrackBar", Qt::Horizontal, QRect(32, 0, 125, 47), 10, HelpContexts::BoardColumns);
    //: Accessible name of the slider of the number of holes in a row (the board's width).
    FColumnsTrackBar->setAccessibleName(tr("Holes"));
    FRowsTrackBar = AddTrackBar("RowsTrackBar", Qt::Vertical, QRect(3, 47, 45, 150), 15, HelpContexts::BoardRows);
    //: Accessible name of the slider of the number of rows (the board's height).
    FRowsTrackBar->setAccessibleName(tr("Rows"));
    // The least number of rows at the top, as on the board itself; the
    // arrow and page keys then move the thumb the way they point.
    FRowsTrackBar->setInvertedAppearance(true);
    FRowsTrackBar->setInvertedControls(true);
    connect(FColumnsTrackBar, &QSlider::valueChanged, this, [this] {
        if (!FSettingPositions)
            ColumnsTrackBarChange();
    });
    connect(FRowsTrackBar, &QSlider::valueChanged, this, [this] {
        if (!FSettingPositions)
            RowsTrackBarChange();
    });

    const QFont buttonFont = DialogFont(11);
    //: Button, 60 pixels wide.
    FOkButton = new QPushButton(tr("Ok"), this);
    FOkButton->setObjectName(QStringLiteral("OkButton"));
    FOkButton->setGeometry(220, 132, 60, 21);
    FOkButton->setFont(buttonFont);
    FOkButton->setDefault(true);
    TContextHelp::SetContext(FOkButton, HelpContexts::OkButton);
    ContextHelp().AttachPopupMenu(FOkButton);
    connect(FOkButton, &QPushButton::clicked, this, &QDialog::accept);

    //: Button, 60 pixels wide.
    FCancelButton = new QPushButton(tr("Cancel"), this);
    FCancelButton->setObjectName(QStringLiteral("CancelButton"));
    FCancelButton->setGeometry(220, 169, 60, 21);
    FCancelButton->setFont(buttonFont);
    TContextHelp::SetContext(FCancelButton, HelpContexts::CancelButton);
    ContextHelp().AttachPopupMenu(FCancelButton);
    SetEscapeButton(FCancelButton);
    connect(FCancelButton, &QPushButton::clicked, this, &QDialog::reject);

    FPanel1 = new TBevelPanel(this);
    FPanel1->setObjectName(QStringLiteral("Panel1"));
    FPanel1->setGeometry(198, 11, 102, 41);
    FPanel1->SetBevelOuter(TBevelCut::Raised);
    FPanel1->SetBevelInner(TBevelCut::Raised);
    TContextHelp::SetContext(FPanel1, HelpContexts::BoardPreview);
    ContextHelp().AttachPopupMenu(FPanel1);

    //: Caption above the board size ("5 x 10") in a panel 102 pixels wide.
    auto* label1 = new TAutoSizeLabel(tr("Board Dimensions:"), FPanel1);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(DialogFont(11));
    label1->move(6, 5);

    FGameDimensionsLabel = new TAutoSizeLabel(BoardSizeText(5, 10), FPanel1);
    FGameDimensionsLabel->setObjectName(QStringLiteral("GameDimensionsLabel"));
    FGameDimensionsLabel->setFont(DialogFont(11, true));
    FGameDimensionsLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    FGameDimensionsLabel->move(36, 23);
    SetFontColor(FGameDimensionsLabel, Teal);

    setTabOrder(FColumnsTrackBar, FRowsTrackBar);
    setTabOrder(FRowsTrackBar, FOkButton);
    setTabOrder(FOkButton, FCancelButton);
}

QSlider* TfrmCustomBoard::AddTrackBar(const char* name, Qt::Orientation orientation, const QRect& geometry, int maximum,
                                      int helpContext)
{
    auto* bar = new QSlider(orientation, this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(geometry);
    bar->setRange(1, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(2);
    bar->setTickInterval(1);
    // Below a horizontal bar, right of a vertical one.
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setFocusPolicy(Qt::StrongFocus);
    TContextHelp::SetContext(bar, helpContext);
    ContextHelp().AttachPopupMenu(bar);
    return bar;
}

void TfrmCustomBoard::ColumnsTrackBarChange()
{
    // The grid shows the columns that begin inside its border, so every
    // column but the last is fixed and the width shows them all.
    const int columns = FColumnsTrackBar->value();
    FPreviewGrid->SetColCount(columns);
    FPreviewGrid->SetFixedCols(columns - 1);
    FPreviewGrid->resize((PreviewCellSize + TBoardGrid::LineWidth) * columns + 4 * TBoardGrid::LineWidth,
                         FPreviewGrid->height());
    ShowDimensions();
}

void TfrmCustomBoard::RowsTrackBarChange()
{
    // The grid has no fixed rows; all its cells are navy alike.
    const int rows = FRowsTrackBar->value();
    FPreviewGrid->SetRowCount(rows);
    FPreviewGrid->resize(FPreviewGrid->width(),
                         (PreviewCellSize + TBoardGrid::LineWidth) * rows + 4 * TBoardGrid::LineWidth);
    ShowDimensions();
}

QString TfrmCustomBoard::BoardSizeText(int columns, int rows)
{
    //: The board's size: %1 holes in a row by %2 rows. Centred in a panel 102 pixels wide.
    return tr("%1 x %2").arg(columns).arg(rows);
}

void TfrmCustomBoard::ShowDimensions()
{
    FGameDimensionsLabel->SetCaption(BoardSizeText(FPreviewGrid->ColCount(), FPreviewGrid->RowCount()));
}

void TfrmCustomBoard::FormShow()
{
    if (FLevelSettings) {
        // Out-of-range sizes from an edited settings file show clamped by
        // the trackbars; the level object keeps them until OK.
        FSettingPositions = true;
        FColumnsTrackBar->setValue(FLevelSettings->CustomColumns());
        FRowsTrackBar->setValue(FLevelSettings->CustomRows());
        FSettingPositions = false;
    }
    ColumnsTrackBarChange();
    RowsTrackBarChange();
    FOkButton->setFocus();
}

void TfrmCustomBoard::FormClose(int result)
{
    if (result == Rejected || !FLevelSettings)
        return;
    FLevelSettings->SetCustomColumns(FColumnsTrackBar->value());
    FLevelSettings->SetCustomRows(FRowsTrackBar->value());
    FLevelSettings->SetLevel(Custom);
}

}  // namespace peglore
