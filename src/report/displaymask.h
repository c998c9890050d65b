#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace report {

// How a printed field writes its value, always with the Brazilian separators:
// - numbers with a number mask ("R$ #,##0.00", "R$ 0.00", "##,###,##0.00"):
//   BrFormat::number, so 1234.5 is "R$ 1.234,50" or "R$ 1234,50";
// - dates with a date mask in the day/month/year letters of the shop's
//   masks: "dd/mm/yyyy", and "hh:nn:ss" for the time ("nn" the minutes);
// - without a mask: numbers plain (2,5 ; 3), dates "dd/mm/yyyy", with the
//   time "hh:mm:ss" after it when the value has one;
// - text as it is, whatever the mask; null as "".
QString formatValue(const QVariant &value, const QString &mask = {});

// The printing time as the system date-time field writes it.
QString formatDateTime(const QDateTime &when);

} // namespace report
