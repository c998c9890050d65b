#pragma once

// What the product and stock tests share: a fresh database with the data
// module connected, a main window to own the module windows, a second
// workstation on the same database, and finding controls by the words the
// user sees.

#include "dataset.h"
#include "dm.h"
#include "messages.h"
#include "testdatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QtTest>
#include <memory>

struct ProductsDatabase {
    TestDatabase files;
    TDM dm;

    ProductsDatabase()
    {
        dm.connect(files.path());
        dm.openStartDatasets();
    }

    void run(const QString &sql)
    {
        dm.Database().execute(sql);
        dm.commitRetaining();
    }

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

    QVariant scalar(const QString &sql) { return dm.Database().scalar(sql); }
    int count(const QString &sql) { return scalar(sql).toInt(); }
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

// The control named `name` (its caption) inside `root`, visible or not.
template <class T = QWidget>
T *named(QWidget *root, const QString &name)
{
    for (T *w : root->findChildren<T *>())
        if (w->accessibleName() == name)
            return w;
    return nullptr;
}

// Clicks the button named `name`; fails the test when there is none.
inline void click(QWidget *root, const QString &name)
{
    auto *button = named<QAbstractButton>(root, name);
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
