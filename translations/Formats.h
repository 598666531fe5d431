#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace peglore {

// Numbers, dates and times as the player's locale writes them: grouped
// thousands and the decimal sign of the language chosen at start-up
// ("12.345", "3,5", "09.12.26 14:05" in German). In the written English,
// under the C locale or an English one, they stay as they always were:
// "12345", "3.5", "2026-12-09 14:05", "2026-12-09".
QString LocalNumber(qint64 number);
QString LocalDecimal(double number, int decimals);
QString LocalDateTime(const QDateTime& moment);
QString LocalDate(QDate date);

}  // namespace peglore
