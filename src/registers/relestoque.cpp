#include "relestoque.h"

#include "brformat.h"
#include "dataset.h"
#include "dbcontrols.h"
#include "dbgrid.h"
#include "dm.h"
#include "firebird.h"
#include "messages.h"
#include "produtosui.h"
#include "registerform.h"
#include "relestoqueimp.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDateEdit *datePicker()
{
    auto *picker = new QDateEdit(QDate::currentDate());
    picker->setLocale(BrFormat::locale());
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setCalendarPopup(true);
    return picker;
}

} // namespace

TRelForm::TRelForm(QWidget *mainWindow) : ListWindow(mainWindow, QStringLiteral("Relatório de Estoque - Entrada / Saida"))
{
    setObjectName(QStringLiteral("TRelForm"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    m_type = new RadioGroup(QStringLiteral("Tipo"));
    m_type->setItems({QStringLiteral("Todos"), QStringLiteral("Entrada de Produto"), QStringLiteral("Saída de Produto")});
    m_type->setItemIndex(Todos);

    auto *period = new QGridLayout;
    m_first = datePicker();
    m_last = datePicker();
    auto *periodLabel = new QLabel(QStringLiteral("Data de Entrada/Saida"));
    periodLabel->setBuddy(m_first);
    m_first->setAccessibleName(QStringLiteral("Data de Entrada/Saida"));
    auto *to = new QLabel(QStringLiteral("à"));
    to->setBuddy(m_last);
    m_last->setAccessibleName(QStringLiteral("à"));
    period->addWidget(periodLabel, 0, 0, 1, 3);
    period->addWidget(m_first, 1, 0);
    period->addWidget(to, 1, 1);
    period->addWidget(m_last, 1, 2);
    auto *filter = RegisterForm::button(QStringLiteral("Filtrar [Estoque]"), this);
    auto *print = RegisterForm::button(QStringLiteral("Imprimir"), this);
    period->addWidget(filter, 2, 0);
    period->addWidget(print, 2, 2);

    auto *choices = new QHBoxLayout;
    choices->addWidget(m_type);
    choices->addLayout(period);
    choices->addStretch();

    m_grid = new DBGrid;
    m_grid->setAccessibleName(QStringLiteral("Movimentos"));
    m_grid->bind(DM->ProdEntQuery, {{QStringLiteral("Data Entrada / Saida"), QStringLiteral("DATACAD")},
                                    {QStringLiteral("Cod. Produto"), QStringLiteral("NPROD")},
                                    {QStringLiteral("Descrição"), QStringLiteral("DESCRICAO")},
                                    {QStringLiteral("Qtde Entrada / Saida"), QStringLiteral("QTDEENT")},
                                    {QStringLiteral("Fornecedor"), QStringLiteral("NOMEFORNE")},
                                    {QStringLiteral("Observação"), QStringLiteral("OBS")}});
    m_grid->setColumnWidth(0, 125);
    m_grid->setColumnWidth(2, 220);
    m_grid->setColumnWidth(3, 125);
    m_grid->setRowColour([this](int row) -> std::optional<QColor> {
        const QString type = m_grid->datasetModel()->value(row, QStringLiteral("TIPO")).toString();
        if (type == QLatin1String("entrada"))
            return QColor(0, 0, 255);
        if (type == QLatin1String("saida"))
            return QColor(255, 0, 0);
        return std::nullopt;
    });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_grid, 1);
    setFixedSize(780, 460);

    connect(filter, &QPushButton::clicked, this, &TRelForm::filtrar);
    connect(print, &QPushButton::clicked, this, &TRelForm::imprimir);

    // The window opens on today's movements of every type.
    filtrar();
}

QString TRelForm::movementStatement(int type, const QDate &first, const QDate &last)
{
    const QString period = QStringLiteral("datacad between \"%1\" and \"%2\"")
                               .arg(first.toString(QStringLiteral("yyyy/MM/dd")), last.toString(QStringLiteral("yyyy/MM/dd")));
    switch (type) {
    case Entrada:
        return QStringLiteral("select * from prodent where tipo=\"entrada\" and ") + period;
    case Saida:
        return QStringLiteral("select * from prodent where tipo=\"saida\" and ") + period;
    default:
        return QStringLiteral("select * from prodent where ") + period;
    }
}

QString TRelForm::currentStatement() const
{
    return movementStatement(m_type->itemIndex(), m_first->date(), m_last->date());
}

void TRelForm::filtrar()
{
    try {
        DM->ProdEntQuery->reopen(currentStatement());
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

void TRelForm::imprimir()
{
    TImpEntForm::of(*DM).imprimir(this, currentStatement(), m_first->date(), m_last->date());
}
