#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Artwork {

namespace {

constexpr int kIconSize = 56;
const QColor kInk(0x1E, 0x3A, 0x5F);

QString iconCaption(Icon which)
{
    switch (which) {
    case Icon::Vendas: return QStringLiteral("Vendas");
    case Icon::Clientes: return QStringLiteral("Clientes");
    case Icon::Fornecedores: return QStringLiteral("Fornec.");
    case Icon::Financeiro: return QStringLiteral("Finanças");
    case Icon::Ordens: return QStringLiteral("OS");
    case Icon::Agenda: return QStringLiteral("Agenda");
    case Icon::Estoque: return QStringLiteral("Estoque");
    case Icon::Relatorios: return QStringLiteral("Relatórios");
    }
    return {};
}

void drawGlyph(QPainter &p, Icon which, const QRectF &r)
{
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal x = r.x(), y = r.y(), w = r.width(), h = r.height();
    switch (which) {
    case Icon::Vendas: { // a shopping cart
        QPainterPath cart;
        cart.moveTo(x + 0.05 * w, y + 0.15 * h);
        cart.lineTo(x + 0.22 * w, y + 0.15 * h);
        cart.lineTo(x + 0.35 * w, y + 0.65 * h);
        cart.lineTo(x + 0.85 * w, y + 0.65 * h);
        cart.lineTo(x + 0.95 * w, y + 0.30 * h);
        cart.lineTo(x + 0.27 * w, y + 0.30 * h);
        p.drawPath(cart);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(x + 0.42 * w, y + 0.82 * h), 0.07 * w, 0.07 * w);
        p.drawEllipse(QPointF(x + 0.78 * w, y + 0.82 * h), 0.07 * w, 0.07 * w);
        break;
    }
    case Icon::Clientes: { // a person
        p.setBrush(QColor(0xF5, 0xD0, 0xA9));
        p.drawEllipse(QPointF(x + 0.5 * w, y + 0.3 * h), 0.18 * w, 0.18 * w);
        p.setBrush(QColor(0x4F, 0x86, 0xC6));
        p.drawChord(QRectF(x + 0.15 * w, y + 0.55 * h, 0.7 * w, 0.8 * h), 0, 180 * 16);
        break;
    }
    case Icon::Fornecedores: { // a delivery truck
        p.setBrush(QColor(0xE8, 0xA3, 0x3D));
        p.drawRect(QRectF(x + 0.05 * w, y + 0.25 * h, 0.55 * w, 0.4 * h));
        p.setBrush(QColor(0x4F, 0x86, 0xC6));
        p.drawRect(QRectF(x + 0.6 * w, y + 0.4 * h, 0.3 * w, 0.25 * h));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(x + 0.25 * w, y + 0.75 * h), 0.08 * w, 0.08 * w);
        p.drawEllipse(QPointF(x + 0.75 * w, y + 0.75 * h), 0.08 * w, 0.08 * w);
        break;
    }
    case Icon::Financeiro: { // coins
        p.setBrush(QColor(0xF2, 0xC9, 0x4C));
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QRectF(x + 0.2 * w, y + (0.55 - 0.17 * i) * h, 0.6 * w, 0.25 * h));
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(int(0.22 * h));
        p.setFont(f);
        p.drawText(QRectF(x + 0.2 * w, y + 0.21 * h, 0.6 * w, 0.25 * h), Qt::AlignCenter, QStringLiteral("R$"));
        break;
    }
    case Icon::Ordens: { // a wrench over a clipboard
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(x + 0.2 * w, y + 0.1 * h, 0.6 * w, 0.8 * h), 4, 4);
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(x + 0.3 * w, y + (0.3 + 0.15 * i) * h), QPointF(x + 0.7 * w, y + (0.3 + 0.15 * i) * h));
        p.setPen(QPen(QColor(0xC0, 0x39, 0x2B), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x + 0.45 * w, y + 0.9 * h), QPointF(x + 0.9 * w, y + 0.45 * h));
        break;
    }
    case Icon::Agenda: { // a calendar page
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(x + 0.12 * w, y + 0.18 * h, 0.76 * w, 0.7 * h), 4, 4);
        p.setBrush(QColor(0xC0, 0x39, 0x2B));
        p.drawRect(QRectF(x + 0.12 * w, y + 0.18 * h, 0.76 * w, 0.18 * h));
        p.setBrush(kInk);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRect(QRectF(x + (0.22 + 0.2 * c) * w, y + (0.45 + 0.18 * r) * h, 0.12 * w, 0.1 * h));
        break;
    }
    case Icon::Estoque: { // stacked boxes
        p.setBrush(QColor(0xC8, 0x9B, 0x62));
        p.drawRect(QRectF(x + 0.1 * w, y + 0.5 * h, 0.38 * w, 0.38 * h));
        p.drawRect(QRectF(x + 0.52 * w, y + 0.5 * h, 0.38 * w, 0.38 * h));
        p.drawRect(QRectF(x + 0.31 * w, y + 0.1 * h, 0.38 * w, 0.38 * h));
        break;
    }
    case Icon::Relatorios: { // a sheet with a bar chart
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(x + 0.18 * w, y + 0.08 * h, 0.64 * w, 0.84 * h), 4, 4);
        p.setBrush(QColor(0x3C, 0x9D, 0x5D));
        p.drawRect(QRectF(x + 0.28 * w, y + 0.55 * h, 0.1 * w, 0.27 * h));
        p.drawRect(QRectF(x + 0.45 * w, y + 0.38 * h, 0.1 * w, 0.44 * h));
        p.drawRect(QRectF(x + 0.62 * w, y + 0.25 * h, 0.1 * w, 0.57 * h));
        break;
    }
    }
}

} // namespace

QPixmap icon(Icon which, bool highlighted)
{
    QPixmap pm(kIconSize + 12, kIconSize + 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(4, 2, kIconSize + 4, kIconSize);
    QLinearGradient g(tile.topLeft(), tile.bottomLeft());
    g.setColorAt(0, highlighted ? QColor(0xFF, 0xF4, 0xC2) : QColor(0xF4, 0xF7, 0xFB));
    g.setColorAt(1, highlighted ? QColor(0xF7, 0xC8, 0x4A) : QColor(0xC9, 0xD6, 0xE6));
    p.setPen(QPen(highlighted ? QColor(0xB7, 0x86, 0x12) : QColor(0x8A, 0x9B, 0xB0), 1));
    p.setBrush(g);
    p.drawRoundedRect(tile, 8, 8);
    drawGlyph(p, which, tile.adjusted(12, 6, -12, -14));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(10);
    f.setBold(highlighted);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QRectF(0, tile.bottom() - 13, pm.width(), 13), Qt::AlignCenter, iconCaption(which));
    return pm;
}

QPixmap logo()
{
    QPixmap pm(180, 60);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x1E, 0x3A, 0x5F));
    p.drawText(QRectF(0, 0, 180, 40), Qt::AlignCenter, QStringLiteral("Tavrel"));
    f.setPixelSize(11);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor(0xB7, 0x86, 0x12));
    p.drawText(QRectF(0, 38, 180, 18), Qt::AlignCenter, QStringLiteral("Meridel · Ordem de Serviço"));
    return pm;
}

QPixmap background(const QSize &size)
{
    QPixmap pm(size.expandedTo(QSize(1, 1)));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, pm.height());
    g.setColorAt(0, QColor(0xDD, 0xE7, 0xF2));
    g.setColorAt(1, QColor(0x9F, 0xB6, 0xD1));
    p.fillRect(pm.rect(), g);
    // A large, faint gear: the workshop behind the counter.
    const QPointF c(pm.width() * 0.72, pm.height() * 0.55);
    const qreal r = std::min(pm.width(), pm.height()) * 0.32;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    QPainterPath gear;
    gear.addEllipse(c, r, r);
    for (int i = 0; i < 12; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(i * 30);
        QPainterPath tooth;
        tooth.addRect(QRectF(-r * 0.1, -r * 1.18, r * 0.2, r * 0.3));
        gear = gear.united(t.map(tooth));
    }
    p.drawPath(gear);
    p.setBrush(QColor(0x9F, 0xB6, 0xD1, 90));
    p.drawEllipse(c, r * 0.4, r * 0.4);
    return pm;
}

QPixmap aboutPicture()
{
    QPixmap pm(220, 120);
    QPainter p(&pm);
    p.fillRect(pm.rect(), QColor(0xF4, 0xF7, 0xFB));
    p.drawPixmap(20, 10, logo());
    p.drawPixmap(20, 64, icon(Icon::Ordens, false).scaled(40, 44, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    p.drawPixmap(90, 64, icon(Icon::Vendas, false).scaled(40, 44, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    p.drawPixmap(160, 64, icon(Icon::Estoque, false).scaled(40, 44, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return pm;
}

QPixmap loginPicture()
{
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1E, 0x3A, 0x5F), 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(28, 10, 40, 44), 0, 180 * 16);
    p.drawLine(28, 32, 28, 44);
    p.drawLine(68, 32, 68, 44);
    p.setBrush(QColor(0xF2, 0xC9, 0x4C));
    p.drawRoundedRect(QRectF(18, 42, 60, 44), 6, 6);
    p.setBrush(QColor(0x1E, 0x3A, 0x5F));
    p.drawEllipse(QPointF(48, 60), 6, 6);
    p.drawRect(QRectF(45, 62, 6, 14));
    return pm;
}

} // namespace Artwork
