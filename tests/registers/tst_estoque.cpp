// Stock entries and exits from the product list: the movement window in both
// modes, the arithmetic of the quantity in stock, the exit refused above the
// stock, the product and the movement written together or not at all, and two
// workstations moving the same product.

#include "dbgrid.h"
#include "estoqueent.h"
#include "modules.h"
#include "produtosfixture.h"
#include "produtoslista.h"
#include "registerswindows.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

class TestEstoque : public ProductsTest
{
    Q_OBJECT

    TProdForm *openList()
    {
        TProdForm *list = productList();
        list->show();
        return list;
    }

    double inStock(int product)
    {
        return m_db->scalar(QStringLiteral("select qtdedisp from prodforne where idprod = %1").arg(product)).toDouble();
    }

private Q_SLOTS:
    void initTestCase() { Registers::registerProductWindows(); }
    void init() { openShop(); }
    void cleanup() { closeShop(); }

    void movementArithmetic_data()
    {
        QTest::addColumn<bool>("entry");
        QTest::addColumn<double>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("after");
        QTest::addColumn<QString>("message");
        QTest::newRow("entry of 5 into 3") << true << 3.0 << QStringLiteral("5") << 8.0 << QString();
        QTest::newRow("exit of all the stock") << false << 3.0 << QStringLiteral("3") << 0.0 << QString();
        QTest::newRow("exit of one more than the stock")
            << false << 3.0 << QStringLiteral("4") << 3.0
            << QStringLiteral("Quantidade de item a retirar é menor que a quantidade de item disponível em estoque!");
        QTest::newRow("entry of nothing") << true << 3.0 << QStringLiteral("0") << 3.0 << QString();
        QTest::newRow("letters and signs are not typed") << true << 2.0 << QStringLiteral("1a-2,5") << 127.0 << QString();
    }
    void movementArithmetic()
    {
        QFETCH(bool, entry);
        QFETCH(double, before);
        QFETCH(QString, typed);
        QFETCH(double, after);
        QFETCH(QString, message);
        m_db->addProduct(1, QStringLiteral("0000007"), QStringLiteral("PARAFUSO"), before, -1, QStringLiteral("Casa Ferro"));
        TProdForm *list = openList();
        Messages::Script script;
        bool shown = false;
        script.onModal([&](QDialog *dialog) {
            shown = true;
            QCOMPARE(dialog->windowTitle(), entry ? QStringLiteral("Entrada de Produto") : QStringLiteral("Saída de Produto"));
            const QString quantityName = entry ? QStringLiteral("Quantidade de Entrada de Produto")
                                               : QStringLiteral("Quantidade de Saída de Produto");
            auto *quantity = findNamed<QLineEdit>(dialog, quantityName);
            QVERIFY2(quantity, qPrintable(quantityName));
            QVERIFY(findNamed<QWidget>(dialog, entry ? QStringLiteral("Data de Entrada") : QStringLiteral("Data de Saida")));
            auto *code = findNamed<QLineEdit>(dialog, QStringLiteral("Cod. Produto"));
            QCOMPARE(code->text(), QStringLiteral("0000007"));
            QVERIFY(!code->isEnabled());
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("Fornecedor"))->text(), QStringLiteral("Casa Ferro"));
            QVERIFY(!findNamed<QLineEdit>(dialog, QStringLiteral("Quantidade Disponível em Estoque"))->isEnabled());
            QTest::keyClicks(quantity, typed);
            QTest::keyClicks(findNamed<QPlainTextEdit>(dialog, QStringLiteral("Observação")), QStringLiteral("nota 1"));
            click(dialog, QStringLiteral("Gravar"));
            QCOMPARE(dialog->isVisible(), !message.isEmpty());
            if (!message.isEmpty()) {
                QCOMPARE(script.texts(), QStringList{message});
                QCOMPARE(QApplication::focusWidget() == quantity || !dialog->isActiveWindow(), true);
                QVERIFY(products()->isEditing());
                QVERIFY(movements()->isEditing());
            }
        });
        QTest::keyClick(list->grid(), entry ? Qt::Key_Plus : Qt::Key_Minus, Qt::KeypadModifier);
        QVERIFY(shown);
        QCOMPARE(inStock(1), after);
        QVERIFY(!products()->isEditing());
        QVERIFY(!movements()->isEditing());
        QCOMPARE(products()->field(QStringLiteral("QTDEDISP")).asFloat(), after);
        if (!message.isEmpty()) {
            QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodent")), 0);
            return;
        }
        QVERIFY2(script.shown().isEmpty(), qPrintable(script.texts().join('|')));
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodent")), 1);
        auto cursor = m_db->dm.Database().openCursor(
            QStringLiteral("select idprodent, tipo, idprod, nprod, descricao, nomeforne, qtdeent, datacad, obs, idvenda "
                           "from prodent"));
        std::vector<QVariant> row;
        QVERIFY(cursor->fetch(row));
        QCOMPARE(row[0].toInt(), 1);
        QCOMPARE(row[1].toString(), entry ? QStringLiteral("entrada") : QStringLiteral("saida"));
        QCOMPARE(row[2].toInt(), 1);
        QCOMPARE(row[3].toString(), QStringLiteral("0000007"));
        QCOMPARE(row[4].toString(), QStringLiteral("PARAFUSO"));
        QCOMPARE(row[5].toString(), QStringLiteral("Casa Ferro"));
        QCOMPARE(row[6].toDouble(), entry ? after - before : before - after);
        QCOMPARE(row[7].toDateTime(), QDateTime(QDate::currentDate(), QTime(0, 0)));
        QCOMPARE(row[8].toString(), QStringLiteral("nota 1"));
        QVERIFY(row[9].isNull());
    }

    void pastedQuantityKeepsOnlyDigits()
    {
        m_db->addProduct(1, QStringLiteral("0000007"), QStringLiteral("PARAFUSO"), 3, -1, QStringLiteral("Casa Ferro"));
        TProdForm *list = openList();
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            auto *quantity = findNamed<QLineEdit>(dialog, QStringLiteral("Quantidade de Saída de Produto"));
            for (const QString &pasted : {QStringLiteral("-5"), QStringLiteral("1,5"), QStringLiteral("dez")}) {
                QApplication::clipboard()->setText(pasted);
                quantity->paste();
                QCOMPARE(quantity->text(), QString());
            }
            QApplication::clipboard()->setText(QStringLiteral("2"));
            quantity->paste();
            click(dialog, QStringLiteral("Gravar"));
        });
        QTest::keyClick(list->grid(), Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(inStock(1), 1.0);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodent where qtdeent = 2")), 1);
    }

    void nothingWrittenWhenAbandoned_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Gravar with an empty quantity") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("Cancelar [ESC]") << 2;
        QTest::newRow("close box") << 3;
    }
    void nothingWrittenWhenAbandoned()
    {
        QFETCH(int, how);
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"), 4);
        TProdForm *list = openList();
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            auto *quantity = findNamed<QLineEdit>(dialog, QStringLiteral("Quantidade de Entrada de Produto"));
            if (how != 0)
                QTest::keyClicks(quantity, QStringLiteral("9"));
            switch (how) {
            case 0: click(dialog, QStringLiteral("Gravar")); break;
            case 1: QTest::keyClick(quantity, Qt::Key_Escape); break;
            case 2: click(dialog, QStringLiteral("Cancelar [ESC]")); break;
            case 3: dialog->close(); break;
            }
            QVERIFY(!dialog->isVisible());
        });
        click(list, QStringLiteral("Entrada de Produto"));
        QVERIFY(script.shown().isEmpty());
        QCOMPARE(inStock(1), 4.0);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodent")), 0);
        QVERIFY(!products()->isEditing());
        QVERIFY(!movements()->isEditing());
        QVERIFY(!products()->hasPendingUpdates());
        QVERIFY(!movements()->hasPendingUpdates());
        QCOMPARE(movements()->rowCount(), 0);
    }

    void emptyListMovesNothing()
    {
        TProdForm *list = openList();
        Messages::Script script;
        bool shown = false;
        script.onModal([&](QDialog *) { shown = true; });
        QTest::keyClick(list->grid(), Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(list->grid(), Qt::Key_Minus, Qt::KeypadModifier);
        QVERIFY(!shown);
        QVERIFY(script.shown().isEmpty());
    }

    void keysOutsideTheKeypadDoNotMove()
    {
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"), 4);
        TProdForm *list = openList();
        Messages::Script script;
        bool shown = false;
        script.onModal([&](QDialog *) { shown = true; });
        QTest::keyClick(list->grid(), Qt::Key_Plus);
        QTest::keyClick(list->grid(), Qt::Key_Minus);
        QVERIFY(!shown);
    }

    // Another workstation sells from the same product while this one enters
    // goods: neither change is lost.
    void anotherWorkstationsChangeIsKept()
    {
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"), 10);
        TProdForm *list = openList();
        OtherWorkstation other(m_db->files.path());
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            QTest::keyClicks(findNamed<QLineEdit>(dialog, QStringLiteral("Quantidade de Saída de Produto")), QStringLiteral("9"));
            other.run(QStringLiteral("update prodforne set qtdedisp = qtdedisp - 2 where idprod = 1"));
            // The stock is 8 now: an exit of 9 is refused, one of 8 empties it.
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(dialog->isVisible());
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("Quantidade Disponível em Estoque"))->text(), QStringLiteral("8"));
            auto *quantity = findNamed<QLineEdit>(dialog, QStringLiteral("Quantidade de Saída de Produto"));
            quantity->selectAll();
            QTest::keyClick(quantity, Qt::Key_Backspace);
            QTest::keyClicks(quantity, QStringLiteral("8"));
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(!dialog->isVisible());
        });
        click(list, QStringLiteral("Saida de Produto"));
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(inStock(1), 0.0);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodent where tipo = 'saida' and qtdeent = 8")), 1);
    }

    // A workstation holding the product uncommitted: the save fails at once,
    // nothing is written, and it goes through once the other has committed.
    void failedSaveWritesNeitherRow()
    {
        m_db->addProduct(1, QStringLiteral("0000001"), QStringLiteral("PARAFUSO"), 3);
        m_db->addMovement(1, QStringLiteral("entrada"), QDate::currentDate(), 3, QStringLiteral("0000001"),
                          QStringLiteral("PARAFUSO"));
        TProdForm *list = openList();
        OtherWorkstation other(m_db->files.path());
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            QTest::keyClicks(findNamed<QLineEdit>(dialog, QStringLiteral("Quantidade de Entrada de Produto")), QStringLiteral("5"));
            // The other workstation's movement takes the next key without committing.
            other.dm.Database().execute(QStringLiteral("insert into prodent (idprodent, tipo, qtdeent) values (2, 'saida', 1)"));
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(dialog->isVisible());
            QCOMPARE(script.shown().size(), 1);
            QCOMPARE(script.last().kind, Messages::Kind::Error);
            QVERIFY(products()->isEditing());
            QVERIFY(movements()->isEditing());
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("Quantidade Disponível em Estoque"))->text(), QStringLiteral("3"));
            QCOMPARE(inStock(1), 3.0);
            other.dm.Database().commit();
            click(dialog, QStringLiteral("Gravar"));
            QVERIFY(!dialog->isVisible());
        });
        click(list, QStringLiteral("Entrada de Produto"));
        QCOMPARE(inStock(1), 8.0);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodent")), 3);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from prodent where idprodent = 3 and tipo = 'entrada'")), 1);
    }
};

QTEST_MAIN(TestEstoque)
#include "tst_estoque.moc"
