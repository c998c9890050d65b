#include "configpage.h"

#include "dataset.h"
#include "dbcontrols.h"
#include "editcolours.h"
#include "firebird.h"
#include "messages.h"
#include "recordconventions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ConfigPage::ConfigPage(Dataset *config, const QString &editCaption, QWidget *parent)
    : QWidget(parent),
      m_config(config),
      m_content(new QVBoxLayout),
      m_editButton(new QPushButton(editCaption)),
      m_saveButton(new QPushButton(QStringLiteral("Gravar Alterações"))),
      m_cancelButton(new QPushButton(QStringLiteral("Cancelar Alterações")))
{
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_editButton, m_saveButton, m_cancelButton}) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_content);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_editButton, &QPushButton::clicked, this, &ConfigPage::startEditing);
    connect(m_saveButton, &QPushButton::clicked, this, &ConfigPage::save);
    connect(m_cancelButton, &QPushButton::clicked, this, &ConfigPage::cancelEditing);
}

void ConfigPage::addText(const QStringList &lines, Qt::Alignment alignment)
{
    auto *text = new QLabel(lines.join(u'\n'));
    text->setAlignment(alignment | Qt::AlignVCenter);
    m_content->addWidget(text);
}

DBEdit *ConfigPage::addEdit(const QString &caption, const QString &column)
{
    auto *label = new QLabel(caption);
    auto *edit = new DBEdit;
    label->setBuddy(edit);
    edit->setAccessibleName(caption);
    edit->bind(m_config, column);
    EditColours::setEditable(edit, false);
    m_content->addWidget(label);
    m_content->addWidget(edit);
    m_edits << edit;
    return edit;
}

void ConfigPage::startEditing()
{
    setEditable(true);
    if (!m_edits.isEmpty())
        m_edits.first()->setFocus();
    try {
        // A change already typed on another tab is kept: re-reading the row
        // now would throw it away.
        if (!m_config->isEditing()) {
            m_config->refresh();
            m_config->edit();
        }
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

void ConfigPage::save()
{
    try {
        Records::saveAtomically(*m_config);
    } catch (const fb::Error &e) {
        // The change is still there to be saved again or cancelled.
        Messages::error(this, e.message());
        return;
    }
    setEditable(false);
}

void ConfigPage::cancelEditing()
{
    setEditable(false);
    m_config->cancel();
}

void ConfigPage::setEditable(bool editable)
{
    for (DBEdit *edit : std::as_const(m_edits))
        EditColours::setEditable(edit, editable);
}
