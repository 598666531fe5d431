#pragma once

#include <QStringList>
#include <QWidget>

namespace peglore {

// A status bar of sunken text panels side by side; the last one reaches
// the right edge. No size grip.
class TStatusPanels : public QWidget {
    Q_OBJECT
public:
    TStatusPanels(QList<int> widths, QWidget* parent = nullptr);

    int PanelCount() const { return int(FTexts.size()); }
    QString PanelText(int index) const { return FTexts.value(index); }
    void SetPanelText(int index, const QString& text);
    // The rectangle of a panel, frame included.
    QRect PanelRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<int> FWidths;
    QStringList FTexts;
};

}  // namespace peglore
