#include "pdfprobe.h"
#include "renderer.h"
#include "report.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace report;

namespace {

const QString kComplaint = QStringLiteral(
    "Aparelho não liga depois de uma queda; tela trincada no canto superior, bateria estufada e "
    "conector de carga com mau contato. Cliente pede orçamento antes de qualquer reparo e quer "
    "guardar os dados da memória interna sem falta. Já foi aberto em outra assistência, faltam dois "
    "parafusos da tampa traseira e o botão lateral está afundado; o cliente informa que o aparelho "
    "esquenta muito quando carrega e que desliga sozinho com metade da carga, mesmo sem uso pesado, "
    "desde a troca de bateria feita no ano passado.");

constexpr double kMargin = 10;

// One band on an A4 Plus page holding the items a test adds.
struct OneBand {
    Report report{QStringLiteral("Ordem de Serviço")};
    Band &band;
    QTemporaryDir dir;

    OneBand() : band(report.addBand(BandKind::Detail, 165.1)) { report.setFormat(Formats::a4Plus()); }

    PdfProbe print()
    {
        const QString path = dir.filePath(QStringLiteral("box.pdf"));
        if (!Renderer::writePdf(report.prepare(), path))
            qFatal("the PDF could not be written");
        return PdfProbe(path);
    }
};

QStringList wordsOf(const PdfProbe &pdf)
{
    QStringList words;
    for (const PdfWord &w : pdf.words())
        words << w.text;
    return words;
}

QRectF onPage(double left, double top, double width, double height)
{
    return QRectF(kMargin + left, kMargin + top, width, height);
}

bool inside(const QRectF &word, const QRectF &box)
{
    return box.adjusted(-0.3, -0.3, 0.3, 0.3).contains(word);
}

} // namespace

class TestReportText : public QObject
{
    Q_OBJECT
private slots:
    // A wrapped box shows the start of its text, whole words, line under line
    // inside the box, and cuts the lines that fall below its lower edge.
    void wrappedBoxCutsAtItsLowerEdge_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("lines");

        // Arial 10 pt lines are about 4.1 mm apart
        QTest::newRow("complaint box") << 185.2 << 17.5 << 4;
        QTest::newRow("narrow and short") << 60.0 << 10.0 << 2;
        QTest::newRow("warranty box") << 74.9 << 18.8 << 4;
        QTest::newRow("one line") << 100.0 << 5.0 << 1;
    }
    void wrappedBoxCutsAtItsLowerEdge()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(int, lines);

        OneBand page;
        page.band.addTextBox(1.6, 71.4, width, height, kComplaint).setWordWrap(true);
        const PdfProbe pdf = page.print();

        QCOMPARE(pdf.pageCount(), 1);
        const QStringList all = kComplaint.split(u' ');
        const QStringList printed = wordsOf(pdf);
        QVERIFY(!printed.isEmpty());
        QVERIFY(printed.size() < all.size());
        QCOMPARE(printed, all.mid(0, printed.size()));   // whole words, from the start, in order
        QSet<int> tops;
        const QRectF box = onPage(1.6, 71.4, width, height);
        for (const PdfWord &w : pdf.words()) {
            QVERIFY2(inside(w.mm, box), qPrintable(w.text));
            tops.insert(qRound(w.mm.top() * 10));
        }
        QCOMPARE(tops.size(), lines);
    }

    void centredWrappedBox()
    {
        OneBand page;
        page.band.addTextBox(111.9, 139.4, 74.9, 18.8, QStringLiteral("Garantia de 90 dias"))
            .setWordWrap(true)
            .setAlignment(Qt::AlignHCenter);
        const PdfProbe pdf = page.print();
        const QRectF first = pdf.find(QStringLiteral("Garantia")).front().mm;
        const QRectF last = pdf.find(QStringLiteral("dias")).front().mm;
        const double centre = kMargin + 111.9 + 74.9 / 2;
        QVERIFY(qAbs((first.left() + last.right()) / 2 - centre) < 0.5);
    }

    // Line breaks in the text start new lines; a word wider than the box is
    // broken inside it rather than sticking out.
    void lineBreaksAndLongWords()
    {
        OneBand page;
        page.band.addTextBox(0, 0, 40, 30, QStringLiteral("Primeira\nSegunda ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ"))
            .setWordWrap(true);
        const PdfProbe pdf = page.print();
        const QRectF box = onPage(0, 0, 40, 30);
        QVERIFY(pdf.find(QStringLiteral("Primeira")).front().mm.top()
                < pdf.find(QStringLiteral("Segunda")).front().mm.top() - 3);
        QString joined;
        for (const PdfWord &w : pdf.words()) {
            QVERIFY2(inside(w.mm, box), qPrintable(w.text));
            if (w.text != QLatin1String("Primeira") && w.text != QLatin1String("Segunda"))
                joined += w.text;
        }
        QCOMPARE(joined, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ"));
    }

    // A single-line box (the payables columns) keeps what fits and cuts the rest.
    void singleLineBoxCutsItsTail()
    {
        TableRowSource account({QStringLiteral("NOMECONTA"), QStringLiteral("NDOC")});
        account.addRow({QStringLiteral("Conta de energia elétrica da loja e do depósito dos fundos"),
                        QStringLiteral("12345678901234567890")});
        OneBand page;
        page.band.addFieldBox(2.1, 0, 61.6, 5, &account, QStringLiteral("NOMECONTA"));
        page.band.addFieldBox(65.4, 0, 25.9, 5, &account, QStringLiteral("NDOC"));
        const PdfProbe pdf = page.print();

        const QStringList line = pdf.line(0, kMargin, 1);
        QVERIFY(line.size() >= 3);
        const QString doc = line.last();
        QVERIFY(doc.size() < 20 && doc.size() > 5);
        QVERIFY(QStringLiteral("12345678901234567890").startsWith(doc));
        QVERIFY(QStringLiteral("Conta de energia elétrica da loja e do depósito dos fundos")
                    .startsWith(line.mid(0, line.size() - 1).join(u' ')));
        QVERIFY(pdf.find(QStringLiteral("fundos")).empty());
        for (const PdfWord &w : pdf.words())
            QVERIFY2(w.mm.right() < kMargin + 2.1 + 61.6 + 0.3 || w.mm.left() >= kMargin + 65.4 - 0.3,
                     qPrintable(w.text));
        QVERIFY(pdf.find(doc).front().mm.right() < kMargin + 65.4 + 25.9 + 0.3);
    }

    // Texts without a box take their own width, anchored by their alignment:
    // the order number's right edge, a title centred over the band.
    void anchoredTexts()
    {
        OneBand page;
        page.band.addText(176.7, 9.5, QStringLiteral("000123")).rightAligned().setFont(arial(16));
        page.band.addText(0, 40, QStringLiteral("Orçamento")).centredOver(108.5).setFont(arial(10, true));
        page.band.addText(141.0, 9.5, QStringLiteral("OS:")).setFont(arial(16));
        const PdfProbe pdf = page.print();

        const QRectF number = pdf.find(QStringLiteral("000123")).front().mm;
        QVERIFY(qAbs(number.right() - (kMargin + 176.7)) < 0.5);
        QVERIFY(qAbs(number.top() - (kMargin + 9.5)) < 0.8);
        const QRectF caption = pdf.find(QStringLiteral("OS:")).front().mm;
        QVERIFY(qAbs(caption.left() - (kMargin + 141.0)) < 0.5);
        QVERIFY(caption.right() < number.left());
        const QRectF title = pdf.find(QStringLiteral("Orçamento")).front().mm;
        QVERIFY(qAbs(title.center().x() - (kMargin + 108.5 / 2)) < 0.5);
        // 16 pt is taller than 10 pt
        QVERIFY(number.height() > title.height() * 1.4);
    }
};

QTEST_MAIN(TestReportText)
#include "tst_reporttext.moc"
