#include "registerlist.h"

#include "dataset.h"
#include "dbcontrols.h"
#include "dbgrid.h"
#include "firebird.h"
#include "keymap.h"
#include "messages.h"
#include "recordconventions.h"
#include "registerform.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RegisterListWindow::RegisterListWindow(QWidget *mainWindow, Dataset *dataset, RegisterListTexts texts,
                                       RecordTexts recordTexts, RecordSequences::MakeRecordWindow makeRecordWindow)
    : ListWindow(mainWindow, texts.caption),
      m_dataset(dataset),
      m_texts(std::move(texts)),
      m_actions(this, dataset, std::move(recordTexts), [this] { return selectedKey(); },
                std::move(makeRecordWindow))
{
    auto *searchLabel = new QLabel(m_texts.searchLabel, this);
    m_searchBox = new QLineEdit(this);
    m_searchBox->setAccessibleName(m_texts.searchLabel);
    searchLabel->setBuddy(m_searchBox);
    QPushButton *searchButton = RegisterForm::button(QStringLiteral("Procurar"), this);

    m_searchBy = new RadioGroup(QStringLiteral("Procurar por:"), this);
    QStringList items;
    for (const auto &choice : std::as_const(m_texts.searchChoices))
        items << choice.item;
    m_searchBy->setItems(items, int(items.size()));
    m_searchBy->setItemIndex(0);

    auto *heading = new QLabel(m_texts.heading, this);
    QFont headingFont = heading->font();
    headingFont.setPointSize(20);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    QPalette headingPalette = heading->palette();
    headingPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    heading->setPalette(headingPalette);

    auto *searchColumn = new QVBoxLayout;
    searchColumn->addWidget(searchLabel);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(m_searchBox, 1);
    searchRow->addWidget(searchButton);
    searchColumn->addLayout(searchRow);

    m_searchBar = new QHBoxLayout;
    m_searchBar->addLayout(searchColumn, 2);
    m_searchBar->addWidget(m_searchBy, 1);
    m_searchBar->addStretch(1);
    m_searchBar->addWidget(heading);
    m_searchBarExtras = 2; // extras go after the search column and the radio group

    m_grid = new DBGrid(this);
    m_grid->bind(dataset, m_texts.columns);
    m_grid->setSelectedKeyLabel(selectedKeyLabel(), m_actions.texts().keyColumn);
    // Every title readable at first; the user widens or narrows columns from there.
    for (int c = 0; c < m_texts.columns.size(); ++c) {
        const int titleWidth = m_grid->horizontalHeader()->fontMetrics().horizontalAdvance(m_texts.columns[c].title);
        m_grid->horizontalHeader()->resizeSection(c, qMax(90, titleWidth + 24));
    }

    QPushButton *addButton = RegisterForm::button(m_texts.addButton, this);
    QPushButton *editButton = RegisterForm::button(m_texts.editButton, this);
    QPushButton *deleteButton = RegisterForm::button(m_texts.deleteButton, this);
    QPushButton *closeButton = RegisterForm::button(QStringLiteral("Fechar Janela"), this);
    auto *buttonBar = new QHBoxLayout;
    for (QPushButton *b : {addButton, editButton, deleteButton})
        buttonBar->addWidget(b);
    buttonBar->addStretch(1);
    buttonBar->addWidget(closeButton);

    auto *statusLine = new QLabel(m_texts.statusLine, this);
    statusLine->setFrameShape(QFrame::Panel);
    statusLine->setFrameShadow(QFrame::Sunken);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_searchBar);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttonBar);
    layout->addWidget(statusLine);
    resize(900, 560);

    connect(searchButton, &QPushButton::clicked, this, &RegisterListWindow::search);
    connect(addButton, &QPushButton::clicked, this, &RegisterListWindow::addRecord);
    connect(editButton, &QPushButton::clicked, this, &RegisterListWindow::editRecord);
    connect(deleteButton, &QPushButton::clicked, this, &RegisterListWindow::deleteRecord);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &RegisterListWindow::editRecord);

    auto *keys = new KeyMap(this);
    keys->press(KeyMap::F1, addButton);
    keys->press(KeyMap::F2, editButton);
    keys->press(KeyMap::F3, deleteButton);
    keys->press(KeyMap::Esc, closeButton);
    keys->searchOnEnter(m_searchBox, searchButton);
}

QPushButton *RegisterListWindow::addSearchBarButton(const QString &caption)
{
    QPushButton *button = RegisterForm::button(caption, this);
    m_searchBar->insertWidget(m_searchBarExtras++, button, 0, Qt::AlignBottom);
    return button;
}

QString RegisterListWindow::searchStatement(const QString &typed, int choice) const
{
    const QString column = m_texts.searchChoices.value(qMax(0, choice)).column;
    const QString table = QStringLiteral("select * from ") + m_texts.table;
    const QString order = QStringLiteral(" order by ") + m_texts.sortColumn;
    return Sql::searchStatement(typed, table + QStringLiteral(" where upper(") + column + QStringLiteral(") like \"%"),
                                QStringLiteral("%\"") + order, table + order);
}

void RegisterListWindow::search()
{
    const QString sql = searchStatement(m_searchBox->text(), m_searchBy->itemIndex());
    try {
        m_dataset->reopen(sql);
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

void RegisterListWindow::addRecord() { m_actions.addRecord(); }
void RegisterListWindow::editRecord() { m_actions.editRecord(); }
void RegisterListWindow::deleteRecord() { m_actions.deleteRecord(); }
