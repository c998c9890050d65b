#pragma once

#include <QString>

class DBEdit;
class Dataset;
class QPushButton;
class QWidget;

// Small pieces the register record windows are laid out with.
namespace RegisterForm {

// A caption above a control, in a widget of their own; the caption becomes
// the control's accessible name and the label's buddy.
QWidget *captioned(const QString &caption, QWidget *control);
// A one-line box bound to a column, named by its caption.
DBEdit *edit(const QString &caption, Dataset *dataset, const QString &column);
// A push button named by its caption; Enter in a box never presses it.
QPushButton *button(const QString &caption, QWidget *parent);

} // namespace RegisterForm
