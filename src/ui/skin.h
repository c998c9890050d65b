#pragma once

class QApplication;

// The one look of every window of both programs: colours, the Fusion
// look-and-feel and Tahoma 8 pt, active from the start.
namespace Skin {

void apply(QApplication &app);

} // namespace Skin
