#include "relestoqueimp.h"

#include "dm.h"
#include "firebird.h"
#include "messages.h"
#include "produtostextos.h"

#include <QDate>

using namespace report;

namespace {

const QString kHeaderStatement = QStringLiteral("select * from config where idconfig = 1");

constexpr double kWidth = 190;        // A4 Plus less its 10 mm margins
constexpr double kHeadingsTop = 37;
constexpr double kHeaderHeight = 44;
constexpr double kRowHeight = 5;

// One column of a stock report: its heading, where it starts, the column it
// prints and how wide it may print.
struct Column {
    const char *heading;
    double left;
    const char *field;
    double width;
    QString mask;
};

// The shop's four header lines, the report's title and, under it, the line
// each report fills in (returned); the column headings and a rule close it.
TextItem &addHeader(Report &report, const RowSource &header, const QString &title, const std::vector<Column> &columns)
{
    Band &band = report.addBand(BandKind::Header, kHeaderHeight);
    band.addField(0, 0, &header, QStringLiteral("CAB1")).setFont(arial(16, true));
    band.addField(0, 8, &header, QStringLiteral("CAB2"));
    band.addField(0, 12.5, &header, QStringLiteral("CAB3"));
    band.addField(0, 17, &header, QStringLiteral("CAB4"));
    band.addText(0, 24, title).centredOver(kWidth).setFont(arial(11, true));
    TextItem &subtitle = band.addText(0, 30, QString()).centredOver(kWidth);
    for (const Column &c : columns)
        band.addText(c.left, kHeadingsTop, QString::fromUtf8(c.heading)).setFont(arial(10, true));
    band.addHLine(0, kHeaderHeight - 1.5, kWidth);
    return subtitle;
}

void addRows(Report &report, const RowSource &rows, ShadingSwitch &shading, const std::vector<Column> &columns)
{
    Band &band = report.addBand(BandKind::Detail, kRowHeight);
    band.setSource(&rows);
    band.setShading(&shading);
    for (const Column &c : columns)
        band.addFieldBox(c.left, 0.5, c.width, kRowHeight - 0.5, &rows, QLatin1String(c.field), c.mask);
}

void addFooter(Report &report)
{
    Band &band = report.addBand(BandKind::Footer, 9);
    band.addHLine(0, 1, kWidth);
    band.addSystemDateTime(0, 3);
}

const std::vector<Column> kMovementColumns = {
    {"Tipo", 0, "TIPO", 20, {}},
    {"Data Ent/Sai", 22, "DATACAD", 26, QStringLiteral("dd/mm/yyyy")},
    {"Cod. Produto", 50, "NPROD", 30, {}},
    {"Produto", 82, "DESCRICAO", 84, {}},
    {"Quantidade", 168, "QTDEENT", 22, {}},
};

const std::vector<Column> kStockColumns = {
    {"Cod. Produto", 0, "NPROD", 26, {}},
    {"Produto", 28, "DESCRICAO", 70, {}},
    {"Custo de Compra", 100, "CUSTOCOMPRA", 31, QStringLiteral("R$ 0.00")},
    {"Custo de Venda", 134, "CUSTOVENDA", 31, QStringLiteral("R$ 0.00")},
    {"Quantidade", 168, "QTDEDISP", 22, {}},
};

// Fills a report and previews it; a database error stops the print and is shown.
template <class Fill>
bool previewed(QWidget *parent, Report &report, Fill fill)
{
    try {
        fill();
    } catch (const fb::Error &e) {
        Messages::error(parent, e.message());
        return false;
    }
    report.preview(parent);
    return true;
}

template <class Template>
Template &childOf(TDM &dm, const QString &name, Template *(*make)(TDM &))
{
    if (auto *existing = dm.findChild<Template *>(name, Qt::FindDirectChildrenOnly))
        return *existing;
    Template *made = make(dm);
    made->setObjectName(name);
    return *made;
}

} // namespace

// ---- StockReport -----------------------------------------------------------

StockReport::StockReport(TDM &dm, const QString &title)
    : QObject(&dm), m_rows(dm.createScratchQuery(this)), m_header(dm.createScratchQuery(this)), m_report(title)
{
    m_report.setFormat(Formats::a4Plus());
}

// ---- TImpEntForm -----------------------------------------------------------

TImpEntForm::TImpEntForm(TDM &dm) : StockReport(dm, QStringLiteral("Relatório de Estoque. Entrada / Saida de Produtos."))
{
    m_period = &addHeader(m_report, m_header, QStringLiteral("RELATÓRIO DE ESTOQUE. ENTRADA / SAIDA DE PRODUTOS."),
                          kMovementColumns);
    addRows(m_report, m_rows, m_shading, kMovementColumns);
    addFooter(m_report);
}

TImpEntForm &TImpEntForm::of(TDM &dm)
{
    return childOf<TImpEntForm>(dm, QStringLiteral("ImpEntForm"), [](TDM &d) { return new TImpEntForm(d); });
}

void TImpEntForm::fill(const QString &movementStatement, const QDate &first, const QDate &last)
{
    m_rows.reload(movementStatement);
    m_header.reload(kHeaderStatement);
    m_period->setText(QStringLiteral("Data de Entrada / Saida ") + first.toString(QStringLiteral("dd/MM/yyyy"))
                      + QStringLiteral(" ao dia ") + last.toString(QStringLiteral("dd/MM/yyyy")));
}

void TImpEntForm::imprimir(QWidget *parent, const QString &movementStatement, const QDate &first, const QDate &last)
{
    previewed(parent, m_report, [&] { fill(movementStatement, first, last); });
}

// ---- TImpEstoqueForm -------------------------------------------------------

TImpEstoqueForm::TImpEstoqueForm(TDM &dm) : StockReport(dm, QStringLiteral("Relatório de Estoque Atual"))
{
    // The date of printing stands where the movement report has its period.
    TextItem &subtitle = addHeader(m_report, m_header, QStringLiteral("RELATÓRIO DE ESTOQUE ATUAL"), kStockColumns);
    subtitle.setVisible(false);
    m_report.bands().front()->addSystemDate(0, 30).centredOver(kWidth);
    addRows(m_report, m_rows, m_shading, kStockColumns);
    addFooter(m_report);
}

TImpEstoqueForm &TImpEstoqueForm::of(TDM &dm)
{
    return childOf<TImpEstoqueForm>(dm, QStringLiteral("ImpEstoqueForm"),
                                    [](TDM &d) { return new TImpEstoqueForm(d); });
}

void TImpEstoqueForm::fill()
{
    // Every product, whatever the product list shows at the moment.
    m_rows.reload(ProductTexts::kAll);
    m_header.reload(kHeaderStatement);
}

void TImpEstoqueForm::imprimir(QWidget *parent)
{
    previewed(parent, m_report, [&] { fill(); });
}
