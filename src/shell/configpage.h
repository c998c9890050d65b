#pragma once

#include <QList>
#include <QWidget>

class Dataset;
class DBEdit;
class QPushButton;
class QVBoxLayout;

// One tab of the settings window that edits some columns of the one settings
// row: its texts and labelled edits, top to bottom, over the three buttons
// "Editar ...", "Gravar Alterações" and "Cancelar Alterações". The edits
// start disabled; the buttons are always enabled. Every tab edits the same
// row, so a change typed on one tab is saved or cancelled by any of them;
// the buttons switch only their own tab's edits.
class ConfigPage : public QWidget
{
    Q_OBJECT
public:
    ConfigPage(Dataset *config, const QString &editCaption, QWidget *parent = nullptr);

    // A text above the buttons, one line per entry.
    void addText(const QStringList &lines, Qt::Alignment alignment = Qt::AlignLeft);
    // A labelled edit bound to a column of the settings row.
    DBEdit *addEdit(const QString &caption, const QString &column);

    const QList<DBEdit *> &edits() const { return m_edits; }
    QPushButton *editButton() const { return m_editButton; }
    QPushButton *saveButton() const { return m_saveButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

    // The buttons' actions.
    void startEditing();
    void save();
    void cancelEditing();

private:
    void setEditable(bool editable);

    Dataset *m_config;
    QVBoxLayout *m_content;
    QList<DBEdit *> m_edits;
    QPushButton *m_editButton;
    QPushButton *m_saveButton;
    QPushButton *m_cancelButton;
};
