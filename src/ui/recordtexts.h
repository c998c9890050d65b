#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Dataset;

// What the record sequences need to know of one table: its statements, its
// key and the captions and messages the user sees. One per table's screens,
// for clients for example:
//   wholeTable "select * from clientes", keyColumn "IDCLIENTE", scratch AuxQuery,
//   newCaption "Cadastro de Cliente", changeCaption "Alteração de Cliente", ...
struct RecordTexts {
    QString wholeTable;        // reopens the dataset before edit, delete and after save
    QString keyColumn;         // the integer key
    Dataset *scratch = nullptr; // the table's scratch query, for key allocation
    QString newCaption;
    QString changeCaption;
    QString goneOnEdit;        // the record is no longer there when editing
    QString goneOnDelete;      // the record is no longer there when deleting
    QString deleteTitle;
    // The confirmation's text, naming the current record.
    std::function<QString(Dataset &)> deleteQuestion;
    // Statements run, each on its own, before the record itself is deleted.
    std::function<QStringList(Dataset &)> dependentDeletes;
    // Datasets closed before the dependent deletes run (they stay closed).
    QList<Dataset *> closeBeforeDelete;
};
