#pragma once

#include "dialogs/common/TGameDialog.h"

class QPushButton;

namespace peglore {

class TAutoSizeLabel;
class TLabelEffect;
class TStatistics;

// The about box: the title, the version and copyright lines and the
// player's game statistics as they stand at each opening.
class TfrmAbout : public TGameDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 302;
    static constexpr int ClientHeight = 201;
    // The version and copyright lines in the written English, translated
    // where shown.
    //: The About dialog's version line, centred in 65 pixels, bold.
    static constexpr const char* VersionText = QT_TRANSLATE_NOOP("peglore::TfrmAbout", "Version 1.1");
    //: The About dialog's copyright line, centred in 203 pixels, bold.
    static constexpr const char* CopyrightText =
        QT_TRANSLATE_NOOP("peglore::TfrmAbout", "Copyright \u00A9 2026 Peglore authors");

    explicit TfrmAbout(IHelpCommands& help, QWidget* parent = nullptr);

    // The counters shown; created after the dialog.
    void Connect(const TStatistics& statistics) { FStatistics = &statistics; }

protected:
    void FormShow() override;

private:
    TAutoSizeLabel* AddLabel(const char* name, const QString& caption, int left, int top, const QColor& color);
    void PlaceCounters();

    const TStatistics* FStatistics = nullptr;
    TLabelEffect* FLabelEffect1;
    QPushButton* FOkButton;
    TAutoSizeLabel* FLblTotalGames;
    TAutoSizeLabel* FLabel2;
    TAutoSizeLabel* FLblGamesWon;
    TAutoSizeLabel* FLabel3;
    TAutoSizeLabel* FLblGamesLost;
    TAutoSizeLabel* FLabel4;
    TAutoSizeLabel* FLblUnfinishedGames;
};

}  // namespace peglore
