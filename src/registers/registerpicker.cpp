#include "registerpicker.h"

#include "dataset.h"
#include "dbgrid.h"
#include "firebird.h"
#include "listwindow.h"
#include "messages.h"
#include "registerform.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

RegisterPicker::RegisterPicker(Dataset *dataset, const QString &caption, const QList<GridColumn> &columns,
                               QWidget *parent)
    : QDialog(parent), m_dataset(dataset)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    m_grid = new DBGrid(this);
    m_grid->bind(dataset, columns);
    m_grid->setTextColour(DBGrid::TextColour::NavyAll);
    m_grid->setMinimumSize(420, 300);
    QPushButton *ok = RegisterForm::button(QStringLiteral("OK"), this);

    m_top = new QVBoxLayout;
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_top);
    layout->addWidget(m_grid, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &RegisterPicker::choose);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &RegisterPicker::choose);
}

bool RegisterPicker::hasRecord(QWidget *caller, Dataset *dataset, const QString &keyColumn, const QString &noneMessage)
{
    const bool has = dataset->isOpen() && dataset->currentRow() >= 0 && dataset->field(keyColumn).asInteger() != 0;
    if (!has)
        Messages::inform(caller, noneMessage);
    return has;
}

bool RegisterPicker::showEverything(std::unique_ptr<RegisterPicker> picker, QWidget *caller, const QString &everything)
{
    try {
        picker->dataset()->reopen(everything);
    } catch (const fb::Error &e) {
        Messages::error(caller, e.message());
        return false;
    }
    return Messages::execModal(picker.get()) == QDialog::Accepted;
}

void RegisterPicker::choose()
{
    // With no row to take (a search that found nothing) there is nothing to hand on.
    if (!m_dataset->isOpen() || m_dataset->currentRow() < 0) {
        reject();
        return;
    }
    applyChoice();
    accept();
}

void RegisterPicker::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void RegisterPicker::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}
