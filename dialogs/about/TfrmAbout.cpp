#include "dialogs/about/TfrmAbout.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <iterator>

#include "components/labeleffect/LblEffct.h"
#include "components/widgets/TBevel.h"
#include "dialogs/common/DialogFonts.h"
#include "dialogs/common/TAutoSizeLabel.h"
#include "settings/statistics/TStatistics.h"
#include "translations/Formats.h"

namespace peglore {

namespace {
const QColor Teal(0, 0x80, 0x80);
const QColor Gray(128, 128, 128);

// The row of three counters as designed: each caption's left edge and its
// figure's.
struct TCounterPlace {
    int CaptionLeft;
    int ValueLeft;
};
constexpr TCounterPlace CounterRow[] = {{4, 77}, {92, 164}, {182, 290}};
// Between a figure and the next caption, and after the last figure, when
// figures too wide for their places move the captions after them.
constexpr int CounterGap = 7;
constexpr int RightMargin = 4;
}  // namespace

TfrmAbout::TfrmAbout(IHelpCommands& help, QWidget* parent)
    : TGameDialog(help, QSize(ClientWidth, ClientHeight), TTitleHelp::None, IHelpCommands::ShowTopic, parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    //: Title of the About dialog (Help > About...).
    setWindowTitle(tr("About..."));

    FOkButton = AddCloseButton(QRect(110, 176, 84, 22));

    // The title in grey relief: the highlight one pixel down and right,
    // the shadow one pixel up and left, both grey, the face black.
    FLabelEffect1 = new TLabelEffect(this);
    FLabelEffect1->setObjectName(QStringLiteral("LabelEffect1"));
    FLabelEffect1->setGeometry(68, 4, 175, 42);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(37);
    FLabelEffect1->setFont(titleFont);
    FLabelEffect1->SetColourScheme(TColourScheme::csCustom);
    FLabelEffect1->SetEffectStyle(TEffectStyle::esCustom);
    FLabelEffect1->SetDirectionHighlight(TEffectDirection::edDownRight);
    FLabelEffect1->SetDirectionShadow(TEffectDirection::edUpLeft);
    FLabelEffect1->SetDepthHighlight(1);
    FLabelEffect1->SetDepthShadow(1);
    FLabelEffect1->SetColourHighlight(Gray);
    FLabelEffect1->SetColourShadow(Gray);
    FLabelEffect1->SetFontColor(Qt::black);
    FLabelEffect1->SetColor(palette().color(QPalette::Button));
    FLabelEffect1->SetTransparent(true);
    FLabelEffect1->SetAutoSize(true);
    FLabelEffect1->SetFocusControl(FOkButton);
    FLabelEffect1->SetCaption(QStringLiteral("Peglore"));

    auto* label6 = new QLabel(tr(VersionText), this);
    label6->setObjectName(QStringLiteral("Label6"));
    label6->setFont(DialogFont(12, true));
    label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label6->setGeometry(119, 48, 65, label6->fontMetrics().height());

    auto* label5 = new QLabel(tr(CopyrightText), this);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setFont(DialogFont(12, true));
    label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label5->setGeometry(49, 66, 203, label5->fontMetrics().height());

    auto* bevel2 = new TBevel(TBevelShape::Box, this);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setGeometry(19, 86, 263, 3);
    auto* bevel3 = new TBevel(TBevelShape::Box, this);
    bevel3->setObjectName(QStringLiteral("Bevel3"));
    bevel3->setGeometry(19, 117, 263, 3);

    //: Caption before the number of games played; 119 pixels from its start to the number, bold.
    AddLabel("Label1", tr("Total Games Played:"), 82, 129, Qt::black);
    FLblTotalGames = AddLabel("lblTotalGames", QStringLiteral("10"), 201, 129, Teal);
    //: Caption before the number of games won; 73 pixels from its start to the number, bold.
    FLabel2 = AddLabel("Label2", tr("Games Won:"), CounterRow[0].CaptionLeft, 153, Qt::black);
    FLblGamesWon = AddLabel("lblGamesWon", QStringLiteral("5"), CounterRow[0].ValueLeft, 153, Teal);
    //: Caption before the number of games lost; 72 pixels from its start to the number, bold.
    FLabel3 = AddLabel("Label3", tr("Games Lost:"), CounterRow[1].CaptionLeft, 153, Qt::black);
    FLblGamesLost = AddLabel("lblGamesLost", QStringLiteral("3"), CounterRow[1].ValueLeft, 153, Teal);
    //: Caption before the number of games not finished; 108 pixels from its start to the number, bold.
    FLabel4 = AddLabel("Label4", tr("Unfinished Games:"), CounterRow[2].CaptionLeft, 153, Qt::black);
    FLblUnfinishedGames = AddLabel("lblUnfinishedGames", QStringLiteral("2"), CounterRow[2].ValueLeft, 153, Teal);
}

TAutoSizeLabel* TfrmAbout::AddLabel(const char* name, const QString& caption, int left, int top, const QColor& color)
{
    auto* label = new TAutoSizeLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(DialogFont(12, true));
    label->move(left, top);
    SetFontColor(label, color);
    return label;
}

void TfrmAbout::FormShow()
{
    if (FStatistics) {
        FLblTotalGames->SetCaption(LocalNumber(FStatistics->TotalGames()));
        FLblGamesWon->SetCaption(LocalNumber(FStatistics->GamesWon()));
        FLblGamesLost->SetCaption(LocalNumber(FStatistics->GamesLost()));
        FLblUnfinishedGames->SetCaption(LocalNumber(FStatistics->UnfinishedGames()));
    }
    PlaceCounters();
    FOkButton->setFocus();
}

void TfrmAbout::PlaceCounters()
{
    // As designed while every figure fits before the next caption and
    // inside the box; otherwise each caption keeps a gap after the figure
    // before it, and the box widens to the right to hold the last one.
    // Nothing else moves.
    TAutoSizeLabel* const captions[] = {FLabel2, FLabel3, FLabel4};
    TAutoSizeLabel* const values[] = {FLblGamesWon, FLblGamesLost, FLblUnfinishedGames};
    const auto rightOf = [](const QWidget* label) { return label->x() + label->width(); };
    bool fits = rightOf(FLblTotalGames) <= ClientWidth;
    for (std::size_t i = 0; i < std::size(CounterRow); ++i) {
        captions[i]->move(CounterRow[i].CaptionLeft, captions[i]->y());
        values[i]->move(CounterRow[i].ValueLeft, values[i]->y());
        const int room = i + 1 < std::size(CounterRow) ? CounterRow[i + 1].CaptionLeft : ClientWidth;
        fits = fits && rightOf(values[i]) <= room;
    }
    int width = ClientWidth;
    if (!fits) {
        for (std::size_t i = 1; i < std::size(CounterRow); ++i) {
            const int left = std::max(CounterRow[i].CaptionLeft, rightOf(values[i - 1]) + CounterGap);
            captions[i]->move(left, captions[i]->y());
            values[i]->move(left + CounterRow[i].ValueLeft - CounterRow[i].CaptionLeft, values[i]->y());
        }
        width = std::max(
            {ClientWidth, rightOf(values[std::size(values) - 1]) + RightMargin, rightOf(FLblTotalGames) + RightMargin});
    }
    setFixedSize(width, ClientHeight);
    if (QWidget* background = findChild<QWidget*>(QStringLiteral("imgBackGround")))
        background->setGeometry(rect());
}

}  // namespace peglore
