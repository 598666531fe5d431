#pragma once

#include "dialogs/common/TGameDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace peglore {

// The result of a daily game as a player shares it, with a button that
// puts it on the clipboard; in the frame and face of the game's dialogs.
class TfrmDailyResult : public TGameDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 340;
    static constexpr int ClientHeight = 372;

    explicit TfrmDailyResult(IHelpCommands& help, QWidget* parent = nullptr);

    // The text shown; copied: whether it is on the clipboard already.
    void SetResult(const QString& text, bool copied);
    QString Result() const;
    // Puts the result on the clipboard and says so.
    void Copy();

protected:
    void FormShow() override;

private:
    QPlainTextEdit* FText;
    QLabel* FCopied;
    QPushButton* FCopyButton;
    bool FShowCopied = false;
};

}  // namespace peglore
