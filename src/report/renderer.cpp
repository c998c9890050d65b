#include "renderer.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace report {

namespace {

// Paints one element in device units of `unitsPerMm`.
class ElementPainter
{
public:
    ElementPainter(QPainter &painter, double unitsPerMm) : m_painter(painter), m_unitsPerMm(unitsPerMm) {}

    void operator()(const TextElement &text) const
    {
        // Unhinted, as the layout measured it, whatever font the report was given.
        QFont font = text.font;
        font.setHintingPreference(QFont::PreferNoHinting);
        m_painter.setFont(font);
        m_painter.setPen(text.color);
        m_painter.drawText(scaled(text.rect), int(text.alignment | Qt::AlignTop) | Qt::TextSingleLine
                               | Qt::TextDontClip, text.text);
    }

    void operator()(const LineElement &line) const
    {
        m_painter.setPen(QPen(line.color, line.widthMm * m_unitsPerMm, Qt::SolidLine, Qt::FlatCap));
        m_painter.drawLine(QLineF(line.line.p1() * m_unitsPerMm, line.line.p2() * m_unitsPerMm));
    }

    void operator()(const BoxElement &box) const
    {
        if (box.penMm > 0)
            m_painter.setPen(QPen(box.pen, box.penMm * m_unitsPerMm, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        else
            m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(box.fill.isValid() ? QBrush(box.fill) : QBrush(Qt::NoBrush));
        m_painter.drawRect(scaled(box.rect));
        m_painter.setBrush(Qt::NoBrush);
    }

private:
    QRectF scaled(const QRectF &mm) const
    {
        return QRectF(mm.topLeft() * m_unitsPerMm, mm.size() * m_unitsPerMm);
    }

    QPainter &m_painter;
    double m_unitsPerMm;
};

} // namespace

// Fonts are sized in points, which the device turns into its own units; so
// positions are given in the device's logical units too and the zoom is left
// to the painter's transform.
void Renderer::paintPage(QPainter &painter, const Page &page, double zoom)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(zoom, zoom);
    const ElementPainter paint(painter, painter.device()->logicalDpiX() / 25.4);
    for (const Element &element : page.elements)
        std::visit(paint, element);
    painter.restore();
}

QPageSize Renderer::pageSize(const PageFormat &format)
{
    return QPageSize(format.sizeMm, QPageSize::Millimeter, format.name, QPageSize::ExactMatch);
}

namespace {

bool paintAll(const Document &document, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        Renderer::paintPage(painter, document.pages[i]);
    }
    return painter.end();
}

} // namespace

bool Renderer::writePdf(const Document &document, const QString &path)
{
    QPdfWriter writer(path);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Tavrel"));
    writer.setResolution(1200);
    writer.setPageSize(pageSize(document.format));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    return paintAll(document, writer);
}

bool Renderer::print(const Document &document, QPrinter &printer)
{
    printer.setDocName(document.title);
    printer.setCopyCount(1);
    printer.setFullPage(true);
    printer.setPageSize(pageSize(document.format));
    printer.setPageOrientation(QPageLayout::Portrait);
    return paintAll(document, printer);
}

QImage Renderer::pageImage(const Document &document, int page, double dpi)
{
    const QSizeF mm = document.format.sizeMm;
    QImage image(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, document.pages.at(size_t(page)));
    return image;
}

} // namespace report
