#pragma once

#include <QString>

#include <memory>

class DBEdit;
class Dataset;
class QGridLayout;
class QLayout;
class QPushButton;
class QWidget;
class RecordWindow;

// Small pieces the register record windows are laid out with.
namespace RegisterForm {

// A caption above a control, in a widget of their own; the caption becomes
// the control's accessible name and the label's buddy.
QWidget *captioned(const QString &caption, QWidget *control);
// A one-line box bound to a column, named by its caption.
DBEdit *edit(const QString &caption, Dataset *dataset, const QString &column);
// A push button named by its caption; Enter in a box never presses it.
QPushButton *button(const QString &caption, QWidget *parent);

// The address rows of a client or a supplier, from `firstRow` down three rows
// of a three-column grid: "Endereço" (END1) across, its second line (END2)
// under it, then "Cidade", "Estado" (UF, in capitals) and "CEP".
void addAddress(QGridLayout *grid, int firstRow, Dataset *dataset);

// A record window's whole layout: the record's boxes on the left, what goes
// with the record on the right, and under both "Gravar" and "Cancelar [ESC]"
// to the right, bound to the window's save and cancel; Esc presses "Cancelar
// [ESC]". The window takes the size its layout asks for.
void layOutRecordWindow(RecordWindow *window, QLayout *left, QLayout *right);

// "Adicionar ..." of another screen: the window's dataset opened if it is
// closed and a row appended without refreshing the current one, then the
// "new" caption and the window shown modally. A database error is shown over
// the opener and the window is not shown.
void addFromOtherScreen(std::unique_ptr<RecordWindow> window, QWidget *opener);

} // namespace RegisterForm
