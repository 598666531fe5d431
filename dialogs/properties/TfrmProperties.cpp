#include "dialogs/properties/TfrmProperties.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include "components/contexthelp/HelpContexts.h"
#include "components/contexthelp/TContextHelp.h"
#include "settings/configuration/TConfiguration.h"

namespace peglore {

TfrmProperties::TfrmProperties(IHelpCommands& help, QWidget* parent)
    : TGameDialog(help, QSize(ClientWidth, ClientHeight), TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup,
                  parent)
{
    setObjectName(QStringLiteral("frmProperties"));
    //: Title of the dialog of the game's options (Game > Properties...).
    setWindowTitle(tr("Properties"));

    //: Button, 75 pixels wide.
    FBtnOk = new QPushButton(tr("OK"), this);
    FBtnOk->setObjectName(QStringLiteral("btnOk"));
    FBtnOk->setGeometry(22, 159, 75, 25);
    FBtnOk->setDefault(true);
    TContextHelp::SetContext(FBtnOk, HelpContexts::OkButton);
    ContextHelp().AttachPopupMenu(FBtnOk);
    connect(FBtnOk, &QPushButton::clicked, this, &QDialog::accept);

    //: Button, 75 pixels wide.
    FBtnCancel = new QPushButton(tr("Cancel"), this);
    FBtnCancel->setObjectName(QStringLiteral("btnCancel"));
    FBtnCancel->setGeometry(115, 159, 75, 25);
    TContextHelp::SetContext(FBtnCancel, HelpContexts::CancelButton);
    ContextHelp().AttachPopupMenu(FBtnCancel);
    SetEscapeButton(FBtnCancel);
    connect(FBtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    FPageControl1 = new QTabWidget(this);
    FPageControl1->setObjectName(QStringLiteral("PageControl1"));
    FPageControl1->setGeometry(5, 5, 201, 149);
    FTsheetGeneral = new QWidget;
    FTsheetGeneral->setObjectName(QStringLiteral("tsheetGeneral"));
    //: The only tab of the Properties dialog: the general options.
    FPageControl1->addTab(FTsheetGeneral, tr("General"));
    FPageControl1->setCurrentWidget(FTsheetGeneral);

    //: Check box, 116 pixels wide: the music played during the game.
    FChkBackGroundMusic =
        AddCheckBox("chkBackGroundMusic", tr("Background music"), 18, 116, HelpContexts::BackgroundMusic);
    //: Check box, 97 pixels wide. "Smart Hints" is the option's name: it shows or hides the tooltips of the
    //: tool bar's buttons.
    FChkSmartHints = AddCheckBox("chkSmartHints", tr("Smart Hints"), 51, 97, HelpContexts::SmartHints);
    //: Check box, 122 pixels wide. The option's name: a row is checked as soon as its last hole is filled.
    FChkAutoCheck = AddCheckBox("chkAutoCheck", tr("Automatic Checking"), 84, 122, HelpContexts::AutomaticChecking);

    setTabOrder(FBtnOk, FBtnCancel);
    setTabOrder(FBtnCancel, FPageControl1);
    setTabOrder(FPageControl1, FChkBackGroundMusic);
    setTabOrder(FChkBackGroundMusic, FChkSmartHints);
    setTabOrder(FChkSmartHints, FChkAutoCheck);
}

QCheckBox* TfrmProperties::AddCheckBox(const char* name, const QString& caption, int top, int width, int helpContext)
{
    auto* box = new QCheckBox(caption, FTsheetGeneral);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(19, top, width, 17);
    // Checked as designed; every showing overwrites it.
    box->setChecked(true);
    TContextHelp::SetContext(box, helpContext);
    ContextHelp().AttachPopupMenu(box);
    return box;
}

void TfrmProperties::FormShow()
{
    if (FConfiguration) {
        FChkBackGroundMusic->setChecked(FConfiguration->Music());
        FChkSmartHints->setChecked(FConfiguration->SmartHints());
        FChkAutoCheck->setChecked(FConfiguration->AutoCheck());
    }
    FBtnOk->setFocus();
}

void TfrmProperties::FormClose(int result)
{
    if (result == Rejected || !FConfiguration)
        return;
    // Each setter acts only on a change; music goes first, so turning it
    // off and hints on in one visit stops the music before the hints.
    FConfiguration->SetMusic(FChkBackGroundMusic->isChecked());
    FConfiguration->SetSmartHints(FChkSmartHints->isChecked());
    FConfiguration->SetAutoCheck(FChkAutoCheck->isChecked());
}

}  // namespace peglore
