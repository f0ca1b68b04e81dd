// The two texts a parameter line uses in place of an entry, shared by every
// parameter file: the window writes them and the tools read them. Header-only,
// so that the window includes it without linking the tools' library.
#pragma once

namespace paramfile {

// A text field whose entry was empty: the line cannot hold an empty field,
// which would leave two blanks in a row and move every later field.
inline constexpr const char* kEmptyText = "-";

// A layer field that names the host's current layer instead of a layer
// character; the tools write the current layer in its place.
inline constexpr const char* kCurrentLayer = "--";

}  // namespace paramfile
