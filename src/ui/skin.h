#pragma once

class QApplication;
class QColor;

// The one look of every window of both programs: colours, the Fusion
// look-and-feel and Tahoma 8 pt, active from the start.
namespace Skin {

void apply(QApplication &app);

// The colour menus highlight their items with; the tool bar's buttons start from it.
QColor menuHighlight();

} // namespace Skin
