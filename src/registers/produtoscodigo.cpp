#include "produtoscodigo.h"

#include "dataset.h"

#include <QStringList>

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
    constexpr int kNumberSize = 20; // PRODFORNE.NPROD
    QString number = digits;
    while (number.size() > 1 && number.startsWith(u'0'))
        number.remove(0, 1);
    QStringList spellings;
    do {
        spellings << u'"' + number + u'"';
        number.prepend(u'0');
    } while (number.size() <= kNumberSize);
    return QStringLiteral("select * from prodforne where nprod in (") + spellings.join(QStringLiteral(", "))
           + u')';
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
