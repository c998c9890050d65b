#include "rtfwriter.h"

#include <QFile>
#include <algorithm>

namespace report {

namespace {

int twips(double mm) { return qRound(mm * 1440.0 / 25.4); }

QByteArray escaped(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u < 0x20) {
            continue;
        } else if (u < 0x80) {
            out += char(u);
        } else {
            // Unicode for word processors that read it, the Windows-1252 byte
            // (or "?") for those that do not.
            out += "\\u" + QByteArray::number(qint16(u));
            out += u >= 0xA0 && u <= 0xFF ? "\\'" + QByteArray::number(u, 16) : QByteArray("?");
        }
    }
    return out;
}

// One printed line: the text elements that share a top, left to right.
struct Row {
    double top = 0;
    double height = 0;
    std::vector<const TextElement *> texts;
};

// Keeps every colour the document uses, in the order met; index 0 is "auto".
class ColourTable
{
public:
    int indexOf(const QColor &colour)
    {
        const auto it = std::find(m_colours.begin(), m_colours.end(), colour.rgb());
        if (it != m_colours.end())
            return int(it - m_colours.begin()) + 1;
        m_colours.push_back(colour.rgb());
        return int(m_colours.size());
    }
    QByteArray rtf() const
    {
        QByteArray out = "{\\colortbl;";
        for (QRgb c : m_colours)
            out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c))
                + "\\blue" + QByteArray::number(qBlue(c)) + ';';
        return out + "}\n";
    }

private:
    std::vector<QRgb> m_colours;
};

class PageWriter
{
public:
    PageWriter(const PageFormat &format, ColourTable &colours) : m_format(format), m_colours(colours) {}

    QByteArray write(const Page &page)
    {
        collect(page);
        std::stable_sort(m_blocks.begin(), m_blocks.end(),
                  [](const Block &a, const Block &b) { return a.top < b.top; });
        for (const Block &block : m_blocks)
            m_out += block.isRow ? rowParagraph(m_rows[block.index]) : ruleParagraph(m_rules[block.index]);
        return m_out;
    }

private:
    struct Rule {
        double left, right, top;
        double penMm;
    };
    struct Block {
        double top;
        bool isRow;
        size_t index;
    };

    void collect(const Page &page)
    {
        for (const Element &element : page.elements) {
            if (const auto *text = std::get_if<TextElement>(&element)) {
                addText(*text);
            } else if (const auto *line = std::get_if<LineElement>(&element)) {
                if (qFuzzyCompare(line->line.y1(), line->line.y2()))
                    m_rules.push_back({qMin(line->line.x1(), line->line.x2()), qMax(line->line.x1(), line->line.x2()),
                                       line->line.y1(), line->widthMm});
            } else if (const auto *box = std::get_if<BoxElement>(&element)) {
                // A box's top and bottom edges become rules; what it holds
                // flows between them.
                if (box->penMm > 0) {
                    m_rules.push_back({box->rect.left(), box->rect.right(), box->rect.top(), box->penMm});
                    m_rules.push_back({box->rect.left(), box->rect.right(), box->rect.bottom(), box->penMm});
                }
                if (box->penMm <= 0 && box->fill.isValid() && box->fill != QColor(Qt::white)) if (box->fill.isValid() && box->fill != QColor(Qt::white))
                    m_shades.push_back(*box);
            }
        }
        for (size_t i = 0; i < m_rows.size(); ++i)
            m_blocks.push_back({m_rows[i].top, true, i});
        for (size_t i = 0; i < m_rules.size(); ++i)
            m_blocks.push_back({m_rules[i].top, false, i});
    }

    void addText(const TextElement &text)
    {
        for (Row &row : m_rows)
            if (qAbs(row.top - text.rect.top()) < 0.8) {
                row.texts.push_back(&text);
                row.height = qMax(row.height, text.rect.height());
                return;
            }
        m_rows.push_back({text.rect.top(), text.rect.height(), {&text}});
    }

    // Space before the paragraph so it starts where the item stands.
    QByteArray spaceBefore(double top)
    {
        const int before = qMax(0, twips(top - m_y));
        return "\\sb" + QByteArray::number(before);
    }

    QByteArray indents(double left, double right) const
    {
        return "\\li" + QByteArray::number(qMax(0, twips(left - m_format.marginLeft)))
            + "\\ri" + QByteArray::number(qMax(0, twips(m_format.sizeMm.width() - m_format.marginRight - right)));
    }

    QByteArray rowParagraph(Row &row)
    {
        std::sort(row.texts.begin(), row.texts.end(), [](const TextElement *a, const TextElement *b) {
            return a->rect.left() < b->rect.left();
        });
        QByteArray tabs, body;
        int lastStop = -1;
        for (const TextElement *text : row.texts) {
            const auto [kind, at] = tabStop(*text);
            const int stop = twips(at - m_format.marginLeft);
            if (stop > lastStop && stop > 0) {
                tabs += kind + "\\tx" + QByteArray::number(stop);
                body += "\\tab ";
                lastStop = stop;
            } else if (!body.isEmpty()) {
                body += ' ';
            }
            body += run(*text);
        }
        QByteArray out = "\\pard\\plain" + spaceBefore(row.top) + "\\sl-" + QByteArray::number(twips(row.height))
            + "\\slmult0" + tabs + shading(row) + "\\f0 " + body + "\\par\n";
        m_y = row.top + row.height;
        return out;
    }

    // An empty line of minimal height whose bottom border is the rule.
    QByteArray ruleParagraph(const Rule &rule)
    {
        const int width = qBound(2, twips(rule.penMm), 75);
        const double height = 0.5;
        const QByteArray out = "\\pard\\plain" + indents(rule.left, rule.right) + spaceBefore(rule.top - height)
            + "\\sl-" + QByteArray::number(twips(height)) + "\\slmult0\\brdrb\\brdrs\\brdrw"
            + QByteArray::number(width) + "\\fs2 \\par\n";
        m_y = rule.top;
        return out;
    }

    // Left-aligned text stands at a left tab, centred text at a centre tab
    // over its box, right-aligned text at a right tab at its right edge.
    std::pair<QByteArray, double> tabStop(const TextElement &text) const
    {
        if (text.alignment & Qt::AlignRight)
            return {"\\tqr", text.rect.right()};
        if (text.alignment & Qt::AlignHCenter)
            return {"\\tqc", text.rect.center().x()};
        return {QByteArray(), text.rect.left()};
    }

    QByteArray run(const TextElement &text)
    {
        QByteArray out = "{\\fs" + QByteArray::number(qRound(text.font.pointSizeF() * 2));
        if (text.font.bold())
            out += "\\b";
        if (text.font.italic())
            out += "\\i";
        if (text.color != QColor(Qt::black))
            out += "\\cf" + QByteArray::number(m_colours.indexOf(text.color));
        return out + ' ' + escaped(text.text) + '}';
    }

    QByteArray shading(const Row &row)
    {
        const double middle = row.top + row.height / 2;
        for (const BoxElement &shade : m_shades) {
            if (shade.rect.top() <= middle && middle <= shade.rect.bottom()) {
                // Solid: the pattern's colour at full shading, over the same background.
                const QByteArray colour = QByteArray::number(m_colours.indexOf(shade.fill));
                return "\\cbpat" + colour + "\\cfpat" + colour + "\\shading10000";
            }
        }
        return {};
    }

    const PageFormat &m_format;
    ColourTable &m_colours;
    std::vector<Row> m_rows;
    std::vector<Rule> m_rules;
    std::vector<BoxElement> m_shades;
    std::vector<Block> m_blocks;
    QByteArray m_out;
    double m_y = m_format.marginTop;
};

} // namespace

QByteArray RtfWriter::toRtf(const Document &document)
{
    const PageFormat &format = document.format;
    ColourTable colours;
    colours.indexOf(Qt::black);
    QByteArray body;
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0)
            body += "\\page\n";
        body += PageWriter(format, colours).write(document.pages[i]);
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n";
    out += colours.rtf();
    out += "{\\info{\\title " + escaped(document.title) + "}}\n";
    out += "\\paperw" + QByteArray::number(twips(format.sizeMm.width())) + "\\paperh"
        + QByteArray::number(twips(format.sizeMm.height())) + "\\margl" + QByteArray::number(twips(format.marginLeft))
        + "\\margr" + QByteArray::number(twips(format.marginRight)) + "\\margt"
        + QByteArray::number(twips(format.marginTop)) + "\\margb" + QByteArray::number(twips(format.marginBottom))
        + "\n";
    return out + body + "}\n";
}

bool RtfWriter::write(const Document &document, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray rtf = toRtf(document);
    return file.write(rtf) == rtf.size() && file.flush();
}

} // namespace report
