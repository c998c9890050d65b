// The record sequences on a real CLIENTES table, driven through a small
// client list and record window the way the user drives them: new client,
// edit, delete with the client's orders, and the save with its checks, key
// allocation and database errors; and records removed by another workstation.

#include "dbcontrols.h"
#include "dbgrid.h"
#include "firebird.h"
#include "keymap.h"
#include "listwindow.h"
#include "messages.h"
#include "recordsequences.h"
#include "recordwindow.h"
#include "uidatabase.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QString kName = QStringLiteral("Nome do Cliente");
const QString kGone = QStringLiteral("Não é possivel editar o cliente, o mesmo já não se encontra mais no sistema.");
const QString kDeleted = QStringLiteral("Cliente já foi excluído por outro terminal!");
const QString kNoName = QStringLiteral("Nome do Cliente não pode estar em branco!");

RecordTexts clientTexts(TDM &dm)
{
    RecordTexts t;
    t.wholeTable = QStringLiteral("select * from clientes");
    t.keyColumn = QStringLiteral("IDCLIENTE");
    t.scratch = dm.AuxQuery;
    t.newCaption = QStringLiteral("Cadastro de Cliente");
    t.changeCaption = QStringLiteral("Alteração de Cliente");
    t.goneOnEdit = kGone;
    t.goneOnDelete = kDeleted;
    t.deleteTitle = QStringLiteral("Excluir Cliente");
    t.deleteQuestion = [](Dataset &ds) {
        return QStringLiteral("Deseja excluir o Cliente [ ") + ds.field(QStringLiteral("NOME")).asString()
               + QStringLiteral(" ] ?");
    };
    t.dependentDeletes = [](Dataset &ds) {
        return QStringList{QStringLiteral("delete from ordemserv where idcliente=")
                           + QString::number(ds.field(QStringLiteral("IDCLIENTE")).asInteger())};
    };
    t.closeBeforeDelete = {dm.OrdensQuery};
    return t;
}

// A record window with one bound box and one unbound choice.
class ClientWindow : public RecordWindow
{
public:
    ClientWindow(TDM &dm, QWidget *parent) : RecordWindow(dm.ClientesQuery, clientTexts(dm), parent)
    {
        auto *layout = new QVBoxLayout(this);
        name->setAccessibleName(kName);
        name->bind(dataset(), QStringLiteral("NOME"));
        annotation->setItems({QStringLiteral("Preto - Sem Anotação"), QStringLiteral("Verde"), QStringLiteral("Azul"),
                              QStringLiteral("Vermelho")}, 2);
        annotation->setItemIndex(0);
        layout->addWidget(name);
        layout->addWidget(annotation);
        layout->addWidget(save);
        layout->addWidget(cancelButton);
        connect(save, &QPushButton::clicked, this, &RecordWindow::save);
        connect(cancelButton, &QPushButton::clicked, this, &RecordWindow::cancel);
    }

    void readUnboundControls() override
    {
        const int type = dataset()->field(QStringLiteral("TIPOANOT")).asInteger();
        annotation->setItemIndex(type >= 1 && type <= 4 ? type - 1 : 0);
    }
    void writeUnboundControls() override
    {
        dataset()->field(QStringLiteral("TIPOANOT")).setInteger(annotation->itemIndex() + 1);
    }
    QString validationMessage() const override
    {
        return dataset()->field(QStringLiteral("NOME")).asString().isEmpty() ? kNoName : QString();
    }

    DBEdit *name = new DBEdit;
    RadioGroup *annotation = new RadioGroup(QStringLiteral("Tipo de Anotação"));
    QPushButton *save = new QPushButton(QStringLiteral("Gravar"));
    QPushButton *cancelButton = new QPushButton(QStringLiteral("Cancelar [ESC]"));
};

// A client list: the grid, its hidden key label and the three buttons with their keys.
class ClientList : public ListWindow
{
public:
    explicit ClientList(TDM &dm)
        : ListWindow(nullptr, QStringLiteral("Lista de Clientes")),
          actions(this, dm.ClientesQuery, clientTexts(dm), [this] { return selectedKey(); },
                  [&dm](QWidget *opener) { return new ClientWindow(dm, opener); })
    {
        auto *layout = new QVBoxLayout(this);
        grid->bind(dm.ClientesQuery, {{QStringLiteral("Cod. Cliente"), QStringLiteral("IDCLIENTE")},
                                      {QStringLiteral("Nome"), QStringLiteral("NOME")}});
        grid->setSelectedKeyLabel(selectedKeyLabel(), QStringLiteral("IDCLIENTE"));
        layout->addWidget(grid);
        for (QPushButton *b : {add, edit, remove})
            layout->addWidget(b);
        connect(add, &QPushButton::clicked, this, [this] { actions.addRecord(); });
        connect(edit, &QPushButton::clicked, this, [this] { actions.editRecord(); });
        connect(remove, &QPushButton::clicked, this, [this] { actions.deleteRecord(); });
        auto *keys = new KeyMap(this);
        keys->press(KeyMap::F1, add);
        keys->press(KeyMap::F2, edit);
        keys->press(KeyMap::F3, remove);
        setAttribute(Qt::WA_DeleteOnClose, false);
    }

    void clickRow(int row)
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
    }
    int rowOf(const QString &name)
    {
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            if (grid->model()->data(grid->model()->index(r, 1)).toString() == name)
                return r;
        return -1;
    }

    DBGrid *grid = new DBGrid;
    QPushButton *add = new QPushButton(QStringLiteral("Cadastrar Cliente"));
    QPushButton *edit = new QPushButton(QStringLiteral("Editar Cliente"));
    QPushButton *remove = new QPushButton(QStringLiteral("Excluir Cliente"));
    RecordActions actions;
};

void type(ClientWindow *w, const QString &text)
{
    w->name->setFocus();
    w->name->selectAll();
    QTest::keyClicks(w->name, text);
}

void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

} // namespace

class TestRecordSequences : public QObject
{
    Q_OBJECT

    std::unique_ptr<UiDatabase> m_db;
    std::unique_ptr<ClientList> m_list;

    Dataset *clients() { return m_db->dm.ClientesQuery; }
    TDM &dm() { return m_db->dm; }

    void openList(const QString &sql = QStringLiteral("select * from clientes order by nome"))
    {
        clients()->reopen(sql);
        m_list = std::make_unique<ClientList>(dm());
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
    }

    QString nameOf(int key)
    {
        return dm().Database().scalar(QStringLiteral("select nome from clientes where idcliente = %1").arg(key)).toString();
    }

    // Adds a client through the list the way the user does; returns the window's last caption.
    void addThroughList(const QString &name, Messages::Script &script)
    {
        script.onModal([&](QDialog *dialog) {
            auto *w = static_cast<ClientWindow *>(dialog);
            type(w, name);
            click(w->save);
        });
        QTest::keyClick(m_list->grid, Qt::Key_F1);
    }

private Q_SLOTS:
    void init() { m_db = std::make_unique<UiDatabase>(); }
    void cleanup()
    {
        m_list.reset();
        m_db.reset();
    }

    void newClientsGetTheNextKey()
    {
        openList();
        Messages::Script script;
        QString caption;
        script.onModal([&](QDialog *dialog) {
            auto *w = static_cast<ClientWindow *>(dialog);
            caption = w->windowTitle();
            QCOMPARE(clients()->state(), Dataset::State::Insert);
            QCOMPARE(clients()->field(QStringLiteral("DATACADASTRO")).asDateTime(), QDate::currentDate().startOfDay());
            type(w, QStringLiteral("ANA"));
            click(w->save);
            QVERIFY(!w->isVisible());
        });
        click(m_list->add);
        QCOMPARE(caption, QStringLiteral("Cadastro de Cliente"));
        QCOMPARE(nameOf(1), QStringLiteral("ANA"));
        // An untouched choice is saved as its first item.
        QCOMPARE(m_db->count(QStringLiteral("select tipoanot from clientes where idcliente = 1")), 1);

        addThroughList(QStringLiteral("BRUNO"), script);
        QCOMPARE(nameOf(2), QStringLiteral("BRUNO"));
        // After the save the list shows the whole table, on the saved client.
        QCOMPARE(clients()->sql(), QStringLiteral("select * from clientes"));
        QCOMPARE(clients()->field(QStringLiteral("IDCLIENTE")).asInteger(), 2);
        QCOMPARE(m_list->selectedKey(), 2);

        // Deleting the highest key gives it again.
        script.answerNextConfirmation(true);
        QTest::keyClick(m_list->grid, Qt::Key_F3);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from clientes")), 1);
        addThroughList(QStringLiteral("CAIO"), script);
        QCOMPARE(nameOf(2), QStringLiteral("CAIO"));
        QVERIFY(script.texts().filter(QStringLiteral("branco")).isEmpty());
    }

    void saveWithoutNameKeepsTheWindowOpen()
    {
        openList();
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            auto *w = static_cast<ClientWindow *>(dialog);
            click(w->save);
            QVERIFY(w->isVisible());
            QCOMPARE(script.last().text, kNoName);
            QCOMPARE(script.last().title, QStringLiteral("OS - Meridel"));
            QCOMPARE(clients()->state(), Dataset::State::Insert);
            type(w, QStringLiteral("ANA"));
            click(w->save);
            QVERIFY(!w->isVisible());
        });
        click(m_list->add);
        QCOMPARE(script.texts(), QStringList{kNoName});
        QCOMPARE(nameOf(1), QStringLiteral("ANA"));
    }

    void closingTheWindowDiscardsWhatWasTyped_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::newRow("new client") << false;
        QTest::newRow("changed client") << true;
    }

    void closingTheWindowDiscardsWhatWasTyped()
    {
        QFETCH(bool, editing);
        m_db->addClient(1, QStringLiteral("ANA"));
        openList();
        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            type(static_cast<ClientWindow *>(dialog), QStringLiteral("DIGITADO"));
            dialog->close();
        });
        click(editing ? m_list->edit : m_list->add);
        QCOMPARE(clients()->state(), Dataset::State::Browse);
        QCOMPARE(clients()->rowCount(), 1);
        QVERIFY(!clients()->hasPendingUpdates());
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from clientes")), 1);
        QCOMPARE(nameOf(1), QStringLiteral("ANA"));
        QCOMPARE(m_list->grid->model()->data(m_list->grid->model()->index(0, 1)).toString(), QStringLiteral("ANA"));
    }

    void editChangesTheSelectedClient()
    {
        m_db->addClient(1, QStringLiteral("CARLA"), 1);
        m_db->addClient(2, QStringLiteral("ANA"), 3);
        m_db->addClient(3, QStringLiteral("BRUNO"), 1);
        openList();
        m_list->clickRow(m_list->rowOf(QStringLiteral("BRUNO")));
        m_list->clickRow(m_list->rowOf(QStringLiteral("ANA")));
        QCOMPARE(m_list->selectedKey(), 2);

        Messages::Script script;
        QString caption;
        script.onModal([&](QDialog *dialog) {
            auto *w = static_cast<ClientWindow *>(dialog);
            caption = w->windowTitle();
            QCOMPARE(clients()->state(), Dataset::State::Edit);
            QCOMPARE(w->name->text(), QStringLiteral("ANA"));
            QCOMPARE(w->annotation->itemIndex(), 2); // read from TIPOANOT 3
            type(w, QStringLiteral("ANA PAULA"));
            click(w->annotation->button(3));
            click(w->save);
        });
        QTest::keyClick(m_list->grid, Qt::Key_F2);
        QCOMPARE(caption, QStringLiteral("Alteração de Cliente"));
        QCOMPARE(nameOf(2), QStringLiteral("ANA PAULA"));
        QCOMPARE(m_db->count(QStringLiteral("select tipoanot from clientes where idcliente = 2")), 4);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from clientes")), 3);
        QCOMPARE(clients()->sql(), QStringLiteral("select * from clientes"));
        QCOMPARE(m_list->selectedKey(), 2);
        QCOMPARE(m_list->grid->selectedRow(), clients()->currentRow());
    }

    void editOrDeleteOfAClientGoneMeanwhile_data()
    {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<QString>("message");
        QTest::newRow("edit") << false << kGone;
        QTest::newRow("delete") << true << kDeleted;
    }

    void editOrDeleteOfAClientGoneMeanwhile()
    {
        QFETCH(bool, deleting);
        QFETCH(QString, message);
        m_db->addClient(1, QStringLiteral("ANA"));
        m_db->addClient(2, QStringLiteral("BRUNO"));
        openList();
        m_list->clickRow(m_list->rowOf(QStringLiteral("BRUNO")));

        // Another workstation deletes the client the list shows as selected.
        {
            fb::Connection other;
            other.open(m_db->files.path());
            other.execute(QStringLiteral("delete from clientes where idcliente = 2"));
            other.commit();
        }

        Messages::Script script;
        bool windowShown = false;
        script.onModal([&](QDialog *) { windowShown = true; });
        click(deleting ? m_list->remove : m_list->edit);
        QVERIFY(!windowShown);
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.last().kind, Messages::Kind::Information);
        QCOMPARE(script.last().text, message);
        QCOMPARE(script.last().title, QStringLiteral("OS - Meridel"));
        QCOMPARE(clients()->state(), Dataset::State::Browse);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from clientes")), 1);
    }

    void deleteAsksAndTakesTheClientsOrders()
    {
        m_db->addClient(1, QStringLiteral("ANA"));
        m_db->addClient(2, QStringLiteral("BRUNO"));
        m_db->addOrder(1, 1);
        m_db->addOrder(2, 2);
        m_db->addOrder(3, 2);
        Dataset *orders = dm().OrdensQuery;
        const QString ordersSql = QStringLiteral("select * from ordemserv where idcliente=2");
        orders->reopen(ordersSql);
        openList();
        m_list->clickRow(m_list->rowOf(QStringLiteral("BRUNO")));

        Messages::Script script;
        script.answerNextConfirmation(false);
        click(m_list->remove);
        QCOMPARE(script.last().kind, Messages::Kind::Confirmation);
        QCOMPARE(script.last().title, QStringLiteral("Excluir Cliente"));
        QCOMPARE(script.last().text, QStringLiteral("Deseja excluir o Cliente [ BRUNO ] ?"));
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from clientes")), 2);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from ordemserv")), 3);
        QVERIFY(orders->isOpen());

        script.answerNextConfirmation(true);
        click(m_list->remove);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from clientes where idcliente = 2")), 0);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from ordemserv where idcliente = 2")), 0);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from ordemserv where idcliente = 1")), 1);
        QCOMPARE(m_list->grid->model()->rowCount(), 1);
        // The orders dataset was closed for the delete and keeps its statement.
        QVERIFY(!orders->isOpen());
        QCOMPARE(orders->sql(), ordersSql);

        // Committed: another workstation sees it.
        fb::Connection other;
        other.open(m_db->files.path());
        QCOMPARE(other.scalar(QStringLiteral("select count(*) from clientes")).toInt(), 1);
        QCOMPARE(other.scalar(QStringLiteral("select count(*) from ordemserv")).toInt(), 1);
    }

    void deleteRefusedByTheDatabaseKeepsTheClient()
    {
        m_db->addClient(1, QStringLiteral("ANA"));
        m_db->addClient(2, QStringLiteral("BRUNO"));
        openList();
        m_list->clickRow(m_list->rowOf(QStringLiteral("BRUNO")));

        // Another workstation is changing the client and has not committed.
        fb::Connection other;
        other.open(m_db->files.path());
        other.execute(QStringLiteral("update clientes set cidade = 'SAO VICENTE' where idcliente = 2"));

        Messages::Script script;
        script.answerNextConfirmation(true);
        click(m_list->remove);
        QCOMPARE(script.last().kind, Messages::Kind::Error);
        QVERIFY(!script.last().text.isEmpty());
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from clientes")), 2);
        // The list still shows the client, and no delete waits in the cache.
        QVERIFY(m_list->rowOf(QStringLiteral("BRUNO")) >= 0);
        QVERIFY(!clients()->hasPendingUpdates());
        QCOMPARE(m_list->selectedKey(), 2);

        // A later save does not carry the refused delete with it.
        other.rollbackRetaining();
        addThroughList(QStringLiteral("CAIO"), script);
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from clientes")), 3);
    }

    void anEmptyListDoesNothing()
    {
        openList();
        Messages::Script script;
        bool windowShown = false;
        script.onModal([&](QDialog *) { windowShown = true; });
        QTest::keyClick(m_list->grid, Qt::Key_F2);
        QTest::keyClick(m_list->grid, Qt::Key_F3);
        QVERIFY(!windowShown);
        QVERIFY(script.shown().isEmpty());
    }

    void databaseErrorOnSaveKeepsTheRecord_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::newRow("new client, key taken by another workstation") << false;
        QTest::newRow("changed client, row locked by another workstation") << true;
    }

    void databaseErrorOnSaveKeepsTheRecord()
    {
        QFETCH(bool, editing);
        if (editing)
            m_db->addClient(1, QStringLiteral("ANA"));
        openList();

        // Another workstation holds an uncommitted change in the way.
        fb::Connection other;
        other.open(m_db->files.path());
        other.execute(editing ? QStringLiteral("update clientes set nome = 'OUTRO' where idcliente = 1")
                              : QStringLiteral("insert into clientes (idcliente, nome) values (1, 'OUTRO')"));

        Messages::Script script;
        script.onModal([&](QDialog *dialog) {
            auto *w = static_cast<ClientWindow *>(dialog);
            type(w, QStringLiteral("ZECA"));
            click(w->save);
            QVERIFY(w->isVisible());
            QCOMPARE(script.last().kind, Messages::Kind::Error);
            QVERIFY(!script.last().text.isEmpty());
            QCOMPARE(clients()->state(), editing ? Dataset::State::Edit : Dataset::State::Insert);
            QCOMPARE(w->name->text(), QStringLiteral("ZECA"));

            // The other workstation gives way; saving again succeeds.
            other.rollbackRetaining();
            click(w->save);
            QVERIFY(!w->isVisible());
        });
        click(editing ? m_list->edit : m_list->add);
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(nameOf(1), QStringLiteral("ZECA"));
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from clientes")), 1);
    }
};

QTEST_MAIN(TestRecordSequences)
#include "tst_recordsequences.moc"
