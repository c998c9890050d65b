#include "registerform.h"

#include "dbcontrols.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace RegisterForm {

QWidget *captioned(const QString &caption, QWidget *control)
{
    auto *box = new QWidget;
    auto *label = new QLabel(caption, box);
    label->setBuddy(control);
    control->setAccessibleName(caption);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(label);
    layout->addWidget(control);
    return box;
}

DBEdit *edit(const QString &caption, Dataset *dataset, const QString &column)
{
    auto *box = new DBEdit;
    box->bind(dataset, column);
    box->setAccessibleName(caption);
    return box;
}

QPushButton *button(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAccessibleName(caption);
    b->setAutoDefault(false);
    return b;
}

} // namespace RegisterForm
