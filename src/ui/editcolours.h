#pragma once

#include <initializer_list>

class QWidget;

// A data control the user may type into is enabled and white; one the user
// may not change is disabled on the 3-D light colour (the palette's Midlight).
namespace EditColours {

void setEditable(QWidget *control, bool editable);
void setEditable(std::initializer_list<QWidget *> controls, bool editable);

} // namespace EditColours
