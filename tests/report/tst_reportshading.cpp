#include "demoreport.h"
#include "pdfprobe.h"
#include "renderer.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace report;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);

// The colour of each printed row, read from the page: a point of the row
// between the date and the value columns, where no text is written.
QList<QColor> rowColours(const Document &document, int rows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rows.pdf"));
    if (!Renderer::writePdf(document, path))
        qFatal("the PDF could not be written");
    const int dpi = 50;
    const QImage page = renderPdfPage(path, 0, dpi);
    QList<QColor> colours;
    for (int row = 0; row < rows; ++row) {
        const double xMm = 10 + 150;
        const double yMm = 10 + DemoReport::kHeaderHeight + (row + 0.5) * DemoReport::kRowHeight;
        colours << page.pixelColor(qRound(xMm / 25.4 * dpi), qRound(yMm / 25.4 * dpi));
    }
    return colours;
}

// The same, from the prepared pages: the fill of each row's background.
QList<QColor> bandFills(const Document &document)
{
    QList<QColor> fills;
    for (const Page &page : document.pages)
        for (const Element &element : page.elements)
            if (const auto *box = std::get_if<BoxElement>(&element); box && box->fill.isValid())
                fills << box->fill;
    return fills;
}

} // namespace

class TestReportShading : public QObject
{
    Q_OBJECT
private slots:
    // Rows alternate white and silver, and the switch is not reset between
    // prints: a print after an odd number of rows starts on silver.
    void switchCarriesOverBetweenPrints()
    {
        DemoReport demo;
        demo.fillParts(3);
        QCOMPARE(rowColours(demo.report.prepare(), 3), QList<QColor>({kWhite, kSilver, kWhite}));
        QCOMPARE(rowColours(demo.report.prepare(), 3), QList<QColor>({kSilver, kWhite, kSilver}));
        demo.fillParts(2);
        QCOMPARE(rowColours(demo.report.prepare(), 2), QList<QColor>({kWhite, kSilver}));
        QCOMPARE(rowColours(demo.report.prepare(), 2), QList<QColor>({kWhite, kSilver}));
    }

    // The row background covers the band's whole width and height, and
    // carries on across a page break.
    void shadingFollowsTheRowsAcrossPages()
    {
        DemoReport demo;
        demo.fillParts(60);
        const Document document = demo.report.prepare();
        const QList<QColor> fills = bandFills(document);
        QCOMPARE(fills.size(), 60);
        for (int i = 0; i < fills.size(); ++i)
            QCOMPARE(fills[i], i % 2 ? kSilver : kWhite);
        const auto firstOnPage2 = std::find_if(document.pages[1].elements.begin(), document.pages[1].elements.end(),
                                               [](const Element &e) { return std::holds_alternative<BoxElement>(e); });
        const QRectF band = std::get<BoxElement>(*firstOnPage2).rect;
        QCOMPARE(band, QRectF(10, 10, 190, DemoReport::kRowHeight));
        QCOMPARE(std::get<BoxElement>(*firstOnPage2).fill, kWhite);   // row 57
    }

    // A report without rows leaves the switch where it was; each report has
    // its own switch.
    void switchesBelongToTheirReport()
    {
        DemoReport first, second;
        first.fillParts(1);
        second.fillParts(0);
        first.report.prepare();
        second.report.prepare();
        QVERIFY(first.shading.isSilver());
        QVERIFY(!second.shading.isSilver());
        second.fillParts(1);
        QCOMPARE(bandFills(second.report.prepare()), QList<QColor>({kWhite}));
        QCOMPARE(bandFills(first.report.prepare()), QList<QColor>({kSilver}));
    }
};

QTEST_MAIN(TestReportShading)
#include "tst_reportshading.moc"
