#include "translations/Formats.h"

#include <QLocale>

namespace peglore {

namespace {
// The written English keeps its formats on any English desktop too.
bool WrittenFormats(const QLocale& locale)
{
    return locale.language() == QLocale::C || locale.language() == QLocale::English;
}
}  // namespace

QString LocalNumber(qint64 number)
{
    const QLocale locale;
    return WrittenFormats(locale) ? QString::number(number) : locale.toString(number);
}

QString LocalDecimal(double number, int decimals)
{
    const QLocale locale;
    return WrittenFormats(locale) ? QString::number(number, 'f', decimals) : locale.toString(number, 'f', decimals);
}

QString LocalDateTime(const QDateTime& moment)
{
    const QLocale locale;
    return WrittenFormats(locale) ? moment.toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                                  : locale.toString(moment, QLocale::ShortFormat);
}

QString LocalDate(QDate date)
{
    const QLocale locale;
    return WrittenFormats(locale) ? date.toString(Qt::ISODate) : locale.toString(date, QLocale::ShortFormat);
}

}  // namespace peglore
