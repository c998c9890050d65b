#pragma once

#include <QIcon>
#include <QString>

class QGridLayout;
class QLabel;
class QToolButton;
class QWidget;

// Small pieces the product and stock windows are built from. Every control
// is named by the words the user sees next to it.
namespace ProductUi {

// A picture button without caption, named by its hint.
QToolButton *pictureButton(const QIcon &icon, const QString &hint, QWidget *parent = nullptr);
// A caption over a control in a grid: the label at (row, column), the control
// under it, the caption as the control's name (line breaks read as blanks).
QLabel *captioned(QGridLayout *grid, int row, int column, const QString &caption, QWidget *control,
                  int columnSpan = 1);

// The entry and exit pictures of the stock windows.
QIcon entryPicture();
QIcon exitPicture();

// A disabled box that still shows white, as the product number in edit mode.
void keepWhiteWhenDisabled(QWidget *control);

} // namespace ProductUi
