// The product windows as the shop uses them: the list opened from the main
// window (search, colours, keys), the record window (new product with its
// proposed number, the duplicate test, edit, delete, groups, supplier boxes,
// digit-only quantities) and the picker that fills a sale item.

#include "dbgrid.h"
#include "modules.h"
#include "produtoscad.h"
#include "produtoscodigo.h"
#include "produtosfixture.h"
#include "produtosgrupos.h"
#include "produtoslista.h"
#include "produtospicker.h"
#include "registerpicker.h"
#include "registerswindows.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QStringList shownNumbers(DBGrid *grid)
{
    QStringList numbers;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        numbers << grid->datasetModel()->value(row, QStringLiteral("NPROD")).toString();
    return numbers;
}

void selectRow(DBGrid *grid, const QString &number)
{
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        if (grid->datasetModel()->value(row, QStringLiteral("NPROD")).toString() == number) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no row %1").arg(number)));
}

void typeInto(QWidget *dialog, const QString &name, const QString &text)
{
    auto *box = findNamed<QLineEdit>(dialog, name);
    QVERIFY2(box, qPrintable(name));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

} // namespace

class TestProdutos : public ProductsTest
{
    Q_OBJECT

    TProdForm *openList()
    {
        TProdForm *list = productList();
        if (list) {
            list->show();
            list->activateWindow();
        }
        return list;
    }

    void seedThree()
    {
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"), 10, 2, QStringLiteral("Casa Ferro"));
        m_db->addProduct(2, QStringLiteral("0000002"), QStringLiteral("ARRUELA"), 1, 5, QStringLiteral("Metalúrgica Sul"));
        m_db->addProduct(3, QStringLiteral("0000003"), QStringLiteral("MONITOR 12\" TV"), 0, -1, QStringLiteral("Casa Ferro"));
    }

private Q_SLOTS:
    void initTestCase() { Registers::registerProductWindows(); }
    void init() { openShop(); }
    void cleanup()
    {
        closeShop();
        ProductGroups::setDocumentOpener({});
    }

    void listOpensOrderedByDescription()
    {
        seedThree();
        TProdForm *list = openList();
        QVERIFY(list);
        QCOMPARE(list->windowTitle(), QStringLiteral("Controle de Estoque / Produtos"));
        QStringList titles;
        for (int c = 0; c < list->grid()->model()->columnCount(); ++c)
            titles << list->grid()->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, (QStringList{"Cód. Produto", "Descrição", "Qtde. Disponível", "Fornecedor", "Grupo"}));
        QCOMPARE(shownNumbers(list->grid()), (QStringList{"0000002", "0000003", "0000001"}));
        for (const QString caption : {"Cadastrar Produto", "Editar Produto", "Excluir Produto", "Fechar Janela",
                                      "Entrada de Produto", "Saida de Produto", "Imprimir Estoque Atual", "Procurar",
                                      "Legenda Cores"})
            QVERIFY2(findNamed<QAbstractButton>(list, caption), qPrintable(caption));
        QTest::keyClick(list->grid(), Qt::Key_Escape);
        QTRY_VERIFY(!m_main->window<TProdForm>());
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("searchBy");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("description, any case, blanks around")
            << QStringLiteral("  ruel ") << 0 << false
            << QStringLiteral("select * from prodforne where upper(descricao) like \"%RUEL%\" order by descricao")
            << QStringList{"0000002"};
        QTest::newRow("supplier name copied into the product")
            << QStringLiteral("casa") << 1 << true
            << QStringLiteral("select * from prodforne where upper(nomeforne) like \"%CASA%\" order by descricao")
            << QStringList{"0000003", "0000001"};
        QTest::newRow("blank lists everything by description")
            << QStringLiteral("   ") << 0 << true << kOrdered << QStringList{"0000002", "0000003", "0000001"};
        QTest::newRow("a double quote finds literally")
            << QStringLiteral("12\" t") << 0 << false
            << QStringLiteral("select * from prodforne where upper(descricao) like \"%12\"\" T%\" order by descricao")
            << QStringList{"0000003"};
        QTest::newRow("a lone quote finds nothing and breaks nothing")
            << QStringLiteral("\"") << 1 << true
            << QStringLiteral("select * from prodforne where upper(nomeforne) like \"%\"\"%\" order by descricao")
            << QStringList{};
    }
    void search()
    {
        QFETCH(QString, typed);
        QFETCH(int, searchBy);
        QFETCH(bool, enter);
        QFETCH(QString, statement);
        QFETCH(QStringList, found);
        seedThree();
        TProdForm *list = openList();
        Messages::Script script;
        auto *box = findNamed<QLineEdit>(list, QStringLiteral("Procurar Produto"));
        QVERIFY(box);
        QTest::keyClicks(box, typed);
        auto *radio = findNamed<QAbstractButton>(list, searchBy == 0 ? QStringLiteral("Descrição") : QStringLiteral("Fornecedor"));
        if (!radio) {
            const auto buttons = list->findChildren<QAbstractButton *>();
            for (QAbstractButton *b : buttons)
                if (b->text() == (searchBy == 0 ? QStringLiteral("Descrição") : QStringLiteral("Fornecedor")))
                    radio = b;
        }
        QVERIFY(radio);
        QTest::mouseClick(radio, Qt::LeftButton);
        if (enter)
            QTest::keyClick(box, Qt::Key_Return);
        else
            click(list, QStringLiteral("Procurar"));
        QVERIFY2(script.shown().isEmpty(), qPrintable(script.texts().join('|')));
        QCOMPARE(products()->sql(), statement);
        QCOMPARE(shownNumbers(list->grid()), found);
    }

    void listStaysQuickOnALargeTable()
    {
        m_db->run(QStringLiteral("execute block as declare i integer = 1; begin while (i <= 3000) do begin "
                                 "insert into prodforne (idprod, nprod, descricao) values (:i, lpad(:i, 7, '0'), "
                                 "'PRODUTO ' || lpad(:i, 5, '0')); i = i + 1; end end"));
        TProdForm *list = openList();
        QVERIFY(!products()->allFetched());
        QVERIFY(products()->rowCount() < 3000);
        QTest::keyClicks(findNamed<QLineEdit>(list, QStringLiteral("Procurar Produto")), QStringLiteral("produto 0"));
        click(list, QStringLiteral("Procurar"));
        QVERIFY(!products()->allFetched());
        QVERIFY(products()->rowCount() < 3000);
    }

    void belowMinimumIsRed_data()
    {
        QTest::addColumn<double>("inStock");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("equal to the minimum") << 5.0 << 5.0 << QColor(0, 0, 0);
        QTest::newRow("one below") << 4.0 << 5.0 << QColor(255, 0, 0);
        QTest::newRow("no minimum, nothing in stock") << 0.0 << -1.0 << QColor(0, 0, 0);
        QTest::newRow("above") << 9.0 << 5.0 << QColor(0, 0, 0);
    }
    void belowMinimumIsRed()
    {
        QFETCH(double, inStock);
        QFETCH(double, minimum);
        QFETCH(QColor, colour);
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("CABO"), inStock, minimum);
        m_db->addProduct(2, QStringLiteral("0000002"), QStringLiteral("ZZ OUTRO"), 100, 1);
        TProdForm *list = openList();
        selectRow(list->grid(), QStringLiteral("0000002"));
        QCOMPARE(list->grid()->textColourFor(0, false), std::optional<QColor>(colour));
        // The selected row keeps the rule's colour on the sky-blue background.
        selectRow(list->grid(), QStringLiteral("0000001"));
        QCOMPARE(list->grid()->textColourFor(0, true), std::optional<QColor>(colour));
    }

    void colourLegend()
    {
        TProdForm *list = openList();
        Messages::Script script;
        click(list, QStringLiteral("Legenda Cores"));
        QCOMPARE(script.last().kind, Messages::Kind::Warning);
        QCOMPARE(script.last().title, QStringLiteral("Legenda Estoque"));
        QCOMPARE(script.last().text, QStringLiteral("Preto - Quantidade em estoque maior que quantidade mínima.\n"
                                                    "Vermelho - Quantidade em estoque menor que quantidade mínima."));
    }

    void firstProductIsProposedWithKeyOneAndSaved()
    {
        {
            QFile groups(ProductGroups::file());
            QVERIFY(groups.open(QIODevice::WriteOnly));
            groups.write("Ferragens\r\nEletrônicos\r\n");
        }
        TProdForm *list = openList();
        Messages::Script script;
        bool shown = false;
        script.onModal([&](QDialog *dialog) {
            shown = true;
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Cadastro de Produto"));
            auto *code = findNamed<QLineEdit>(dialog, QStringLiteral("Cod. Produto"));
            QVERIFY(code && code->isEnabled());
            QCOMPARE(code->text(), QStringLiteral("0000001"));
            QCOMPARE(products()->field(QStringLiteral("IDPROD")).asInteger(), 1);
            QCOMPARE(findNamed<QDateEdit>(dialog, QStringLiteral("Data de Cadastro"))->date(), QDate::currentDate());
            typeInto(dialog, QStringLiteral("Descrição (Nome do Produto)"), QStringLiteral("Fusivel 10A"));
            typeInto(dialog, QStringLiteral("Qtde Disponível"), QStringLiteral("1x2,5"));
            typeInto(dialog, QStringLiteral("Qtde Mínima"), QStringLiteral("-3"));
            auto *group = findNamed<QComboBox>(dialog, QStringLiteral("Grupo"));
            QVERIFY(group);
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            group->setFocus(Qt::TabFocusReason);
            QCOMPARE(group->count(), 2);
            QCOMPARE(group->itemText(1), QStringLiteral("Eletrônicos"));
            group->setCurrentIndex(1);
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(!dialog->isVisible());
        });
        QTest::keyClick(list->grid(), Qt::Key_F1);
        QVERIFY(shown);
        QVERIFY2(script.shown().isEmpty(), qPrintable(script.texts().join('|')));
        QCOMPARE(m_db->scalar(QStringLiteral("select nprod from prodforne where idprod = 1")).toString(),
                 QStringLiteral("0000001"));
        QCOMPARE(m_db->scalar(QStringLiteral("select descricao from prodforne where idprod = 1")).toString(),
                 QStringLiteral("Fusivel 10A"));
        QCOMPARE(m_db->scalar(QStringLiteral("select qtdedisp from prodforne where idprod = 1")).toDouble(), 125.0);
        QCOMPARE(m_db->scalar(QStringLiteral("select qtdemin from prodforne where idprod = 1")).toDouble(), 3.0);
        QCOMPARE(m_db->scalar(QStringLiteral("select grupo from prodforne where idprod = 1")).toString(),
                 QStringLiteral("Eletrônicos"));
        QVERIFY(m_db->scalar(QStringLiteral("select idfornece from prodforne where idprod = 1")).isNull());
        QCOMPARE(products()->sql(), kOrdered);
        QCOMPARE(list->selectedKey(), 1);
    }

    void duplicateNumberIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("without zeros") << QStringLiteral("42");
        QTest::newRow("some zeros") << QStringLiteral("042");
        QTest::newRow("seven digits") << QStringLiteral("0000042");
    }
    void duplicateNumberIsRefused()
    {
        QFETCH(QString, typed);
        m_db->addProduct(7, QStringLiteral("0000042"), QStringLiteral("PARAFUSO"));
        // Numbers that are not numbers, as an old database may hold, change nothing.
        m_db->addProduct(3, QStringLiteral("ABC"), QStringLiteral("ANTIGO"));
        m_db->addProduct(4, QString(), QStringLiteral("SEM CODIGO"));
        TProdForm *list = openList();
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            typeInto(dialog, QStringLiteral("Cod. Produto"), typed);
            typeInto(dialog, QStringLiteral("Descrição (Nome do Produto)"), QStringLiteral("OUTRO"));
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(dialog->isVisible());
            QCOMPARE(script.last().kind, Messages::Kind::Warning);
            QCOMPARE(script.last().title, QStringLiteral("Código já em uso!"));
            QCOMPARE(script.last().text, QStringLiteral("Escolha outro código.\n") + typed + QStringLiteral(" - PARAFUSO"));
            // Another number goes through, kept without the blanks around it.
            typeInto(dialog, QStringLiteral("Cod. Produto"), QStringLiteral(" 43 "));
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(!dialog->isVisible());
        });
        click(list, QStringLiteral("Cadastrar Produto"));
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodforne")), 4);
        QCOMPARE(m_db->scalar(QStringLiteral("select nprod from prodforne where idprod = 8")).toString(), QStringLiteral("43"));
    }

    void numberThatIsNotANumberNeverReachesTheStatement_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters") << QStringLiteral("ABC");
        QTest::newRow("a condition") << QStringLiteral("1 or 1=1");
        QTest::newRow("a quote") << QStringLiteral("42\"");
        QTest::newRow("a sign") << QStringLiteral("-42");
    }
    void numberThatIsNotANumberNeverReachesTheStatement()
    {
        QFETCH(QString, typed);
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"));
        TProdForm *list = openList();
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            typeInto(dialog, QStringLiteral("Cod. Produto"), typed);
            typeInto(dialog, QStringLiteral("Descrição (Nome do Produto)"), QStringLiteral("NOVO"));
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(dialog->isVisible());
        });
        click(list, QStringLiteral("Cadastrar Produto"));
        QCOMPARE(script.texts(), QStringList{QStringLiteral("Cod. Produto inválido! Digite somente números.")});
        QCOMPARE(script.last().kind, Messages::Kind::Information);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodforne")), 1);
        // The look-up the point of sale shares treats such text as not found.
        QVERIFY(!ProductCode::find(*m_db->dm.AuxProd, typed));
        QVERIFY(ProductCode::find(*m_db->dm.AuxProd, QStringLiteral(" 01 ")));
        QCOMPARE(m_db->dm.AuxProd->field(QStringLiteral("DESCRICAO")).asString(), QStringLiteral("PARAFUSO"));
    }

    void lookUpMatchesTheNumberWithAnyLeadingZeros_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("found");
        QTest::newRow("plain") << QStringLiteral("42") << 7;
        QTest::newRow("zeros") << QStringLiteral("00042") << 7;
        QTest::newRow("twenty digits") << QStringLiteral("00000000000000000042") << 7;
        QTest::newRow("zero itself") << QStringLiteral("0") << 9;
        QTest::newRow("another number") << QStringLiteral("420") << 0;
        QTest::newRow("a prefix of it") << QStringLiteral("4") << 0;
    }
    void lookUpMatchesTheNumberWithAnyLeadingZeros()
    {
        QFETCH(QString, typed);
        QFETCH(int, found);
        m_db->addProduct(7, QStringLiteral("0000042"), QStringLiteral("PARAFUSO"));
        m_db->addProduct(8, QStringLiteral("X42"), QStringLiteral("LETRAS"));
        m_db->addProduct(9, QStringLiteral("0000000"), QStringLiteral("ZERO"));
        Dataset *lookup = m_db->dm.AuxProd;
        QCOMPARE(ProductCode::find(*lookup, typed), found != 0);
        if (found)
            QCOMPARE(lookup->field(QStringLiteral("IDPROD")).asInteger(), found);
    }

    void emptyDescriptionIsRefused()
    {
        TProdForm *list = openList();
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(dialog->isVisible());
        });
        click(list, QStringLiteral("Cadastrar Produto"));
        QCOMPARE(script.texts(), QStringList{QStringLiteral("Descrição (Nome do Produto) não pode estar em branco!")});
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodforne")), 0);
        QVERIFY(!products()->isEditing());
    }

    void editKeepsTheNumberAndShowsTheUnboundBoxes()
    {
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"));
        m_db->addProduct(2, QStringLiteral("0000002"), QStringLiteral("ARRUELA"));
        m_db->run(QStringLiteral("update prodforne set idfornece = 9, nomeforne = 'Casa Ferro', grupo = 'Ferragens' "
                                 "where idprod = 1"));
        TProdForm *list = openList();
        selectRow(list->grid(), QStringLiteral("0000001"));
        Messages::Script script;
        bool shown = false;
        script.onModal([&](QDialog *dialog) {
            shown = true;
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Alteração de Produto"));
            auto *code = findNamed<QLineEdit>(dialog, QStringLiteral("Cod. Produto"));
            QVERIFY(!code->isEnabled());
            QCOMPARE(code->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
            QCOMPARE(findNamed<QComboBox>(dialog, QStringLiteral("Grupo"))->currentText(), QStringLiteral("Ferragens"));
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("Cod. Fornecedor"))->text(), QStringLiteral("9"));
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("Nome do Fornecedor"))->text(), QStringLiteral("Casa Ferro"));
            typeInto(dialog, QStringLiteral("Descrição (Nome do Produto)"), QStringLiteral("PARAFUSO SEXTAVADO"));
            typeInto(dialog, QStringLiteral("Custo de Venda"), QStringLiteral("12,5"));
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(!dialog->isVisible());
        });
        QTest::keyClick(list->grid(), Qt::Key_F2);
        QVERIFY(shown);
        QVERIFY2(script.shown().isEmpty(), qPrintable(script.texts().join('|')));
        QCOMPARE(m_db->scalar(QStringLiteral("select descricao from prodforne where idprod = 1")).toString(),
                 QStringLiteral("PARAFUSO SEXTAVADO"));
        QCOMPARE(m_db->scalar(QStringLiteral("select custovenda from prodforne where idprod = 1")).toDouble(), 12.5);
        QCOMPARE(m_db->scalar(QStringLiteral("select nprod from prodforne where idprod = 1")).toString(),
                 QStringLiteral("0000001"));
        QCOMPARE(m_db->scalar(QStringLiteral("select idfornece from prodforne where idprod = 1")).toInt(), 9);
        QCOMPARE(list->selectedKey(), 1);
    }

    void stockMovedElsewhereWhileEditingIsKept_data()
    {
        QTest::addColumn<QString>("typedStock");
        QTest::addColumn<double>("saved");
        QTest::newRow("quantity untouched") << QString() << 15.0;
        QTest::newRow("quantity typed") << QStringLiteral("20") << 20.0;
    }

    void stockMovedElsewhereWhileEditingIsKept()
    {
        QFETCH(QString, typedStock);
        QFETCH(double, saved);
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"), 10, 2, QStringLiteral("Casa Ferro"));
        TProdForm *list = openList();
        selectRow(list->grid(), QStringLiteral("0000001"));
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            // Another workstation enters 5 items while this window is open.
            fb::Connection other;
            other.open(m_db->files.path());
            other.execute(QStringLiteral("update prodforne set qtdedisp = 15 where idprod = 1"));
            other.commit();
            typeInto(dialog, QStringLiteral("Custo de Venda"), QStringLiteral("12,5"));
            if (!typedStock.isEmpty())
                typeInto(dialog, QStringLiteral("Qtde Disponível"), typedStock);
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(!dialog->isVisible());
        });
        QTest::keyClick(list->grid(), Qt::Key_F2);
        QVERIFY2(script.shown().isEmpty(), qPrintable(script.texts().join('|')));
        QCOMPARE(m_db->scalar(QStringLiteral("select qtdedisp from prodforne where idprod = 1")).toDouble(), saved);
        QCOMPARE(m_db->scalar(QStringLiteral("select custovenda from prodforne where idprod = 1")).toDouble(), 12.5);
    }

    void supplierChosenWithThePicker_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("cancelled: the product is left as it was") << false;
        QTest::newRow("saved: code and name copied into the product") << true;
    }
    void supplierChosenWithThePicker()
    {
        QFETCH(bool, save);
        Registers::registerSupplierWindows();
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"));
        m_db->run(QStringLiteral("insert into fornecedores (idfornece, nomefantasia) values (5, 'Metalurgica Sul')"));
        m_db->run(QStringLiteral("insert into fornecedores (idfornece, nomefantasia) values (6, 'Casa Ferro')"));
        m_db->dm.ForneQuery->reopen(QStringLiteral("select * from fornecedores order by nomefantasia"));
        TProdForm *list = openList();
        Messages::Script script;
        QStringList windows;
        script.onModal([&](QDialog *dialog) {
            windows << dialog->windowTitle();
            if (dialog->windowTitle() == QStringLiteral("Fornecedores")) {
                auto *picker = qobject_cast<RegisterPicker *>(dialog);
                QVERIFY(picker);
                const QRect second = picker->grid()->visualRect(picker->grid()->model()->index(1, 1));
                QTest::mouseClick(picker->grid()->viewport(), Qt::LeftButton, {}, second.center());
                click(dialog, QStringLiteral("OK"));
                return;
            }
            click(dialog, QStringLiteral("..."));
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("Cod. Fornecedor"))->text(), QStringLiteral("5"));
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("Nome do Fornecedor"))->text(),
                     QStringLiteral("Metalurgica Sul"));
            // Nothing reaches the product before "Gravar".
            QVERIFY(products()->field(QStringLiteral("IDFORNECE")).isNull());
            typeInto(dialog, QStringLiteral("Marca / Fabricante"), QStringLiteral("ACME"));
            if (save)
                click(dialog, QStringLiteral("Gravar"));
            else
                QTest::keyClick(findNamed<QLineEdit>(dialog, QStringLiteral("Marca / Fabricante")), Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
        });
        click(list, QStringLiteral("Editar Produto"));
        QCOMPARE(windows, (QStringList{"Alteração de Produto", "Fornecedores"}));
        QVERIFY2(script.shown().isEmpty(), qPrintable(script.texts().join('|')));
        QVERIFY(!products()->isEditing());
        const QVariant supplier = m_db->scalar(QStringLiteral("select idfornece from prodforne where idprod = 1"));
        const QVariant name = m_db->scalar(QStringLiteral("select nomeforne from prodforne where idprod = 1"));
        const QVariant brand = m_db->scalar(QStringLiteral("select marca from prodforne where idprod = 1"));
        if (save) {
            QCOMPARE(supplier.toInt(), 5);
            QCOMPARE(name.toString(), QStringLiteral("Metalurgica Sul"));
            QCOMPARE(brand.toString(), QStringLiteral("ACME"));
        } else {
            QVERIFY(supplier.isNull());
            QVERIFY(name.isNull());
            QVERIFY(brand.isNull());
            QCOMPARE(products()->field(QStringLiteral("MARCA")).asString(), QString());
        }
    }

    void supplierPickerNeedsASupplier()
    {
        Registers::registerSupplierWindows();
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"));
        m_db->dm.ForneQuery->reopen(QStringLiteral("select * from fornecedores"));
        TProdForm *list = openList();
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Alteração de Produto"));
            click(dialog, QStringLiteral("..."));
        });
        click(list, QStringLiteral("Editar Produto"));
        QCOMPARE(script.texts(), QStringList{QStringLiteral("Não existe fornecedor cadastrado!")});
    }

    void supplierAddedFromTheProductWindowIsNotFilledIn()
    {
        Registers::registerSupplierWindows();
        TProdForm *list = openList();
        Messages::Script script;
        QStringList windows;
        script.onModal([&](QDialog *dialog) {
            windows << dialog->windowTitle();
            if (windows.size() == 2) {
                typeInto(dialog, QStringLiteral("Nome Fantasia"), QStringLiteral("Nova Loja"));
                click(dialog, QStringLiteral("Gravar"));
                return;
            }
            click(dialog, QStringLiteral("Adicionar Fornecedor"));
            QVERIFY(products()->isEditing());
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("Cod. Fornecedor"))->text(), QString());
            typeInto(dialog, QStringLiteral("Descrição (Nome do Produto)"), QStringLiteral("CABO"));
            click(dialog, QStringLiteral("Gravar"));
        });
        click(list, QStringLiteral("Cadastrar Produto"));
        QCOMPARE(windows, (QStringList{"Cadastro de Produto", "Cadastro de Fornecedor"}));
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from fornecedores where nomefantasia = 'Nova Loja'")), 1);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodforne where descricao = 'CABO' and idfornece is null")), 1);
    }

    void recordGoneOnAnotherWorkstation_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("edit") << QStringLiteral("Editar Produto")
                              << QStringLiteral("Não é possivel editar o produto, o mesmo já não se encontra mais no sistema!");
        QTest::newRow("delete") << QStringLiteral("Excluir Produto")
                                << QStringLiteral("Produto já foi excluído por outro terminal!");
        QTest::newRow("entry") << QStringLiteral("Entrada de Produto")
                               << QStringLiteral("Não é possivel dar entrada no produto o mesmo foi excluido por outro terminal!");
        QTest::newRow("exit") << QStringLiteral("Saida de Produto")
                              << QStringLiteral("Não é possivel dar saída no produto o mesmo foi excluido por outro terminal!");
    }
    void recordGoneOnAnotherWorkstation()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"));
        m_db->addProduct(2, QStringLiteral("0000002"), QStringLiteral("ARRUELA"));
        TProdForm *list = openList();
        selectRow(list->grid(), QStringLiteral("0000001"));
        OtherWorkstation other(m_db->files.path());
        other.run(QStringLiteral("delete from prodforne where idprod = 1"));
        Messages::Script script;
        bool opened = false;
        script.onModal([&](QDialog *) { opened = true; });
        click(list, button);
        QVERIFY(!opened);
        QCOMPARE(script.texts(), QStringList{message});
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodforne")), 1);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodent")), 0);
    }

    void deleteAsksByNumberAndKeepsMovements()
    {
        m_db->addProduct(1, QStringLiteral("0000042"), QStringLiteral("PARAFUSO"));
        m_db->addMovement(1, QStringLiteral("entrada"), QDate::currentDate(), 3, QStringLiteral("0000042"),
                          QStringLiteral("PARAFUSO"));
        TProdForm *list = openList();
        Messages::Script script;
        script.answerNextConfirmation(false);
        QTest::keyClick(list->grid(), Qt::Key_F3);
        QCOMPARE(script.last().kind, Messages::Kind::Confirmation);
        QCOMPARE(script.last().title, QStringLiteral("Excluir Produto"));
        QCOMPARE(script.last().text, QStringLiteral("Deseja excluir o Produto de código [ 0000042 ] ?"));
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodforne")), 1);

        script.answerNextConfirmation(true);
        QTest::keyClick(list->grid(), Qt::Key_F3);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodforne")), 0);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodent")), 1);
        QCOMPARE(list->grid()->model()->rowCount(), 0);
        // An empty list does nothing more.
        script.clear();
        QTest::keyClick(list->grid(), Qt::Key_F3);
        QTest::keyClick(list->grid(), Qt::Key_F2);
        QVERIFY(script.shown().isEmpty());
    }

    void groupListComesFromTheFileEachTime()
    {
        QString opened;
        ProductGroups::setDocumentOpener([&](const QString &path) { opened = path; });
        QFile::remove(ProductGroups::file());
        TProdForm *list = openList();
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            auto *group = findNamed<QComboBox>(dialog, QStringLiteral("Grupo"));
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            group->setFocus(Qt::TabFocusReason);
            // No file: the error is shown, the list stays as it was and a group can still be typed.
            QCOMPARE(script.shown().size(), 1);
            QCOMPARE(script.last().kind, Messages::Kind::Error);
            QCOMPARE(group->count(), 0);
            {
                QFile f(ProductGroups::file());
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write("Cabos\nFontes\n");
            }
            findNamed<QLineEdit>(dialog, QStringLiteral("Marca / Fabricante"))->setFocus(Qt::TabFocusReason);
            group->setFocus(Qt::TabFocusReason);
            QCOMPARE(group->count(), 2);
            QCOMPARE(group->itemText(0), QStringLiteral("Cabos"));
            click(dialog, QStringLiteral("Editar Grupos"));
            QCOMPARE(opened, ProductGroups::file());
        });
        click(list, QStringLiteral("Cadastrar Produto"));
    }

    void quantityBoxesTakeOnlyDigits()
    {
        TCadProdForm form;
        products()->reopen(kOrdered);
        products()->append();
        form.show();
        for (const QString name : {"Qtde Disponível", "Qtde Mínima"}) {
            auto *box = findNamed<QLineEdit>(&form, name);
            QTest::keyClicks(box, QStringLiteral("a1.2,b3-+ 4"));
            QCOMPARE(box->text(), QStringLiteral("1234"));
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), QStringLiteral("123"));
        }
        QCOMPARE(products()->field(QStringLiteral("QTDEMIN")).asFloat(), 123.0);
        products()->cancel();
    }

    void pickerFillsTheSaleItem()
    {
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"), 5, -1, {}, 1, 2.5);
        m_db->addProduct(2, QStringLiteral("0000002"), QString(200, u'X'), 5, -1, {}, 10, 19.9);
        products()->reopen(kOrdered);
        Dataset *items = m_db->dm.IVendasQuery;
        items->reopen(QStringLiteral("select * from ivendas where idvendas=1"));
        items->append();
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Produtos"));
            QCOMPARE(products()->sql(), QStringLiteral("select * from prodforne"));
            auto *picker = qobject_cast<TProdForm2 *>(dialog);
            QTest::keyClicks(findNamed<QLineEdit>(dialog, QStringLiteral("Busca por produto:")), QStringLiteral("xx"));
            QTest::keyClick(findNamed<QLineEdit>(dialog, QStringLiteral("Busca por produto:")), Qt::Key_Return);
            QCOMPARE(picker->grid()->model()->rowCount(), 2); // Enter does not search
            QTest::keyClick(findNamed<QLineEdit>(dialog, QStringLiteral("Busca por produto:")), Qt::Key_Escape);
            QVERIFY(dialog->isVisible()); // nor does Esc close
            click(dialog, QStringLiteral("Procurar"));
            QCOMPARE(products()->sql(),
                     QStringLiteral("select * from prodforne where upper(descricao) like \"%XX%\" order by descricao"));
            QCOMPARE(picker->grid()->model()->rowCount(), 1);
            QCOMPARE(picker->grid()->textColourFor(0, true), std::optional<QColor>(QColor(0, 0, 128)));
            const QRect cell = picker->grid()->visualRect(picker->grid()->model()->index(0, 1));
            QTest::mouseClick(picker->grid()->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(picker->grid()->viewport(), Qt::LeftButton, {}, cell.center());
            QVERIFY(!dialog->isVisible());
        });
        QVERIFY(ProductPicker::choose(nullptr));
        QCOMPARE(items->field(QStringLiteral("NPROD")).asString(), QStringLiteral("0000002"));
        QCOMPARE(items->field(QStringLiteral("DESCRICAO")).asString(), QString(70, u'X'));
        QCOMPARE(items->field(QStringLiteral("VALORPROD")).asFloat(), 19.9);
        QCOMPARE(items->field(QStringLiteral("QTDE")).asFloat(), 1.0);
        QCOMPARE(items->field(QStringLiteral("TOTALPROD")).asFloat(), 19.9);
        QCOMPARE(items->field(QStringLiteral("IDPRODUTO")).asInteger(), 2);
        QCOMPARE(products()->field(QStringLiteral("IDPROD")).asInteger(), 2);

        // The close box fills nothing.
        items->cancel();
        items->append();
        script.onModal([&](QDialog *dialog) { dialog->close(); });
        QVERIFY(!ProductPicker::choose(nullptr));
        QVERIFY(items->field(QStringLiteral("NPROD")).isNull());
        items->cancel();
    }

    void pickerSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("part of the description, any case") << QStringLiteral("rafu") << QStringList{"0000001"};
        QTest::newRow("blank: every product") << QStringLiteral("  ") << QStringList{"0000001", "0000002", "0000003"};
        QTest::newRow("a double quote finds literally") << QStringLiteral("12\"") << QStringList{"0000003"};
        QTest::newRow("a lone quote") << QStringLiteral("\"\"") << QStringList{};
    }
    void pickerSearch()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        seedThree();
        products()->reopen(kOrdered);
        m_db->dm.IVendasQuery->reopen(QStringLiteral("select * from ivendas where idvendas=1"));
        m_db->dm.IVendasQuery->append();
        Messages::Script script;
        QStringList shown;
        script.onModal([&](QDialog *dialog) {
            auto *picker = qobject_cast<TProdForm2 *>(dialog);
            QTest::keyClicks(findNamed<QLineEdit>(dialog, QStringLiteral("Busca por produto:")), typed);
            click(dialog, QStringLiteral("Procurar"));
            shown = shownNumbers(picker->grid());
            shown.sort();
        });
        QVERIFY(!ProductPicker::choose(nullptr));
        QCOMPARE(shown, found);
        QCOMPARE(script.shown().size(), 0);
        m_db->dm.IVendasQuery->cancel();
    }

    void pickerNeedsAProduct()
    {
        products()->reopen(kOrdered);
        Messages::Script script;
        bool opened = false;
        script.onModal([&](QDialog *) { opened = true; });
        QVERIFY(!ProductPicker::choose(nullptr));
        QVERIFY(!opened);
        QCOMPARE(script.texts(), QStringList{QStringLiteral("Não existe produto cadastrado!")});
    }
};

QTEST_MAIN(TestProdutos)
#include "tst_produtos.moc"
