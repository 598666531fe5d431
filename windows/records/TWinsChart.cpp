#include "windows/records/TWinsChart.h"

#include <QPainter>

#include <algorithm>

namespace peglore {

TWinsChart::TWinsChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WinsChart"));
    setAccessibleName(QStringLiteral("Rows per win"));
}

void TWinsChart::SetWins(const QString& title, std::vector<int> winsByRows)
{
    FTitle = title;
    FWins = std::move(winsByRows);
    QStringList parts;
    for (std::size_t i = 0; i < FWins.size(); ++i)
        if (FWins[i] > 0)
            parts << QStringLiteral("%1 rows: %2").arg(i + 1).arg(FWins[i]);
    setAccessibleDescription(parts.isEmpty() ? QStringLiteral("No wins yet") : parts.join(QStringLiteral(", ")));
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
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("No wins yet"));
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
                             QString::number(wins));
        }
        painter.drawText(QRect(cell.left(), plot.bottom() + 3, cell.width(), line), Qt::AlignCenter,
                         QString::number(i + 1));
    }
}

}  // namespace peglore
