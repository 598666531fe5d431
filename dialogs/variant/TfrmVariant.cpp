#include "dialogs/variant/TfrmVariant.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

#include "components/contexthelp/HelpContexts.h"
#include "components/contexthelp/TContextHelp.h"
#include "components/widgets/TBevel.h"
#include "components/widgets/TBevelPanel.h"
#include "dialogs/common/DialogFonts.h"
#include "dialogs/common/TAutoSizeLabel.h"
#include "game/PegColors.h"
#include "game/TLevelSettings.h"

namespace peglore {

namespace {
const QColor Navy(0, 0, 0x80);
const QColor Teal(0, 0x80, 0x80);
const QColor Maroon(0x80, 0, 0);

QColor PegColor(std::size_t place)
{
    const TColor color = PegColors[static_cast<std::size_t>(ColorBarOrder[place])];
    return QColor(color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
}

// The colour bar's colours from the left, those in play as pegs and the
// rest as navy holes, as the board shows an empty one.
class TColoursPreview : public QWidget {
public:
    TColoursPreview(const QSlider& colours, QWidget* parent) : QWidget(parent), FColours(colours) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int pitch = width() / int(ColorBarOrder.size());
        const int size = std::min(pitch - 4, height() - 2);
        for (std::size_t place = 0; place < ColorBarOrder.size(); ++place) {
            const QRect peg(int(place) * pitch + (pitch - size) / 2, (height() - size) / 2, size, size);
            const bool inPlay = int(place) < FColours.value();
            painter.setPen(inPlay ? QPen(Qt::black) : QPen(Teal));
            painter.setBrush(inPlay ? PegColor(place) : Navy);
            painter.drawEllipse(peg.adjusted(inPlay ? 0 : 3, inPlay ? 0 : 3, inPlay ? 0 : -3, inPlay ? 0 : -3));
        }
    }

private:
    const QSlider& FColours;
};

QPushButton* AddButton(const char* name, const QString& caption, const QRect& geometry, int helpContext,
                       TContextHelp& help, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(DialogFont(11));
    TContextHelp::SetContext(button, helpContext);
    help.AttachPopupMenu(button);
    return button;
}
}  // namespace

TfrmVariant::TfrmVariant(IHelpCommands& help, QWidget* parent)
    : TGameDialog(help, QSize(ClientWidth, ClientHeight), TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup,
                  parent)
{
    setObjectName(QStringLiteral("frmVariant"));
    //: Title of the dialog of the colours in play and whether they repeat (Tools > Variant...).
    setWindowTitle(tr("Variant"));
    setFont(DialogFont(13, true));
    SetFontColor(this, Qt::black);

    auto* bevel1 = new TBevel(TBevelShape::LeftLine, this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setGeometry(191, 3, 2, 192);
    auto* bevel2 = new TBevel(TBevelShape::TopLine, this);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setGeometry(196, 118, 105, 7);

    //: Caption before the number of colours; the number follows 140 pixels from its start.
    auto* coloursCaption = new TAutoSizeLabel(tr("Colours in play:"), this);
    coloursCaption->setObjectName(QStringLiteral("ColoursCaption"));
    coloursCaption->move(10, 8);
    FColoursLabel = new TAutoSizeLabel(QStringLiteral("8"), this);
    FColoursLabel->setObjectName(QStringLiteral("ColoursLabel"));
    FColoursLabel->move(150, 8);
    SetFontColor(FColoursLabel, Teal);

    FColoursTrackBar = new QSlider(Qt::Horizontal, this);
    FColoursTrackBar->setObjectName(QStringLiteral("ColoursTrackBar"));
    FColoursTrackBar->setGeometry(8, 28, 176, 40);
    FColoursTrackBar->setRange(TVariant::MinColours, TVariant::MaxColours);
    FColoursTrackBar->setSingleStep(1);
    FColoursTrackBar->setPageStep(2);
    FColoursTrackBar->setTickInterval(1);
    FColoursTrackBar->setTickPosition(QSlider::TicksBelow);
    FColoursTrackBar->setFocusPolicy(Qt::StrongFocus);
    //: Accessible name of the slider of the number of colours, read by screen readers.
    FColoursTrackBar->setAccessibleName(tr("Colours in play"));
    TContextHelp::SetContext(FColoursTrackBar, HelpContexts::VariantColours);
    ContextHelp().AttachPopupMenu(FColoursTrackBar);

    FColoursPreview = new TColoursPreview(*FColoursTrackBar, this);
    FColoursPreview->setObjectName(QStringLiteral("ColoursPreview"));
    FColoursPreview->setGeometry(8, 70, 176, 22);
    TContextHelp::SetContext(FColoursPreview, HelpContexts::VariantColours);
    ContextHelp().AttachPopupMenu(FColoursPreview);

    //: Check box, 176 pixels wide: a colour may stand in more than one hole of the secret.
    FRepeatsCheckBox = new QCheckBox(tr("Colours may repeat"), this);
    FRepeatsCheckBox->setObjectName(QStringLiteral("RepeatsCheckBox"));
    FRepeatsCheckBox->setGeometry(10, 102, 176, 19);
    FRepeatsCheckBox->setFont(DialogFont(11));
    TContextHelp::SetContext(FRepeatsCheckBox, HelpContexts::VariantRepeats);
    ContextHelp().AttachPopupMenu(FRepeatsCheckBox);

    FNoteLabel = new QLabel(this);
    FNoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    FNoteLabel->setGeometry(10, 126, 176, 66);
    FNoteLabel->setFont(DialogFont(11));
    FNoteLabel->setWordWrap(true);
    FNoteLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetFontColor(FNoteLabel, Maroon);
    TContextHelp::SetContext(FNoteLabel, HelpContexts::VariantRepeats);

    auto* panel1 = new TBevelPanel(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(198, 11, 102, 56);
    panel1->SetBevelOuter(TBevelCut::Raised);
    panel1->SetBevelInner(TBevelCut::Raised);
    TContextHelp::SetContext(panel1, HelpContexts::VariantClassic);
    ContextHelp().AttachPopupMenu(panel1);
    //: Caption in a panel 102 pixels wide, above the classic board's size and colours.
    auto* classicCaption = new TAutoSizeLabel(tr("Classic board:"), panel1);
    classicCaption->setObjectName(QStringLiteral("ClassicCaption"));
    classicCaption->setFont(DialogFont(11));
    classicCaption->move(6, 5);
    //: The classic board's size: %1 holes in a row by %2 rows.
    auto* classicSize = new TAutoSizeLabel(tr("%1 x %2").arg(ClassicColumns).arg(ClassicRows), panel1);
    classicSize->setObjectName(QStringLiteral("ClassicSizeLabel"));
    classicSize->setFont(DialogFont(11, true));
    classicSize->move(36, 21);
    SetFontColor(classicSize, Teal);
    //: The classic board's number of colours, in a panel 102 pixels wide.
    auto* classicColours = new TAutoSizeLabel(tr("%n colours", nullptr, Classic.Colours), panel1);
    classicColours->setObjectName(QStringLiteral("ClassicColoursLabel"));
    classicColours->setFont(DialogFont(11, true));
    classicColours->move(24, 36);
    SetFontColor(classicColours, Teal);

    //: Button, 60 pixels wide: plays the classic board and colours at once.
    FClassicButton = AddButton("ClassicButton", tr("Classic"), QRect(220, 78, 60, 21), HelpContexts::VariantClassic,
                               ContextHelp(), this);
    //: Button, 60 pixels wide.
    FOkButton = AddButton("OkButton", tr("Ok"), QRect(220, 132, 60, 21), HelpContexts::OkButton, ContextHelp(), this);
    FOkButton->setDefault(true);
    //: Button, 60 pixels wide.
    FCancelButton = AddButton("CancelButton", tr("Cancel"), QRect(220, 169, 60, 21), HelpContexts::CancelButton,
                              ContextHelp(), this);
    SetEscapeButton(FCancelButton);

    connect(FColoursTrackBar, &QSlider::valueChanged, this, &TfrmVariant::ShowChoice);
    connect(FRepeatsCheckBox, &QCheckBox::toggled, this, &TfrmVariant::ShowChoice);
    connect(FClassicButton, &QPushButton::clicked, this, [this] {
        FClassicChosen = true;
        FColoursTrackBar->setValue(Classic.Colours);
        FRepeatsCheckBox->setChecked(Classic.Repeats);
        accept();
    });
    connect(FOkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(FCancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(FColoursTrackBar, FRepeatsCheckBox);
    setTabOrder(FRepeatsCheckBox, FClassicButton);
    setTabOrder(FClassicButton, FOkButton);
    setTabOrder(FOkButton, FCancelButton);
}

TVariant TfrmVariant::Chosen() const
{
    return {FColoursTrackBar->value(), FRepeatsCheckBox->isChecked()};
}

void TfrmVariant::ShowChoice()
{
    const TVariant chosen = Chosen();
    FColoursLabel->SetCaption(QString::number(chosen.ColoursInPlay()));
    FColoursPreview->update();
    // Without repeats every hole needs a colour of its own.
    const int holes = FLevelSettings ? FLevelSettings->ColumnsOf(FLevelSettings->DifficultyLevel()) : 0;
    if (chosen.AdmitsWidth(holes))
        FNoteLabel->clear();
    else
        //: A note in a box 176 x 66 pixels, four short lines. %1 is the number of holes of the level in play,
        //: %2 the number of colours chosen (fewer than the holes).
        FNoteLabel->setText(tr("Without repeats every hole needs a colour of its own: this board has %1 holes and "
                               "%2 colours, so it plays with repeats.")
                                .arg(holes)
                                .arg(chosen.ColoursInPlay()));
}

void TfrmVariant::FormShow()
{
    FClassicChosen = false;
    const TVariant current = FLevelSettings ? FLevelSettings->Variant() : TVariant{};
    FColoursTrackBar->setValue(current.ColoursInPlay());
    FRepeatsCheckBox->setChecked(current.Repeats);
    ShowChoice();
    FOkButton->setFocus();
}

void TfrmVariant::FormClose(int result)
{
    if (result == Rejected || !FLevelSettings)
        return;
    const bool changed = !(Chosen() == FLevelSettings->Variant());
    FLevelSettings->SetVariant(Chosen());
    if (FClassicChosen) {
        FLevelSettings->SetCustomColumns(ClassicColumns);
        FLevelSettings->SetCustomRows(ClassicRows);
        FLevelSettings->SetLevel(Custom);
    } else if (changed) {
        // The game in progress was drawn from the colours before.
        FLevelSettings->SetLevel(FLevelSettings->DifficultyLevel());
    }
}

}  // namespace peglore
