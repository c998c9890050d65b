#pragma once

// What the client and supplier tests share: a shop's database with the data
// module open as the program opens it, a stand-in main window, and the
// user's hands (finding controls by their captions, typing, clicking).

#include "dbgrid.h"
#include "messages.h"
#include "modules.h"
#include "registerswindows.h"
#include "shopdatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

struct Shop : ShopDatabase {
    QWidget mainWindow;

    Shop()
    {
        Registers::registerClientWindows();
        Registers::registerSupplierWindows();
    }
    ~Shop() { dm.closeAll(); }

    // A statement run and committed by a second workstation on the same database.
    void elsewhere(const QString &sql)
    {
        fb::Connection other;
        other.open(files.path());
        other.execute(sql);
        other.commit();
        other.close();
    }

    void addClient(int id, const QString &name, const QString &city = {}, const QString &end1 = {},
                   int annotation = 1, int person = 1)
    {
        dm.Database().execute(QStringLiteral("insert into clientes (idcliente, nome, cidade, end1, tipoanot, tipopessoa) "
                                             "values (?, ?, ?, ?, ?, ?)"),
                              {id, name, city, end1, annotation, person});
        dm.commitRetaining();
    }
    void addSupplier(int id, const QString &tradeName, const QString &company = {}, const QString &city = {},
                     const QString &end1 = {})
    {
        dm.Database().execute(QStringLiteral("insert into fornecedores (idfornece, nomefantasia, razaosocial, cidade, end1) "
                                             "values (?, ?, ?, ?, ?)"),
                              {id, tradeName, company, city, end1});
        dm.commitRetaining();
    }

    // Opens a list as the main window's menu item does: its preparation, then the window.
    template <typename Window>
    Window *openList(const QString &windowClass, Dataset *dataset, const QString &beforeShowing)
    {
        dataset->reopen(beforeShowing);
        if (!Modules::open(windowClass, &mainWindow))
            return nullptr;
        const QList<Window *> all = mainWindow.findChildren<Window *>();
        Window *window = all.isEmpty() ? nullptr : all.last();
        if (window)
            (void)QTest::qWaitForWindowExposed(window);
        return window;
    }
};

// ---- the user's hands -------------------------------------------------------

// The nth control of a type that the user knows by this caption.
template <typename T>
T *control(QWidget *window, const QString &caption, int nth = 0)
{
    for (T *c : window->findChildren<T *>()) {
        const QString name = c->accessibleName().isEmpty() ? c->property("text").toString() : c->accessibleName();
        if (name == caption && nth-- == 0)
            return c;
    }
    return nullptr;
}

inline QAbstractButton *button(QWidget *window, const QString &caption)
{
    return control<QAbstractButton>(window, caption);
}

inline bool click(QWidget *window, const QString &caption)
{
    QAbstractButton *b = button(window, caption);
    if (!b || !b->isVisible())
        return false;
    QTest::mouseClick(b, Qt::LeftButton);
    return true;
}

// Types into a box as a user does: the box gets the focus, its text is replaced.
inline bool typeInto(QWidget *window, const QString &caption, const QString &text, int nth = 0)
{
    QLineEdit *box = control<QLineEdit>(window, caption, nth);
    if (!box || !box->isEnabled())
        return false;
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
    return true;
}

// Chooses an item of a radio group with a click on its caption.
inline bool choose(QWidget *window, const QString &item)
{
    QRadioButton *radio = control<QRadioButton>(window, item);
    if (!radio || !radio->isVisible())
        return false;
    const int textWidth = radio->fontMetrics().horizontalAdvance(item);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(qMin(radio->width() - 2, 22 + textWidth / 2), radio->height() / 2));
    return radio->isChecked();
}

inline void pressKey(QWidget *window, Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != window)
        target = window;
    QTest::keyClick(target, key);
}

// The texts of a grid's column, top to bottom, as far as the grid holds rows.
inline QStringList columnTexts(DBGrid *grid, int column)
{
    QStringList texts;
    QAbstractItemModel *model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->data(model->index(row, column)).toString();
    return texts;
}

inline QStringList headerTitles(DBGrid *grid)
{
    QStringList titles;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        titles << grid->model()->headerData(c, Qt::Horizontal).toString();
    return titles;
}

// Selects a row of a grid with a click, as a user does.
inline void clickRow(DBGrid *grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

inline void doubleClickRow(DBGrid *grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// The row of a grid whose first column reads this key, or -1.
inline int rowOfKey(DBGrid *grid, int key)
{
    const QStringList keys = columnTexts(grid, 0);
    return int(keys.indexOf(QString::number(key)));
}

inline QString today() { return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")); }

// The painted colours of a grid cell: its background and its strongest text pixel.
struct PaintedCell {
    QColor background;
    QColor text;
};

inline PaintedCell paintedCell(DBGrid *grid, int row, int column)
{
    const QImage image = grid->viewport()->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    PaintedCell seen;
    seen.background = image.pixelColor(int((cell.right() - 1) * ratio), int((cell.bottom() - 1) * ratio));
    int farthest = -1;
    for (int y = cell.top(); y < cell.bottom(); ++y)
        for (int x = cell.left(); x < cell.right(); ++x) {
            const QColor c = image.pixelColor(int(x * ratio), int(y * ratio));
            const int d = qMax(qAbs(c.red() - seen.background.red()),
                               qMax(qAbs(c.green() - seen.background.green()), qAbs(c.blue() - seen.background.blue())));
            if (d > farthest) {
                farthest = d;
                seen.text = c;
            }
        }
    return seen;
}
