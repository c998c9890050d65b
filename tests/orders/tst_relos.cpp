// The printed service order, saved as PDF from its preview and read back: the
// shop's header and the order number, every client and order field under its
// caption at its place, the warranty marks of each GARANTIAITEM, the three
// boxes that cut their text at the lower edge, the footer to write on, and the
// blank form ("OS em Branco") before and after a filled one.

#include "dm.h"
#include "messages.h"
#include "modules.h"
#include "orderswindows.h"
#include "outputseams.h"
#include "pdfprobe.h"
#include "preview.h"
#include "relos.h"
#include "testdatabase.h"

#include <QAbstractButton>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <optional>

namespace {

constexpr double kMargin = 10;
constexpr double kDetailTop = kMargin + 28.3;      // below the page header
constexpr double kFooterTop = 330 - kMargin - 91.0; // at the bottom of the page
constexpr double kTolerance = 0.6;

constexpr int kClient = 3;
constexpr int kOrder = 7;

const QString kWarrantyText = QStringLiteral("Noventa dias para a fonte trocada");

// What a person reads on the printed order, and where: the PDF saved from the
// preview, and the preview's own page with each text exactly as it was set.
struct Printed {
    QString path;
    QString title;
    report::Document document;
    std::unique_ptr<PdfProbe> pdf;

    QStringList words() const
    {
        QStringList all;
        for (const PdfWord &w : pdf->words())
            all << w.text;
        return all;
    }
    bool has(const QString &word) const { return !pdf->find(word).empty(); }
    // The first printed word with this text; fails the test when there is none.
    QRectF at(const QString &word) const
    {
        const auto found = pdf->find(word);
        if (found.empty())
            qFatal("'%s' is not printed", qPrintable(word));
        return found.front().mm;
    }
    // The word with this text on the line at `topMm`, if it is printed there.
    std::optional<QRectF> onLine(const QString &word, double topMm) const
    {
        for (const PdfWord &w : pdf->find(word))
            if (qAbs(w.mm.top() - topMm) <= kTolerance)
                return w.mm;
        return std::nullopt;
    }
    // The words inside a region of the page, in reading order.
    QStringList within(const QRectF &region) const
    {
        QStringList inside;
        for (const PdfWord &w : pdf->words())
            if (region.contains(w.mm.center()))
                inside << w.text;
        return inside;
    }
    const report::TextElement *text(const QString &text) const
    {
        for (const report::Element &e : document.pages.front().elements)
            if (const auto *t = std::get_if<report::TextElement>(&e); t && t->text == text)
                return t;
        return nullptr;
    }
    std::vector<QLineF> lines() const
    {
        std::vector<QLineF> all;
        for (const report::Element &e : document.pages.front().elements)
            if (const auto *l = std::get_if<report::LineElement>(&e))
                all.push_back(l->line);
        return all;
    }
    bool hasLine(const QLineF &expected) const
    {
        for (const QLineF &l : lines())
            if ((l.p1() - expected.p1()).manhattanLength() < 0.05 && (l.p2() - expected.p2()).manhattanLength() < 0.05)
                return true;
        return false;
    }
};

bool near(double actual, double expected) { return qAbs(actual - expected) <= kTolerance; }

QString pdfFonts(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdffonts"), {path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestRelOS : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_files;
    std::unique_ptr<TDM> m_dm;
    QTemporaryDir m_tmp;
    QString m_outDir;   // TAVREL_ORDERS_PDF_DIR keeps the PDFs for a person to look at

    void run(const QString &sql, const QVariantList &params = {})
    {
        m_dm->Database().execute(sql, params);
        m_dm->commitRetaining();
    }

    void setHeader(const QVariantList &lines)
    {
        run(QStringLiteral("update config set cab1 = ?, cab2 = ?, cab3 = ?, cab4 = ?, garantia1 = ?, garantia2 = ? "
                           "where idconfig = 1"),
            lines);
    }

    void addClient()
    {
        run(QStringLiteral("insert into clientes (idcliente, nome, fonecom, foneres, fonecel, end1, end2, cidade, uf, "
                           "cep, cpf, email) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {kClient, QStringLiteral("Joana Prado"), QStringLiteral("1332220001"), QStringLiteral("1332220002"),
             QStringLiteral("13999990003"), QStringLiteral("Rua Amapá, 45"), QStringLiteral("Bloco B apto 12"),
             QStringLiteral("Santos"), QStringLiteral("SP"), QStringLiteral("11015-000"),
             QStringLiteral("12345678900"), QStringLiteral("joana@exemplo.com.br")});
    }

    // An order of the client; `warrantyItem` null leaves GARANTIAITEM empty.
    void addOrder(int id, const QVariant &warrantyItem, const QString &complaint = QStringLiteral("Não liga"),
                  const QString &repair = QStringLiteral("Troca da fonte"), const QString &warranty = kWarrantyText)
    {
        run(QStringLiteral("insert into ordemserv (idordem, nordem, idcliente, datacad, dataentrega, solicitante, "
                           "descricao, nfiscal, dataemi, anota, reparo, tecnico, situacao, valorpecas, valorserv, "
                           "valordesloc, desconto, valortot, formapagto, volts110, volts220, garantiaitem, garantia) "
                           "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {id, QStringLiteral("%1").arg(id, 6, 10, QLatin1Char('0')), kClient, QStringLiteral("05/03/2026 - 14:30"),
             QStringLiteral("10/03/2026 - 18:00"), QStringLiteral("Marcos Prado"), QStringLiteral("Notebook Lenovo"),
             QStringLiteral("NF4512"), QStringLiteral("04/03/2026"), complaint, repair, QStringLiteral("Tecnico Silva"),
             QStringLiteral("Em Andamento"), 1234.5, 80.0, 0.0, 5.25, 1309.25, QStringLiteral("Cartão"), 1, 2,
             warrantyItem, warranty});
    }

    // Shows the preview through `print`, saves it with "Salvar como PDF" and reads the PDF back.
    Printed printed(const std::function<void()> &print, const QString &name)
    {
        Printed result;
        const QString path = result.path = QDir(m_outDir).filePath(name + QStringLiteral(".pdf"));
        QFile::remove(path);
        report::OutputSeams::setSaveFileChooser([&](QWidget *, const QString &, const QString &, const QString &) {
            return path;
        });
        Messages::Script script;
        int previews = 0;
        script.onModal([&](QDialog *dialog) {
            auto *preview = qobject_cast<report::PreviewDialog *>(dialog);
            QVERIFY(preview);
            ++previews;
            result.title = preview->windowTitle();
            result.document = preview->document();
            for (QAbstractButton *b : preview->findChildren<QAbstractButton *>())
                if (b->accessibleName() == QLatin1String("Salvar como PDF"))
                    b->click();
        });
        print();
        report::OutputSeams::setSaveFileChooser({});
        if (previews != 1 || !QFile::exists(path))
            qFatal("%s: the preview did not save its PDF", qPrintable(name));
        if (!script.shown().isEmpty())
            qFatal("%s: %s", qPrintable(name), qPrintable(script.texts().join(u'|')));
        result.pdf = std::make_unique<PdfProbe>(path);
        return result;
    }

    Printed printOrder(int order, const QString &name) { return printed([&] { TRelOSForm::of(*m_dm).imprimir(nullptr, kClient, order); }, name); }
    Printed printBlank(const QString &name) { return printed([&] { TRelOSForm::of(*m_dm).imprimirEmBranco(nullptr); }, name); }

    // Every word of the client and the order that a filled print shows, the order's number last.
    static QStringList dataWords(int order = kOrder)
    {
        return {"Joana", "1332220001", "1332220002", "13999990003", "Amapá,", "Bloco", "Santos", "SP", "11015-000",
                "05/03/2026", "10/03/2026", "Marcos", "Notebook", "NF4512", "04/03/2026", "liga", "Troca", "R$",
                "1.234,50", "80,00", "Cartão", "Noventa", QStringLiteral("%1").arg(order, 6, 10, QLatin1Char('0'))};
    }
    // Everything the blank form prints: the shop's lines from the settings
    // row, the captions, the headings, the unmarked warranty marks.
    static QStringList formTexts()
    {
        return {"Meridel Assistência Técnica", "Rua das Flores, 10 - Centro", "Consertos de informática e eletrônicos",
                "Fone 13 3222-0000", "OS:", "Nome:", "Telefone Comercial:", "Telefone Residencial:", "Celular:",
                "Cidade:", "Endereço:", "UF:", "CEP:", "Data - Hora do Cadastro:", "Data - Hora para Entrega:",
                "Solicitante:", "Produto:", "Nota Fiscal:", "Data de Emissão:", "Defeito Reclamado",
                "Reparos / Manutenção", "Orçamento", "Garantia", "(  ) SIM", "(  ) NÃO", "Valor das Peças:",
                "Valor da Mão de Obra:", "Valor do Deslocamento:", "Valor Total:", "Forma de Pagamento:",
                "Anotações Gerais:", "A garantia cobre somente o serviço executado.",
                "Aparelhos não retirados em 90 dias serão descartados.", "Assinatura do Cliente",
                "Assinatura do Funcionário"};
    }
    static QStringList fixedWords() { return formTexts().join(u' ').split(u' ', Qt::SkipEmptyParts); }

private Q_SLOTS:
    // One database and one data module for the run, as in the program: the
    // template lives as long as the data module, each print refilling it.
    void initTestCase()
    {
        Orders::registerWindows();
        m_outDir = qEnvironmentVariable("TAVREL_ORDERS_PDF_DIR", m_tmp.path());
        QDir().mkpath(m_outDir);
        m_files = std::make_unique<TestDatabase>();
        m_dm = std::make_unique<TDM>();
        m_dm->connect(m_files->path());
        m_dm->openStartDatasets();
    }

    void init()
    {
        run(QStringLiteral("delete from ordemserv"));
        run(QStringLiteral("delete from clientes"));
        setHeader({QStringLiteral("Meridel Assistência Técnica"), QStringLiteral("Rua das Flores, 10 - Centro"),
                   QStringLiteral("Consertos de informática e eletrônicos"), QStringLiteral("Fone 13 3222-0000"),
                   QStringLiteral("A garantia cobre somente o serviço executado."),
                   QStringLiteral("Aparelhos não retirados em 90 dias serão descartados.")});
        addClient();
    }

    void cleanupTestCase()
    {
        m_dm.reset();
        m_files.reset();
    }

    // The whole filled order on one A4 Plus page, in Liberation Sans (the
    // shop's Arial), with the shop's header, the order number at the right.
    void filledOrderOnOnePage()
    {
        addOrder(kOrder, 1);
        const Printed p = printOrder(kOrder, QStringLiteral("ordem-de-servico"));
        QCOMPARE(p.title, QStringLiteral("Ordem de Serviço"));
        QCOMPARE(p.pdf->pageCount(), 1);
        QCOMPARE(p.pdf->pageSizeMm(0).toSize(), QSize(210, 330));
        for (const QString &word : dataWords() + fixedWords())
            QVERIFY2(p.has(word), qPrintable(word));
        for (const QString &text : formTexts())
            if (!text.startsWith(u'('))   // the marks: see warrantyMarks
                QVERIFY2(p.text(text), qPrintable(text));
        // Not printed: the technician, the status, the discount, the voltages, the client's other columns.
        for (const char *absent : {"Tecnico", "Silva", "Andamento", "5,25", "12345678900", "joana@exemplo.com.br"})
            QVERIFY2(!p.has(QString::fromUtf8(absent)), absent);

        // Arial is drawn with its metric twin, so every position is stable.
        const QString fonts = pdfFonts(p.path);
        QVERIFY2(fonts.contains(QLatin1String("LiberationSans-Bold")), qPrintable(fonts));
        QVERIFY2(fonts.contains(QLatin1String("\nLiberationSans ")), qPrintable(fonts));

        // The header: CAB1 in 18 pt bold, the other lines and the number's caption regular.
        const QRectF cab1 = p.at(QStringLiteral("Meridel"));
        QVERIFY(near(cab1.left(), kMargin + 1.6) && near(cab1.top(), kMargin + 0.0));
        QVERIFY(near(p.at(QStringLiteral("Flores,")).top(), kMargin + 9.5));
        QVERIFY(near(p.at(QStringLiteral("Consertos")).top(), kMargin + 15.6));
        QVERIFY(near(p.at(QStringLiteral("Fone")).top(), kMargin + 21.7));
        const QRectF os = p.at(QStringLiteral("OS:")), number = p.at(QStringLiteral("000007"));
        QVERIFY(near(os.left(), kMargin + 141.0) && near(os.top(), kMargin + 9.5));
        QVERIFY(near(number.right(), kMargin + 176.7) && near(number.top(), kMargin + 9.5));
        QVERIFY(os.right() < number.left());
        const auto fontOf = [&](const QString &text) {
            const report::TextElement *t = p.text(text);
            return t ? std::make_pair(t->font.pointSizeF(), t->font.bold()) : std::make_pair(0.0, false);
        };
        QCOMPARE(fontOf(QStringLiteral("Meridel Assistência Técnica")), std::make_pair(18.0, true));
        QCOMPARE(fontOf(QStringLiteral("Rua das Flores, 10 - Centro")), std::make_pair(10.0, false));
        QCOMPARE(fontOf(QStringLiteral("OS:")), std::make_pair(16.0, false));
        QCOMPARE(fontOf(QStringLiteral("000007")), std::make_pair(16.0, false));
        QCOMPARE(fontOf(QStringLiteral("Nome:")), std::make_pair(10.0, true));
        QCOMPARE(fontOf(QStringLiteral("Joana Prado")), std::make_pair(10.0, false));
        QCOMPARE(fontOf(QStringLiteral("Assinatura do Cliente")), std::make_pair(10.0, false));
        QCOMPARE(fontOf(QStringLiteral("A garantia cobre somente o serviço executado.")), std::make_pair(10.0, true));
        // The printed sizes agree: 18 and 16 pt against 10 pt.
        const double tenPoint = p.at(QStringLiteral("Flores,")).height();
        QVERIFY(qAbs(cab1.height() / tenPoint - 1.8) < 0.1);
        QVERIFY(qAbs(number.height() / tenPoint - 1.6) < 0.1);
        QVERIFY(p.hasLine(QLineF(kMargin + 1.6, kMargin + 25.9, kMargin + 186.8, kMargin + 25.9)));
    }

    // Each caption ends just left of its value, on the value's line.
    void captionsAndValues_data()
    {
        QTest::addColumn<QString>("caption");   // the caption's last word
        QTest::addColumn<QString>("value");     // the value's first word
        QTest::addColumn<double>("valueLeft");
        QTest::addColumn<double>("top");
        QTest::newRow("NOME") << "Nome:" << "Joana" << 39.2 << 2.4;
        QTest::newRow("FONECOM") << "Comercial:" << "1332220001" << 39.2 << 7.9;
        QTest::newRow("FONERES") << "Residencial:" << "1332220002" << 142.6 << 7.9;
        QTest::newRow("FONECEL") << "Celular:" << "13999990003" << 39.2 << 13.5;
        QTest::newRow("CIDADE") << "Cidade:" << "Santos" << 142.6 << 13.5;
        QTest::newRow("END1") << "Endereço:" << "Rua" << 39.2 << 19.1;
        QTest::newRow("UF") << "UF:" << "SP" << 142.6 << 19.1;
        QTest::newRow("END2") << QString() << "Bloco" << 39.2 << 24.6;
        QTest::newRow("CEP") << "CEP:" << "11015-000" << 142.6 << 24.6;
        QTest::newRow("DATACAD") << "Cadastro:" << "05/03/2026" << 47.6 << 32.8;
        QTest::newRow("DATAENTREGA") << "Entrega:" << "10/03/2026" << 47.6 << 38.6;
        QTest::newRow("SOLICITANTE") << "Solicitante:" << "Marcos" << 47.6 << 44.5;
        QTest::newRow("DESCRICAO") << "Produto:" << "Notebook" << 47.6 << 50.3;
        QTest::newRow("NFISCAL") << "Fiscal:" << "NF4512" << 47.6 << 56.1;
        QTest::newRow("DATAEMI") << "Emissão:" << "04/03/2026" << 128.9 << 56.1;
        QTest::newRow("VALORPECAS") << "Peças:" << "R$" << 43.1 << 129.9;
        QTest::newRow("VALORSERV") << "Obra:" << "R$" << 43.1 << 135.7;
        QTest::newRow("VALORDESLOC") << "Deslocamento:" << "R$" << 43.1 << 141.6;
        QTest::newRow("VALORTOT") << "Total:" << "R$" << 43.1 << 147.4;
        QTest::newRow("FORMAPAGTO") << "Pagamento:" << "Cartão" << 43.1 << 153.7;
    }
    void captionsAndValues()
    {
        QFETCH(QString, caption);
        QFETCH(QString, value);
        QFETCH(double, valueLeft);
        QFETCH(double, top);
        addOrder(kOrder, 1);
        const Printed p = printOrder(kOrder, QStringLiteral("campos"));
        const double y = kDetailTop + top;
        const std::optional<QRectF> v = p.onLine(value, y);
        QVERIFY2(v, qPrintable(value));
        QVERIFY2(near(v->left(), kMargin + valueLeft), qPrintable(QString::number(v->left())));
        if (caption.isEmpty())
            return;
        const std::optional<QRectF> c = p.onLine(caption, y);
        QVERIFY2(c, qPrintable(caption));
        QVERIFY2(c->right() < v->left() && c->right() > v->left() - 1.6, qPrintable(QString::number(c->right())));
    }

    // The amounts start at 43.1 with the currency sign, Brazilian separators.
    void amountsInReais()
    {
        addOrder(kOrder, 1);
        const Printed p = printOrder(kOrder, QStringLiteral("valores"));
        const QStringList expected[] = {{"R$", "1.234,50"}, {"R$", "80,00"}, {"R$", "0,00"}, {"R$", "1.309,25"}};
        const double tops[] = {129.9, 135.7, 141.6, 147.4};
        for (int i = 0; i < 4; ++i) {
            const QRectF region(kMargin + 43.0, kDetailTop + tops[i] - 0.5, 60, 4);
            QCOMPARE(p.within(region), expected[i]);
            QVERIFY(p.text(expected[i].join(u' ')));
        }
    }

    // GARANTIAITEM 1 marks "SIM", 2 marks "NÃO", anything else neither; the
    // warranty text prints in its box whichever is marked.
    void warrantyMarks_data()
    {
        QTest::addColumn<QVariant>("item");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("no");
        QTest::newRow("1 Garantia") << QVariant(1) << "( X ) SIM" << "(  ) NÃO";
        QTest::newRow("2 Fora de Garantia") << QVariant(2) << "(  ) SIM" << "( X ) NÃO";
        QTest::newRow("empty") << QVariant() << "(  ) SIM" << "(  ) NÃO";
        QTest::newRow("0") << QVariant(0) << "(  ) SIM" << "(  ) NÃO";
    }
    void warrantyMarks()
    {
        QFETCH(QVariant, item);
        QFETCH(QString, yes);
        QFETCH(QString, no);
        addOrder(kOrder, item);
        const Printed p = printOrder(kOrder, QStringLiteral("garantia"));
        const double y = kDetailTop + 131.0;
        const report::TextElement *yesText = p.text(yes), *noText = p.text(no);
        QVERIFY2(yesText && noText, qPrintable(yes + " / " + no));
        QVERIFY(near(yesText->rect.left(), kMargin + 132.8) && near(yesText->rect.top(), y));
        QVERIFY(near(noText->rect.left(), kMargin + 152.4) && near(noText->rect.top(), y));
        QVERIFY(!yesText->font.bold() && !noText->font.bold());
        // On paper: the words of each mark where it stands.
        const auto spaced = [](const QString &mark) { return mark.simplified().split(u' '); };
        QCOMPARE(p.within(QRectF(kMargin + 132.5, y - 0.5, 19.5, 4)), spaced(yes));
        QCOMPARE(p.within(QRectF(kMargin + 152.1, y - 0.5, 30, 4)), spaced(no));
        QVERIFY(p.has(QStringLiteral("Noventa")));
        QVERIFY(near(p.at(QStringLiteral("Noventa")).top(), kDetailTop + 139.4));
    }

    // A blank form after a filled one keeps the header, the captions and the
    // conditions and shows no data and no mark; the order printed after it
    // shows everything again.
    void blankFormBetweenOrders()
    {
        addOrder(kOrder, 1);
        const Printed before = printOrder(kOrder, QStringLiteral("antes"));
        QVERIFY(before.has(QStringLiteral("X")));

        const Printed blank = printBlank(QStringLiteral("os-em-branco"));
        QCOMPARE(blank.title, QStringLiteral("Ordem de Serviço"));
        QCOMPARE(blank.pdf->pageCount(), 1);
        for (const QString &word : fixedWords())
            QVERIFY2(blank.has(word), qPrintable(word));
        for (const QString &word : dataWords() + dataWords(kOrder + 1) + QStringList{"X"})
            QVERIFY2(!blank.has(word), qPrintable(word));
        QVERIFY(blank.text(QStringLiteral("(  ) SIM")) && blank.text(QStringLiteral("(  ) NÃO")));
        // Exactly the form's own texts, on the preview's page and on paper.
        QStringList texts;
        for (const report::Element &e : blank.document.pages.front().elements)
            if (const auto *t = std::get_if<report::TextElement>(&e))
                texts << t->text;
        QStringList expected = formTexts(), printedWords = blank.words(), expectedWords = fixedWords();
        texts.sort();
        expected.sort();
        printedWords.sort();
        expectedWords.sort();
        QCOMPARE(texts, expected);
        QCOMPARE(printedWords, expectedWords);
        // The rules and boxes are the same as on a filled order.
        QCOMPARE(blank.lines(), before.lines());

        addOrder(kOrder + 1, 2);
        const Printed after = printOrder(kOrder + 1, QStringLiteral("depois"));
        for (const QString &word : dataWords(kOrder + 1))
            QVERIFY2(after.has(word), qPrintable(word));
        QVERIFY(after.text(QStringLiteral("( X ) NÃO")));
        QCOMPARE(before.words().size(), after.words().size());
    }

    // For e-mail the editor lays the filled order out without a preview,
    // even right after a blank form.
    void pagesForEmail()
    {
        addOrder(kOrder, 2);
        TRelOSForm &form = TRelOSForm::of(*m_dm);
        form.fillBlank();
        Messages::Script script;   // any box or window shown would be counted here
        int windows = 0;
        script.onModal([&](QDialog *) { ++windows; });
        const report::Document document = form.prepare(kClient, kOrder);
        QVERIFY(script.shown().isEmpty());
        QCOMPARE(windows, 0);
        QCOMPARE(int(document.pages.size()), 1);
        QStringList texts;
        for (const report::Element &e : document.pages.front().elements)
            if (const auto *t = std::get_if<report::TextElement>(&e))
                texts << t->text;
        for (const char *text : {"000007", "Joana Prado", "Notebook Lenovo", "(  ) SIM", "( X ) NÃO", "R$ 1.234,50"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    }

    // "OS" › "OS em Branco" opens the blank form's preview.
    void blankFormFromTheMenu()
    {
        addOrder(kOrder, 1);
        TRelOSForm::of(*m_dm).fill(kClient, kOrder);
        QWidget mainWindow;
        QVERIFY(Modules::isRegistered(QStringLiteral("OSEmBranco")));
        const Printed p = printed([&] { QVERIFY(Modules::open(QStringLiteral("OSEmBranco"), &mainWindow)); },
                                  QStringLiteral("menu"));
        QCOMPARE(p.title, QStringLiteral("Ordem de Serviço"));
        QVERIFY(p.has(QStringLiteral("Meridel")) && p.has(QStringLiteral("Nome:")));
        QVERIFY(!p.has(QStringLiteral("Joana")) && !p.has(QStringLiteral("000007")) && !p.has(QStringLiteral("X")));
        // The template is made once and reused.
        QCOMPARE(&TRelOSForm::of(*m_dm), &TRelOSForm::of(*m_dm));
        QCOMPARE(m_dm->findChildren<TRelOSForm *>().size(), 1);
    }

    // The rules, the quote/warranty divider, the notes box with its six
    // writing lines, the conditions and the signatures, at their places.
    void rulesAndFooter()
    {
        const Printed p = printBlank(QStringLiteral("rodape"));
        const double x = kMargin;
        for (double top : {29.9, 62.2, 90.5, 118.8})
            QVERIFY2(p.hasLine(QLineF(x + 1.6, kDetailTop + top, x + 186.8, kDetailTop + top)), qPrintable(QString::number(top)));
        QVERIFY(p.hasLine(QLineF(x + 110.1, kDetailTop + 122.0, x + 110.1, kDetailTop + 161.7)));
        for (double top : {15.1, 21.4, 27.8, 34.1, 40.5, 46.8})
            QVERIFY2(p.hasLine(QLineF(x + 8.7, kFooterTop + top, x + 180.1, kFooterTop + top)), qPrintable(QString::number(top)));
        QVERIFY(p.hasLine(QLineF(x + 18.0, kFooterTop + 78.1, x + 70.9, kFooterTop + 78.1)));
        QVERIFY(p.hasLine(QLineF(x + 115.9, kFooterTop + 78.1, x + 168.8, kFooterTop + 78.1)));
        QCOMPARE(int(p.lines().size()), 1 + 4 + 1 + 6 + 2);
        bool box = false;
        const QRectF notesBox(x + 4.5, kFooterTop + 9.0, 180.7, 45.5);
        for (const report::Element &e : p.document.pages.front().elements)
            if (const auto *b = std::get_if<report::BoxElement>(&e))
                box = box || (qAbs(b->rect.left() - notesBox.left()) < 0.05 && qAbs(b->rect.top() - notesBox.top()) < 0.05
                              && qAbs(b->rect.width() - notesBox.width()) < 0.05
                              && qAbs(b->rect.height() - notesBox.height()) < 0.05 && b->penMm > 0);
        QVERIFY(box);

        // The writing lines and the box reach the paper.
        const QImage page = renderPdfPage(p.path, 0, 100);
        const auto dark = [&](double xMm, double yMm) {
            const double px = 100 / 25.4;
            for (int dy = -1; dy <= 1; ++dy)
                if (qGray(page.pixel(qRound(xMm * px), qRound(yMm * px) + dy)) < 128)
                    return true;
            return false;
        };
        for (double top : {15.1, 21.4, 27.8, 34.1, 40.5, 46.8})
            QVERIFY(dark(x + 100, kFooterTop + top));
        QVERIFY(dark(x + 4.5 + 90, kFooterTop + 9.0));
        QVERIFY(!dark(x + 100, kFooterTop + 18.0));

        const QRectF notes = p.at(QStringLiteral("Anotações"));
        QVERIFY(near(notes.left(), x + 5.0) && near(notes.top(), kFooterTop + 3.2));
        QVERIFY(p.text(QStringLiteral("Anotações Gerais:"))->font.bold());
        // The conditions, centred over the writing lines.
        const double centre = x + 8.7 + 171.4 / 2;
        const QRectF c1 = p.at(QStringLiteral("A")), c1End = p.at(QStringLiteral("executado."));
        QVERIFY(near(c1.top(), kFooterTop + 57.1) && qAbs((c1.left() + c1End.right()) / 2 - centre) < 0.5);
        const QRectF c2 = p.at(QStringLiteral("Aparelhos")), c2End = p.at(QStringLiteral("descartados."));
        QVERIFY(near(c2.top(), kFooterTop + 63.2) && qAbs((c2.left() + c2End.right()) / 2 - centre) < 0.5);
        const auto signatures = p.pdf->find(QStringLiteral("Assinatura"));
        QCOMPARE(int(signatures.size()), 2);
        QVERIFY(near(signatures[0].mm.left(), x + 24.1) && near(signatures[0].mm.top(), kFooterTop + 80.7));
        QVERIFY(near(signatures[1].mm.left(), x + 120.4) && near(signatures[1].mm.top(), kFooterTop + 80.7));
        // The headings of the sections.
        const auto centredOver = [&](const QString &first, const QString &last, double left, double width, double top) {
            const QRectF a = p.at(first), b = p.at(last);
            return near(a.top(), kDetailTop + top) && qAbs((a.left() + b.right()) / 2 - (x + left + width / 2)) < 0.5;
        };
        QVERIFY(centredOver(QStringLiteral("Defeito"), QStringLiteral("Reclamado"), 1.6, 185.2, 65.4));
        QVERIFY(centredOver(QStringLiteral("Reparos"), QStringLiteral("Manutenção"), 1.6, 185.2, 93.7));
        QVERIFY(centredOver(QStringLiteral("Orçamento"), QStringLiteral("Orçamento"), 1.6, 106.9, 123.3));
        QVERIFY(centredOver(QStringLiteral("Garantia"), QStringLiteral("Garantia"), 111.9, 74.9, 123.3));
    }

    // Text longer than its box is cut at the box's lower edge; nothing goes
    // to a second page.
    void boxesCutAtTheirLowerEdge_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<bool>("centred");
        QTest::newRow("ANOTA") << "ANOTA" << 1.6 << 71.4 << 185.2 << 17.5 << false;
        QTest::newRow("REPARO") << "REPARO" << 1.6 << 99.7 << 185.2 << 17.5 << false;
        QTest::newRow("GARANTIA") << "GARANTIA" << 111.9 << 139.4 << 74.9 << 18.8 << true;
    }
    void boxesCutAtTheirLowerEdge()
    {
        QFETCH(QString, column);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(bool, centred);
        // Words numbered in order: whole words from the start, up to where the box is full.
        QStringList words;
        for (int i = 1; words.join(u' ').size() < 190; ++i)
            words << QStringLiteral("palavra%1").arg(i);
        const QString text = column == QLatin1String("GARANTIA") ? words.join(u' ')
                                                                  : QStringLiteral("Primeira linha\nSegunda\nTerceira\n")
                + words.join(u' ');
        addOrder(kOrder, 1, column == QLatin1String("ANOTA") ? text : QString(),
                 column == QLatin1String("REPARO") ? text : QString(), column == QLatin1String("GARANTIA") ? text : QString());
        const Printed p = printOrder(kOrder, QStringLiteral("caixa"));
        QCOMPARE(p.pdf->pageCount(), 1);

        const QRectF box(kMargin + left, kDetailTop + top, width, height);
        const QStringList inBox = p.within(box.adjusted(-0.3, -0.3, 0.3, 0.3));
        const QStringList all = text.simplified().split(u' ');
        QVERIFY(inBox.size() > 4);
        QVERIFY2(inBox.size() < all.size(), qPrintable(inBox.join(u' ')));
        QCOMPARE(inBox, all.mid(0, inBox.size()));
        QVERIFY(!p.has(all.last()));
        QSet<int> lineTops;
        for (const PdfWord &w : p.pdf->words())
            if (box.contains(w.mm.center())) {
                QVERIFY2(box.adjusted(-0.3, -0.3, 0.3, 0.3).contains(w.mm), qPrintable(w.text));
                lineTops.insert(qRound(w.mm.top() * 10));
            }
        QCOMPARE(lineTops.size(), 4);   // 10 pt lines are about 4.1 mm apart
        // Nothing of the text anywhere else on the page.
        for (const PdfWord &w : p.pdf->words())
            QVERIFY2(!w.text.startsWith(QLatin1String("palavra")) || box.contains(w.mm.center()), qPrintable(w.text));
        if (centred) {
            const QRectF first = p.at(QStringLiteral("palavra1"));
            double right = 0;
            for (const PdfWord &w : p.pdf->words())
                if (qAbs(w.mm.top() - first.top()) < 0.3 && box.contains(w.mm.center()))
                    right = qMax(right, w.mm.right());
            QVERIFY(qAbs((first.left() + right) / 2 - box.center().x()) < 0.5);
        }
    }

    // A settings row without header lines leaves the header area empty; the
    // order number still prints at the right.
    void emptyHeaderLines()
    {
        setHeader({QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
        addOrder(kOrder, 1);
        const Printed p = printOrder(kOrder, QStringLiteral("sem-cabecalho"));
        QCOMPARE(p.within(QRectF(0, 0, 210, kMargin + 25.9)), (QStringList{"OS:", "000007"}));
        QVERIFY(near(p.at(QStringLiteral("000007")).right(), kMargin + 176.7));
        QVERIFY(p.has(QStringLiteral("Joana")));
        QVERIFY(!p.has(QStringLiteral("cobre")));
    }

    // An order or a client that is no longer there prints the form once with
    // empty values and no mark.
    void orderNoLongerThere()
    {
        addOrder(kOrder, 1);
        printOrder(kOrder, QStringLiteral("existe"));
        const Printed p = printed([&] { TRelOSForm::of(*m_dm).imprimir(nullptr, 99, 98); }, QStringLiteral("sumiu"));
        QCOMPARE(p.pdf->pageCount(), 1);
        QVERIFY(p.has(QStringLiteral("Nome:")) && p.has(QStringLiteral("Meridel")));
        for (const QString &word : dataWords() + QStringList{"X"})
            QVERIFY2(!p.has(word), qPrintable(word));
    }
};

QTEST_MAIN(TestRelOS)
#include "tst_relos.moc"
