#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <functional>

class Dataset;
class Field;
class QWidget;

// Ties one control to one column of a dataset: the control is told to show
// the field again whenever the current record, its values or the dataset's
// state change, and the control's typing goes back through write().
class FieldLink : public QObject
{
    Q_OBJECT
public:
    // `show` redraws the control from the field (or empties it when there is no record).
    FieldLink(QWidget *control, std::function<void()> show);

    void bind(Dataset *dataset, const QString &column);
    Dataset *dataset() const;
    QString column() const { return m_column; }
    bool isBound() const;
    // True when the dataset is open on a record.
    bool hasRecord() const;
    // The field of the current record; only valid while isBound().
    Field field() const;

    // The value of the current record, null when there is none.
    QVariant value() const;
    // Writes a value typed by the user: a browsing dataset is put in edit
    // first. False when there is no record to write to.
    bool write(const QVariant &value);
    // True while the link is writing, so the control does not redraw under the cursor.
    bool isWriting() const { return m_writing; }

private:
    void refresh();

    QWidget *m_control;
    std::function<void()> m_show;
    QPointer<Dataset> m_dataset;
    QString m_column;
    int m_columnIndex = -1;
    bool m_writing = false;
    QList<QMetaObject::Connection> m_connections;
};
