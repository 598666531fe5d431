#pragma once

#include <QStringList>
#include <QWidget>

namespace peglore {

// A status bar of sunken text panels side by side; the last one reaches
// the right edge. No size grip.
class TStatusPanels : public QWidget {
    Q_OBJECT
public:
    TStatusPanels(QList<int> Widths, QWidget* Parent = nullptr);

    int PanelCount() const { return int(FTexts.size()); }
    QString PanelText(int Index) const { return FTexts.value(Index); }
    void SetPanelText(int Index, const QString& Text);
    // The rectangle of a panel, frame included.
    QRect PanelRect(int Index) const;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QList<int> FWidths;
    QStringList FTexts;
};

}  // namespace peglore
