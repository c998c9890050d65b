#include "items.h"

#include "displaymask.h"

namespace report {

int PrintContext::rowOf(const RowSource *source) const
{
    const auto it = currentRow.find(source);
    return it == currentRow.end() ? 0 : it->second;
}

TextItem::TextItem(double left, double top, const QString &text)
    : m_left(left), m_top(top), m_text(text)
{
}

TextItem &TextItem::centredOver(double width)
{
    m_width = width;
    m_alignment = Qt::AlignHCenter;
    return *this;
}

void TextItem::place(const PrintContext &context, QPointF origin, Page &page) const
{
    const QString text = content(context);
    if (text.isEmpty())
        return;
    const double lineHeight = TextFit::lineHeight(m_font);
    const QPointF topLeft = origin + QPointF(m_left, m_top);
    if (m_width <= 0) {
        const double width = TextFit::width(text, m_font);
        double x = topLeft.x();
        if (m_alignment & Qt::AlignRight)
            x -= width;
        else if (m_alignment & Qt::AlignHCenter)
            x -= width / 2;
        page.elements.push_back(TextElement{QRectF(x, topLeft.y(), width, lineHeight), text, m_font,
                                            m_alignment, m_color});
        return;
    }
    const double height = m_height > 0 ? m_height : lineHeight;
    const QStringList lines = TextFit::fit(text, m_font, m_width, height, m_wrap);
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QRectF rect(topLeft.x(), topLeft.y() + i * lineHeight, m_width, lineHeight);
        page.elements.push_back(TextElement{rect, lines[i], m_font, m_alignment, m_color});
    }
}

FieldItem::FieldItem(double left, double top, const RowSource *source, const QString &column,
                     const QString &mask)
    : TextItem(left, top, {}), m_source(source), m_column(column), m_mask(mask)
{
}

QString FieldItem::content(const PrintContext &context) const
{
    if (!m_source)
        return {};
    return formatValue(m_source->value(context.rowOf(m_source), m_column), m_mask);
}

SystemDateItem::SystemDateItem(double left, double top, Kind kind)
    : TextItem(left, top, {}), m_kind(kind)
{
}

QString SystemDateItem::content(const PrintContext &context) const
{
    switch (m_kind) {
    case Kind::Date: return context.printedAt.toString(QStringLiteral("dd/MM/yyyy"));
    case Kind::Time: return context.printedAt.toString(QStringLiteral("hh:mm:ss"));
    case Kind::DateTime: break;
    }
    return formatDateTime(context.printedAt);
}

double penWidthMm(int penWidth)
{
    // One screen pixel at 96 dots per inch.
    return qMax(1, penWidth) * 25.4 / 96.0;
}

LineItem::LineItem(QPointF from, QPointF to, int penWidth) : m_from(from), m_to(to), m_penWidth(penWidth) {}

void LineItem::place(const PrintContext &, QPointF origin, Page &page) const
{
    page.elements.push_back(LineElement{QLineF(origin + m_from, origin + m_to), penWidthMm(m_penWidth)});
}

RectItem::RectItem(const QRectF &rect, int penWidth) : m_rect(rect), m_penWidth(penWidth) {}

void RectItem::place(const PrintContext &, QPointF origin, Page &page) const
{
    page.elements.push_back(BoxElement{m_rect.translated(origin),
                                       m_penWidth > 0 ? penWidthMm(m_penWidth) : 0.0, Qt::black, m_fill});
}

} // namespace report
