#include "windows/records/TWinsChart.h"

#include <QPainter>

#include <algorithm>

#include "translations/Formats.h"

namespace peglore {

QString TWinsChart::NoWinsText()
{
    //: Shown in the chart, and read by screen readers, while the board has no won game.
    return tr("No wins yet");
}

TWinsChart::TWinsChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WinsChart"));
    //: Accessible name of the chart of how many wins took each number of rows, read by screen readers.
    setAccessibleName(tr("Rows per win"));
}

void TWinsChart::SetWins(const QString& title, std::vector<int> winsByRows)
{
    FTitle = title;
    FWins = std::move(winsByRows);
    QStringList parts;
    for (std::size_t i = 0; i < FWins.size(); ++i)
        if (FWins[i] > 0)
            //: Read by screen readers for a column of the chart: %1 wins took %n rows each.
            parts << tr("%n rows: %1", nullptr, static_cast<int>(i + 1)).arg(LocalNumber(FWins[i]));
    setAccessibleDescription(parts.isEmpty() ? NoWinsText() : parts.join(QStringLiteral(", ")));
    update();
}

void TWinsChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    painter.drawText(QRect(0, 2, width(), line), Qt::AlignHCenter, FTitle);

    const int maxWins = FWins.empty() ? 0 : *std::max_element(FWins.begin(), FWins.end());
    const QRect plot = rect().adjusted(8, line + 6 + line, -8, -(line + 6));
    if (maxWins == 0 || plot.width() <= 0 || plot.height() <= 0) {
        painter.drawText(rect(), Qt::AlignCenter, NoWinsText());
        return;
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    const int count = static_cast<int>(FWins.size());
    const double slot = static_cast<double>(plot.width()) / count;
    const QColor bar = palette().color(QPalette::Highlight);
    for (int i = 0; i < count; ++i) {
        const int left = plot.left() + static_cast<int>(slot * i);
        const int right = plot.left() + static_cast<int>(slot * (i + 1));
        const QRect cell(left, plot.top(), right - left, plot.height());
        const int wins = FWins[static_cast<std::size_t>(i)];
        if (wins > 0) {
            const int height = std::max(1, plot.height() * wins / maxWins);
            const QRect column(cell.left() + cell.width() / 6, plot.bottom() - height + 1, cell.width() * 2 / 3,
                               height);
            painter.fillRect(column, bar);
            painter.drawText(QRect(cell.left(), column.top() - line - 1, cell.width(), line), Qt::AlignCenter,
                             LocalNumber(wins));
        }
        painter.drawText(QRect(cell.left(), plot.bottom() + 3, cell.width(), line), Qt::AlignCenter,
                         QString::number(i + 1));
    }
}

}  // namespace peglore
