#include "textfit.h"

#include <QFontMetricsF>
#include <QImage>

namespace report {

namespace {

constexpr double kReferenceDpi = 1200;

const QPaintDevice *referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kReferenceDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

QFontMetricsF metrics(const QFont &font)
{
    QFont unhinted = font;
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    return QFontMetricsF(unhinted, referenceDevice());
}

constexpr double kMmPerDot = 25.4 / kReferenceDpi;

// The length of the longest start of `text` that fits `widthMm` (maybe 0).
int fittingLength(const QString &text, const QFontMetricsF &fm, double widthMm)
{
    int fits = 0, tooLong = int(text.size()) + 1;
    while (tooLong - fits > 1) {
        const int middle = (fits + tooLong) / 2;
        if (fm.horizontalAdvance(text.left(middle)) * kMmPerDot <= widthMm)
            fits = middle;
        else
            tooLong = middle;
    }
    return fits;
}

// Breaks one paragraph into lines at spaces; a word wider than the box is
// broken inside.
QStringList wrapParagraph(const QString &paragraph, const QFontMetricsF &fm, double widthMm)
{
    QStringList lines;
    QString line;
    const auto fits = [&](const QString &s) { return fm.horizontalAdvance(s) * kMmPerDot <= widthMm; };
    for (QString word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
        const QString joined = line.isEmpty() ? word : line + u' ' + word;
        if (fits(joined)) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        while (!fits(word)) {
            const int n = qMax(1, fittingLength(word, fm, widthMm));
            lines << word.left(n);
            word = word.mid(n);
        }
        line = word;
    }
    lines << line;
    return lines;
}

} // namespace

double TextFit::width(const QString &text, const QFont &font)
{
    return metrics(font).horizontalAdvance(text) * kMmPerDot;
}

double TextFit::lineHeight(const QFont &font)
{
    return metrics(font).lineSpacing() * kMmPerDot;
}

QStringList TextFit::fit(const QString &text, const QFont &font, double widthMm, double heightMm, bool wrap)
{
    const QFontMetricsF fm = metrics(font);
    const QStringList paragraphs = QString(text).remove(u'\r').split(u'\n');
    QStringList lines;
    if (wrap) {
        for (const QString &paragraph : paragraphs)
            lines += wrapParagraph(paragraph, fm, widthMm);
    } else {
        const QString &first = paragraphs.first();
        lines << first.left(fittingLength(first, fm, widthMm));
    }
    const int visible = qMax(1, int((heightMm + 0.01) / lineHeight(font)));
    return lines.mid(0, visible);
}

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace report
