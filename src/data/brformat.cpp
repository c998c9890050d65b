#include "brformat.h"

#include <cmath>

namespace BrFormat {

const QLocale &locale()
{
    static const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    return brazil;
}

QString number(double value, const QString &mask)
{
    const int firstDigit = [&] {
        for (int i = 0; i < mask.size(); ++i)
            if (mask[i] == u'#' || mask[i] == u'0')
                return i;
        return int(mask.size());
    }();
    const QString prefix = mask.left(firstDigit);
    const QString pattern = mask.mid(firstDigit);
    const int point = pattern.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(pattern.size() - point - 1);
    const bool thousands = pattern.contains(u',');

    QLocale loc = locale();
    if (!thousands)
        loc.setNumberOptions(QLocale::OmitGroupSeparator);
    // Round half away from zero, as money is rounded at the counter.
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    QString text = loc.toString(rounded == 0 ? 0.0 : rounded, 'f', decimals);
    return prefix + text;
}

QString money(double value) { return number(value, QStringLiteral("R$ #,##0.00")); }

QString plainNumber(double value)
{
    QLocale loc = locale();
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    return loc.toString(value, 'g', 15);
}

QString date(const QDate &d) { return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString(); }
QString date(const QDateTime &dt) { return dt.isValid() ? date(dt.date()) : QString(); }

QDate parseDate(const QString &ddmmyyyy)
{
    return QDate::fromString(ddmmyyyy.trimmed(), QStringLiteral("dd/MM/yyyy"));
}

std::optional<double> parseNumber(const QString &text)
{
    QString t = text.trimmed();
    if (t.startsWith(QStringLiteral("R$")))
        t = t.mid(2).trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    double v = locale().toDouble(t, &ok);
    if (!ok && !t.contains(u',')) // "1234.5" typed the other way
        v = QLocale::c().toDouble(t, &ok);
    if (!ok)
        return std::nullopt;
    return v;
}

} // namespace BrFormat
