#include "produtosui.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace ProductUi {

QToolButton *pictureButton(const QIcon &icon, const QString &hint, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setIcon(icon);
    b->setIconSize(QSize(24, 24));
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    return b;
}

QLabel *captioned(QGridLayout *grid, int row, int column, const QString &caption, QWidget *control, int columnSpan)
{
    auto *label = new QLabel(caption);
    label->setBuddy(control);
    control->setAccessibleName(QString(caption).replace(u'\n', u' ').simplified());
    grid->addWidget(label, row, column, 1, columnSpan);
    grid->addWidget(control, row + 1, column, 1, columnSpan);
    return label;
}

namespace {

// A box with an arrow going into it (entry) or out of it (exit).
QIcon boxWithArrow(bool in)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 80, 30), 2));
    p.setBrush(QColor(222, 184, 135));
    p.drawRect(QRectF(4, 14, 24, 15));
    const QColor arrow = in ? QColor(0, 128, 0) : QColor(200, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(arrow);
    QPainterPath path;
    if (in) {
        path.addRect(13, 1, 6, 9);
        path.moveTo(8, 10); path.lineTo(24, 10); path.lineTo(16, 19); path.closeSubpath();
    } else {
        path.addRect(13, 9, 6, 10);
        path.moveTo(8, 10); path.lineTo(24, 10); path.lineTo(16, 1); path.closeSubpath();
    }
    p.drawPath(path);
    return QIcon(pixmap);
}

} // namespace

QIcon entryPicture() { return boxWithArrow(true); }
QIcon exitPicture() { return boxWithArrow(false); }

void keepWhiteWhenDisabled(QWidget *control)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Window, Qt::white);
    control->setPalette(palette);
}

} // namespace ProductUi
