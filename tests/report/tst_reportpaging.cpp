#include "demoreport.h"
#include "pdfprobe.h"
#include "renderer.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace report;

namespace {

const QDateTime kPrintedAt(QDate(2026, 12, 11), QTime(14, 5, 9));

QString rowName(int n) { return QStringLiteral("P%1").arg(n, 3, 10, QLatin1Char('0')); }

// The pages of a report as a person reads them from the written PDF.
struct Printed {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("report.pdf"));
    std::unique_ptr<PdfProbe> pdf;

    explicit Printed(Report &report)
    {
        if (!Renderer::writePdf(report.prepare(), path))
            qFatal("the PDF could not be written");
        pdf = std::make_unique<PdfProbe>(path);
    }
    int pageOf(const QString &word) const
    {
        const auto found = pdf->find(word);
        return found.size() == 1 ? found.front().page : -1;
    }
    double topOf(const QString &word) const
    {
        const auto found = pdf->find(word);
        return found.empty() ? -1 : found.front().mm.top();
    }
};

} // namespace

class TestReportPaging : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Report::setClock([] { return kPrintedAt; }); }

    // The header prints once on the first page; the rows flow onto the
    // next page when the page is full; the footer follows the last row.
    void rowsFlowOntoNextPages_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("rowsOnFirstPage");
        QTest::addColumn<int>("footerPage");

        QTest::newRow("no rows") << 0 << 1 << 0 << 0;
        QTest::newRow("one row") << 1 << 1 << 1 << 0;
        QTest::newRow("footer just fits") << 54 << 1 << 54 << 0;
        QTest::newRow("footer one row short") << 55 << 2 << 55 << 1;
        QTest::newRow("page full, footer alone on page 2") << 56 << 2 << 56 << 1;
        QTest::newRow("sixty rows") << 60 << 2 << 56 << 1;
        QTest::newRow("three pages") << 130 << 3 << 56 << 2;
    }
    void rowsFlowOntoNextPages()
    {
        QFETCH(int, rows);
        QFETCH(int, pages);
        QFETCH(int, rowsOnFirstPage);
        QFETCH(int, footerPage);

        DemoReport demo;
        demo.fillParts(rows);
        Printed printed(demo.report);
        const PdfProbe &pdf = *printed.pdf;

        QCOMPARE(pdf.pageCount(), pages);
        QCOMPARE(printed.pageOf(QStringLiteral("RELATÓRIO")), 0);
        QCOMPARE(pdf.find(QStringLiteral("Descrição")).size(), size_t(1));
        for (int n = 1; n <= rows; ++n)
            QCOMPARE(printed.pageOf(rowName(n)), n <= rowsOnFirstPage ? 0 : n <= 56 + 62 ? 1 : 2);
        QCOMPARE(printed.pageOf(QStringLiteral("Fim")), footerPage);
        if (rows > 0) {
            const PdfWord last = pdf.find(rowName(rows)).front();
            const PdfWord footer = pdf.find(QStringLiteral("Fim")).front();
            QCOMPARE(footer.page, pages - 1);
            QVERIFY(last.page < footer.page || last.mm.top() < footer.mm.top());
        }
    }

    // Each row stands one row height below the previous, from the band under
    // the header on the first page and from the top margin on the next.
    void rowPositions()
    {
        DemoReport demo;
        demo.fillParts(60);
        Printed printed(demo.report);
        const double firstRowTop = 10 + DemoReport::kHeaderHeight + 0.5;
        QVERIFY(qAbs(printed.topOf(rowName(1)) - firstRowTop) < 0.8);
        QVERIFY(qAbs(printed.topOf(rowName(56)) - (firstRowTop + 55 * DemoReport::kRowHeight)) < 0.8);
        QVERIFY(qAbs(printed.topOf(rowName(57)) - (10 + 0.5)) < 0.8);
        QVERIFY(qAbs(printed.topOf(rowName(60)) - (10 + 0.5 + 3 * DemoReport::kRowHeight)) < 0.8);
        // the footer right after the last row
        QVERIFY(qAbs(printed.topOf(QStringLiteral("Fim")) - (10 + 4 * DemoReport::kRowHeight + 3)) < 0.8);
        // and the page is the report's A4 Plus paper
        QVERIFY(qAbs(printed.pdf->pageSizeMm(1).width() - 210) < 0.5);
        QVERIFY(qAbs(printed.pdf->pageSizeMm(1).height() - 330) < 0.5);
    }

    // Each field of a row prints that row's values with its mask; fields
    // outside the rows read their source's first row.
    void rowContents()
    {
        DemoReport demo;
        demo.fillParts(3);
        Printed printed(demo.report);
        const double secondRow = printed.topOf(rowName(2));
        QCOMPARE(printed.pdf->line(0, secondRow),
                 QStringList({"P002", "Peça", "002", "02/03/2026", "R$", "1.236,50"}));
        QCOMPARE(printed.pdf->line(0, printed.topOf(QStringLiteral("Assistência"))),
                 QStringList({"Assistência", "Técnica", "Meridel"}));
        QCOMPARE(printed.pdf->line(0, printed.topOf(QStringLiteral("Fim"))),
                 QStringList({"11/12/2026", "14:05:09", "Fim", "do", "relatório"}));
    }

    void emptySourcesPrintEmptyFields()
    {
        DemoReport demo;
        demo.settings.clear();
        demo.fillParts(0);
        Printed printed(demo.report);
        QCOMPARE(printed.pdf->pageCount(), 1);
        QVERIFY(printed.pdf->find(QStringLiteral("Assistência")).empty());
        QCOMPARE(printed.pageOf(QStringLiteral("RELATÓRIO")), 0);
        QCOMPARE(printed.pageOf(QStringLiteral("Fim")), 0);
    }

    void hiddenItemsDoNotPrint()
    {
        DemoReport demo;
        demo.fillParts(1);
        demo.footerText->setVisible(false);
        Printed printed(demo.report);
        QVERIFY(printed.pdf->find(QStringLiteral("Fim")).empty());
        demo.footerText->setVisible(true);
        Printed again(demo.report);
        QCOMPARE(again.pageOf(QStringLiteral("Fim")), 0);
    }

    // A blank form: the fields of a source are hidden, captions and other
    // sources' fields still print; showing them again brings the data back.
    void fieldsOfOneSourceHidden()
    {
        DemoReport demo;
        demo.fillParts(2);
        demo.report.setFieldsVisible(&demo.parts, false);
        Printed blank(demo.report);
        QVERIFY(blank.pdf->find(QStringLiteral("P001")).empty());
        QVERIFY(blank.pdf->find(QStringLiteral("1.235,50")).empty());
        QCOMPARE(blank.pageOf(QStringLiteral("Meridel")), 0);
        QCOMPARE(blank.pageOf(QStringLiteral("Código")), 0);
        demo.report.setFieldsVisible(&demo.parts, true);
        Printed filled(demo.report);
        QCOMPARE(filled.pageOf(QStringLiteral("P002")), 0);
    }

    // A receipt-like page: the footer sits at the bottom of the last page,
    // page header on every page, a page footer on the last page only.
    void bottomFooterAndPageBands()
    {
        TableRowSource items({QStringLiteral("ITEM")});
        for (int n = 1; n <= 25; ++n)
            items.addRow({QStringLiteral("Item%1").arg(n)});
        Report receipt(QStringLiteral("Comprovante de Venda"));
        receipt.setFormat(Formats::custom(180, 130));
        Band &pageHeader = receipt.addBand(BandKind::PageHeader, 8);
        pageHeader.addText(0, 0, QStringLiteral("Cabeçalho"));
        Band &header = receipt.addBand(BandKind::Header, 20);
        header.addText(0, 0, QStringLiteral("COMPROVANTE")).centredOver(160);
        Band &detail = receipt.addBand(BandKind::Detail, 5);
        detail.setSource(&items);
        detail.addField(0, 0, &items, QStringLiteral("ITEM"));
        Band &footer = receipt.addBand(BandKind::Footer, 8);
        footer.setAtPageBottom(true);
        footer.addText(0, 1, QStringLiteral("Rodapé"));
        Band &pageFooter = receipt.addBand(BandKind::PageFooter, 6);
        pageFooter.setPages(Pages::Last);
        pageFooter.addText(0, 0, QStringLiteral("Última"));

        Printed printed(receipt);
        const PdfProbe &pdf = *printed.pdf;
        // 110 mm of content: 8 page header + 20 header leave 16 rows of 5 mm on page 1,
        // 20 rows on page 2 under the page header
        QCOMPARE(pdf.pageCount(), 2);
        QCOMPARE(pdf.find(QStringLiteral("Cabeçalho")).size(), size_t(2));
        QCOMPARE(pdf.find(QStringLiteral("COMPROVANTE")).size(), size_t(1));
        QCOMPARE(printed.pageOf(QStringLiteral("Item16")), 0);
        QCOMPARE(printed.pageOf(QStringLiteral("Item17")), 1);
        QCOMPARE(printed.pageOf(QStringLiteral("Item25")), 1);
        QCOMPARE(printed.pageOf(QStringLiteral("Rodapé")), 1);
        QCOMPARE(printed.pageOf(QStringLiteral("Última")), 1);
        QVERIFY(qAbs(printed.topOf(QStringLiteral("Última")) - (130 - 10 - 6)) < 0.8);
        QVERIFY(qAbs(printed.topOf(QStringLiteral("Rodapé")) - (130 - 10 - 6 - 8 + 1)) < 0.8);
        QVERIFY(qAbs(pdf.pageSizeMm(0).width() - 180) < 0.5);
        QVERIFY(qAbs(pdf.pageSizeMm(0).height() - 130) < 0.5);
    }

    // Page headers and footers on every page, or on the first or last only;
    // a page footer stands at the bottom of the page and the rows keep clear of it.
    void pageBandsRepeat_data()
    {
        QTest::addColumn<int>("headerPages");
        QTest::addColumn<int>("footerPages");
        QTest::addColumn<QList<int>>("headerOn");
        QTest::addColumn<QList<int>>("footerOn");
        QTest::newRow("every page") << int(Pages::Every) << int(Pages::Every) << QList<int>{0, 1} << QList<int>{0, 1};
        QTest::newRow("service order: first and last")
            << int(Pages::First) << int(Pages::Last) << QList<int>{0} << QList<int>{1};
    }
    void pageBandsRepeat()
    {
        QFETCH(int, headerPages);
        QFETCH(int, footerPages);
        QFETCH(QList<int>, headerOn);
        QFETCH(QList<int>, footerOn);

        DemoReport demo;
        Band &top = demo.report.addBand(BandKind::PageHeader, 12);
        top.setPages(Pages(headerPages));
        top.addText(0, 0, QStringLiteral("Topo"));
        Band &bottom = demo.report.addBand(BandKind::PageFooter, 20);
        bottom.setPages(Pages(footerPages));
        bottom.addText(0, 2, QStringLiteral("Base"));
        demo.fillParts(60);
        Printed printed(demo.report);
        const PdfProbe &pdf = *printed.pdf;

        QCOMPARE(pdf.pageCount(), 2);
        QList<int> headerPagesFound, footerPagesFound;
        for (const PdfWord &w : pdf.find(QStringLiteral("Topo"))) {
            headerPagesFound << w.page;
            QVERIFY(qAbs(w.mm.top() - 10) < 0.8);
        }
        for (const PdfWord &w : pdf.find(QStringLiteral("Base"))) {
            footerPagesFound << w.page;
            QVERIFY(qAbs(w.mm.top() - (330 - 10 - 20 + 2)) < 0.8);
        }
        QCOMPARE(headerPagesFound, headerOn);
        QCOMPARE(footerPagesFound, footerOn);
        // no row reaches into a page footer printed on its page
        for (const PdfWord &w : pdf.words())
            if (w.text.startsWith(u'P') && footerOn.contains(w.page))
                QVERIFY2(w.mm.bottom() < 330 - 10 - 20, qPrintable(w.text));
        // the header moves the first row down by its height
        QVERIFY(qAbs(printed.topOf(rowName(1)) - (10 + 12 + DemoReport::kHeaderHeight + 0.5)) < 0.8);
    }

    // A band with no source prints once; the sub-detail then prints every
    // row of its own source (the carnê: the sale once, then the stubs).
    void subDetailAfterSingleDetail()
    {
        TableRowSource sale({QStringLiteral("IDVENDA")});
        sale.addRow({77});
        TableRowSource stubs({QStringLiteral("NPARCELA")});
        for (int n = 1; n <= 3; ++n)
            stubs.addRow({n});
        Report carne(QStringLiteral("Carnê para Pagamento"));
        carne.setFormat(Formats::custom(120, 330));
        Band &detail = carne.addBand(BandKind::Detail, 10);
        detail.addText(0, 0, QStringLiteral("Venda"));
        detail.addField(20, 0, &sale, QStringLiteral("IDVENDA"));
        Band &stub = carne.addBand(BandKind::SubDetail, 26);
        stub.setSource(&stubs);
        stub.addText(0, 0, QStringLiteral("Parcela"));
        stub.addField(20, 0, &stubs, QStringLiteral("NPARCELA"));

        Printed printed(carne);
        QCOMPARE(printed.pdf->find(QStringLiteral("Venda")).size(), size_t(1));
        QCOMPARE(printed.pdf->line(0, 10, 1), QStringList({"Venda", "77"}));
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(printed.pdf->line(0, 10 + 10 + 26 * (n - 1)), QStringList({"Parcela", QString::number(n)}));
    }
};

QTEST_MAIN(TestReportPaging)
#include "tst_reportpaging.moc"
