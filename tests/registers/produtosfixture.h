#pragma once

// What the product and stock tests share: a fresh database with the data
// module connected, a main window to own the module windows and the product
// list it opens, a second workstation on the same database, and clicking
// buttons by the words the user sees.

#include "dataset.h"
#include "messages.h"
#include "modules.h"
#include "produtoslista.h"
#include "shopdatabase.h"
#include "widgetfinder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QtTest>
#include <memory>

// The products as the product list first shows them, by description.
inline const QString kOrdered = QStringLiteral("select * from prodforne order by descricao");

struct ProductsDatabase : ShopDatabase {
    // A product as another screen would have saved it. minimum < 0 leaves QTDEMIN empty.
    void addProduct(int id, const QString &number, const QString &description, double inStock = 0,
                    double minimum = -1, const QString &supplier = QString(), double purchase = 0, double sale = 0)
    {
        dm.Database().execute(QStringLiteral("insert into prodforne (idprod, nprod, descricao, qtdedisp, qtdemin, "
                                             "nomeforne, custocompra, custovenda) values (?, ?, ?, ?, ?, ?, ?, ?)"),
                              {id, number, description, inStock, minimum < 0 ? QVariant() : QVariant(minimum),
                               supplier.isEmpty() ? QVariant() : QVariant(supplier), purchase, sale});
        dm.commitRetaining();
    }

    void addMovement(int id, const QString &type, const QDate &date, double quantity, const QString &number,
                     const QString &description, const QString &note = QString())
    {
        dm.Database().execute(QStringLiteral("insert into prodent (idprodent, tipo, datacad, qtdeent, nprod, descricao, "
                                             "obs) values (?, ?, ?, ?, ?, ?, ?)"),
                              {id, type, QDateTime(date, QTime(0, 0)), quantity, number, description, note});
        dm.commitRetaining();
    }
};

// Another workstation on the same database file.
struct OtherWorkstation {
    TDM dm;
    explicit OtherWorkstation(const QString &path) { dm.connect(path); }
    void run(const QString &sql)
    {
        dm.Database().execute(sql);
        dm.commitRetaining();
    }
};

// Clicks the button named `name`; fails the test when there is none.
inline void click(QWidget *root, const QString &name)
{
    auto *button = findNamed<QAbstractButton>(root, name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

// The main window that owns the module windows.
struct MainWindowStub : QMainWindow {
    template <class T>
    T *window() const
    {
        const auto all = findChildren<T *>(Qt::FindDirectChildrenOnly);
        return all.isEmpty() ? nullptr : all.last();
    }
};

// What every product and stock test class holds: for each test function a
// fresh database and a main window, shown, that owns the module windows.
class ProductsTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<ProductsDatabase> m_db;
    std::unique_ptr<MainWindowStub> m_main;

    Dataset *products() { return m_db->dm.ProdForneQuery; }
    Dataset *movements() { return m_db->dm.ProdEntQuery; }

    void openShop()
    {
        m_db = std::make_unique<ProductsDatabase>();
        m_main = std::make_unique<MainWindowStub>();
        m_main->show();
    }
    void closeShop()
    {
        m_main.reset();
        m_db.reset();
    }

    // "Cadastros" › "Estoque": the main window reopens the products by
    // description, then the registered opener makes the list.
    TProdForm *productList()
    {
        products()->reopen(kOrdered);
        Modules::open(QStringLiteral("TProdForm"), m_main.get());
        return m_main->window<TProdForm>();
    }
};
