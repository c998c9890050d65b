#include "registerform.h"

#include "dataset.h"
#include "dbcontrols.h"
#include "firebird.h"
#include "keymap.h"
#include "messages.h"
#include "recordwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
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

void addAddress(QGridLayout *grid, int firstRow, Dataset *dataset)
{
    DBEdit *address1 = edit(QStringLiteral("Endereço"), dataset, QStringLiteral("END1"));
    DBEdit *address2 = edit(QStringLiteral("Endereço"), dataset, QStringLiteral("END2"));
    DBEdit *city = edit(QStringLiteral("Cidade"), dataset, QStringLiteral("CIDADE"));
    DBEdit *state = edit(QStringLiteral("Estado"), dataset, QStringLiteral("UF"));
    state->setUpperCase(true);
    DBEdit *postCode = edit(QStringLiteral("CEP"), dataset, QStringLiteral("CEP"));
    grid->addWidget(captioned(QStringLiteral("Endereço"), address1), firstRow, 0, 1, 3);
    grid->addWidget(address2, firstRow + 1, 0, 1, 3);
    grid->addWidget(captioned(QStringLiteral("Cidade"), city), firstRow + 2, 0);
    grid->addWidget(captioned(QStringLiteral("Estado"), state), firstRow + 2, 1);
    grid->addWidget(captioned(QStringLiteral("CEP"), postCode), firstRow + 2, 2);
}

void layOutRecordWindow(RecordWindow *window, QLayout *left, QLayout *right)
{
    QPushButton *save = button(QStringLiteral("Gravar"), window);
    QPushButton *cancel = button(QStringLiteral("Cancelar [ESC]"), window);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(save);
    bottom->addWidget(cancel);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto *layout = new QVBoxLayout(window);
    layout->addLayout(columns);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QObject::connect(save, &QPushButton::clicked, window, &RecordWindow::save);
    QObject::connect(cancel, &QPushButton::clicked, window, &RecordWindow::cancel);
    auto *keys = new KeyMap(window);
    keys->press(KeyMap::Esc, cancel);
}

void addFromOtherScreen(std::unique_ptr<RecordWindow> window, QWidget *opener)
{
    Dataset *dataset = window->dataset();
    try {
        if (!dataset->isOpen())
            dataset->open();
        dataset->append();
    } catch (const fb::Error &e) {
        Messages::error(opener, e.message());
        return;
    }
    window->setWindowTitle(window->texts().newCaption);
    Messages::execModal(window.get());
}

} // namespace RegisterForm
