#include "editcolours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace EditColours {

void setEditable(QWidget *control, bool editable)
{
    const QColor background = editable ? QColor(Qt::white)
                                       : QApplication::palette().color(QPalette::Midlight);
    QPalette palette = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, background);
    control->setPalette(palette);
    control->setEnabled(editable);
}

void setEditable(std::initializer_list<QWidget *> controls, bool editable)
{
    for (QWidget *control : controls)
        setEditable(control, editable);
}

} // namespace EditColours
