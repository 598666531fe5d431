#pragma once

#include "dialogs/common/TGameDialog.h"

class QCheckBox;
class QPushButton;
class QTabWidget;

namespace peglore {

class TConfiguration;

// The options dialog: the three on/off options as check boxes on one tab
// page. OK applies them through the settings' setters; Cancel, Escape and
// the close box apply nothing.
class TfrmProperties : public TGameDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 211;
    static constexpr int ClientHeight = 190;

    explicit TfrmProperties(IHelpCommands& Help, QWidget* Parent = nullptr);

    // The settings the dialog shows and changes; created after the dialog.
    void Connect(TConfiguration& Configuration) { FConfiguration = &Configuration; }

protected:
    void FormShow() override;
    void FormClose(int Result) override;

private:
    QCheckBox* AddCheckBox(const char* Name, const QString& Caption, int Top, int Width, int HelpContext);

    TConfiguration* FConfiguration = nullptr;
    QPushButton* FbtnOk;
    QPushButton* FbtnCancel;
    QTabWidget* FPageControl1;
    QWidget* FtsheetGeneral;
    QCheckBox* FchkBackGroundMusic;
    QCheckBox* FchkSmartHints;
    QCheckBox* FchkAutoCheck;
};

}  // namespace peglore
