#pragma once

#include "artwork.h"

#include <QLabel>
#include <QWidget>
#include <functional>

// One icon of the icon bar with its two pictures, only one shown at a time:
// the normal one, and the highlighted one (with its hint and a hand pointer)
// that takes its place while the mouse is over the icon.
class BarIcon : public QLabel
{
    Q_OBJECT
public:
    BarIcon(Artwork::Icon which, const QString &name, const QString &hint, QWidget *parent = nullptr);

    bool isHighlighted() const { return m_highlighted; }
    void highlight();
    void reset();

Q_SIGNALS:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_normalPicture;
    QPixmap m_highlightedPicture;
    QString m_hint;
    bool m_highlighted = false;
};

// The panel across the top of the main window: eight icons and, at the right
// end, the logo. The mouse on the panel's background resets every icon.
class IconBar : public QWidget
{
    Q_OBJECT
public:
    explicit IconBar(QWidget *parent = nullptr);
    BarIcon *addIcon(Artwork::Icon which, const QString &name, const QString &hint);
    void finish(); // places the logo after the last icon
    void resetIcons();
    const QList<BarIcon *> &icons() const { return m_icons; }

protected:
    void enterEvent(QEnterEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QList<BarIcon *> m_icons;
};
