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

    explicit TfrmProperties(IHelpCommands& help, QWidget* parent = nullptr);

    // The settings the dialog shows and changes; created after the dialog.
    void Connect(TConfiguration& configuration) { FConfiguration = &configuration; }

protected:
    void FormShow() override;
    void FormClose(int result) override;

private:
    QCheckBox* AddCheckBox(const char* name, const QString& caption, int top, int width, int helpContext);

    TConfiguration* FConfiguration = nullptr;
    QPushButton* FBtnOk;
    QPushButton* FBtnCancel;
    QTabWidget* FPageControl1;
    QWidget* FTsheetGeneral;
    QCheckBox* FChkBackGroundMusic;
    QCheckBox* FChkSmartHints;
    QCheckBox* FChkAutoCheck;
};

}  // namespace peglore
