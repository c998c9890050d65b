#include "relos.h"

#include "dm.h"
#include "firebird.h"
#include "messages.h"

namespace {

const QString kSettingsStatement = QStringLiteral("select * from config where idconfig = 1");

// GARANTIAITEM as the order editor writes it.
constexpr int kUnderWarranty = 1;
constexpr int kOutOfWarranty = 2;

} // namespace

TRelOSForm::TRelOSForm(TDM &dm)
    : QObject(&dm), m_client(dm.createScratchQuery(this)), m_order(dm.createScratchQuery(this)),
      m_settings(dm.createScratchQuery(this)), m_report(QStringLiteral("Ordem de Serviço"))
{
    m_marks = OrderPrint::addBands(m_report, m_client, m_order, m_settings);
}

TRelOSForm &TRelOSForm::of(TDM &dm)
{
    const QString name = QStringLiteral("RelOSForm");
    if (auto *existing = dm.findChild<TRelOSForm *>(name, Qt::FindDirectChildrenOnly))
        return *existing;
    auto *made = new TRelOSForm(dm);
    made->setObjectName(name);
    return *made;
}

void TRelOSForm::fill(int clientKey, int orderKey)
{
    // Keys are integers, written into the statements as digits.
    m_client.reload(QStringLiteral("select * from clientes where idcliente=") + QString::number(clientKey));
    m_settings.reload(kSettingsStatement);
    m_order.reload(QStringLiteral("select * from ordemserv where idordem=") + QString::number(orderKey));
    setDataVisible(true);
    setWarrantyMarks(m_order.value(0, QStringLiteral("GARANTIAITEM")).toInt());
}

void TRelOSForm::fillBlank()
{
    m_settings.reload(kSettingsStatement);
    setDataVisible(false);
    setWarrantyMarks(0);
}

void TRelOSForm::setDataVisible(bool visible)
{
    m_report.setFieldsVisible(&m_client, visible);
    m_report.setFieldsVisible(&m_order, visible);
}

// Both unmarked, then the order's choice: 1 under warranty, 2 out of it;
// any other value (an order saved before a choice was made) marks neither.
void TRelOSForm::setWarrantyMarks(int warrantyItem)
{
    m_marks.yes->setText(OrderPrint::kYesBlank);
    m_marks.no->setText(OrderPrint::kNoBlank);
    if (warrantyItem == kUnderWarranty)
        m_marks.yes->setText(OrderPrint::kYesMarked);
    else if (warrantyItem == kOutOfWarranty)
        m_marks.no->setText(OrderPrint::kNoMarked);
}

report::Document TRelOSForm::prepare(int clientKey, int orderKey)
{
    fill(clientKey, orderKey);
    return m_report.prepare();
}

template <class Fill>
void TRelOSForm::previewed(QWidget *parent, Fill fill)
{
    try {
        fill();
    } catch (const fb::Error &e) {
        Messages::error(parent, e.message());
        return;
    }
    m_report.preview(parent);
}

void TRelOSForm::imprimir(QWidget *parent, int clientKey, int orderKey)
{
    previewed(parent, [&] { fill(clientKey, orderKey); });
}

void TRelOSForm::imprimirEmBranco(QWidget *parent)
{
    previewed(parent, [&] { fillBlank(); });
}
