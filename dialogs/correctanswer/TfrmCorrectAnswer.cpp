#include "dialogs/correctanswer/TfrmCorrectAnswer.h"

#include <QPushButton>

#include "components/widgets/TBevelPanel.h"
#include "dialogs/common/DialogFonts.h"
#include "dialogs/common/TAutoSizeLabel.h"
#include "dialogs/correctanswer/TRectShape.h"
#include "game/TLogic.h"

namespace peglore {

namespace {
// The shapes' lefts in the panel: 31 pixels apart, 32 between the fifth
// and the sixth.
constexpr std::array<int, TfrmCorrectAnswer::ShapeCount> ShapeLefts{6, 37, 68, 99, 130, 162, 193, 224, 255, 286};

QColor ToQColor(TColor color)
{
    // Peg colours keep red in the low byte.
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}
}  // namespace

TfrmCorrectAnswer::TfrmCorrectAnswer(IHelpCommands& help, QWidget* parent)
    : TGameDialog(help, QSize(ClientWidth, ClientHeight), TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup,
                  parent)
{
    setObjectName(QStringLiteral("frmCorrectAnswer"));
    //: Title of the dialog that shows the secret after a lost or given-up game.
    setWindowTitle(tr("Correct Combination"));

    //: Heading above the pegs of the secret; the dialog is 323 pixels wide.
    auto* label1 = new TAutoSizeLabel(tr("The correct combination was:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(DialogFont(16, true));
    label1->move(44, 9);
    SetFontColor(label1, QColor(64, 0, 128));

    FOkButton = AddCloseButton(QRect(120, 83, 84, 26));

    FPanel1 = new TBevelPanel(this);
    FPanel1->setObjectName(QStringLiteral("Panel1"));
    FPanel1->setGeometry(3, 39, 317, 34);
    FPanel1->SetBevelOuter(TBevelCut::Raised);
    FPanel1->SetBevelInner(TBevelCut::None);

    for (int i = 0; i < ShapeCount; ++i) {
        auto* shape = new TRectShape(FPanel1);
        shape->setObjectName(QStringLiteral("CorrectColor%1").arg(i + 1));
        shape->setGeometry(ShapeLefts[i], 4, 25, 27);
        FShapes[i] = shape;
    }
}

void TfrmCorrectAnswer::SetPegSymbols(bool shown)
{
    FPegSymbols = shown;
    for (TRectShape* shape : FShapes)
        shape->SetSymbolShown(shown);
}

void TfrmCorrectAnswer::FormShow()
{
    if (FLogic) {
        const auto secret = FLogic->Secret();
        const int columns = FLogic->BoardColumns();
        for (int i = 0; i < ShapeCount; ++i) {
            // Entries past the current game's pegs belong to no game; their
            // shapes are hidden, so they keep whatever colour they had.
            if (i < int(secret.size()))
                FShapes[i]->SetBrushColor(ToQColor(secret[i]));
            FShapes[i]->setVisible(columns >= i + 1);
        }
    }
    FOkButton->setFocus();
}

}  // namespace peglore
