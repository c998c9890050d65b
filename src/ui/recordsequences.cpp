#include "recordsequences.h"

#include "dataset.h"
#include "firebird.h"
#include "messages.h"
#include "recordconventions.h"
#include "recordwindow.h"

#include <memory>

namespace RecordSequences {

namespace {

// The key of the dataset's current row; 0 for an empty or closed list.
int currentKey(Dataset &dataset, const QString &keyColumn)
{
    if (!dataset.isOpen() || dataset.currentRow() < 0)
        return 0;
    return dataset.field(keyColumn).asInteger();
}

// Runs a step that talks to the database; a failure stops it and its text is shown.
template <typename Step>
bool guarded(QWidget *parent, Step step)
{
    try {
        step();
        return true;
    } catch (const fb::Error &e) {
        Messages::error(parent, e.message());
    } catch (const std::exception &e) {
        Messages::error(parent, QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace

void addRecord(QWidget *opener, Dataset &dataset, const RecordTexts &texts, const MakeRecordWindow &make)
{
    std::unique_ptr<RecordWindow> window(make(opener));
    const bool begun = guarded(opener, [&] {
        if (!dataset.isOpen())
            dataset.open();
        if (dataset.currentRow() >= 0)
            dataset.refresh();
        dataset.append();
    });
    if (!begun)
        return;
    window->setWindowTitle(texts.newCaption);
    Messages::execModal(window.get());
}

bool findSelected(QWidget *opener, Dataset &dataset, const QString &wholeTable, const QString &keyColumn,
                  int selectedKey, const QString &goneMessage)
{
    bool found = false;
    if (!guarded(opener, [&] { found = Records::reopenAt(dataset, wholeTable, keyColumn, selectedKey); }))
        return false;
    if (!found)
        Messages::inform(opener, goneMessage);
    return found;
}

bool editRecord(QWidget *opener, Dataset &dataset, const RecordTexts &texts, int selectedKey,
                const MakeRecordWindow &make)
{
    if (currentKey(dataset, texts.keyColumn) == 0
        || !findSelected(opener, dataset, texts.wholeTable, texts.keyColumn, selectedKey, texts.goneOnEdit))
        return false;
    std::unique_ptr<RecordWindow> window(make(opener));
    if (!guarded(opener, [&] {
            dataset.refresh();
            dataset.edit();
        }))
        return false;
    window->setWindowTitle(texts.changeCaption);
    window->readUnboundControls();
    Messages::execModal(window.get());
    return true;
}

bool deleteRecord(QWidget *opener, Dataset &dataset, const RecordTexts &texts, int selectedKey)
{
    if (currentKey(dataset, texts.keyColumn) == 0
        || !findSelected(opener, dataset, texts.wholeTable, texts.keyColumn, selectedKey, texts.goneOnDelete))
        return false;
    const QString question = texts.deleteQuestion ? texts.deleteQuestion(dataset) : QString();
    if (!Messages::confirm(opener, texts.deleteTitle, question))
        return false;
    const bool deleted = guarded(opener, [&] {
        const QStringList dependents = texts.dependentDeletes ? texts.dependentDeletes(dataset) : QStringList();
        for (Dataset *other : texts.closeBeforeDelete)
            other->close();
        Records::deleteAtomically(dataset, dependents);
    });
    if (!deleted) {
        // The database kept the record: read the table again so the list shows
        // it and no refused delete waits in the cache for the next save.
        guarded(opener, [&] { Records::reopenAt(dataset, texts.wholeTable, texts.keyColumn, selectedKey); });
    }
    return deleted;
}

bool saveRecord(RecordWindow &window)
{
    Dataset &dataset = *window.dataset();
    const RecordTexts &texts = window.texts();

    window.writeUnboundControls();
    const QString problem = window.validationMessage();
    if (!problem.isEmpty()) {
        Messages::inform(&window, problem);
        return false;
    }
    const bool saved = guarded(&window, [&] {
        if (window.isNewRecord()) {
            Q_ASSERT(texts.scratch);
            const int key = Records::allocateKey(*texts.scratch, dataset.table()->name.toLower(),
                                                 texts.keyColumn.toLower());
            dataset.field(texts.keyColumn).setInteger(key);
        }
        const int key = dataset.field(texts.keyColumn).asInteger();
        Records::saveAtomically(dataset);
        Records::reopenAt(dataset, texts.wholeTable, texts.keyColumn, key);
    });
    if (saved)
        window.accept();
    return saved;
}

} // namespace RecordSequences

RecordActions::RecordActions(QWidget *list, Dataset *dataset, RecordTexts texts, std::function<int()> selectedKey,
                             RecordSequences::MakeRecordWindow make)
    : m_list(list), m_dataset(dataset), m_texts(std::move(texts)), m_selectedKey(std::move(selectedKey)),
      m_make(std::move(make))
{
}

void RecordActions::addRecord() const
{
    RecordSequences::addRecord(m_list, *m_dataset, m_texts, m_make);
}

bool RecordActions::editRecord() const
{
    return RecordSequences::editRecord(m_list, *m_dataset, m_texts, m_selectedKey(), m_make);
}

bool RecordActions::deleteRecord() const
{
    return RecordSequences::deleteRecord(m_list, *m_dataset, m_texts, m_selectedKey());
}
