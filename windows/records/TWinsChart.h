#pragma once

#include <QString>
#include <QWidget>

#include <vector>

namespace peglore {

// A bar chart of how many wins took 1, 2, ... rows: one bar per row count,
// its number of wins above it.
class TWinsChart : public QWidget {
    Q_OBJECT
public:
    explicit TWinsChart(QWidget* parent = nullptr);

    // winsByRows[r - 1]: the wins that took r rows.
    void SetWins(const QString& title, std::vector<int> winsByRows);
    const std::vector<int>& Wins() const { return FWins; }

    QSize sizeHint() const override { return {420, 170}; }
    QSize minimumSizeHint() const override { return {200, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QString NoWinsText();

    QString FTitle;
    std::vector<int> FWins;
};

}  // namespace peglore
