#include "windows/daily/TfrmDailyResult.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "components/contexthelp/HelpContexts.h"
#include "components/contexthelp/TContextHelp.h"
#include "dialogs/common/DialogFonts.h"
#include "dialogs/common/TAutoSizeLabel.h"

namespace peglore {

TfrmDailyResult::TfrmDailyResult(IHelpCommands& help, QWidget* parent)
    : TGameDialog(help, QSize(ClientWidth, ClientHeight), TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup,
                  parent)
{
    setObjectName(QStringLiteral("frmDailyResult"));
    //: Title of the window after a daily game (one game a day, the same for every player).
    setWindowTitle(tr("Daily Result"));

    //: Heading above the result, bold, in a window 340 pixels wide.
    auto* heading = new TAutoSizeLabel(tr("Your daily game to share:"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(DialogFont(16, true));
    heading->move(12, 9);
    SetFontColor(heading, QColor(64, 0, 128));

    FText = new QPlainTextEdit(this);
    FText->setObjectName(QStringLiteral("ResultText"));
    FText->setReadOnly(true);
    //: Accessible name of the box with the result, read by screen readers.
    FText->setAccessibleName(tr("Result to share"));
    // The key-peg circles are in DejaVu Sans; the dialogs' own face lacks them.
    QFont symbols(QStringLiteral("DejaVu Sans"));
    symbols.setPixelSize(14);
    FText->setFont(symbols);
    FText->setGeometry(12, 38, ClientWidth - 24, 272);
    TContextHelp::SetContext(FText, HelpContexts::DailyResultText);

    //: One line, 316 pixels wide.
    FCopied = new QLabel(tr("The result is on the clipboard."), this);
    FCopied->setObjectName(QStringLiteral("CopiedLabel"));
    FCopied->setFont(DialogFont(11));
    FCopied->setGeometry(12, 314, ClientWidth - 24, 16);

    //: Button, 84 pixels wide: a command, copies the result to the clipboard.
    FCopyButton = new QPushButton(tr("&Copy"), this);
    FCopyButton->setObjectName(QStringLiteral("CopyButton"));
    FCopyButton->setGeometry(76, 338, 84, 26);
    FCopyButton->setFont(DialogFont(11));
    SetFontColor(FCopyButton, Qt::black);
    TContextHelp::SetContext(FCopyButton, HelpContexts::DailyResultCopy);
    connect(FCopyButton, &QPushButton::clicked, this, &TfrmDailyResult::Copy);

    AddCloseButton(QRect(180, 338, 84, 26));
}

void TfrmDailyResult::SetResult(const QString& text, bool copied)
{
    FText->setPlainText(text);
    FShowCopied = copied;
    FCopied->setVisible(copied);
}

QString TfrmDailyResult::Result() const
{
    return FText->toPlainText();
}

void TfrmDailyResult::Copy()
{
    QGuiApplication::clipboard()->setText(Result());
    FShowCopied = true;
    FCopied->show();
}

void TfrmDailyResult::FormShow()
{
    FCopied->setVisible(FShowCopied);
    FCopyButton->setFocus();
}

}  // namespace peglore
