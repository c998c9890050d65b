// The read-only grid over a shared dataset: rows fetched as the grid scrolls,
// the grid following whatever any window does to the dataset, the selected
// row and the current row kept together, Ctrl+Delete swallowed and the cells
// painted with the list's colours.

#include "dbgrid.h"
#include "messages.h"
#include "uidatabase.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

namespace {

const QList<GridColumn> kClientColumns = {
    {QStringLiteral("Cod. Cliente"), QStringLiteral("IDCLIENTE")},
    {QStringLiteral("Nome"), QStringLiteral("NOME")},
    {QStringLiteral("Cidade"), QStringLiteral("CIDADE")},
};

// How far apart two colours are, channel by channel.
int distance(const QColor &a, const QColor &b)
{
    return qMax(qAbs(a.red() - b.red()), qMax(qAbs(a.green() - b.green()), qAbs(a.blue() - b.blue())));
}

// What a painted cell shows: its background, the colour of its text and where the text starts.
struct PaintedCell {
    QColor background;
    QColor text;
    QPoint textOffset{-1, -1}; // leftmost and topmost text pixel, from the cell's corner
};

PaintedCell inspect(DBGrid &grid, int row, int column)
{
    const QImage image = grid.viewport()->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRect cell = grid.visualRect(grid.model()->index(row, column));
    PaintedCell seen;
    // The cell's last column of pixels before the grid line holds no text.
    seen.background = image.pixelColor(int((cell.right() - 1) * ratio), int((cell.bottom() - 1) * ratio));
    int farthest = -1;
    int left = cell.width(), top = cell.height();
    for (int y = cell.top(); y < cell.bottom(); ++y) {
        for (int x = cell.left(); x < cell.right(); ++x) {
            const QColor c = image.pixelColor(int(x * ratio), int(y * ratio));
            const int d = distance(c, seen.background);
            if (d > farthest) {
                farthest = d;
                seen.text = c;
            }
            if (d > 60) {
                left = qMin(left, x - cell.left());
                top = qMin(top, y - cell.top());
            }
        }
    }
    seen.textOffset = QPoint(left, top);
    return seen;
}

} // namespace

class TestDBGrid : public QObject
{
    Q_OBJECT

    std::unique_ptr<UiDatabase> m_db;

    Dataset *clients() { return m_db->dm.ClientesQuery; }

private Q_SLOTS:
    void init() { m_db = std::make_unique<UiDatabase>(); }
    void cleanup() { m_db.reset(); }

    void rowsArriveAsTheGridScrolls()
    {
        m_db->run(QStringLiteral("execute block as declare i integer = 1; begin "
                                 "while (i <= 400) do begin "
                                 "insert into clientes (idcliente, nome) values (:i, 'CLIENTE ' || :i); "
                                 "i = i + 1; end end"));
        clients()->reopen(QStringLiteral("select * from clientes order by idcliente"));

        DBGrid grid;
        grid.bind(clients(), kClientColumns);
        grid.resize(400, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        const int atOpen = grid.model()->rowCount();
        QCOMPARE(atOpen, Dataset::kFetchBatch);
        QVERIFY(!clients()->allFetched());

        // Scrolling to the bottom brings the next rows, not the whole table.
        grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
        const int afterScroll = grid.model()->rowCount();
        QVERIFY2(afterScroll > atOpen && afterScroll < 400, qPrintable(QString::number(afterScroll)));
        QCOMPARE(afterScroll, clients()->rowCount());
        QCOMPARE(grid.model()->data(grid.model()->index(afterScroll - 1, 1)).toString(),
                 QStringLiteral("CLIENTE %1").arg(afterScroll));
    }

    void followsWhatAnyWindowDoesToTheDataset()
    {
        for (int i = 1; i <= 5; ++i)
            m_db->addClient(i, QStringLiteral("CLIENTE %1").arg(i));
        clients()->reopen(QStringLiteral("select * from clientes order by idcliente"));

        // Two lists on the one dataset, as two open windows would have.
        DBGrid first, second;
        first.bind(clients(), kClientColumns);
        second.bind(clients(), kClientColumns);
        QCOMPARE(first.model()->rowCount(), 5);

        clients()->reopen(QStringLiteral("select * from clientes where idcliente > 3"));
        QCOMPARE(first.model()->rowCount(), 2);
        QCOMPARE(second.model()->rowCount(), 2);
        QCOMPARE(second.model()->data(second.model()->index(0, 1)).toString(), QStringLiteral("CLIENTE 4"));

        clients()->close();
        QCOMPARE(first.model()->rowCount(), 0);
        clients()->open();
        QCOMPARE(first.model()->rowCount(), 2);

        clients()->append();
        QCOMPARE(first.model()->rowCount(), 3);
        QCOMPARE(first.selectedRow(), 2);
        clients()->field(QStringLiteral("NOME")).setString(QStringLiteral("NOVO"));
        QCOMPARE(second.model()->data(second.model()->index(2, 1)).toString(), QStringLiteral("NOVO"));
        clients()->cancel();
        QCOMPARE(first.model()->rowCount(), 2);
        QCOMPARE(second.model()->rowCount(), 2);

        clients()->first();
        clients()->edit();
        clients()->field(QStringLiteral("NOME")).setString(QStringLiteral("MUDADO"));
        clients()->post();
        QCOMPARE(first.model()->data(first.model()->index(0, 1)).toString(), QStringLiteral("MUDADO"));

        clients()->deleteRecord();
        QCOMPARE(first.model()->rowCount(), 1);
        QCOMPARE(second.model()->data(second.model()->index(0, 1)).toString(), QStringLiteral("CLIENTE 5"));
    }

    void aGridBoundAgainFollowsOnlyItsNewDataset()
    {
        for (int i = 1; i <= 3; ++i) {
            m_db->addClient(i, QStringLiteral("CLIENTE %1").arg(i));
            m_db->addOrder(i, 1);
        }
        clients()->reopen(QStringLiteral("select * from clientes order by idcliente"));
        Dataset *orders = m_db->dm.OrdensQuery;
        orders->reopen(QStringLiteral("select * from ordemserv order by idordem"));

        DBGrid grid;
        grid.bind(clients(), kClientColumns);
        grid.bind(orders, {{QStringLiteral("Descrição"), QStringLiteral("DESCRICAO")}});
        QCOMPARE(grid.model()->columnCount(), 1);
        QCOMPARE(grid.model()->data(grid.model()->index(1, 0)).toString(), QStringLiteral("TV 2"));

        orders->moveTo(2);
        QCOMPARE(grid.selectedRow(), 2);
        clients()->moveTo(1);
        QCOMPARE(grid.selectedRow(), 2);
        QCOMPARE(orders->currentRow(), 2);
    }

    void selectedRowAndCurrentRowFollowEachOther()
    {
        for (int i = 1; i <= 6; ++i)
            m_db->addClient(i * 10, QStringLiteral("CLIENTE %1").arg(i));
        clients()->reopen(QStringLiteral("select * from clientes order by idcliente"));

        QWidget window;
        auto *layout = new QHBoxLayout(&window);
        auto *first = new DBGrid;
        auto *second = new DBGrid;
        layout->addWidget(first);
        layout->addWidget(second);
        QLabel firstKey, secondKey;
        first->bind(clients(), kClientColumns);
        second->bind(clients(), kClientColumns);
        first->setSelectedKeyLabel(&firstKey, QStringLiteral("IDCLIENTE"));
        second->setSelectedKeyLabel(&secondKey, QStringLiteral("IDCLIENTE"));
        window.resize(800, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Opening leaves the first row current and selected.
        QCOMPARE(first->selectedRow(), 0);
        QCOMPARE(firstKey.text(), QStringLiteral("10"));

        QSignalSpy shown(second, &DBGrid::selectedRowShown);
        // The user clicks the third row of the first list.
        const QRect third = first->visualRect(first->model()->index(2, 1));
        QTest::mouseClick(first->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(clients()->currentRow(), 2);
        QCOMPARE(second->selectedRow(), 2);
        QCOMPARE(firstKey.text(), QStringLiteral("30"));
        QCOMPARE(secondKey.text(), QStringLiteral("30"));
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().at(0).toInt(), 2);

        // New values of the selected row are shown again, with its key.
        shown.clear();
        clients()->edit();
        clients()->field(QStringLiteral("IDCLIENTE")).setInteger(35);
        clients()->post();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(secondKey.text(), QStringLiteral("35"));

        // Ctrl+click on the selected row, or a click below the last row, keeps it selected.
        QTest::mouseClick(first->viewport(), Qt::LeftButton, Qt::ControlModifier, third.center());
        QCOMPARE(first->selectedRow(), 2);
        QTest::mouseClick(first->viewport(), Qt::LeftButton, {}, QPoint(5, first->viewport()->height() - 3));
        QCOMPARE(first->selectedRow(), 2);
        QCOMPARE(clients()->currentRow(), 2);

        // The arrow key moves it on.
        QTest::keyClick(first, Qt::Key_Down);
        QCOMPARE(clients()->currentRow(), 3);
        QCOMPARE(secondKey.text(), QStringLiteral("40"));

        // Another window moves the dataset: both lists follow.
        QVERIFY(clients()->locate(QStringLiteral("IDCLIENTE"), 60));
        QCOMPARE(first->selectedRow(), 5);
        QCOMPARE(second->selectedRow(), 5);
        QCOMPARE(firstKey.text(), QStringLiteral("60"));

        // A reopen selects the new current row.
        clients()->reopen(QStringLiteral("select * from clientes where idcliente >= 50"));
        QCOMPARE(first->selectedRow(), 0);
        QCOMPARE(secondKey.text(), QStringLiteral("50"));
    }

    void ctrlDeleteIsSwallowed_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("ctrl+shift") << (Qt::ControlModifier | Qt::ShiftModifier);
        QTest::newRow("ctrl+alt") << (Qt::ControlModifier | Qt::AltModifier);
        QTest::newRow("ctrl+shift+alt") << (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    }

    void ctrlDeleteIsSwallowed()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        m_db->addClient(1, QStringLiteral("ANA"));
        m_db->addClient(2, QStringLiteral("BIA"));
        clients()->reopen(QStringLiteral("select * from clientes order by idcliente"));
        Messages::Script script;

        DBGrid grid;
        grid.bind(clients(), kClientColumns);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(1, 1)).center());

        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, modifiers);
        QApplication::sendEvent(&grid, &press);
        QVERIFY2(press.isAccepted(), "the key must not reach the window behind the grid");

        QCOMPARE(clients()->rowCount(), 2);
        QCOMPARE(clients()->currentRow(), 1);
        QCOMPARE(clients()->state(), Dataset::State::Browse);
        QVERIFY(!clients()->hasPendingUpdates());
        QVERIFY(script.shown().isEmpty());
        QCOMPARE(m_db->count(QStringLiteral("select count(*) from clientes")), 2);
    }

    void paintsCells_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<bool>("byAnnotation");
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");

        const QColor sky(166, 202, 240), white(Qt::white);
        const QColor gridText(120, 40, 0), highlightText(255, 255, 0);
        const auto def = int(DBGrid::TextColour::GridDefault);
        // Row 0 is selected; rows hold annotation types 3 (blue), 2 (green) and 9 (none).
        QTest::newRow("selected row, grid's colours") << def << false << 0 << sky << highlightText;
        QTest::newRow("other row, grid's colours") << def << false << 1 << white << gridText;
        QTest::newRow("selected row, colour by status") << def << true << 0 << sky << QColor(0, 0, 255);
        QTest::newRow("other row, colour by status") << def << true << 1 << white << QColor(0, 128, 0);
        QTest::newRow("row without a status colour") << def << true << 2 << white << gridText;
        QTest::newRow("black on selected: selected")
            << int(DBGrid::TextColour::BlackOnSelected) << false << 0 << sky << QColor(Qt::black);
        QTest::newRow("black on selected: other")
            << int(DBGrid::TextColour::BlackOnSelected) << false << 1 << white << gridText;
        QTest::newRow("black on every row") << int(DBGrid::TextColour::BlackAll) << false << 2 << white << QColor(Qt::black);
        QTest::newRow("navy on every row, selected") << int(DBGrid::TextColour::NavyAll) << false << 0 << sky << QColor(0, 0, 128);
        QTest::newRow("navy on every row") << int(DBGrid::TextColour::NavyAll) << false << 1 << white << QColor(0, 0, 128);
    }

    void paintsCells()
    {
        QFETCH(int, rule);
        QFETCH(bool, byAnnotation);
        QFETCH(int, row);
        QFETCH(QColor, background);
        QFETCH(QColor, text);

        m_db->addClient(1, QStringLiteral("WWWWWW"), 3);
        m_db->addClient(2, QStringLiteral("MMMMMM"), 2);
        m_db->addClient(3, QStringLiteral("HHHHHH"), 9);
        clients()->reopen(QStringLiteral("select * from clientes order by idcliente"));

        DBGrid grid;
        QPalette palette = grid.palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, QColor(120, 40, 0));
        palette.setColor(QPalette::HighlightedText, QColor(255, 255, 0));
        grid.setPalette(palette);
        grid.bind(clients(), kClientColumns);
        grid.setTextColour(DBGrid::TextColour(rule));
        if (byAnnotation) {
            grid.setRowColour([&grid](int r) -> std::optional<QColor> {
                switch (grid.datasetModel()->value(r, QStringLiteral("TIPOANOT")).toInt()) {
                case 1: return QColor(Qt::black);
                case 2: return QColor(0, 128, 0);
                case 3: return QColor(0, 0, 255);
                case 4: return QColor(255, 0, 0);
                default: return std::nullopt;
                }
            });
        }
        // Tall rows show whether the text sits at the top or in the middle.
        grid.verticalHeader()->setDefaultSectionSize(40);
        grid.horizontalHeader()->resizeSection(1, 150);
        grid.resize(500, 250);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        // The focus elsewhere must not hide the selection.
        grid.clearFocus();

        const PaintedCell cell = inspect(grid, row, 1);
        QCOMPARE(cell.background, background);
        QVERIFY2(distance(cell.text, text) < 40,
                 qPrintable(QStringLiteral("text %1, expected %2").arg(cell.text.name(), text.name())));
        QVERIFY2(cell.textOffset.x() >= 2 && cell.textOffset.x() <= 4,
                 qPrintable(QStringLiteral("text starts %1 px from the left").arg(cell.textOffset.x())));
        QVERIFY2(cell.textOffset.y() < 8,
                 qPrintable(QStringLiteral("text starts %1 px from the top").arg(cell.textOffset.y())));
    }

    void aScratchQueryShowsTheColumnsOfItsStatement()
    {
        m_db->addClient(1, QStringLiteral("ANA"));
        m_db->addClient(7, QStringLiteral("BIA"));
        Dataset *scratch = m_db->dm.AuxQuery;
        DBGrid grid;
        // Bound while closed: its columns are known only once it opens.
        grid.bind(scratch, {{QStringLiteral("Maior"), QStringLiteral("COD")}});
        QCOMPARE(grid.model()->rowCount(), 0);
        scratch->reopen(QStringLiteral("select max(idcliente)as cod from clientes"));
        QCOMPARE(grid.model()->rowCount(), 1);
        QCOMPARE(grid.model()->data(grid.model()->index(0, 0)).toString(), QStringLiteral("7"));
    }

    void cellsShowPlainValues()
    {
        m_db->run(QStringLiteral("insert into contaspagar (idconta, nomeconta, valor, datavencto) "
                                 "values (1, 'LUZ', 1234.5, '2009-03-05 14:30:00')"));
        Dataset *bills = m_db->dm.ContasPagQuery;
        bills->reopen(QStringLiteral("select * from contaspagar"));
        DBGrid grid;
        grid.bind(bills, {{QStringLiteral("Valor"), QStringLiteral("VALOR")},
                          {QStringLiteral("Vencimento"), QStringLiteral("DATAVENCTO")},
                          {QStringLiteral("Conta"), QStringLiteral("NOMECONTA")}});
        QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Vencimento"));
        // No currency sign and no thousands point for money, the date alone for a date-time.
        QCOMPARE(grid.model()->data(grid.model()->index(0, 0)).toString(), QStringLiteral("1234,5"));
        QCOMPARE(grid.model()->data(grid.model()->index(0, 1)).toString(), QStringLiteral("05/03/2009"));
        QCOMPARE(grid.model()->data(grid.model()->index(0, 2)).toString(), QStringLiteral("LUZ"));
        // The user cannot edit a cell.
        QVERIFY(!(grid.model()->flags(grid.model()->index(0, 2)) & Qt::ItemIsEditable));
    }
};

QTEST_MAIN(TestDBGrid)
#include "tst_dbgrid.moc"
