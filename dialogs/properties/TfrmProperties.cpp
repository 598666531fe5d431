#include "dialogs/properties/TfrmProperties.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include "settings/configuration/TConfiguration.h"

namespace peglore {

TfrmProperties::TfrmProperties(IHelpCommands& Help, QWidget* Parent)
    : TGameDialog(Help, QSize(ClientWidth, ClientHeight), TTitleHelp::ContextHelpButton,
                  IHelpCommands::ContextPopup, Parent)
{
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(QStringLiteral("Properties"));

    FbtnOk = new QPushButton(QStringLiteral("OK"), this);
    FbtnOk->setObjectName(QStringLiteral("btnOk"));
    FbtnOk->setGeometry(22, 159, 75, 25);
    FbtnOk->setDefault(true);
    SetHelpContext(FbtnOk, 1);
    AttachPopupMenu(FbtnOk);
    connect(FbtnOk, &QPushButton::clicked, this, &QDialog::accept);

    FbtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    FbtnCancel->setObjectName(QStringLiteral("btnCancel"));
    FbtnCancel->setGeometry(115, 159, 75, 25);
    SetHelpContext(FbtnCancel, 2);
    AttachPopupMenu(FbtnCancel);
    SetEscapeButton(FbtnCancel);
    connect(FbtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    FPageControl1 = new QTabWidget(this);
    FPageControl1->setObjectName(QStringLiteral("PageControl1"));
    FPageControl1->setGeometry(5, 5, 201, 149);
    FtsheetGeneral = new QWidget;
    FtsheetGeneral->setObjectName(QStringLiteral("tsheetGeneral"));
    FPageControl1->addTab(FtsheetGeneral, QStringLiteral("General"));
    FPageControl1->setCurrentWidget(FtsheetGeneral);

    FchkBackGroundMusic = AddCheckBox("chkBackGroundMusic", QStringLiteral("Background music"), 18, 116, 1101);
    FchkSmartHints = AddCheckBox("chkSmartHints", QStringLiteral("Smart Hints"), 51, 97, 1102);
    FchkAutoCheck = AddCheckBox("chkAutoCheck", QStringLiteral("Automatic Checking"), 84, 122, 1103);

    setTabOrder(FbtnOk, FbtnCancel);
    setTabOrder(FbtnCancel, FPageControl1);
    setTabOrder(FPageControl1, FchkBackGroundMusic);
    setTabOrder(FchkBackGroundMusic, FchkSmartHints);
    setTabOrder(FchkSmartHints, FchkAutoCheck);
}

QCheckBox* TfrmProperties::AddCheckBox(const char* Name, const QString& Caption, int Top, int Width,
                                       int HelpContext)
{
    auto* box = new QCheckBox(Caption, FtsheetGeneral);
    box->setObjectName(QString::fromLatin1(Name));
    box->setGeometry(19, Top, Width, 17);
    // Checked as designed; every showing overwrites it.
    box->setChecked(true);
    SetHelpContext(box, HelpContext);
    AttachPopupMenu(box);
    return box;
}

void TfrmProperties::FormShow()
{
    if (FConfiguration) {
        FchkBackGroundMusic->setChecked(FConfiguration->Music());
        FchkSmartHints->setChecked(FConfiguration->SmartHints());
        FchkAutoCheck->setChecked(FConfiguration->AutoCheck());
    }
    FbtnOk->setFocus();
}

void TfrmProperties::FormClose(int Result)
{
    if (Result == Rejected || !FConfiguration)
        return;
    // Each setter acts only on a change; music goes first, so turning it
    // off and hints on in one visit stops the music before the hints.
    FConfiguration->SetMusic(FchkBackGroundMusic->isChecked());
    FConfiguration->SetSmartHints(FchkSmartHints->isChecked());
    FConfiguration->SetAutoCheck(FchkAutoCheck->isChecked());
}

}  // namespace peglore
