#include "settings/gui/look.h"

#include <gtk/gtk.h>

namespace {

// Above the theme (200) and the user settings (400), below the per-widget
// fonts that wxWidgets sets (600), so that SetFont still wins.
constexpr unsigned kPriority = 550;

// Dense widgets in the size of a classic Windows dialog: 9-point font,
// 22-pixel combo boxes and buttons, no extra padding.
constexpr const char* kCss = R"css(
* { font-family: "IPAPGothic", "IPAGothic", sans-serif; font-size: 9pt; }
button { padding: 0px 2px; min-height: 0px; min-width: 0px; }
button.toggle:checked { background-image: none; background-color: #b9c9de; }
entry { padding: 0px 3px; min-height: 0px; min-width: 0px; }
combobox button { padding: 0px 1px; }
combobox arrow { min-width: 10px; min-height: 10px; }
radiobutton { padding: 0px; }
radio { min-width: 12px; min-height: 12px; margin: 0px; }
frame > border { border-radius: 0px; }
)css";

}  // namespace

namespace mokrav::gui {

void ApplyCompactLook() {
  GdkScreen* screen = gdk_screen_get_default();
  if (screen == nullptr) return;
  GtkCssProvider* provider = gtk_css_provider_new();
  if (provider == nullptr) return;
  gtk_css_provider_load_from_data(provider, kCss, -1, nullptr);
  gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider), kPriority);
  g_object_unref(provider);
}

wxFont UiFont(double points, bool bold) {
  wxFontInfo info(static_cast<float>(points));
  info.FaceName("IPAPGothic");
  if (bold) info.Bold();
  return wxFont(info);
}

wxFont FixedPitchFont(double points) {
  wxFontInfo info(static_cast<float>(points));
  info.FaceName("IPAGothic").Family(wxFONTFAMILY_TELETYPE);
  return wxFont(info);
}

}  // namespace mokrav::gui
