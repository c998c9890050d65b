// The two kinds of window: module windows owned by the main window (deleted
// when closed, centred, minimized onto the main window's tool bar) and record
// windows that drop a pending change however they are closed.

#include "keymap.h"
#include "listwindow.h"
#include "messages.h"
#include "recordwindow.h"
#include "toolbarminimizer.h"
#include "uidatabase.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

struct MainWindow : QMainWindow {
    QToolBar *bar = new QToolBar(QStringLiteral("Janelas"));
    ToolbarMinimizer *minimizer = new ToolbarMinimizer(bar, this);
    MainWindow() { addToolBar(Qt::BottomToolBarArea, bar); }

    QStringList buttons() const
    {
        QStringList captions;
        for (QAction *a : bar->actions())
            captions << a->text();
        return captions;
    }
    QToolButton *button(const QString &caption) const
    {
        for (QAction *a : bar->actions())
            if (a->text() == caption)
                return qobject_cast<QToolButton *>(bar->widgetForAction(a));
        return nullptr;
    }
};

} // namespace

class TestWindowKinds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moduleWindowIsOwnedCentredAndDeletedOnClose()
    {
        MainWindow main;
        main.show();
        QPointer<ListWindow> list = new ListWindow(&main, QStringLiteral("Lista de Clientes"));
        list->resize(300, 200);
        list->show();
        QVERIFY(QTest::qWaitForWindowExposed(list));
        QVERIFY(list->isWindow());
        QCOMPARE(list->parentWidget(), &main);
        QCOMPARE(list->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(list->font().pointSize(), 8);
        const QPoint centre = list->screen()->availableGeometry().center();
        QVERIFY2((list->frameGeometry().center() - centre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("centred at %1,%2").arg(list->frameGeometry().center().x())
                                .arg(list->frameGeometry().center().y())));
        QVERIFY(!list->selectedKeyLabel()->isVisible());
        QCOMPARE(list->selectedKey(), 0);
        list->selectedKeyLabel()->setText(QStringLiteral("17"));
        QCOMPARE(list->selectedKey(), 17);

        list->close();
        QTRY_VERIFY(list.isNull());
    }

    void minimizedWindowsWaitOnTheToolBar()
    {
        MainWindow main;
        main.resize(1000, 500);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QPointer<ListWindow> clients = new ListWindow(&main, QStringLiteral("Lista de Clientes"));
        QPointer<ListWindow> suppliers = new ListWindow(&main, QStringLiteral("Lista de Fornecedores"));
        clients->show();
        suppliers->show();
        QVERIFY(QTest::qWaitForWindowExposed(suppliers));
        QVERIFY(main.buttons().isEmpty());

        clients->showMinimized();
        QTRY_VERIFY(!clients->isVisible());
        suppliers->showMinimized();
        QTRY_VERIFY(!suppliers->isVisible());
        QCOMPARE(main.buttons(), (QStringList{QStringLiteral("Lista de Clientes"), QStringLiteral("Lista de Fornecedores")}));

        // The buttons read white and bold.
        QToolButton *first = main.button(QStringLiteral("Lista de Clientes"));
        QVERIFY(first);
        QCOMPARE(first->palette().color(QPalette::ButtonText), QColor(Qt::white));
        QVERIFY(first->font().bold());

        QTest::mouseClick(first, Qt::LeftButton);
        QTRY_VERIFY(clients->isVisible());
        QVERIFY(!(clients->windowState() & Qt::WindowMinimized));
        QVERIFY(!suppliers->isVisible());
        QTRY_COMPARE(main.buttons(), QStringList{QStringLiteral("Lista de Fornecedores")});

        // The same window minimized again gets a button again, with its caption of now.
        clients->setWindowTitle(QStringLiteral("Lista de Clientes - busca"));
        clients->showMinimized();
        QTRY_COMPARE(main.buttons(), (QStringList{QStringLiteral("Lista de Fornecedores"),
                                                  QStringLiteral("Lista de Clientes - busca")}));

        // Destroying a window takes its button with it.
        delete suppliers.data();
        QCOMPARE(main.buttons(), QStringList{QStringLiteral("Lista de Clientes - busca")});
        QTest::mouseClick(main.button(QStringLiteral("Lista de Clientes - busca")), Qt::LeftButton);
        QTRY_VERIFY(clients->isVisible());
        QTRY_VERIFY(main.buttons().isEmpty());
    }

    void windowButtonsAndBorder()
    {
        MainWindow main;
        ListWindow fixed(&main, QStringLiteral("Carnês Quitados"));
        QVERIFY(fixed.windowFlags() & Qt::WindowMinimizeButtonHint);
        fixed.setMinimizable(false);
        fixed.setResizable(false);
        fixed.resize(320, 240);
        fixed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fixed));
        QVERIFY(!(fixed.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(fixed.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(fixed.minimumSize(), QSize(320, 240));
        QCOMPARE(fixed.maximumSize(), QSize(320, 240));

        ListWindow resizable(&main, QStringLiteral("Lista de Clientes"));
        resizable.resize(320, 240);
        resizable.show();
        QVERIFY(QTest::qWaitForWindowExposed(&resizable));
        resizable.resize(400, 300);
        QCOMPARE(resizable.size(), QSize(400, 300));
        QVERIFY(resizable.windowFlags() & Qt::WindowMaximizeButtonHint);
    }

    void closingARecordWindowDropsThePendingChange_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel button") << QStringLiteral("cancel");
        QTest::newRow("title-bar close") << QStringLiteral("close");
        QTest::newRow("Esc") << QStringLiteral("esc");
    }

    void closingARecordWindowDropsThePendingChange()
    {
        QFETCH(QString, how);
        UiDatabase db;
        db.addClient(1, QStringLiteral("ANA"));
        Dataset *clients = db.dm.ClientesQuery;
        clients->reopen(QStringLiteral("select * from clientes"));

        for (const bool inserting : {false, true}) {
            if (inserting)
                clients->append();
            else
                clients->edit();
            clients->field(QStringLiteral("NOME")).setString(QStringLiteral("TYPED"));

            RecordWindow window(clients, RecordTexts{});
            auto *layout = new QVBoxLayout(&window);
            auto *cancel = new QPushButton(QStringLiteral("Cancelar [ESC]"));
            layout->addWidget(new QLineEdit);
            layout->addWidget(cancel);
            connect(cancel, &QPushButton::clicked, &window, &RecordWindow::cancel);
            auto *keys = new KeyMap(&window);
            keys->press(KeyMap::Esc, cancel);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (how == QLatin1String("cancel"))
                QTest::mouseClick(cancel, Qt::LeftButton);
            else if (how == QLatin1String("close"))
                window.close();
            else
                QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_Escape);

            QVERIFY(!window.isVisible());
            QCOMPARE(clients->state(), Dataset::State::Browse);
            QCOMPARE(clients->rowCount(), 1);
            QCOMPARE(clients->field(QStringLiteral("NOME")).asString(), QStringLiteral("ANA"));
            QVERIFY(!clients->hasPendingUpdates());
        }
    }

    void enterPressesNothingAndEscOnlyWhereItCancels()
    {
        UiDatabase db;
        db.dm.ClientesQuery->open();
        RecordWindow window(db.dm.ClientesQuery, RecordTexts{});
        auto *layout = new QVBoxLayout(&window);
        auto *box = new QLineEdit;
        auto *save = new QPushButton(QStringLiteral("Gravar"));
        layout->addWidget(box);
        layout->addWidget(save);
        save->setDefault(true);
        QSignalSpy clicks(save, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(clicks.count(), 0);
        QVERIFY(window.isVisible());
        // A window that gives Esc no meaning stays open, its record in edit.
        window.setEscapeCancels(false);
        db.dm.ClientesQuery->append();
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QCOMPARE(db.dm.ClientesQuery->state(), Dataset::State::Insert);
        window.setEscapeCancels(true);
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(db.dm.ClientesQuery->state(), Dataset::State::Browse);
    }
};

QTEST_MAIN(TestWindowKinds)
#include "tst_windowkinds.moc"
