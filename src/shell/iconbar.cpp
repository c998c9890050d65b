#include "iconbar.h"

#include <QEnterEvent>
#include <QHBoxLayout>
#include <QMouseEvent>

BarIcon::BarIcon(Artwork::Icon which, const QString &name, const QString &hint, QWidget *parent)
    : QLabel(parent), m_normalPicture(Artwork::icon(which, false)),
      m_highlightedPicture(Artwork::icon(which, true)), m_hint(hint)
{
    setAccessibleName(name);
    setPixmap(m_normalPicture);
    setFixedSize(m_normalPicture.size());
}

void BarIcon::highlight()
{
    m_highlighted = true;
    setPixmap(m_highlightedPicture);
    setToolTip(m_hint);
    setCursor(Qt::PointingHandCursor);
}

void BarIcon::reset()
{
    m_highlighted = false;
    setPixmap(m_normalPicture);
    setToolTip(QString());
    unsetCursor();
}

void BarIcon::enterEvent(QEnterEvent *event)
{
    highlight();
    QLabel::enterEvent(event);
}

void BarIcon::leaveEvent(QEvent *event)
{
    reset();
    QLabel::leaveEvent(event);
}

void BarIcon::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

IconBar::IconBar(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Barra de ícones"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xF4, 0xF7, 0xFB));
    setPalette(p);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(6);
}

BarIcon *IconBar::addIcon(Artwork::Icon which, const QString &name, const QString &hint)
{
    auto *icon = new BarIcon(which, name, hint, this);
    static_cast<QHBoxLayout *>(layout())->addWidget(icon);
    m_icons << icon;
    return icon;
}

void IconBar::finish()
{
    auto *row = static_cast<QHBoxLayout *>(layout());
    row->addStretch(1);
    auto *logo = new QLabel(this);
    logo->setPixmap(Artwork::logo());
    logo->setAccessibleName(QStringLiteral("Tavrel"));
    row->addWidget(logo);
}

void IconBar::resetIcons()
{
    for (BarIcon *icon : std::as_const(m_icons))
        icon->reset();
}

void IconBar::enterEvent(QEnterEvent *event)
{
    if (!childAt(event->position().toPoint()))
        resetIcons();
    QWidget::enterEvent(event);
}

void IconBar::mouseMoveEvent(QMouseEvent *event)
{
    // The pointer on the bar's own background, between the icons.
    if (!childAt(event->position().toPoint()))
        resetIcons();
    QWidget::mouseMoveEvent(event);
}
