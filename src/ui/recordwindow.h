#pragma once

#include "recordtexts.h"

#include "modalwindow.h"

class Dataset;

// A modal window over one record of a dataset, opened by a list (or by an
// "Adicionar" button of another screen) and destroyed by its opener. Its
// caption says whether it adds or changes the record. Closing it in any way
// other than a successful save cancels the dataset's pending edit or insertion.
// Enter presses no button; Esc cancels unless the window gives it no meaning.
class RecordWindow : public ModalWindow
{
    Q_OBJECT
public:
    RecordWindow(Dataset *dataset, RecordTexts texts, QWidget *parent = nullptr);

    Dataset *dataset() const { return m_dataset; }
    const RecordTexts &texts() const { return m_texts; }
    // True when the caption is the table's "new" caption.
    bool isNewRecord() const;

    // Sets the controls not bound to a column from the current record.
    virtual void readUnboundControls() {}
    // Copies the controls not bound to a column into the current record.
    virtual void writeUnboundControls() {}
    // The screen's message for a missing required input, or "" when all is there.
    virtual QString validationMessage() const { return {}; }

    // Esc cancels and closes (true at first); windows without that key turn it off.

    void done(int result) override;

public Q_SLOTS:
    // "Gravar": the save sequence; the window closes when the record is saved.
    bool save();
    // "Cancelar": drops the pending change and closes.
    void cancel() { reject(); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    Dataset *m_dataset;
    RecordTexts m_texts;
};
