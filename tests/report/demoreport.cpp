#include "demoreport.h"

DemoReport::DemoReport()
{
    using namespace report;
    settings.addRow({QStringLiteral("Assistência Técnica Meridel")});
    report.setFormat(Formats::a4Plus());

    Band &header = report.addBand(BandKind::Header, kHeaderHeight);
    header.addField(1.6, 0, &settings, QStringLiteral("CAB1")).setFont(arial(18, true));
    header.addText(0, 11, QStringLiteral("RELATÓRIO DE PEÇAS")).centredOver(190).setFont(arial(11, true));
    const QFont bold = arial(10, true);
    header.addText(2, 23, QStringLiteral("Código")).setFont(bold);
    header.addText(30, 23, QStringLiteral("Descrição")).setFont(bold);
    header.addText(120, 23, QStringLiteral("Data")).setFont(bold);
    header.addText(186, 23, QStringLiteral("Valor")).rightAligned().setFont(bold);
    header.addHLine(2, 28.5, 185);

    Band &row = report.addBand(BandKind::Detail, kRowHeight);
    row.setSource(&parts);
    row.setShading(&shading);
    row.addField(2, 0.5, &parts, QStringLiteral("CODIGO"));
    row.addFieldBox(30, 0.5, 85, 4.5, &parts, QStringLiteral("DESCRICAO"));
    row.addField(120, 0.5, &parts, QStringLiteral("DATACAD"), QStringLiteral("dd/mm/yyyy"));
    row.addField(186, 0.5, &parts, QStringLiteral("VALOR"), QStringLiteral("R$ #,##0.00")).rightAligned();

    Band &footer = report.addBand(BandKind::Footer, kFooterHeight);
    footer.addHLine(2, 1, 185);
    footer.addSystemDateTime(2, 3);
    footerText = &footer.addText(186, 3, QStringLiteral("Fim do relatório")).rightAligned();
}

void DemoReport::fillParts(int count)
{
    parts.clear();
    for (int n = 1; n <= count; ++n)
        parts.addRow({QStringLiteral("P%1").arg(n, 3, 10, QLatin1Char('0')),
                      QStringLiteral("Peça %1").arg(n, 3, 10, QLatin1Char('0')), 1234.5 + n,
                      QDateTime(QDate(2026, 3, 1).addDays(n - 1), QTime(0, 0))});
}
