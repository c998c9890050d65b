// The supplier list, the supplier record window with the products bought from
// the supplier, and the supplier picker of the product record window, driven
// as the shop's staff drive them.

#include "clientesfornecedorestest.h"
#include "clienteslista.h"
#include "fornecedoreslista.h"
#include "fornecedoresrecord.h"
#include "toolbarminimizer.h"

#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kOrdered = QStringLiteral("select * from fornecedores order by nomefantasia");
const QString kWholeTable = QStringLiteral("select * from fornecedores");

// The parts of the product record window the supplier windows meet: its two
// read-only supplier boxes.
struct ProductWindow : QWidget {
    QLineEdit *code = new QLineEdit;
    QLineEdit *name = new QLineEdit;
    ProductWindow()
    {
        code->setAccessibleName(QStringLiteral("Cod. Fornecedor"));
        name->setAccessibleName(QStringLiteral("Nome do Fornecedor"));
        code->setEnabled(false);
        name->setEnabled(false);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(code);
        layout->addWidget(name);
    }
};

} // namespace

class TestFornecedores : public QObject
{
    Q_OBJECT

    std::unique_ptr<Shop> m_shop;

    Dataset *suppliers() { return m_shop->dm.ForneQuery; }
    Dataset *products() { return m_shop->dm.ProdForneQuery; }

    TForneForm *openList()
    {
        return m_shop->openList<TForneForm>(QStringLiteral("TForneForm"), suppliers(), kOrdered);
    }

    void addThreeSuppliers()
    {
        m_shop->addSupplier(1, QStringLiteral("ZETA PECAS"), QStringLiteral("ALFA COMERCIO LTDA"), QStringLiteral("SANTOS"),
                            QStringLiteral("RUA DO PORTO 1"));
        m_shop->addSupplier(2, QStringLiteral("Casa \"Eletro\""), QStringLiteral("ELETRO ME"), QStringLiteral("SAO PAULO"),
                            QStringLiteral("AV. SANTOS 300"));
        m_shop->addSupplier(3, QStringLiteral("BETA ELETRONICA"), QStringLiteral("BETA SA"), QStringLiteral("SANTOS"),
                            QStringLiteral("RUA XV"));
    }

    void addProduct(int id, const QString &description, int supplier, const QString &supplierName)
    {
        m_shop->dm.Database().execute(QStringLiteral("insert into prodforne (idprod, descricao, idfornece, nomeforne) "
                                                     "values (?, ?, ?, ?)"),
                                      {id, description, supplier, supplierName});
        m_shop->dm.commitRetaining();
    }

private Q_SLOTS:
    void init() { m_shop = std::make_unique<Shop>(); }
    void cleanup() { m_shop.reset(); }

    void opensWithEverySupplierByTradeName()
    {
        addThreeSuppliers();
        TForneForm *list = openList();
        QVERIFY(list);
        QCOMPARE(list->windowTitle(), QStringLiteral("Lista de Fornecedores"));
        QCOMPARE(headerTitles(list->grid()),
                 (QStringList{"Código", "Razão Sozial", "Nome Fantasia", "Telefone", "Fax", "Cidade", "UF", "CEP",
                              "Endereço", "Endereço", "CNPJ", "Inscrição Estadual", "E-mail", "Pessoa para Contato"}));
        QCOMPARE(columnTexts(list->grid(), 2), (QStringList{"BETA ELETRONICA", "Casa \"Eletro\"", "ZETA PECAS"}));
        QVERIFY(control<QLabel>(list, QStringLiteral("F1 - Cadastrar Fornecedor | F2 ou Clique duplo - Editar Fornecedor | "
                                                     "F3 - Excluir Fornecedor | ESC - Fechar Janela")));
        // Black text on every row, the selected one too.
        QCOMPARE(list->grid()->textColourFor(0, false), std::optional<QColor>(QColor(Qt::black)));
        QCOMPARE(list->grid()->textColourFor(0, true), std::optional<QColor>(QColor(Qt::black)));
    }

    void searches_data()
    {
        QTest::addColumn<QString>("by");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("trade name, any case")
            << "Nome" << " eletr " << "select * from fornecedores where upper(nomefantasia) like \"%ELETR%\" order by nomefantasia"
            << QStringList{"BETA ELETRONICA", "Casa \"Eletro\""};
        QTest::newRow("not the company name")
            << "Nome" << "alfa" << "select * from fornecedores where upper(nomefantasia) like \"%ALFA%\" order by nomefantasia"
            << QStringList{};
        QTest::newRow("city") << "Cidade" << "santos"
                              << "select * from fornecedores where upper(cidade) like \"%SANTOS%\" order by nomefantasia"
                              << QStringList{"BETA ELETRONICA", "ZETA PECAS"};
        QTest::newRow("first address line") << "Endereço" << "santos"
                                            << "select * from fornecedores where upper(end1) like \"%SANTOS%\" order by nomefantasia"
                                            << QStringList{"Casa \"Eletro\""};
        QTest::newRow("blank") << "Cidade" << "" << kOrdered
                               << QStringList{"BETA ELETRONICA", "Casa \"Eletro\"", "ZETA PECAS"};
        QTest::newRow("a double quote finds literally")
            << "Nome" << "\"eletro\"" << "select * from fornecedores where upper(nomefantasia) like \"%\"\"ELETRO\"\"%\" order by nomefantasia"
            << QStringList{"Casa \"Eletro\""};
    }

    void searches()
    {
        QFETCH(QString, by);
        QFETCH(QString, typed);
        QFETCH(QString, statement);
        QFETCH(QStringList, names);
        addThreeSuppliers();
        TForneForm *list = openList();
        Messages::Script script;
        QVERIFY(choose(list, by));
        QVERIFY(typeInto(list, QStringLiteral("Procurar Fornecedor"), typed));
        pressKey(list, Qt::Key_Return);
        QCOMPARE(script.texts(), QStringList());
        QCOMPARE(suppliers()->sql(), statement);
        QCOMPARE(columnTexts(list->grid(), 2), names);
    }

    void addsSupplierWithoutProducts()
    {
        addThreeSuppliers();
        addProduct(1, QStringLiteral("TELA"), 1, QStringLiteral("ZETA PECAS"));
        products()->reopen(QStringLiteral("select * from prodforne"));
        TForneForm *list = openList();
        Messages::Script script;
        QString title, shownDate;
        bool productsClosed = false;
        int productRows = -1;
        script.onModal([&](QDialog *window) {
            title = window->windowTitle();
            shownDate = control<QDateEdit>(window, QStringLiteral("Data de Cadastro"))->text();
            productsClosed = !products()->isOpen();
            productRows = static_cast<TCadForneForm *>(window)->productGrid()->model()->rowCount();
            QVERIFY(typeInto(window, QStringLiteral("Nome Fantasia"), QStringLiteral("GAMA DISTRIBUIDORA")));
            QVERIFY(typeInto(window, QStringLiteral("Razão Social"), QStringLiteral("GAMA LTDA")));
            QVERIFY(typeInto(window, QStringLiteral("Estado"), QStringLiteral("rj")));
            QVERIFY(typeInto(window, QStringLiteral("Site"), QStringLiteral("www.gama.com.br")));
            QVERIFY(click(window, QStringLiteral("Gravar")));
        });
        QVERIFY(click(list, QStringLiteral("Cadastrar Fornecedor")));

        QCOMPARE(script.texts(), QStringList());
        QCOMPARE(title, QStringLiteral("Cadastro de Fornecedor"));
        QCOMPARE(shownDate, today());
        QVERIFY(productsClosed);
        QCOMPARE(productRows, 0);
        QCOMPARE(m_shop->count("select count(*) from fornecedores where idfornece = 4 and nomefantasia = \"GAMA DISTRIBUIDORA\" "
                               "and razaosocial = \"GAMA LTDA\" and uf = \"RJ\" and site = \"www.gama.com.br\""),
                 1);
        QCOMPARE(m_shop->scalar("select data from fornecedores where idfornece = 4").toDateTime(),
                 QDateTime(QDate::currentDate(), QTime(0, 0)));
        QCOMPARE(suppliers()->sql(), kWholeTable);
        QCOMPARE(list->selectedKey(), 4);
        QCOMPARE(list->grid()->selectedRow(), rowOfKey(list->grid(), 4));
        // The products dataset stays closed after a new supplier.
        QVERIFY(!products()->isOpen());
    }

    void savingWithoutTradeNameIsRefused()
    {
        TForneForm *list = openList();
        Messages::Script script;
        bool stayedOpen = false;
        script.onModal([&](QDialog *window) {
            QVERIFY(typeInto(window, QStringLiteral("Razão Social"), QStringLiteral("SEM FANTASIA LTDA")));
            QVERIFY(click(window, QStringLiteral("Gravar")));
            stayedOpen = window->isVisible() && suppliers()->state() == Dataset::State::Insert;
        });
        pressKey(list, Qt::Key_F1);
        QCOMPARE(script.texts(), QStringList{QStringLiteral("Nome Fantasia não pode estar em branco!")});
        QVERIFY(stayedOpen);
        QCOMPARE(m_shop->count("select count(*) from fornecedores"), 0);
    }

    void editShowsTheSuppliersProducts_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("F2") << "F2";
        QTest::newRow("double click") << "double click";
    }

    void editShowsTheSuppliersProducts()
    {
        QFETCH(QString, how);
        addThreeSuppliers();
        addProduct(10, QStringLiteral("TELA 14"), 3, QStringLiteral("BETA ELETRONICA"));
        addProduct(11, QStringLiteral("FONTE"), 1, QStringLiteral("ZETA PECAS"));
        addProduct(12, QStringLiteral("CAPACITOR"), 3, QStringLiteral("BETA ELETRONICA"));
        TForneForm *list = openList();
        const int row = rowOfKey(list->grid(), 3);
        clickRow(list->grid(), row);

        Messages::Script script;
        QString title, tradeName;
        QStringList productsShown;
        bool gridDisabled = false;
        script.onModal([&](QDialog *window) {
            title = window->windowTitle();
            tradeName = control<QLineEdit>(window, QStringLiteral("Nome Fantasia"))->text();
            DBGrid *grid = static_cast<TCadForneForm *>(window)->productGrid();
            gridDisabled = !grid->isEnabled();
            productsShown = columnTexts(grid, 1);
            QVERIFY(typeInto(window, QStringLiteral("Pessoa para Contato"), QStringLiteral("SR. BETO")));
            QVERIFY(click(window, QStringLiteral("Gravar")));
        });
        if (how == QLatin1String("F2"))
            pressKey(list, Qt::Key_F2);
        else
            doubleClickRow(list->grid(), row);

        QCOMPARE(script.texts(), QStringList());
        QCOMPARE(title, QStringLiteral("Alteração de Fornecedor"));
        QCOMPARE(tradeName, QStringLiteral("BETA ELETRONICA"));
        QVERIFY(gridDisabled);
        QCOMPARE(productsShown, (QStringList{"TELA 14", "CAPACITOR"}));
        QCOMPARE(products()->sql(), QStringLiteral("select * from prodforne where idfornece=3"));
        QCOMPARE(m_shop->count("select count(*) from fornecedores where idfornece = 3 and pessoacont = \"SR. BETO\""), 1);
        QCOMPARE(m_shop->count("select count(*) from fornecedores"), 3);
        QCOMPARE(suppliers()->sql(), kWholeTable);
        QCOMPARE(list->selectedKey(), 3);
    }

    void supplierGoneAtAnotherWorkstation_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("message");
        QTest::newRow("edit") << Qt::Key_F2
                              << "Não é possivel editar o fornecedor, o mesmo já não se encontra mais no sistema.";
        QTest::newRow("delete") << Qt::Key_F3 << "Fornecedor já foi excluído por outro terminal!";
    }

    void supplierGoneAtAnotherWorkstation()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, message);
        addThreeSuppliers();
        TForneForm *list = openList();
        clickRow(list->grid(), rowOfKey(list->grid(), 2));
        m_shop->elsewhere(QStringLiteral("delete from fornecedores where idfornece = 2"));

        Messages::Script script;
        bool windowOpened = false;
        script.onModal([&](QDialog *) { windowOpened = true; });
        pressKey(list, key);
        QCOMPARE(script.texts(), QStringList{message});
        QVERIFY(!windowOpened);
        QCOMPARE(rowOfKey(list->grid(), 2), -1);
    }

    void deleteKeepsTheProducts_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }

    void deleteKeepsTheProducts()
    {
        QFETCH(bool, yes);
        addThreeSuppliers();
        addProduct(10, QStringLiteral("TELA 14"), 3, QStringLiteral("BETA ELETRONICA"));
        TForneForm *list = openList();
        clickRow(list->grid(), rowOfKey(list->grid(), 3));
        Messages::Script script;
        script.answerNextConfirmation(yes);
        QVERIFY(click(list, QStringLiteral("Excluir Fornecedor")));

        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.last().kind, Messages::Kind::Confirmation);
        QCOMPARE(script.last().title, QStringLiteral("Excluir Fornecedor"));
        QCOMPARE(script.last().text, QStringLiteral("Deseja excluir o Fornecedor [ BETA ELETRONICA ] ?"));
        QCOMPARE(m_shop->count("select count(*) from fornecedores where idfornece = 3"), yes ? 0 : 1);
        QCOMPARE(m_shop->count("select count(*) from fornecedores"), yes ? 2 : 3);
        QCOMPARE(m_shop->count("select count(*) from prodforne where idprod = 10 and idfornece = 3 "
                               "and nomeforne = \"BETA ELETRONICA\""),
                 1);
        QCOMPARE(rowOfKey(list->grid(), 3) == -1, yes);
    }

    void pickerFillsTheProductWindowsBoxes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("expectedKey"); // 0: nothing copied

        QTest::newRow("OK without moving takes the current supplier") << "OK" << 2;
        QTest::newRow("double click on another") << "double click" << 1;
        QTest::newRow("close box copies nothing") << "close" << 0;
        QTest::newRow("Enter and Esc do nothing") << "keys" << 0;
    }

    void pickerFillsTheProductWindowsBoxes()
    {
        QFETCH(QString, how);
        QFETCH(int, expectedKey);
        addThreeSuppliers();
        suppliers()->reopen(kOrdered);
        suppliers()->locate(QStringLiteral("IDFORNECE"), 2);

        ProductWindow productWindow;
        productWindow.code->setText(QStringLiteral("9"));
        productWindow.name->setText(QStringLiteral("ANTIGO"));
        Messages::Script script;
        QString title;
        QStringList names;
        bool openAfterKeys = false;
        script.onModal([&](QDialog *picker) {
            title = picker->windowTitle();
            DBGrid *grid = picker->findChild<DBGrid *>();
            names = columnTexts(grid, 1);
            if (how == QLatin1String("OK")) {
                QVERIFY(click(picker, QStringLiteral("OK")));
            } else if (how == QLatin1String("double click")) {
                doubleClickRow(grid, rowOfKey(grid, 1));
            } else if (how == QLatin1String("close")) {
                clickRow(grid, rowOfKey(grid, 1));
                picker->close();
            } else {
                pressKey(picker, Qt::Key_Return);
                pressKey(picker, Qt::Key_Escape);
                openAfterKeys = picker->isVisible();
            }
        });
        QVERIFY(Modules::open(QStringLiteral("TForneForm2"), &productWindow));

        QCOMPARE(script.texts(), QStringList());
        QCOMPARE(title, QStringLiteral("Fornecedores"));
        // The suppliers as the dataset held them.
        QCOMPARE(names, (QStringList{"BETA ELETRONICA", "Casa \"Eletro\"", "ZETA PECAS"}));
        QCOMPARE(suppliers()->sql(), kOrdered);
        if (how == QLatin1String("keys"))
            QVERIFY(openAfterKeys);
        if (expectedKey) {
            QCOMPARE(productWindow.code->text(), QString::number(expectedKey));
            QCOMPARE(productWindow.name->text(), expectedKey == 1 ? QStringLiteral("ZETA PECAS") : QStringLiteral("Casa \"Eletro\""));
            QCOMPARE(suppliers()->field(QStringLiteral("IDFORNECE")).asInteger(), expectedKey);
        } else {
            QCOMPARE(productWindow.code->text(), QStringLiteral("9"));
            QCOMPARE(productWindow.name->text(), QStringLiteral("ANTIGO"));
        }
    }

    void noSupplierNoPicker()
    {
        ProductWindow productWindow;
        Messages::Script script;
        bool opened = false;
        script.onModal([&](QDialog *) { opened = true; });
        QVERIFY(Modules::open(QStringLiteral("TForneForm2"), &productWindow));
        QVERIFY(!opened);
        QCOMPARE(script.texts(), QStringList{QStringLiteral("Não existe fornecedor cadastrado!")});
        QVERIFY(productWindow.code->text().isEmpty());
    }

    void addedFromTheProductWindowLeavesTheProductAlone()
    {
        addThreeSuppliers();
        suppliers()->reopen(kOrdered);
        // The product being entered in the product record window.
        products()->reopen(QStringLiteral("select * from prodforne"));
        products()->append();
        products()->field(QStringLiteral("DESCRICAO")).setString(QStringLiteral("PRODUTO NOVO"));
        ProductWindow productWindow;

        Messages::Script script;
        QString title;
        script.onModal([&](QDialog *window) {
            title = window->windowTitle();
            QVERIFY(typeInto(window, QStringLiteral("Nome Fantasia"), QStringLiteral("DELTA")));
            QVERIFY(click(window, QStringLiteral("Gravar")));
        });
        QVERIFY(Modules::open(QStringLiteral("TCadForneForm"), &productWindow));

        QCOMPARE(script.texts(), QStringList());
        QCOMPARE(title, QStringLiteral("Cadastro de Fornecedor"));
        QCOMPARE(m_shop->count("select count(*) from fornecedores where idfornece = 4 and nomefantasia = \"DELTA\""), 1);
        QCOMPARE(products()->state(), Dataset::State::Insert);
        QCOMPARE(products()->field(QStringLiteral("DESCRICAO")).asString(), QStringLiteral("PRODUTO NOVO"));
        QCOMPARE(m_shop->count("select count(*) from prodforne"), 0);
        // The new supplier is not filled into the product: the user picks it afterwards.
        QVERIFY(productWindow.code->text().isEmpty());
        QVERIFY(productWindow.name->text().isEmpty());
    }

    void minimizedListsWaitOnTheToolBar()
    {
        auto *toolBar = new QToolBar(&m_shop->mainWindow);
        new ToolbarMinimizer(toolBar, &m_shop->mainWindow);
        m_shop->mainWindow.show();
        QWidget *clientList = m_shop->openList<TListaClientesForm>(QStringLiteral("TListaClientesForm"), m_shop->dm.ClientesQuery,
                                                        QStringLiteral("select * from clientes order by nome"));
        QVERIFY(clientList);
        clientList->setWindowState(Qt::WindowMinimized); // as the title bar's button does
        TForneForm *supplierList = openList();
        supplierList->setWindowState(Qt::WindowMinimized);

        auto captions = [toolBar] {
            QStringList texts;
            for (QAction *button : toolBar->actions())
                texts << button->text();
            return texts;
        };
        QTRY_COMPARE(captions(), (QStringList{"Lista de Clientes", "Lista de Fornecedores"}));
        QVERIFY(!clientList->isVisible());
        QVERIFY(!supplierList->isVisible());

        toolBar->actions().first()->trigger();
        QTRY_COMPARE(captions(), QStringList{"Lista de Fornecedores"});
        QVERIFY(clientList->isVisible());
        QVERIFY(!supplierList->isVisible());
    }

    void aLargeShopsListOpensAndSearchesWithoutReadingEverySupplier()
    {
        m_shop->run(QStringLiteral(
            "execute block as declare i integer = 1; begin "
            "while (i <= 100000) do begin "
            "insert into fornecedores (idfornece, nomefantasia, cidade) values "
            "(:i, 'FORNECEDOR ' || lpad(:i, 6, '0'), iif(mod(:i, 10) = 0, 'SANTOS', 'SAO PAULO')); "
            "i = i + 1; end end"));
        QElapsedTimer clock;
        clock.start();
        TForneForm *list = openList();
        QVERIFY(list);
        QCoreApplication::processEvents();
        const qint64 opening = clock.elapsed();
        QVERIFY2(suppliers()->rowCount() < 1000, qPrintable(QString::number(suppliers()->rowCount())));
        QCOMPARE(columnTexts(list->grid(), 2).first(), QStringLiteral("FORNECEDOR 000001"));

        clock.restart();
        QVERIFY(choose(list, QStringLiteral("Cidade")));
        QVERIFY(typeInto(list, QStringLiteral("Procurar Fornecedor"), QStringLiteral("santos")));
        QVERIFY(click(list, QStringLiteral("Procurar")));
        QCoreApplication::processEvents();
        const qint64 searching = clock.elapsed();
        QVERIFY2(suppliers()->rowCount() < 1000, qPrintable(QString::number(suppliers()->rowCount())));
        QCOMPARE(columnTexts(list->grid(), 2).first(), QStringLiteral("FORNECEDOR 000010"));
        QVERIFY2(opening < 3000 && searching < 3000,
                 qPrintable(QStringLiteral("opening %1 ms, searching %2 ms").arg(opening).arg(searching)));
    }
};

QTEST_MAIN(TestFornecedores)
#include "tst_fornecedores.moc"
