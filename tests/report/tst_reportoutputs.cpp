#include "demoreport.h"
#include "messages.h"
#include "outputseams.h"
#include "pageimages.h"
#include "pdfprobe.h"
#include "preview.h"
#include "renderer.h"
#include "rtfwriter.h"

#include <QApplication>
#include <QImageReader>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace report;

namespace {

const QDateTime kPrintedAt(QDate(2026, 12, 11), QTime(9, 30, 0));

QPushButton *button(QWidget *window, const QString &caption)
{
    for (QPushButton *b : window->findChildren<QPushButton *>())
        if (b->accessibleName() == caption)
            return b;
    return nullptr;
}

// Runs the preview of a report and hands the open dialog to `drive`.
void withPreview(Report &report, const std::function<void(PreviewDialog &)> &drive)
{
    Messages::Script script;
    bool shown = false;
    script.onModal([&](QDialog *dialog) {
        auto *preview = qobject_cast<PreviewDialog *>(dialog);
        QVERIFY(preview);
        shown = true;
        drive(*preview);
    });
    report.preview();
    QVERIFY(shown);
}

QColor firstRowColour(const QString &pdfPath)
{
    const int dpi = 50;
    const QImage page = renderPdfPage(pdfPath, 0, dpi);
    const double yMm = 10 + DemoReport::kHeaderHeight + DemoReport::kRowHeight / 2;
    return page.pixelColor(qRound(100 / 25.4 * dpi), qRound(yMm / 25.4 * dpi));
}

} // namespace

class TestReportOutputs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Report::setClock([] { return kPrintedAt; }); }
    void cleanup()
    {
        OutputSeams::setSaveFileChooser({});
        OutputSeams::setPrinterSetup({});
    }

    // The demonstration pages for a person to look at (docs/reports): written
    // into TAVREL_REPORT_DEMO_DIR when it names a folder, else thrown away.
    void writeDemonstration()
    {
        QTemporaryDir scratch;
        const QDir folder(qEnvironmentVariable("TAVREL_REPORT_DEMO_DIR", scratch.path()));
        DemoReport demo;
        demo.fillParts(60);
        const Document document = demo.report.prepare();
        QVERIFY(Renderer::writePdf(document, folder.filePath(QStringLiteral("demo.pdf"))));
        QVERIFY(RtfWriter::write(document, folder.filePath(QStringLiteral("demo.rtf"))));
        QCOMPARE(PdfProbe(folder.filePath(QStringLiteral("demo.pdf"))).pageCount(), 2);
    }

    void previewWindow_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("page width") << int(Report::Zoom::PageWidth);
        QTest::newRow("whole page") << int(Report::Zoom::WholePage);
    }
    void previewWindow()
    {
        QFETCH(int, zoom);
        DemoReport demo;
        demo.fillParts(60);
        demo.report.setPreviewZoom(Report::Zoom(zoom));
        withPreview(demo.report, [&](PreviewDialog &preview) {
            QCOMPARE(preview.size(), QSize(900, 720));
            QCOMPARE(preview.windowTitle(), QStringLiteral("Relatório de Peças"));
            for (const QString caption : {"Imprimir", "Salvar como PDF", "Salvar como RTF", "Fechar"})
                QVERIFY2(button(&preview, caption), qPrintable(caption));
            const QList<PageView *> pages = preview.findChildren<PageView *>();
            QCOMPARE(pages.size(), 2);
            const QSize view = preview.findChild<QScrollArea *>()->viewport()->size();
            const QSize page = pages.first()->size();
            if (Report::Zoom(zoom) == Report::Zoom::PageWidth) {
                QVERIFY2(page.width() <= view.width() && page.width() > view.width() - 50,
                         qPrintable(QStringLiteral("%1 in %2").arg(page.width()).arg(view.width())));
                QVERIFY(page.height() > view.height());
            } else {
                QVERIFY(page.height() <= view.height() && page.height() > view.height() - 50);
                QVERIFY(page.width() < view.width());
            }
            button(&preview, QStringLiteral("Fechar"))->click();
            QVERIFY(!preview.isVisible());
        });
    }

    // Saving writes what the preview shows; the chosen name gets its extension.
    void saveAsPdfAndRtf()
    {
        QTemporaryDir dir;
        DemoReport demo;
        demo.fillParts(60);
        QStringList asked;
        OutputSeams::setSaveFileChooser([&](QWidget *, const QString &caption, const QString &suggested, const QString &) {
            asked << caption + u'|' + suggested;
            return dir.filePath(QStringLiteral("pecas"));
        });
        withPreview(demo.report, [&](PreviewDialog &preview) {
            button(&preview, QStringLiteral("Salvar como PDF"))->click();
            button(&preview, QStringLiteral("Salvar como RTF"))->click();
        });
        QCOMPARE(asked, QStringList({"Salvar como PDF|Relatório de Peças.pdf", "Salvar como RTF|Relatório de Peças.rtf"}));
        const PdfProbe pdf(dir.filePath(QStringLiteral("pecas.pdf")));
        QCOMPARE(pdf.pageCount(), 2);
        QVERIFY(pdf.pageText(1).contains(QStringLiteral("P060")));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("pecas.rtf"))));
        // the saved copy is the previewed one: its first row is white
        QCOMPARE(firstRowColour(dir.filePath(QStringLiteral("pecas.pdf"))), QColor(Qt::white));
    }

    void cancelledOrFailedSave()
    {
        DemoReport demo;
        demo.fillParts(1);
        QString path;
        OutputSeams::setSaveFileChooser([&](QWidget *, const QString &, const QString &, const QString &) { return path; });
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            auto *preview = qobject_cast<PreviewDialog *>(dialog);
            button(preview, QStringLiteral("Salvar como PDF"))->click();   // cancelled: nothing happens
            QVERIFY(script.shown().isEmpty());
            path = QStringLiteral("/nonexistent-folder/relatorio.rtf");
            button(preview, QStringLiteral("Salvar como RTF"))->click();
        });
        demo.report.preview();
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.last().kind, Messages::Kind::Error);
        QVERIFY(script.last().text.contains(QStringLiteral("/nonexistent-folder/relatorio.rtf")));
    }

    // Printing from the preview prints one copy of the report laid out anew,
    // on the report's own paper: its rows go on from where the shading
    // switch stands after the preview.
    void printOneCopy_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("A4 Plus") << 210.0 << 330.0;
        QTest::newRow("receipt, wider than long") << 180.0 << 130.0;
        QTest::newRow("carnê") << 120.0 << 330.0;
    }
    void printOneCopy()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QTemporaryDir dir;
        const QString printed = dir.filePath(QStringLiteral("impresso.pdf"));
        OutputSeams::setPrinterSetup([&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            return true;
        });
        DemoReport demo;
        demo.report.setFormat(width == 210 ? Formats::a4Plus() : Formats::custom(width, height));
        demo.fillParts(3);
        withPreview(demo.report, [&](PreviewDialog &preview) {
            button(&preview, QStringLiteral("Imprimir"))->click();
        });
        const PdfProbe pdf(printed);
        QCOMPARE(pdf.pageCount(), 1);
        QCOMPARE(pdf.find(QStringLiteral("P003")).size(), size_t(1));
        QVERIFY(qAbs(pdf.pageSizeMm(0).width() - width) < 0.5);
        QVERIFY(qAbs(pdf.pageSizeMm(0).height() - height) < 0.5);
        QVERIFY(qAbs(pdf.find(QStringLiteral("P001")).front().mm.left() - 12) < 0.5);
        // the preview took rows white, silver, white; the printed copy starts on silver
        QCOMPARE(firstRowColour(printed), QColor(192, 192, 192));
    }

    void printWithoutPrinter()
    {
        OutputSeams::setPrinterSetup([](QPrinter &) { return false; });
        DemoReport demo;
        Messages::Script script;
        script.onModal([](QDialog *dialog) { button(dialog, QStringLiteral("Imprimir"))->click(); });
        demo.report.preview();
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.last().kind, Messages::Kind::Error);
    }

    // E-mail pictures: one JPEG per page named with five digits, written
    // while the "Exportando..." window is up.
    void pageImages()
    {
        QTemporaryDir dir;
        DemoReport demo;
        demo.fillParts(60);
        bool progressSeen = false;
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                progressSeen |= w->isVisible() && w->windowTitle() == QStringLiteral("Exportando...");
        });
        Messages::Script script;
        const QStringList files = PageImages::exportPages(demo.report.prepare(), dir.path());
        QVERIFY(progressSeen);
        QVERIFY(script.shown().isEmpty());
        QCOMPARE(files, QStringList({dir.filePath(QStringLiteral("00001.JPG")), dir.filePath(QStringLiteral("00002.JPG"))}));
        for (const QString &file : files) {
            QImageReader reader(file);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            QCOMPARE(reader.size(), QSize(794, 1247));   // 210 × 330 mm at 96 dots per inch
        }
        // the pages are drawn, not blank: the first holds the header's dark text
        const QImage first(files.first());
        int dark = 0;
        for (int y = 40; y < 160; ++y)
            for (int x = 0; x < first.width(); ++x)
                dark += qGray(first.pixel(x, y)) < 100;
        QVERIFY(dark > 500);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("00003.JPG"))));
    }

    void pageImagesFailure()
    {
        DemoReport demo;
        Messages::Script script;
        const QStringList files = PageImages::exportPages(demo.report.prepare(), QStringLiteral("/nonexistent-folder/AnexoEmail"));
        QVERIFY(files.isEmpty());
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.last().kind, Messages::Kind::Error);
        QCOMPARE(script.last().text, QStringLiteral("Error exportando informe"));
        QCOMPARE(script.last().title, Messages::kAppTitle);
    }

    // RTF: text in position order with its fonts, rules as borders, pages
    // separated, the report's paper.
    void rtfDocument()
    {
        DemoReport demo;
        demo.fillParts(60);
        const QByteArray rtf = RtfWriter::toRtf(demo.report.prepare());
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
        QCOMPARE(rtf.count('{') - rtf.count("\\{"), rtf.count('}') - rtf.count("\\}"));
        QVERIFY(rtf.contains("\\paperw11906\\paperh18709"));
        QCOMPARE(rtf.count("\\page\n"), 1);
        QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"));
        // bold headings, 18 pt shop name, accents as Unicode
        QVERIFY(rtf.contains("{\\fs20\\b C\\u243\\'f3digo}"));
        QVERIFY(rtf.contains("{\\fs36\\b Assist\\u234\\'eancia T\\u233\\'e9cnica Meridel}"));
        QVERIFY(rtf.contains("{\\fs22\\b RELAT\\u211\\'d3RIO DE PE\\u199\\'c7AS}"));
        // reading order: shop, title, headings, rows 1 to 60, footer
        const QList<QByteArray> inOrder = {"Meridel", "RELAT", "digo}", "P001", "P002", "P056",
                                           "\\page", "P057", "P060", "Fim do relat"};
        qsizetype at = 0;
        for (const QByteArray &text : inOrder) {
            const qsizetype next = rtf.indexOf(text, at);
            QVERIFY2(next > at, text.constData());
            at = next;
        }
        // one row is one paragraph with its four columns at tab stops
        QVERIFY(rtf.contains("\\tab {\\fs20 P002}\\tab {\\fs20 Pe\\u231\\'e7a 002}\\tab {\\fs20 02/03/2026}\\tab {\\fs20 R$ 1.236,50}\\par"));
        QVERIFY(rtf.contains("\\tqr\\tx"));
        // the rules under the headings and over the footer, silver rows shaded
        QCOMPARE(rtf.count("\\brdrb\\brdrs"), 2);
        QCOMPARE(rtf.count("\\cbpat2\\cfpat2\\shading10000"), 30);
        QVERIFY(rtf.contains("{\\colortbl;\\red0\\green0\\blue0;\\red192\\green192\\blue192;}"));
    }

    // What a box holds comes between the borders of its top and bottom edges.
    void rtfBoxEdges()
    {
        Report form(QStringLiteral("Ordem de Serviço"));
        form.setFormat(Formats::a4Plus());
        Band &footer = form.addBand(BandKind::PageFooter, 91);
        footer.addText(5.0, 3.2, QStringLiteral("Anotações Gerais:"));
        footer.addRect(4.5, 9.0, 180.7, 45.5);
        footer.addHLine(8.7, 15.1, 171.4);
        footer.addText(8.7, 57.1, QStringLiteral("Garantia")).centredOver(171.4);
        const QByteArray rtf = RtfWriter::toRtf(form.prepare());
        QCOMPARE(rtf.count("\\brdrb\\brdrs"), 3);
        const qsizetype caption = rtf.indexOf("Anota");
        const qsizetype top = rtf.indexOf("\\brdrb");
        const qsizetype line = rtf.indexOf("\\brdrb", top + 1);
        const qsizetype bottom = rtf.indexOf("\\brdrb", line + 1);
        const qsizetype warranty = rtf.indexOf("Garantia}");
        QVERIFY(caption < top && top < line && line < bottom && bottom < warranty);
        // the box's edges span its width: 4.5 mm in from the left margin, 4.8 mm from the right
        QCOMPARE(rtf.count("\\li255\\ri272"), 2);
    }
};

QTEST_MAIN(TestReportOutputs)
#include "tst_reportoutputs.moc"
