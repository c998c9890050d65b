#include "relosbands.h"

using namespace report;

namespace OrderPrint {

namespace {

// The drawing spans from kLeft to kLeft + kWidth of the 190 mm band: the
// header rule, the section rules and the two text boxes all take this width.
constexpr double kLeft = 1.6;
constexpr double kWidth = 185.2;
// A caption ends this far left of its value.
constexpr double kCaptionGap = 1.0;

constexpr double kClientValues = 39.2;
constexpr double kClientRightValues = 142.6;
constexpr double kOrderValues = 47.6;
constexpr double kInvoiceDateValue = 128.9;
constexpr double kQuoteValues = 43.1;

// The quote (left) and warranty (right) parts below the last rule.
constexpr double kQuoteLeft = 1.6, kQuoteRight = 108.5;
constexpr double kWarrantyLeft = 111.9, kWarrantyRight = 186.8;

const QString kMoney = QStringLiteral("R$ #,##0.00");

// A data field with its caption ending just left of it; a line without a
// caption carries on the field above it (the address's second line).
struct Labelled {
    double top;
    double valueLeft;
    const char *caption;       // nullptr: no caption
    const RowSource *source;
    const char *column;
    QString mask;
};

void addLabelled(Band &band, const Labelled &l)
{
    if (l.caption)
        band.addText(l.valueLeft - kCaptionGap, l.top, QString::fromUtf8(l.caption))
            .rightAligned()
            .setFont(arial(10, true));
    band.addField(l.valueLeft, l.top, l.source, QLatin1String(l.column), l.mask);
}

TextItem &addHeading(Band &band, double left, double top, double width, const QString &text)
{
    return band.addText(left, top, text).centredOver(width).setFont(arial(10, true));
}

void addPageHeader(Report &report, const RowSource &order, const RowSource &settings)
{
    Band &band = report.addBand(BandKind::PageHeader, 28.3);
    band.setPages(Pages::First);
    band.addField(kLeft, 0.0, &settings, QStringLiteral("CAB1")).setFont(arial(18, true));
    band.addField(kLeft, 9.5, &settings, QStringLiteral("CAB2"));
    band.addField(kLeft, 15.6, &settings, QStringLiteral("CAB3"));
    band.addField(kLeft, 21.7, &settings, QStringLiteral("CAB4"));
    band.addText(141.0, 9.5, QStringLiteral("OS:")).setFont(arial(16));
    band.addField(176.7, 9.5, &order, QStringLiteral("NORDEM")).rightAligned().setFont(arial(16));
    band.addHLine(kLeft, 25.9, kWidth);
}

WarrantyMarks addDetail(Report &report, const RowSource &client, const RowSource &order)
{
    Band &band = report.addBand(BandKind::Detail, 165.1);   // no source: printed once

    const Labelled fields[] = {
        {2.4, kClientValues, "Nome:", &client, "NOME", {}},
        {7.9, kClientValues, "Telefone Comercial:", &client, "FONECOM", {}},
        {7.9, kClientRightValues, "Telefone Residencial:", &client, "FONERES", {}},
        {13.5, kClientValues, "Celular:", &client, "FONECEL", {}},
        {13.5, kClientRightValues, "Cidade:", &client, "CIDADE", {}},
        {19.1, kClientValues, "Endereço:", &client, "END1", {}},
        {19.1, kClientRightValues, "UF:", &client, "UF", {}},
        {24.6, kClientValues, nullptr, &client, "END2", {}},
        {24.6, kClientRightValues, "CEP:", &client, "CEP", {}},
        {32.8, kOrderValues, "Data - Hora do Cadastro:", &order, "DATACAD", {}},
        {38.6, kOrderValues, "Data - Hora para Entrega:", &order, "DATAENTREGA", {}},
        {44.5, kOrderValues, "Solicitante:", &order, "SOLICITANTE", {}},
        {50.3, kOrderValues, "Produto:", &order, "DESCRICAO", {}},
        {56.1, kOrderValues, "Nota Fiscal:", &order, "NFISCAL", {}},
        {56.1, kInvoiceDateValue, "Data de Emissão:", &order, "DATAEMI", {}},
        {129.9, kQuoteValues, "Valor das Peças:", &order, "VALORPECAS", kMoney},
        {135.7, kQuoteValues, "Valor da Mão de Obra:", &order, "VALORSERV", kMoney},
        {141.6, kQuoteValues, "Valor do Deslocamento:", &order, "VALORDESLOC", kMoney},
        {147.4, kQuoteValues, "Valor Total:", &order, "VALORTOT", kMoney},
        {153.7, kQuoteValues, "Forma de Pagamento:", &order, "FORMAPAGTO", {}},
    };
    for (const Labelled &l : fields)
        addLabelled(band, l);

    for (double top : {29.9, 62.2, 90.5, 118.8})
        band.addHLine(kLeft, top, kWidth);

    // The complaint and the repair, each under its heading in a box that
    // wraps its text and cuts what does not fit.
    addHeading(band, kLeft, 65.4, kWidth, QStringLiteral("Defeito Reclamado"));
    band.addFieldBox(kLeft, 71.4, kWidth, 17.5, &order, QStringLiteral("ANOTA")).setWordWrap(true);
    addHeading(band, kLeft, 93.7, kWidth, QStringLiteral("Reparos / Manutenção"));
    band.addFieldBox(kLeft, 99.7, kWidth, 17.5, &order, QStringLiteral("REPARO")).setWordWrap(true);

    // The quote on the left, the warranty on the right.
    band.addVLine(110.1, 122.0, 39.7);
    addHeading(band, kQuoteLeft, 123.3, kQuoteRight - kQuoteLeft, QStringLiteral("Orçamento"));
    addHeading(band, kWarrantyLeft, 123.3, kWarrantyRight - kWarrantyLeft, QStringLiteral("Garantia"));
    WarrantyMarks marks;
    marks.yes = &band.addText(132.8, 131.0, kYesBlank);
    marks.no = &band.addText(152.4, 131.0, kNoBlank);
    band.addFieldBox(kWarrantyLeft, 139.4, 74.9, 18.8, &order, QStringLiteral("GARANTIA"))
        .setWordWrap(true)
        .setAlignment(Qt::AlignHCenter);
    return marks;
}

void addPageFooter(Report &report, const RowSource &settings)
{
    Band &band = report.addBand(BandKind::PageFooter, 91.0);
    band.setPages(Pages::Last);

    band.addText(5.0, 3.2, QStringLiteral("Anotações Gerais:")).setFont(arial(10, true));
    band.addRect(4.5, 9.0, 180.7, 45.5);
    constexpr double kLinesLeft = 8.7, kLinesLength = 171.4;
    for (double top : {15.1, 21.4, 27.8, 34.1, 40.5, 46.8})
        band.addHLine(kLinesLeft, top, kLinesLength);

    // The shop's warranty conditions, cut at the width they are centred over.
    band.addField(kLinesLeft, 57.1, &settings, QStringLiteral("GARANTIA1")).centredOver(kLinesLength).setFont(arial(10, true));
    band.addField(kLinesLeft, 63.2, &settings, QStringLiteral("GARANTIA2")).centredOver(kLinesLength).setFont(arial(10, true));

    constexpr double kSignatureLength = 52.9;
    band.addHLine(18.0, 78.1, kSignatureLength);
    band.addHLine(115.9, 78.1, kSignatureLength);
    band.addText(24.1, 80.7, QStringLiteral("Assinatura do Cliente"));
    band.addText(120.4, 80.7, QStringLiteral("Assinatura do Funcionário"));
}

} // namespace

WarrantyMarks addBands(Report &report, const RowSource &client, const RowSource &order, const RowSource &settings)
{
    report.setFormat(Formats::a4Plus());
    addPageHeader(report, order, settings);
    const WarrantyMarks marks = addDetail(report, client, order);
    addPageFooter(report, settings);
    return marks;
}

} // namespace OrderPrint
