#include "dbcontrols.h"

#include "brformat.h"
#include "dataset.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// Guards a control while it shows the field, so its own change signals do
// not write the same value back.
struct Showing {
    explicit Showing(bool &flag) : m_flag(flag) { m_flag = true; }
    ~Showing() { m_flag = false; }
    bool &m_flag;
};

bool isNumeric(ColumnKind kind)
{
    return kind == ColumnKind::Number || kind == ColumnKind::Money;
}

} // namespace

// ---- DBEdit ----------------------------------------------------------------

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent), m_link(this, [this] { showField(); })
{
    connect(this, &QLineEdit::textEdited, this, &DBEdit::onEdited);
}

void DBEdit::setPassword(bool password)
{
    setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void DBEdit::showField()
{
    QString text;
    if (m_link.hasRecord()) {
        const Field field = m_link.field();
        if (field.kind() == ColumnKind::Text && field.size() > 0)
            setMaxLength(field.size());
        // Money reads as currency until the user comes to change it.
        if (field.kind() == ColumnKind::Money && !hasFocus())
            text = field.isNull() ? QString() : field.displayText();
        else if (isNumeric(field.kind()))
            text = field.plainText();
        else
            text = field.displayText();
    }
    if (text != this->text()) {
        setText(text);
        setCursorPosition(0);
    }
}

QVariant DBEdit::valueOf(const QString &text, bool *ok) const
{
    *ok = true;
    const QString trimmed = text.trimmed();
    const ColumnKind kind = m_link.field().kind();
    if (kind == ColumnKind::Text)
        return text;
    if (trimmed.isEmpty())
        return QVariant();
    if (kind == ColumnKind::Integer)
        return trimmed.toInt(ok);
    if (isNumeric(kind)) {
        QString number = trimmed;
        number.remove(QStringLiteral("R$")).remove(QLatin1Char(' '));
        const std::optional<double> v = BrFormat::parseNumber(number);
        *ok = v.has_value();
        return v.value_or(0);
    }
    return trimmed; // a date typed as dd/mm/yyyy
}

void DBEdit::onEdited(const QString &typed)
{
    QString text = typed;
    if (m_upperCase && text != text.toUpper()) {
        const int cursor = cursorPosition();
        text = text.toUpper();
        setText(text);
        setCursorPosition(cursor);
    }
    if (!m_link.hasRecord())
        return;
    bool ok = false;
    const QVariant value = valueOf(text, &ok);
    // Half-typed numbers and dates ("1,", "12/0") wait for the next key.
    if (!ok)
        return;
    if (m_link.field().kind() == ColumnKind::DateTime && value.isValid()
        && !BrFormat::parseDate(value.toString()).isValid())
        return;
    m_link.write(value);
}

void DBEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (m_link.hasRecord() && m_link.field().kind() == ColumnKind::Money)
        showField();
}

void DBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (m_link.hasRecord())
        showField();
}

// ---- DBMemo ----------------------------------------------------------------

DBMemo::DBMemo(QWidget *parent) : QPlainTextEdit(parent), m_link(this, [this] { showField(); })
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showing)
            m_link.write(toPlainText());
    });
}

void DBMemo::showField()
{
    const QString text = m_link.hasRecord() ? m_link.field().asString() : QString();
    if (text == toPlainText())
        return;
    Showing guard(m_showing);
    setPlainText(text);
}

// ---- DBDateEdit ------------------------------------------------------------

namespace {
// The date a blank picker holds; it shows as nothing.
const QDate kBlank(1899, 12, 30);
} // namespace

DBDateEdit::DBDateEdit(QWidget *parent) : QDateEdit(parent), m_link(this, [this] { showField(); })
{
    setLocale(BrFormat::locale());
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setCalendarPopup(true);
    setMinimumDate(kBlank);
    setSpecialValueText(QStringLiteral(" "));
    setDate(kBlank);
    connect(this, &QDateEdit::dateChanged, this, &DBDateEdit::onDateChanged);
}

QDate DBDateEdit::shownDate() const
{
    return date() == kBlank ? QDate() : date();
}

void DBDateEdit::showField()
{
    QDate shown = kBlank;
    if (m_link.hasRecord()) {
        const QDateTime value = m_link.field().asDateTime();
        if (value.isValid())
            shown = value.date();
    }
    if (shown == date())
        return;
    Showing guard(m_showing);
    setDate(shown);
}

void DBDateEdit::onDateChanged(const QDate &date)
{
    if (m_showing)
        return;
    m_link.write(date == kBlank ? QVariant() : QVariant(QDateTime(date, QTime(0, 0))));
}

// ---- DBCheckBox ------------------------------------------------------------

DBCheckBox::DBCheckBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent), m_link(this, [this] { showField(); })
{
    connect(this, &QCheckBox::toggled, this, [this](bool checked) {
        if (!m_showing)
            m_link.write(checked ? m_checked : m_unchecked);
    });
}

void DBCheckBox::setValues(const QVariant &checkedValue, const QVariant &uncheckedValue)
{
    m_checked = checkedValue;
    m_unchecked = uncheckedValue;
    showField();
}

void DBCheckBox::showField()
{
    const QVariant value = m_link.value();
    const bool checked = !value.isNull() && value.toString() == m_checked.toString();
    if (checked == isChecked())
        return;
    Showing guard(m_showing);
    setChecked(checked);
}

// ---- DBComboBox ------------------------------------------------------------

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent), m_link(this, [this] { showField(); })
{
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, &DBComboBox::onChosen);
}

void DBComboBox::setItems(const QStringList &items)
{
    Showing guard(m_showing);
    clear();
    addItems(items);
    setCurrentIndex(-1);
    showField();
}

void DBComboBox::setFreeText(bool free)
{
    setEditable(free);
    if (free) {
        connect(lineEdit(), &QLineEdit::textEdited, this, &DBComboBox::onTextEdited, Qt::UniqueConnection);
        // The list never grows from what is typed.
        setInsertPolicy(QComboBox::NoInsert);
    }
    showField();
}

void DBComboBox::showField()
{
    const QString text = m_link.hasRecord() ? m_link.field().asString() : QString();
    Showing guard(m_showing);
    const int index = findText(text);
    if (isEditable()) {
        setCurrentIndex(index);
        if (currentText() != text)
            setEditText(text);
    } else {
        setCurrentIndex(index);
    }
}

void DBComboBox::onChosen(int index)
{
    if (!m_showing && index >= 0)
        m_link.write(itemText(index));
}

void DBComboBox::onTextEdited(const QString &text)
{
    if (!m_showing)
        m_link.write(text);
}

// ---- RadioGroup ------------------------------------------------------------

RadioGroup::RadioGroup(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)), m_layout(new QGridLayout(this))
{
    setAccessibleName(caption);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            Q_EMIT itemIndexChanged(id);
    });
}

void RadioGroup::setItems(const QStringList &items, int columns)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    columns = qMax(1, columns);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        m_group->addButton(button, i);
        // Items run down each column first, as the shop's radio groups do.
        m_layout->addWidget(button, i % rows, i / rows);
        m_buttons << button;
    }
}

QStringList RadioGroup::items() const
{
    QStringList list;
    for (const QRadioButton *b : m_buttons)
        list << b->text();
    return list;
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index < 0 || index >= m_buttons.size()) {
        if (QAbstractButton *checked = m_group->checkedButton()) {
            m_group->setExclusive(false);
            checked->setChecked(false);
            m_group->setExclusive(true);
            Q_EMIT itemIndexChanged(-1);
        }
        return;
    }
    m_buttons[index]->setChecked(true);
}

QRadioButton *RadioGroup::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

// ---- DBRadioGroup ----------------------------------------------------------

DBRadioGroup::DBRadioGroup(const QString &caption, QWidget *parent)
    : RadioGroup(caption, parent), m_link(this, [this] { showField(); })
{
    connect(this, &RadioGroup::itemIndexChanged, this, &DBRadioGroup::onChosen);
}

void DBRadioGroup::showField()
{
    const QVariant value = m_link.value();
    const int index = value.isNull() ? -1 : value.toInt() - m_base;
    if (index == itemIndex())
        return;
    Showing guard(m_showing);
    setItemIndex(index);
}

void DBRadioGroup::onChosen(int index)
{
    if (!m_showing && index >= 0)
        m_link.write(index + m_base);
}

// ---- DBText ----------------------------------------------------------------

DBText::DBText(QWidget *parent) : QLabel(parent), m_link(this, [this] { showField(); }) {}

void DBText::showField()
{
    setText(m_link.hasRecord() ? m_link.field().displayText() : QString());
}
