// The stock reports: the stock report window's filter and grid colours, the
// movement report of a period and type, and the current-stock report of every
// product whatever the list shows, each read back from its PDF; and the
// white/silver switch that goes on from one print to the next.

#include "dbgrid.h"
#include "modules.h"
#include "pdfprobe.h"
#include "preview.h"
#include "produtosfixture.h"
#include "produtoslista.h"
#include "registerswindows.h"
#include "relestoque.h"
#include "relestoqueimp.h"
#include "renderer.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

const QDateTime kPrintedAt(QDate(2026, 12, 11), QTime(9, 30, 0));

// The report a button previews, written to a PDF and read back.
struct Printed {
    QString title;
    QString text;
    QSizeF pageMm;
    std::vector<QColor> rowFills;
    std::unique_ptr<PdfProbe> probe;
};

Printed printFrom(QAbstractButton *button, const QString &pdfPath)
{
    Printed printed;
    Messages::Script script;
    script.onModal([&](QDialog *dialog) {
        auto *preview = qobject_cast<report::PreviewDialog *>(dialog);
        QVERIFY(preview);
        printed.title = preview->windowTitle();
        QVERIFY(report::Renderer::writePdf(preview->document(), pdfPath));
        for (const report::Page &page : preview->document().pages)
            for (const report::Element &element : page.elements)
                if (const auto *box = std::get_if<report::BoxElement>(&element); box && box->fill.isValid())
                    printed.rowFills.push_back(box->fill);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    printed.probe = std::make_unique<PdfProbe>(pdfPath);
    if (printed.probe->isValid() && printed.probe->pageCount() > 0) {
        printed.text = printed.probe->pageText(0).simplified();
        printed.pageMm = printed.probe->pageSizeMm(0);
    }
    return printed;
}

} // namespace

class TestRelEstoque : public ProductsTest
{
    Q_OBJECT

    QTemporaryDir m_out;

    // "Relatórios" › "Relatório de Estoque": the movements dataset opened if closed, then the window.
    TRelForm *openReportWindow()
    {
        if (!movements()->isOpen())
            movements()->open();
        Modules::open(QStringLiteral("TRelForm"), m_main.get());
        auto *window = m_main->window<TRelForm>();
        window->show();
        return window;
    }

    void choose(TRelForm *window, const QString &type, const QDate &first, const QDate &last)
    {
        for (QRadioButton *b : window->findChildren<QRadioButton *>())
            if (b->text() == type)
                QTest::mouseClick(b, Qt::LeftButton);
        findNamed<QDateEdit>(window, QStringLiteral("Data de Entrada/Saida"))->setDate(first);
        findNamed<QDateEdit>(window, QStringLiteral("à"))->setDate(last);
    }

    QList<int> shownKeys(TRelForm *window)
    {
        QList<int> keys;
        for (int row = 0; row < window->grid()->model()->rowCount(); ++row)
            keys << window->grid()->datasetModel()->value(row, QStringLiteral("IDPRODENT")).toInt();
        std::sort(keys.begin(), keys.end());
        return keys;
    }

    void seedMarch()
    {
        m_db->addMovement(1, QStringLiteral("entrada"), QDate(2026, 3, 1), 5, QStringLiteral("0000007"),
                          QStringLiteral("PARAFUSO"), QStringLiteral("nota fiscal 12"));
        m_db->addMovement(2, QStringLiteral("saida"), QDate(2026, 3, 15), 2, QStringLiteral("0000008"),
                          QStringLiteral("ARRUELA"), QStringLiteral("Venda Nº 3"));
        m_db->addMovement(3, QStringLiteral("entrada"), QDate(2026, 3, 31), 1, QStringLiteral("0000009"),
                          QStringLiteral("FUSIVEL"));
        m_db->addMovement(4, QStringLiteral("saida"), QDate(2026, 4, 1), 7, QStringLiteral("0000007"),
                          QStringLiteral("PARAFUSO"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        Registers::registerProductWindows();
        report::Report::setClock([] { return kPrintedAt; });
    }
    void init()
    {
        openShop();
        m_db->run(QStringLiteral("update config set cab1 = 'Meridel Assistencia', cab2 = 'Rua das Flores, 10', "
                                 "cab3 = 'Santos - SP', cab4 = 'Fone 13 3222-0000' where idconfig = 1"));
    }
    void cleanup() { closeShop(); }

    void opensOnTodaysMovementsInTheirColours()
    {
        const QDate today = QDate::currentDate();
        m_db->addMovement(1, QStringLiteral("entrada"), today, 5, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"));
        m_db->addMovement(2, QStringLiteral("saida"), today, 1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"),
                          QStringLiteral("Venda Nº 9"));
        m_db->addMovement(3, QStringLiteral("entrada"), today.addDays(-1), 5, QStringLiteral("0000001"),
                          QStringLiteral("PARAFUSO"));
        TRelForm *window = openReportWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Relatório de Estoque - Entrada / Saida"));
        QStringList titles;
        for (int c = 0; c < window->grid()->model()->columnCount(); ++c)
            titles << window->grid()->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, (QStringList{"Data Entrada / Saida", "Cod. Produto", "Descrição", "Qtde Entrada / Saida",
                                      "Fornecedor", "Observação"}));
        QCOMPARE(shownKeys(window), (QList<int>{1, 2}));
        for (int row = 0; row < 2; ++row) {
            const bool entry = window->grid()->datasetModel()->value(row, QStringLiteral("TIPO")).toString() == "entrada";
            const QColor expected = entry ? QColor(0, 0, 255) : QColor(255, 0, 0);
            QCOMPARE(window->grid()->textColourFor(row, false), std::optional<QColor>(expected));
            QCOMPARE(window->grid()->textColourFor(row, true), std::optional<QColor>(expected));
        }
        // The sale's observation shows in the grid.
        const int saleRow = window->grid()->datasetModel()->value(0, QStringLiteral("IDPRODENT")).toInt() == 2 ? 0 : 1;
        QCOMPARE(window->grid()->datasetModel()->plainText(saleRow, 5), QStringLiteral("Venda Nº 9"));
        // Esc does not close it.
        QTest::keyClick(window->grid(), Qt::Key_Escape);
        QVERIFY(window->isVisible());
    }

    void staysQuickOnALargeTable()
    {
        m_db->run(QStringLiteral("execute block as declare i integer = 1; begin while (i <= 3000) do begin "
                                 "insert into prodent (idprodent, tipo, datacad, qtdeent) values (:i, 'entrada', "
                                 "'TODAY', 1); i = i + 1; end end"));
        TRelForm *window = openReportWindow();
        QVERIFY(!movements()->allFetched());
        QVERIFY(window->grid()->model()->rowCount() < 3000);
        click(window, QStringLiteral("Filtrar [Estoque]"));
        QVERIFY(!movements()->allFetched());
    }

    void filter_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("every type, both ends included")
            << QStringLiteral("Todos") << QDate(2026, 3, 1) << QDate(2026, 3, 31)
            << QStringLiteral("select * from prodent where datacad between \"2026/03/01\" and \"2026/03/31\"")
            << QList<int>{1, 2, 3};
        QTest::newRow("entries only")
            << QStringLiteral("Entrada de Produto") << QDate(2026, 3, 1) << QDate(2026, 4, 30)
            << QStringLiteral("select * from prodent where tipo=\"entrada\" and datacad between \"2026/03/01\" and \"2026/04/30\"")
            << QList<int>{1, 3};
        QTest::newRow("exits only")
            << QStringLiteral("Saída de Produto") << QDate(2026, 3, 1) << QDate(2026, 4, 30)
            << QStringLiteral("select * from prodent where tipo=\"saida\" and datacad between \"2026/03/01\" and \"2026/04/30\"")
            << QList<int>{2, 4};
        QTest::newRow("one day") << QStringLiteral("Todos") << QDate(2026, 3, 15) << QDate(2026, 3, 15)
                                 << QStringLiteral("select * from prodent where datacad between \"2026/03/15\" and \"2026/03/15\"")
                                 << QList<int>{2};
        QTest::newRow("last day before the first") << QStringLiteral("Todos") << QDate(2026, 3, 31) << QDate(2026, 3, 1)
                                                   << QStringLiteral("select * from prodent where datacad between \"2026/03/31\" and \"2026/03/01\"")
                                                   << QList<int>{};
    }
    void filter()
    {
        QFETCH(QString, type);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, statement);
        QFETCH(QList<int>, keys);
        seedMarch();
        TRelForm *window = openReportWindow();
        choose(window, type, first, last);
        click(window, QStringLiteral("Filtrar [Estoque]"));
        QCOMPARE(movements()->sql(), statement);
        QCOMPARE(shownKeys(window), keys);
    }

    void movementReportOfAPeriodAndType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QStringList>("notPrinted");
        QTest::newRow("every type") << QStringLiteral("Todos")
                                    << QStringList{"entrada 01/03/2026 0000007 PARAFUSO 5", "saida 15/03/2026 0000008 ARRUELA 2",
                                                   "entrada 31/03/2026 0000009 FUSIVEL 1"}
                                    << QStringList{"01/04/2026", "nota fiscal", "Venda"};
        QTest::newRow("exits") << QStringLiteral("Saída de Produto") << QStringList{"saida 15/03/2026 0000008 ARRUELA 2"}
                               << QStringList{"PARAFUSO", "FUSIVEL"};
    }
    void movementReportOfAPeriodAndType()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, printed);
        QFETCH(QStringList, notPrinted);
        seedMarch();
        TRelForm *window = openReportWindow();
        const QString gridStatement = movements()->sql();
        // The choices need not have been filtered first.
        choose(window, type, QDate(2026, 3, 1), QDate(2026, 3, 31));
        const Printed report = printFrom(findNamed<QAbstractButton>(window, QStringLiteral("Imprimir")), m_out.filePath("ent.pdf"));
        QCOMPARE(report.title, QStringLiteral("Relatório de Estoque. Entrada / Saida de Produtos."));
        QCOMPARE(report.pageMm.toSize(), QSize(210, 330));
        for (const QString expected :
             {"Meridel Assistencia", "Rua das Flores, 10", "Santos - SP", "Fone 13 3222-0000",
              "RELATÓRIO DE ESTOQUE. ENTRADA / SAIDA DE PRODUTOS.", "Data de Entrada / Saida 01/03/2026 ao dia 31/03/2026",
              "Tipo Data Ent/Sai Cod. Produto Produto Quantidade", "11/12/2026 09:30:00"})
            QVERIFY2(report.text.contains(expected), qPrintable(expected + " in " + report.text));
        for (const QString &line : printed)
            QVERIFY2(report.text.contains(line), qPrintable(line + " in " + report.text));
        for (const QString &absent : notPrinted)
            QVERIFY2(!report.text.contains(absent), qPrintable(absent));
        QCOMPARE(int(report.rowFills.size()), printed.size());
        // The rows come in the database's order, one under the other, title above the headings.
        const auto title = report.probe->find(QStringLiteral("RELATÓRIO"));
        const auto titleEnd = report.probe->find(QStringLiteral("PRODUTOS."));
        const auto headings = report.probe->find(QStringLiteral("Tipo"));
        QVERIFY(!title.empty() && !titleEnd.empty() && !headings.empty());
        QVERIFY(title.front().mm.top() < headings.front().mm.top());
        // Centred on the page.
        QVERIFY(qAbs((title.front().mm.left() + titleEnd.front().mm.right()) / 2 - 105) < 2);
        // Printing moved nothing the window shows.
        QCOMPARE(movements()->sql(), gridStatement);
    }

    void reportOfADayWithoutMovements()
    {
        TRelForm *window = openReportWindow();
        QCOMPARE(window->grid()->model()->rowCount(), 0);
        const Printed report = printFrom(findNamed<QAbstractButton>(window, QStringLiteral("Imprimir")), m_out.filePath("empty.pdf"));
        const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
        QVERIFY(report.text.contains(QStringLiteral("Meridel Assistencia")));
        QVERIFY(report.text.contains(QStringLiteral("RELATÓRIO DE ESTOQUE. ENTRADA / SAIDA DE PRODUTOS.")));
        QVERIFY(report.text.contains(QStringLiteral("Data de Entrada / Saida %1 ao dia %1").arg(today)));
        QVERIFY(report.rowFills.empty());
        QVERIFY(!report.text.contains(QStringLiteral("entrada")));
    }

    void currentStockReportIgnoresTheListsSearch()
    {
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"), 10, -1, {}, 12.5, 1234.5);
        m_db->addProduct(2, QStringLiteral("0000002"), QStringLiteral("ARRUELA"), 3, -1, {}, 0.1, 0.25);
        m_db->addProduct(3, QStringLiteral("0000003"), QStringLiteral("FUSIVEL"), 0, -1, {}, 2, 3);
        TProdForm *list = productList();
        QTest::keyClicks(findNamed<QLineEdit>(list, QStringLiteral("Procurar Produto")), QStringLiteral("parafuso"));
        click(list, QStringLiteral("Procurar"));
        QCOMPARE(list->grid()->model()->rowCount(), 1);
        const QString searched = m_db->dm.ProdForneQuery->sql();

        const Printed report = printFrom(findNamed<QAbstractButton>(list, QStringLiteral("Imprimir Estoque Atual")),
                                         m_out.filePath("estoque.pdf"));
        QCOMPARE(report.title, QStringLiteral("Relatório de Estoque Atual"));
        QCOMPARE(report.pageMm.toSize(), QSize(210, 330));
        for (const QString expected :
             {"Meridel Assistencia", "Fone 13 3222-0000", "RELATÓRIO DE ESTOQUE ATUAL",
              "Cod. Produto Produto Custo de Compra Custo de Venda Quantidade", "0000001 PARAFUSO R$ 12,50 R$ 1234,50 10",
              "0000002 ARRUELA R$ 0,10 R$ 0,25 3", "0000003 FUSIVEL R$ 2,00 R$ 3,00 0"})
            QVERIFY2(report.text.contains(expected), qPrintable(expected + " in " + report.text));
        // The date of printing stands under the title, where the other report has its period.
        const auto title = report.probe->find(QStringLiteral("ATUAL"));
        const auto date = report.probe->find(QStringLiteral("11/12/2026"));
        QVERIFY(!title.empty() && !date.empty());
        QVERIFY(date.front().mm.top() > title.front().mm.top());
        QVERIFY(date.front().mm.top() < report.probe->find(QStringLiteral("Custo")).front().mm.top());
        QCOMPARE(m_db->dm.ProdForneQuery->sql(), searched);
        QCOMPARE(list->grid()->model()->rowCount(), 1);
    }

    // The switch starts white and is never reset: a print of three rows
    // leaves it on silver, so the next print starts with a silver line.
    void shadingGoesOnFromPrintToPrint()
    {
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("A"));
        m_db->addProduct(2, QStringLiteral("0000002"), QStringLiteral("B"));
        m_db->addProduct(3, QStringLiteral("0000003"), QStringLiteral("C"));
        TProdForm *list = productList();
        auto *button = findNamed<QAbstractButton>(list, QStringLiteral("Imprimir Estoque Atual"));
        const QColor white(255, 255, 255), silver(192, 192, 192);
        const Printed first = printFrom(button, m_out.filePath("s1.pdf"));
        QCOMPARE(first.rowFills, (std::vector<QColor>{white, silver, white}));
        const Printed second = printFrom(button, m_out.filePath("s2.pdf"));
        QCOMPARE(second.rowFills, (std::vector<QColor>{silver, white, silver}));
        // Each report has its own switch.
        m_db->addMovement(1, QStringLiteral("entrada"), QDate::currentDate(), 1, QStringLiteral("0000001"), QStringLiteral("A"));
        TRelForm *window = openReportWindow();
        const Printed movementsReport = printFrom(findNamed<QAbstractButton>(window, QStringLiteral("Imprimir")),
                                                  m_out.filePath("s3.pdf"));
        QCOMPARE(movementsReport.rowFills, (std::vector<QColor>{white}));
    }
};

QTEST_MAIN(TestRelEstoque)
#include "tst_relestoque.moc"
