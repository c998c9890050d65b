#pragma once

#include "recordtexts.h"

#include <functional>

class Dataset;
class QWidget;
class RecordWindow;

// The record sequences every list follows, the database part done through
// Records:: so that a save or a delete happens all or nothing. A database
// error stops the sequence and its text is shown.
namespace RecordSequences {

// Creates a record window over the dataset, parented to `opener`.
using MakeRecordWindow = std::function<RecordWindow *(QWidget *opener)>;

// Reopens the whole table and moves to the row the list shows as selected.
// When another workstation deleted it meanwhile, says so (goneMessage) and
// returns false; a database error is shown and returns false too.
bool findSelected(QWidget *opener, Dataset &dataset, const QString &wholeTable, const QString &keyColumn,
                  int selectedKey, const QString &goneMessage);

// New record: refresh the current row, append, "new" caption, show modally.
void addRecord(QWidget *opener, Dataset &dataset, const RecordTexts &texts,
               const MakeRecordWindow &make);

// Edit: nothing for key 0; reopen the whole table and find the selected key;
// if it is gone, say so; otherwise refresh, edit, "change" caption, read the
// unbound controls and show the window modally. False when nothing was shown.
bool editRecord(QWidget *opener, Dataset &dataset, const RecordTexts &texts, int selectedKey,
                const MakeRecordWindow &make);

// Delete: nothing for key 0; reopen and find the selected key; if it is gone,
// say so; ask; on Yes delete with the dependent deletes and commit. True when
// the record was deleted.
bool deleteRecord(QWidget *opener, Dataset &dataset, const RecordTexts &texts, int selectedKey);

// Save, for the record window's "Gravar": copy the unbound controls, check the
// inputs, allocate the key in "new" mode, save atomically, reopen the whole
// table on the saved key and close the window. False (window open, record
// still in edit) on a validation failure or a database error.
bool saveRecord(RecordWindow &window);

} // namespace RecordSequences

// A list window's three buttons bound to one table: the list's dataset, its
// texts, the hidden label with the selected key and how to make its record window.
class RecordActions
{
public:
    RecordActions(QWidget *list, Dataset *dataset, RecordTexts texts,
                  std::function<int()> selectedKey, RecordSequences::MakeRecordWindow make);

    void addRecord() const;
    bool editRecord() const;
    bool deleteRecord() const;
    const RecordTexts &texts() const { return m_texts; }

private:
    QWidget *m_list;
    Dataset *m_dataset;
    RecordTexts m_texts;
    std::function<int()> m_selectedKey;
    RecordSequences::MakeRecordWindow m_make;
};
