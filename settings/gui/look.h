// The look of the settings window on GTK: a dense dialog in the Japanese
// UI font, so that the ten tabs fit the window's designed size.
#pragma once

#include <string>

#include <wx/font.h>
#include <wx/string.h>

namespace mokrav::gui {

// Texts of the program are UTF-8; wxString must not guess from the locale.
inline wxString U(const std::string& s) { return wxString::FromUTF8(s.c_str()); }
inline std::string Utf8(const wxString& s) {
  const wxScopedCharBuffer b = s.utf8_str();
  return std::string(b.data(), b.length());
}

// Installs the compact widget style for the whole screen. Call once after
// the toolkit is up and before the first window is created.
void ApplyCompactLook();

// The usual font of the window and the fixed-pitch font of the list boxes
// whose items line up in columns.
wxFont UiFont(double points = 9, bool bold = false);
wxFont FixedPitchFont(double points = 9);

}  // namespace mokrav::gui
