// Pictures of the symbols on the picture buttons, drawn in code at start-up:
// the weld kinds, the surface-finish marks, the fourteen geometric
// characteristics, the two cutting-plane patterns, the dot leader and the
// three hole kinds. Black ink on a transparent ground.
#pragma once

#include <string>

#include <wx/bitmap.h>

namespace mokrav::gui {

// Number of pictures an option array shows (0 for an array of captions).
int OptionPictureCount(const std::string& array);

// Picture of button `index` of a picture array ("C33", "C23", "C5", "C81").
// An unknown array or index gives an empty picture of the size asked.
wxBitmap OptionPicture(const std::string& array, int index, int width, int height);

// Picture of a picture check box ("H52", "H65"): a leader ending in a dot.
wxBitmap CheckPicture(const std::string& name, int width, int height);

// The drawing of hole kind `index` (0 plan, 1 tapped hole in section,
// 2 two-diameter hole in section) beside the hole-kind buttons.
wxBitmap HoleKindPicture(int index, int width, int height);

}  // namespace mokrav::gui
