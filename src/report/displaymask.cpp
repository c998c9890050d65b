#include "displaymask.h"

#include "brformat.h"

namespace report {

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong:
    case QMetaType::ULongLong: case QMetaType::Short: case QMetaType::UShort:
    case QMetaType::Double: case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isDateMask(const QString &mask)
{
    return mask.contains(u'd', Qt::CaseInsensitive) || mask.contains(u'y', Qt::CaseInsensitive);
}

// The shop's date masks use "mm" for the month and "nn" for the minutes;
// Qt wants "MM" and "mm". An "mm" right after an hour stays the minutes.
QString qtDateFormat(const QString &mask)
{
    QString out;
    bool afterHour = false;
    for (const QChar original : mask) {
        const QChar c = original.toLower();
        if (c == u'm')
            out += afterHour ? u'm' : u'M';
        else if (c == u'n')
            out += u'm';
        else
            out += QStringLiteral("dhys").contains(c) ? c : original;
        if (c == u'h')
            afterHour = true;
        else if (c == u'd' || c == u'y')
            afterHour = false;
    }
    return out;
}

QString dateText(const QDateTime &when, const QString &mask)
{
    if (!when.isValid())
        return {};
    if (!mask.isEmpty())
        return when.toString(qtDateFormat(mask));
    if (when.time() == QTime(0, 0))
        return BrFormat::date(when.date());
    return formatDateTime(when);
}

} // namespace

QString formatDateTime(const QDateTime &when)
{
    return when.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

QString formatValue(const QVariant &value, const QString &mask)
{
    if (value.isNull() || !value.isValid())
        return {};
    if (isNumber(value)) {
        if (!mask.isEmpty() && !isDateMask(mask))
            return BrFormat::number(value.toDouble(), mask);
        return BrFormat::plainNumber(value.toDouble());
    }
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return dateText(value.toDateTime(), isDateMask(mask) ? mask : QString());
    case QMetaType::QDate:
        return dateText(QDateTime(value.toDate(), QTime(0, 0)), isDateMask(mask) ? mask : QString());
    default:
        return value.toString();
    }
}

} // namespace report
