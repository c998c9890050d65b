#pragma once

#include "fieldlink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

// The data controls of the record windows. Each is bound to (dataset, column),
// shows the current record's field and writes what the user types back into
// it, putting a browsing dataset in edit.

// A one-line box. Optionally forces letters to upper case while typing, or
// hides the text as a password. Numbers are typed with a decimal comma;
// money is shown as currency while the box has no focus.
class DBEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);
    void bind(Dataset *dataset, const QString &column) { m_link.bind(dataset, column); }
    FieldLink &link() { return m_link; }
    void setUpperCase(bool upper) { m_upperCase = upper; }
    void setPassword(bool password);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showField();
    void onEdited(const QString &text);
    QVariant valueOf(const QString &text, bool *ok) const;

    FieldLink m_link;
    bool m_upperCase = false;
};

// A memo: several lines of free text.
class DBMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);
    void bind(Dataset *dataset, const QString &column) { m_link.bind(dataset, column); }
    FieldLink &link() { return m_link; }

private:
    void showField();
    FieldLink m_link;
    bool m_showing = false;
};

// A date picker "dd/mm/yyyy" over a date-time column; an empty field shows blank.
class DBDateEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit DBDateEdit(QWidget *parent = nullptr);
    void bind(Dataset *dataset, const QString &column) { m_link.bind(dataset, column); }
    FieldLink &link() { return m_link; }
    // The date shown; invalid when the box is blank.
    QDate shownDate() const;

private:
    void showField();
    void onDateChanged(const QDate &date);
    FieldLink m_link;
    bool m_showing = false;
};

// A check box that writes one value when ticked and another when not (1 and 2).
class DBCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit DBCheckBox(const QString &caption, QWidget *parent = nullptr);
    void bind(Dataset *dataset, const QString &column) { m_link.bind(dataset, column); }
    FieldLink &link() { return m_link; }
    void setValues(const QVariant &checkedValue, const QVariant &uncheckedValue);

private:
    void showField();
    FieldLink m_link;
    QVariant m_checked = 1;
    QVariant m_unchecked = 2;
    bool m_showing = false;
};

// A combo box over a text column: a fixed list or free text with suggestions.
class DBComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DBComboBox(QWidget *parent = nullptr);
    void bind(Dataset *dataset, const QString &column) { m_link.bind(dataset, column); }
    FieldLink &link() { return m_link; }
    void setItems(const QStringList &items);
    // Free text (editable) or only the listed items.
    void setFreeText(bool free);

private:
    void showField();
    void onChosen(int index);
    void onTextEdited(const QString &text);
    FieldLink m_link;
    bool m_showing = false;
};

// A titled group of radio buttons laid out in columns, one chosen at a time.
// Used unbound by the screens that copy the choice into a field themselves.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit RadioGroup(const QString &caption, QWidget *parent = nullptr);
    void setItems(const QStringList &items, int columns = 1);
    QStringList items() const;
    int itemIndex() const;            // -1 when none is chosen
    void setItemIndex(int index);     // -1 clears the choice
    QRadioButton *button(int index) const;

Q_SIGNALS:
    // The user or the program chose another item.
    void itemIndexChanged(int index);

private:
    QButtonGroup *m_group;
    QGridLayout *m_layout;
    QList<QRadioButton *> m_buttons;
};

// A radio group bound to an integer column: item i <-> value base + i.
class DBRadioGroup : public RadioGroup
{
    Q_OBJECT
public:
    explicit DBRadioGroup(const QString &caption, QWidget *parent = nullptr);
    void bind(Dataset *dataset, const QString &column) { m_link.bind(dataset, column); }
    FieldLink &link() { return m_link; }
    // The value of the first item (1 when the column counts from one).
    void setFirstValue(int base) { m_base = base; showField(); }

private:
    void showField();
    void onChosen(int index);
    FieldLink m_link;
    int m_base = 0;
    bool m_showing = false;
};

// A read-only text showing a field as data controls show it.
class DBText : public QLabel
{
    Q_OBJECT
public:
    explicit DBText(QWidget *parent = nullptr);
    void bind(Dataset *dataset, const QString &column) { m_link.bind(dataset, column); }
    FieldLink &link() { return m_link; }

private:
    void showField();
    FieldLink m_link;
};
