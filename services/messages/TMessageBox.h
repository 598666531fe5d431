#pragma once

#include <QMessageBox>

#include "game/IMessagesPort.h"

namespace peglore {

class TWindowPlacement;

enum class TBoxKind { Information, Error, Confirmation };

// A modal message box that tells its three ways of closing apart: a button
// (Enter presses the default one), Escape (the escape button), and the
// title bar's close button, which answers Cancel.
class TMessageBox : public QMessageBox {
    Q_OBJECT
public:
    // Caption and icon follow the kind; Confirmation boxes get "&Yes" and
    // "&No", the others "OK". caption may override the kind's caption.
    TMessageBox(TBoxKind kind, const QString& text, QWidget* parent = nullptr, const QString& caption = {});

    // Shows the box modally and returns the answer.
    TAnswer Ask();

    QAbstractButton* OkButton() const { return FOk; }
    QAbstractButton* YesButton() const { return FYes; }
    QAbstractButton* NoButton() const { return FNo; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // In the middle of the screen, whichever window is active.
    void CentreOnScreen();

    QAbstractButton* FOk = nullptr;
    QAbstractButton* FYes = nullptr;
    QAbstractButton* FNo = nullptr;
    bool FClosedFromTitleBar = false;
    TWindowPlacement* FPlacement;
};

}  // namespace peglore
