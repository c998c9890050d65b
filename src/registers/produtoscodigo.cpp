#include "produtoscodigo.h"

#include "dataset.h"

namespace ProductCode {

QString proposed(int key)
{
    return QStringLiteral("%1").arg(key, 7, 10, QLatin1Char('0'));
}

std::optional<QString> digits(const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return text;
}

QString lookupStatement(const QString &digits)
{
    return QStringLiteral("select * from prodforne where nprod=") + digits;
}

bool find(Dataset &lookup, const QString &typed)
{
    const std::optional<QString> number = digits(typed);
    if (!number) {
        lookup.close();
        return false;
    }
    lookup.reopen(lookupStatement(*number));
    return !lookup.isEmpty();
}

} // namespace ProductCode
