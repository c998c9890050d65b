#include "editcolours.h"

#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QWidget>

namespace EditColours {

void setEditable(QWidget *control, bool editable)
{
    const QColor background = editable ? QColor(Qt::white)
                                       : QApplication::palette().color(QPalette::Midlight);
    QPalette palette = control->palette();
    // A drop-down list without an edit paints its box in the button colour.
    auto *combo = qobject_cast<QComboBox *>(control);
    const bool buttonFace = combo && !combo->isEditable();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        if (buttonFace)
            palette.setColor(group, QPalette::Button, background);
    }
    control->setPalette(palette);
    control->setEnabled(editable);
}

void setEditable(std::initializer_list<QWidget *> controls, bool editable)
{
    for (QWidget *control : controls)
        setEditable(control, editable);
}

} // namespace EditColours
