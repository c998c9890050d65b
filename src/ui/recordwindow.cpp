#include "recordwindow.h"

#include "dataset.h"
#include "listwindow.h"
#include "recordsequences.h"

#include <QKeyEvent>

RecordWindow::RecordWindow(Dataset *dataset, RecordTexts texts, QWidget *parent)
    : ModalWindow(parent), m_dataset(dataset), m_texts(std::move(texts))
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
}

bool RecordWindow::isNewRecord() const
{
    return windowTitle() == m_texts.newCaption;
}

bool RecordWindow::save()
{
    return RecordSequences::saveRecord(*this);
}

// Whatever closes the window, a change not saved is dropped.
void RecordWindow::done(int result)
{
    if (m_dataset && m_dataset->isEditing())
        m_dataset->cancel();
    QDialog::done(result);
}

void RecordWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

