#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

// Brazilian formats, whatever the machine's locale: dates "dd/mm/yyyy",
// decimal comma, thousands point, the real as currency.
namespace BrFormat {

const QLocale &locale();

// Formats a number with a display mask: "R$ #,##0.00", "R$ 0.00",
// "##,###,##0.00", "#,##0.00", "0.00"... A comma in the mask asks for
// thousands separators; the digits after the point fix the decimals;
// any text before the first # or 0 is kept as a prefix.
QString number(double value, const QString &mask);
QString money(double value);                 // "R$ 1.234,50"
QString plainNumber(double value);           // 12,5 ; 1234 ; as a grid shows it
QString date(const QDate &date);             // "dd/mm/yyyy"; "" for an invalid date
QString date(const QDateTime &dateTime);
QDate parseDate(const QString &ddmmyyyy);    // invalid when it is not a real date
std::optional<double> parseNumber(const QString &text); // "1.234,50" or "1234.5"

} // namespace BrFormat
