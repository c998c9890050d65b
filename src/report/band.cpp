#include "band.h"

namespace report {

QColor ShadingSwitch::take()
{
    const QColor colour = m_silver ? silver() : white();
    m_silver = !m_silver;
    return colour;
}

template<class T, class... Args> T &Band::add(Args &&...args)
{
    auto item = std::make_unique<T>(std::forward<Args>(args)...);
    T &ref = *item;
    m_items.push_back(std::move(item));
    return ref;
}

TextItem &Band::addText(double left, double top, const QString &text)
{
    return add<TextItem>(left, top, text);
}

TextItem &Band::addTextBox(double left, double top, double width, double height, const QString &text)
{
    return add<TextItem>(left, top, text).setBox(width, height);
}

FieldItem &Band::addField(double left, double top, const RowSource *source, const QString &column,
                          const QString &mask)
{
    return add<FieldItem>(left, top, source, column, mask);
}

FieldItem &Band::addFieldBox(double left, double top, double width, double height,
                             const RowSource *source, const QString &column, const QString &mask)
{
    FieldItem &field = add<FieldItem>(left, top, source, column, mask);
    field.setBox(width, height);
    return field;
}

SystemDateItem &Band::addSystemDateTime(double left, double top)
{
    return add<SystemDateItem>(left, top, SystemDateItem::Kind::DateTime);
}

SystemDateItem &Band::addSystemDate(double left, double top)
{
    return add<SystemDateItem>(left, top, SystemDateItem::Kind::Date);
}

LineItem &Band::addHLine(double left, double top, double length, int penWidth)
{
    return add<LineItem>(QPointF(left, top), QPointF(left + length, top), penWidth);
}

LineItem &Band::addVLine(double left, double top, double length, int penWidth)
{
    return add<LineItem>(QPointF(left, top), QPointF(left, top + length), penWidth);
}

RectItem &Band::addRect(double left, double top, double width, double height, int penWidth)
{
    return add<RectItem>(QRectF(left, top, width, height), penWidth);
}

void Band::place(const PrintContext &context, QPointF origin, double width, Page &page) const
{
    if (m_shading)
        page.elements.push_back(BoxElement{QRectF(origin, QSizeF(width, m_height)), 0, {}, m_shading->take()});
    for (const auto &item : m_items)
        if (item->isVisible())
            item->place(context, origin, page);
}

} // namespace report
