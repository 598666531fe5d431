#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace peglore {

// The commands of the Tools menu. Each is one action, made here once and
// shared by its menu item, its shortcut and every other place the command
// shows (the guess board's popup menu shows Hint), so a command's caption,
// keys, hints and enabled state live in one object.
class TToolActions : public QObject {
    Q_OBJECT
public:
    // The actions' shortcuts act anywhere in window; a child of window.
    explicit TToolActions(QWidget& window);

    QAction* Hint() const { return FHint; }
    QAction* Analysis() const { return FAnalysis; }
    QAction* Records() const { return FRecords; }
    QAction* DailyGame() const { return FDailyGame; }
    QAction* CopyDailyResult() const { return FCopyDailyResult; }
    QAction* BreakMyCode() const { return FBreakMyCode; }
    QAction* HardMode() const { return FHardMode; }
    QAction* PegSymbols() const { return FPegSymbols; }
    QAction* Variant() const { return FVariant; }
    QAction* KeepGame() const { return FKeepGame; }

    // Fills the Tools menu in its order.
    void AddTo(QMenu& menu) const;

private:
    QAction* Add(const char* name, const QString& caption, const QString& statusTip, const QString& whatsThis,
                 int helpContext);

    QWidget& FWindow;
    QAction* FHint = nullptr;
    QAction* FAnalysis = nullptr;
    QAction* FRecords = nullptr;
    QAction* FDailyGame = nullptr;
    QAction* FCopyDailyResult = nullptr;
    QAction* FBreakMyCode = nullptr;
    QAction* FHardMode = nullptr;
    QAction* FPegSymbols = nullptr;
    QAction* FVariant = nullptr;
    QAction* FKeepGame = nullptr;
};

}  // namespace peglore
