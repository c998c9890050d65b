// The data controls of the record windows: each shows its field of the
// current record, follows the record as it moves or is cancelled, and writes
// what the user types, putting a browsing dataset in edit. And the edit
// colours that switch them between editable and not.

#include "dbcontrols.h"
#include "editcolours.h"
#include "skin.h"
#include "uidatabase.h"

#include <QApplication>
#include <QFormLayout>
#include <QRadioButton>
#include <QtTest>

class TestDBControls : public QObject
{
    Q_OBJECT

    std::unique_ptr<UiDatabase> m_db;
    std::unique_ptr<QWidget> m_window;
    QFormLayout *m_form = nullptr;

    Dataset *clients() { return m_db->dm.ClientesQuery; }
    Dataset *orders() { return m_db->dm.OrdensQuery; }

    template <typename Control>
    Control *place(Control *control, const QString &caption)
    {
        control->setAccessibleName(caption);
        m_form->addRow(caption, control);
        return control;
    }

    void showWindow()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    QVariant stored(Dataset *ds, const QString &column) { return ds->field(column).value(); }

private Q_SLOTS:
    void initTestCase() { Skin::apply(*qobject_cast<QApplication *>(qApp)); }

    void init()
    {
        m_db = std::make_unique<UiDatabase>();
        m_db->addClient(1, QStringLiteral("ANA"), 1, 1);
        m_db->addClient(2, QStringLiteral("BRUNO"), 3, 2);
        m_db->run(QStringLiteral("update clientes set uf = 'RJ', anota = 'liga antes', "
                                 "datacadastro = '2009-03-05' where idcliente = 1"));
        m_db->run(QStringLiteral("insert into ordemserv (idordem, idcliente, descricao, situacao, volts110, valorserv) "
                                 "values (1, 1, 'TV', 'Em Andamento', 1, 50.5)"));
        m_db->run(QStringLiteral("insert into ordemserv (idordem, idcliente, descricao, situacao, volts110, valorserv) "
                                 "values (2, 1, 'RADIO', 'Cancelada', 2, 1234.5)"));
        clients()->reopen(QStringLiteral("select * from clientes order by idcliente"));
        orders()->reopen(QStringLiteral("select * from ordemserv order by idordem"));
        m_window = std::make_unique<QWidget>();
        m_form = new QFormLayout(m_window.get());
    }

    void cleanup()
    {
        m_window.reset();
        m_db.reset();
    }

    void editFollowsTheRecordAndWritesWhatIsTyped()
    {
        auto *name = place(new DBEdit, QStringLiteral("Nome do Cliente"));
        auto *other = place(new DBEdit, QStringLiteral("Nome outra vez"));
        name->bind(clients(), QStringLiteral("NOME"));
        other->bind(clients(), QStringLiteral("NOME"));
        showWindow();
        QCOMPARE(name->text(), QStringLiteral("ANA"));

        clients()->next();
        QCOMPARE(name->text(), QStringLiteral("BRUNO"));

        name->setFocus();
        name->end(false);
        QTest::keyClicks(name, QStringLiteral(" SILVA"));
        QCOMPARE(clients()->state(), Dataset::State::Edit);
        QCOMPARE(stored(clients(), QStringLiteral("NOME")).toString(), QStringLiteral("BRUNO SILVA"));
        QCOMPARE(other->text(), QStringLiteral("BRUNO SILVA"));
        // The box keeps the cursor where the user typed.
        QCOMPARE(name->cursorPosition(), name->text().size());

        clients()->cancel();
        QCOMPARE(name->text(), QStringLiteral("BRUNO"));

        clients()->close();
        QCOMPARE(name->text(), QString());
        QTest::keyClicks(name, QStringLiteral("X"));
        QCOMPARE(clients()->state(), Dataset::State::Inactive);
    }

    void editTextIsCutToTheColumnAndCanBeUpperOrHidden()
    {
        auto *state = place(new DBEdit, QStringLiteral("Estado"));
        auto *password = place(new DBEdit, QStringLiteral("Senha"));
        state->setUpperCase(true);
        state->bind(clients(), QStringLiteral("UF"));
        password->setPassword(true);
        password->bind(clients(), QStringLiteral("NOME"));
        showWindow();

        state->setFocus();
        state->selectAll();
        QTest::keyClicks(state, QStringLiteral("spx"));
        QCOMPARE(state->text(), QStringLiteral("SP"));
        QCOMPARE(stored(clients(), QStringLiteral("UF")).toString(), QStringLiteral("SP"));
        QCOMPARE(password->echoMode(), QLineEdit::Password);
    }

    void moneyIsShownAsCurrencyAndTypedWithAComma()
    {
        auto *labour = place(new DBEdit, QStringLiteral("Mão de Obra"));
        auto *elsewhere = place(new QLineEdit, QStringLiteral("Outro"));
        auto *total = place(new DBText, QStringLiteral("Valor Total"));
        labour->bind(orders(), QStringLiteral("VALORSERV"));
        total->bind(orders(), QStringLiteral("VALORSERV"));
        showWindow();
        elsewhere->setFocus();
        QCOMPARE(labour->text(), QStringLiteral("R$ 50,50"));
        QCOMPARE(total->text(), QStringLiteral("R$ 50,50"));

        labour->setFocus();
        QCOMPARE(labour->text(), QStringLiteral("50,5"));
        labour->selectAll();
        QTest::keyClicks(labour, QStringLiteral("1.234,75"));
        QCOMPARE(stored(orders(), QStringLiteral("VALORSERV")).toDouble(), 1234.75);
        QCOMPARE(total->text(), QStringLiteral("R$ 1.234,75"));

        elsewhere->setFocus();
        QCOMPARE(labour->text(), QStringLiteral("R$ 1.234,75"));

        labour->setFocus();
        labour->selectAll();
        QTest::keyClick(labour, Qt::Key_Delete);
        QVERIFY(stored(orders(), QStringLiteral("VALORSERV")).isNull());
    }

    void memoWritesItsLines()
    {
        auto *notes = place(new DBMemo, QStringLiteral("Anotações Gerais"));
        notes->bind(clients(), QStringLiteral("ANOTA"));
        showWindow();
        QCOMPARE(notes->toPlainText(), QStringLiteral("liga antes"));
        QCOMPARE(clients()->state(), Dataset::State::Browse); // showing is not typing

        notes->setFocus();
        notes->moveCursor(QTextCursor::End);
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, QStringLiteral("das 8h"));
        QCOMPARE(stored(clients(), QStringLiteral("ANOTA")).toString(), QStringLiteral("liga antes\ndas 8h"));

        clients()->cancel();
        clients()->next();
        QCOMPARE(notes->toPlainText(), QString());
    }

    void checkBoxWritesItsTwoValues()
    {
        auto *volts = place(new DBCheckBox(QStringLiteral("110 Volts")), QStringLiteral("110 Volts"));
        volts->setValues(1, 2);
        volts->bind(orders(), QStringLiteral("VOLTS110"));
        showWindow();
        QVERIFY(volts->isChecked());
        orders()->next();
        QVERIFY(!volts->isChecked());

        QTest::mouseClick(volts, Qt::LeftButton, {}, QPoint(6, volts->height() / 2));
        QVERIFY(volts->isChecked());
        QCOMPARE(orders()->state(), Dataset::State::Edit);
        QCOMPARE(stored(orders(), QStringLiteral("VOLTS110")).toInt(), 1);
        QTest::keyClick(volts, Qt::Key_Space);
        QCOMPARE(stored(orders(), QStringLiteral("VOLTS110")).toInt(), 2);
    }

    void comboBoxWithFixedOrFreeText()
    {
        auto *status = place(new DBComboBox, QStringLiteral("Situação"));
        status->setItems({QStringLiteral("Não Atendido"), QStringLiteral("Em Andamento"), QStringLiteral("Concluído")});
        status->bind(orders(), QStringLiteral("SITUACAO"));
        auto *technician = place(new DBComboBox, QStringLiteral("Técnico Responsável"));
        technician->setItems({QStringLiteral("JOSE"), QStringLiteral("MARIA")});
        technician->setFreeText(true);
        technician->bind(orders(), QStringLiteral("TECNICO"));
        showWindow();

        QCOMPARE(status->currentText(), QStringLiteral("Em Andamento"));
        orders()->next();
        // A value the list does not hold leaves nothing chosen.
        QCOMPARE(status->currentIndex(), -1);

        status->setFocus();
        QTest::keyClick(status, Qt::Key_Down);
        QCOMPARE(orders()->state(), Dataset::State::Edit);
        QCOMPARE(stored(orders(), QStringLiteral("SITUACAO")).toString(), status->currentText());
        QVERIFY(!status->currentText().isEmpty());

        technician->setFocus();
        QTest::keyClicks(technician, QStringLiteral("PEDRO"));
        QCOMPARE(stored(orders(), QStringLiteral("TECNICO")).toString(), QStringLiteral("PEDRO"));
        QCOMPARE(technician->count(), 2); // typing does not add to the list
    }

    void radioGroupMapsItemsToValues()
    {
        auto *person = place(new DBRadioGroup(QStringLiteral("Tipo")), QStringLiteral("Tipo"));
        person->setItems({QStringLiteral("Pessoa Física"), QStringLiteral("Pessoa Jurídica")}, 2);
        person->setFirstValue(1);
        person->bind(clients(), QStringLiteral("TIPOPESSOA"));
        showWindow();
        QCOMPARE(person->itemIndex(), 0);
        clients()->next();
        QCOMPARE(person->itemIndex(), 1);
        QCOMPARE(clients()->state(), Dataset::State::Browse);

        QRadioButton *natural = person->button(0);
        QTest::mouseClick(natural, Qt::LeftButton, {}, QPoint(6, natural->height() / 2));
        QCOMPARE(person->itemIndex(), 0);
        QCOMPARE(stored(clients(), QStringLiteral("TIPOPESSOA")).toInt(), 1);

        // A value outside the items chooses none.
        clients()->field(QStringLiteral("TIPOPESSOA")).setInteger(7);
        QCOMPARE(person->itemIndex(), -1);
    }

    void datePickerShowsAndWritesDates()
    {
        auto *date = place(new DBDateEdit, QStringLiteral("Data de Cadastro"));
        date->bind(clients(), QStringLiteral("DATACADASTRO"));
        showWindow();
        QCOMPARE(date->shownDate(), QDate(2009, 3, 5));
        QCOMPARE(date->text(), QStringLiteral("05/03/2009"));

        clients()->next();
        QVERIFY(!date->shownDate().isValid());
        QCOMPARE(date->text().trimmed(), QString());

        clients()->first();
        date->setFocus();
        date->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClick(date, Qt::Key_Up);
        QCOMPARE(clients()->state(), Dataset::State::Edit);
        QCOMPARE(stored(clients(), QStringLiteral("DATACADASTRO")).toDateTime(), QDateTime(QDate(2009, 3, 6), QTime(0, 0)));
    }

    void editColoursSwitchControls_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("edit") << QStringLiteral("edit");
        QTest::newRow("memo") << QStringLiteral("memo");
        QTest::newRow("date") << QStringLiteral("date");
        QTest::newRow("combo with free text") << QStringLiteral("combo");
        QTest::newRow("drop-down list") << QStringLiteral("list");
    }

    void editColoursSwitchControls()
    {
        QFETCH(QString, kind);
        QWidget *control = nullptr;
        if (kind == QLatin1String("edit")) {
            auto *e = new DBEdit;
            e->bind(clients(), QStringLiteral("CIDADE"));
            control = e;
        } else if (kind == QLatin1String("memo")) {
            auto *m = new DBMemo;
            m->bind(clients(), QStringLiteral("ANOTA"));
            control = m;
        } else if (kind == QLatin1String("date")) {
            auto *d = new DBDateEdit;
            d->bind(clients(), QStringLiteral("DATACADASTRO"));
            control = d;
        } else {
            auto *c = new DBComboBox;
            c->setItems({QStringLiteral("RJ"), QStringLiteral("SP")});
            c->setFreeText(kind == QLatin1String("combo"));
            c->bind(clients(), QStringLiteral("UF"));
            control = c;
        }
        place(control, kind);
        control->setMinimumSize(200, 40);
        showWindow();

        // Background pixel inside the box, away from the text and the frame.
        const auto background = [control] {
            const QImage image = control->grab().toImage();
            return image.pixelColor(int(image.width() * 0.6), image.height() - 6);
        };
        // The style shades a drop-down list's face slightly; a few units either way is its colour.
        const auto near = [](const QColor &a, const QColor &b) {
            return qAbs(a.red() - b.red()) <= 4 && qAbs(a.green() - b.green()) <= 4 && qAbs(a.blue() - b.blue()) <= 4;
        };

        EditColours::setEditable(control, false);
        QVERIFY(!control->isEnabled());
        QVERIFY2(near(background(), QApplication::palette().color(QPalette::Midlight)), qPrintable(background().name()));
        QTest::keyClicks(control, QStringLiteral("x"));
        QCOMPARE(clients()->state(), Dataset::State::Browse);

        EditColours::setEditable(control, true);
        QVERIFY(control->isEnabled());
        QVERIFY2(near(background(), QColor(Qt::white)), qPrintable(background().name()));
    }
};

QTEST_MAIN(TestDBControls)
#include "tst_dbcontrols.moc"
