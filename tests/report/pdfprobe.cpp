#include "pdfprobe.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

QString unescape(QString text)
{
    return text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

} // namespace

PdfProbe::PdfProbe(const QString &pdfPath) : m_path(pdfPath)
{
    const QString html = QString::fromUtf8(run(QStringLiteral("pdftotext"),
                                               {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")}));
    static const QRegularExpression pageRe(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordRe(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const QStringList pages = html.split(QStringLiteral("<page "));
    for (int i = 1; i < pages.size(); ++i) {
        const auto size = pageRe.match(QStringLiteral("<page ") + pages[i]);
        m_pageSizesMm.push_back(QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) * kMmPerPoint);
        for (auto it = wordRe.globalMatch(pages[i]); it.hasNext();) {
            const auto m = it.next();
            const QRectF rect(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * kMmPerPoint,
                              QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) * kMmPerPoint);
            m_words.push_back({i - 1, unescape(m.captured(5)), rect});
        }
    }
    m_valid = !m_pageSizesMm.empty();
    if (!m_valid)
        qFatal("pdftotext could not read %s (is poppler-utils installed?)", qPrintable(pdfPath));
}

QString PdfProbe::pageText(int page) const
{
    const QString number = QString::number(page + 1);
    return QString::fromUtf8(run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), QStringLiteral("-f"), number, QStringLiteral("-l"),
                                  number, m_path, QStringLiteral("-")}));
}

std::vector<PdfWord> PdfProbe::find(const QString &word) const
{
    std::vector<PdfWord> found;
    std::copy_if(m_words.begin(), m_words.end(), std::back_inserter(found),
                 [&](const PdfWord &w) { return w.text == word; });
    return found;
}

QStringList PdfProbe::line(int page, double topMm, double toleranceMm) const
{
    std::vector<PdfWord> onLine;
    std::copy_if(m_words.begin(), m_words.end(), std::back_inserter(onLine), [&](const PdfWord &w) {
        return w.page == page && qAbs(w.mm.top() - topMm) <= toleranceMm;
    });
    std::sort(onLine.begin(), onLine.end(), [](const PdfWord &a, const PdfWord &b) { return a.mm.left() < b.mm.left(); });
    QStringList texts;
    for (const PdfWord &w : onLine)
        texts << w.text;
    return texts;
}

QImage renderPdfPage(const QString &pdfPath, int page, int dpi)
{
    QTemporaryDir dir;
    const QString number = QString::number(page + 1);
    const QString prefix = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                     QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                                     QStringLiteral("-singlefile"), pdfPath, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}
