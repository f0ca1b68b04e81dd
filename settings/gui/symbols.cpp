#include "settings/gui/symbols.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include <wx/dcmemory.h>
#include <wx/image.h>

namespace mokrav::gui {

namespace {

// Drawing in unit coordinates: (0,0) top left, (1,1) bottom right of the
// square picture area, centred in the bitmap.
class Sketch {
 public:
  Sketch(wxDC& dc, int width, int height)
      : dc_(dc), side_(std::min(width, height)),
        x0_((width - side_) / 2.0), y0_((height - side_) / 2.0) {
    Pen(1);
  }

  wxPoint P(double x, double y) const {
    return wxPoint(static_cast<int>(std::lround(x0_ + x * (side_ - 1))),
                   static_cast<int>(std::lround(y0_ + y * (side_ - 1))));
  }
  int L(double d) const { return std::max(1, static_cast<int>(std::lround(d * (side_ - 1)))); }

  void Pen(int width) { dc_.SetPen(wxPen(*wxBLACK, width)); dc_.SetBrush(*wxTRANSPARENT_BRUSH); }
  void Fill() { dc_.SetBrush(*wxBLACK_BRUSH); }

  void Line(double x1, double y1, double x2, double y2) { dc_.DrawLine(P(x1, y1), P(x2, y2)); }
  void Poly(std::initializer_list<std::pair<double, double>> pts, bool closed) {
    std::vector<wxPoint> v;
    for (auto [x, y] : pts) v.push_back(P(x, y));
    if (closed) {
      dc_.DrawPolygon(static_cast<int>(v.size()), v.data());
    } else {
      dc_.DrawLines(static_cast<int>(v.size()), v.data());
    }
  }
  void Circle(double cx, double cy, double r) { dc_.DrawCircle(P(cx, cy), L(r)); }
  // Arc of a circle from angle a1 to a2 (degrees, counter-clockwise, 0 = east).
  void Arc(double cx, double cy, double r, double a1, double a2) {
    std::vector<wxPoint> v;
    const int steps = std::max(8, static_cast<int>(std::abs(a2 - a1) / 6));
    for (int i = 0; i <= steps; ++i) {
      const double a = (a1 + (a2 - a1) * i / steps) * std::numbers::pi / 180.0;
      v.push_back(P(cx + r * std::cos(a), cy - r * std::sin(a)));
    }
    dc_.DrawLines(static_cast<int>(v.size()), v.data());
  }
  // A filled arrow head at (x, y) pointing in direction (dx, dy).
  void Head(double x, double y, double dx, double dy, double len) {
    const double n = std::hypot(dx, dy);
    dx /= n; dy /= n;
    const double w = len * 0.4;
    wxPoint v[3] = {P(x, y), P(x - dx * len - dy * w, y - dy * len + dx * w),
                    P(x - dx * len + dy * w, y - dy * len - dx * w)};
    dc_.SetBrush(*wxBLACK_BRUSH);
    dc_.DrawPolygon(3, v);
    dc_.SetBrush(*wxTRANSPARENT_BRUSH);
  }

 private:
  wxDC& dc_;
  int side_;
  double x0_, y0_;
};

// Draws black on white, then turns the darkness into opacity so that the
// picture sits on any button colour, pressed or not.
wxBitmap Render(int width, int height, const std::function<void(Sketch&)>& draw) {
  width = std::max(width, 4);
  height = std::max(height, 4);
  wxBitmap bmp(width, height, 24);
  {
    wxMemoryDC dc(bmp);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    Sketch s(dc, width, height);
    if (draw) draw(s);
  }
  wxImage img = bmp.ConvertToImage();
  img.InitAlpha();
  unsigned char* rgb = img.GetData();
  unsigned char* alpha = img.GetAlpha();
  for (int i = 0; i < width * height; ++i) {
    const int ink = 255 - (rgb[3 * i] + rgb[3 * i + 1] + rgb[3 * i + 2]) / 3;
    alpha[i] = static_cast<unsigned char>(ink);
    rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = 0;
  }
  return wxBitmap(img);
}

// ---- Weld kinds, each on its reference line ----
constexpr double kRef = 0.86;  // height of the reference line

void WeldSymbol(Sketch& s, int kind) {
  s.Line(0.04, kRef, 0.96, kRef);
  switch (kind) {
    case 0:  // both sides flanged: two stems whose tops curl outwards
      s.Line(0.42, kRef, 0.42, 0.5);
      s.Arc(0.14, 0.5, 0.28, 0, 90);
      s.Line(0.58, kRef, 0.58, 0.5);
      s.Arc(0.86, 0.5, 0.28, 90, 180);
      break;
    case 1:  // one side flanged
      s.Line(0.42, kRef, 0.42, 0.22);
      s.Line(0.58, kRef, 0.58, 0.5);
      s.Arc(0.86, 0.5, 0.28, 90, 180);
      break;
    case 2:  // square butt
      s.Line(0.4, kRef, 0.4, 0.3);
      s.Line(0.6, kRef, 0.6, 0.3);
      break;
    case 3:  // V
      s.Poly({{0.22, 0.3}, {0.5, kRef}, {0.78, 0.3}}, false);
      break;
    case 4:  // single bevel
      s.Line(0.38, kRef, 0.38, 0.3);
      s.Line(0.38, kRef, 0.72, 0.3);
      break;
    case 5:  // J
      s.Line(0.36, kRef, 0.36, 0.3);
      s.Line(0.42, kRef, 0.42, 0.62);
      s.Arc(0.72, 0.62, 0.3, 90, 180);
      break;
    case 6:  // U
      s.Line(0.5, kRef, 0.5, 0.72);
      s.Arc(0.5, 0.52, 0.2, 180, 360);
      s.Line(0.3, 0.52, 0.3, 0.26);
      s.Line(0.7, 0.52, 0.7, 0.26);
      break;
    case 7:  // flare V: two arcs standing on the line, bowed towards each other
      s.Arc(-0.12, 0.55, 0.52, -37, 37);
      s.Arc(1.12, 0.55, 0.52, 143, 217);
      break;
    case 8:  // flare bevel
      s.Line(0.4, kRef, 0.4, 0.24);
      s.Arc(1.12, 0.55, 0.52, 143, 217);
      break;
    case 9:  // fillet
      s.Poly({{0.32, kRef}, {0.32, 0.34}, {0.78, kRef}}, false);
      break;
    case 10:  // plug or slot
      s.Poly({{0.28, kRef}, {0.28, 0.5}, {0.72, 0.5}, {0.72, kRef}}, false);
      break;
    case 11:  // bead, surfacing: two humps on the line
      s.Arc(0.34, kRef, 0.16, 0, 180);
      s.Arc(0.66, kRef, 0.16, 0, 180);
      break;
    case 12:  // spot
      s.Circle(0.5, kRef - 0.02, 0.2);
      break;
    default:
      break;
  }
}

// ---- Surface-finish marks ----
void FinishSymbol(Sketch& s, int kind) {
  auto triangles = [&](int n) {
    const double w = std::min(0.3, 0.9 / n);
    const double left = 0.5 - w * n / 2;
    for (int i = 0; i < n; ++i) {
      const double x = left + w * i;
      s.Poly({{x, 0.3}, {x + w, 0.3}, {x + w / 2, 0.3 + w * 0.87}}, true);
    }
  };
  auto root = [&] {
    s.Poly({{0.16, 0.5}, {0.36, 0.86}, {0.78, 0.12}}, false);
  };
  switch (kind) {
    case 0: {  // no machining: the wave
      s.Arc(0.32, 0.52, 0.16, 20, 160);
      s.Arc(0.68, 0.48, 0.16, 200, 340);
      break;
    }
    case 1: case 2: case 3: case 4:
      triangles(kind);
      break;
    case 5:  // free: the basic mark
      root();
      break;
    case 6:  // removal required: the mark closed by a bar
      root();
      s.Line(0.16, 0.5, 0.565, 0.5);
      break;
    case 7:  // removal prohibited: a circle inside the mark
      root();
      s.Circle(0.38, 0.62, 0.12);
      break;
    default:
      break;
  }
}

// ---- Geometric characteristics, one drawing each ----
void Straightness(Sketch& s) { s.Line(0.15, 0.5, 0.85, 0.5); }

void Flatness(Sketch& s) { s.Poly({{0.32, 0.32}, {0.92, 0.32}, {0.68, 0.68}, {0.08, 0.68}}, true); }

void Parallelism(Sketch& s) {
  s.Line(0.22, 0.8, 0.5, 0.2);
  s.Line(0.5, 0.8, 0.78, 0.2);
}

void Perpendicularity(Sketch& s) {
  s.Line(0.15, 0.8, 0.85, 0.8);
  s.Line(0.5, 0.8, 0.5, 0.18);
}

void Angularity(Sketch& s) {
  s.Line(0.15, 0.8, 0.85, 0.8);
  s.Line(0.15, 0.8, 0.8, 0.3);
}

void Symmetry(Sketch& s) {
  s.Line(0.28, 0.3, 0.72, 0.3);
  s.Line(0.12, 0.5, 0.88, 0.5);
  s.Line(0.28, 0.7, 0.72, 0.7);
}

void Roundness(Sketch& s) { s.Circle(0.5, 0.5, 0.3); }

void Concentricity(Sketch& s) {
  s.Circle(0.5, 0.5, 0.34);
  s.Circle(0.5, 0.5, 0.18);
}

void Position(Sketch& s) {
  s.Circle(0.5, 0.5, 0.24);
  s.Line(0.12, 0.5, 0.88, 0.5);
  s.Line(0.5, 0.12, 0.5, 0.88);
}

void Cylindricity(Sketch& s) {
  s.Circle(0.5, 0.5, 0.22);
  s.Line(0.14, 0.86, 0.52, 0.1);
  s.Line(0.48, 0.9, 0.86, 0.14);
}

void LineProfile(Sketch& s) { s.Arc(0.5, 0.66, 0.34, 0, 180); }

void SurfaceProfile(Sketch& s) {
  LineProfile(s);
  s.Line(0.16, 0.66, 0.84, 0.66);
}

void CircularRunOut(Sketch& s) {
  s.Line(0.28, 0.82, 0.68, 0.22);
  s.Head(0.74, 0.14, 0.4, -0.6, 0.22);
}

void TotalRunOut(Sketch& s) {
  s.Line(0.12, 0.86, 0.62, 0.86);
  s.Line(0.12, 0.86, 0.42, 0.3);
  s.Head(0.46, 0.22, 0.3, -0.56, 0.2);
  s.Line(0.4, 0.86, 0.7, 0.3);
  s.Head(0.74, 0.22, 0.3, -0.56, 0.2);
}

// In the order of the characteristic's buttons.
using SymbolDrawing = void (*)(Sketch&);
constexpr std::array<SymbolDrawing, 14> kGeometricSymbols = {
    Straightness,  Flatness, Parallelism,  Perpendicularity, Angularity,     Symmetry,       Roundness,
    Concentricity, Position, Cylindricity, LineProfile,      SurfaceProfile, CircularRunOut, TotalRunOut};

// ---- Cutting-plane patterns: a chain line, thick at its ends and bends,
// with the arrows that give the direction of view ----
void ChainLine(Sketch& s, double x1, double y1, double x2, double y2) {
  // Long dash, gap, dot, gap along the segment.
  const double len = std::hypot(x2 - x1, y2 - y1);
  const double ux = (x2 - x1) / len, uy = (y2 - y1) / len;
  double t = 0;
  const double pattern[4] = {0.12, 0.03, 0.015, 0.03};
  int k = 0;
  while (t < len) {
    const double e = std::min(len, t + pattern[k % 4]);
    if (k % 2 == 0) s.Line(x1 + ux * t, y1 + uy * t, x1 + ux * e, y1 + uy * e);
    t = e;
    ++k;
  }
}

void SectionPattern(Sketch& s, int kind) {
  if (kind == 0) {  // straight
    ChainLine(s, 0.22, 0.6, 0.78, 0.6);
    s.Pen(3);
    s.Line(0.06, 0.6, 0.22, 0.6);
    s.Line(0.78, 0.6, 0.94, 0.6);
    s.Pen(1);
    s.Line(0.1, 0.6, 0.1, 0.3);
    s.Head(0.1, 0.22, 0, -1, 0.12);
    s.Line(0.9, 0.6, 0.9, 0.3);
    s.Head(0.9, 0.22, 0, -1, 0.12);
  } else {  // bent: a step in the middle
    ChainLine(s, 0.22, 0.72, 0.42, 0.72);
    ChainLine(s, 0.58, 0.42, 0.78, 0.42);
    ChainLine(s, 0.5, 0.64, 0.5, 0.5);
    s.Pen(3);
    s.Line(0.06, 0.72, 0.22, 0.72);
    s.Poly({{0.42, 0.72}, {0.5, 0.72}, {0.5, 0.64}}, false);
    s.Poly({{0.5, 0.5}, {0.5, 0.42}, {0.58, 0.42}}, false);
    s.Line(0.78, 0.42, 0.94, 0.42);
    s.Pen(1);
    s.Line(0.1, 0.72, 0.1, 0.42);
    s.Head(0.1, 0.34, 0, -1, 0.12);
    s.Line(0.9, 0.42, 0.9, 0.14);
    s.Head(0.9, 0.06, 0, -1, 0.12);
  }
}

// ---- Hole kinds ----
void HoleKind(Sketch& s, int kind) {
  switch (kind) {
    case 0:  // tapped hole in plan: drill circle, three-quarter thread arc, centre lines
      s.Circle(0.5, 0.5, 0.24);
      s.Arc(0.5, 0.5, 0.32, 0, 270);
      s.Line(0.08, 0.5, 0.92, 0.5);
      s.Line(0.5, 0.08, 0.5, 0.92);
      break;
    case 1:  // tapped blind hole in section: thread lines, drill walls, drill point
      s.Line(0.05, 0.12, 0.22, 0.12);
      s.Line(0.78, 0.12, 0.95, 0.12);
      s.Line(0.3, 0.12, 0.3, 0.72);
      s.Line(0.7, 0.12, 0.7, 0.72);
      s.Poly({{0.3, 0.72}, {0.5, 0.9}, {0.7, 0.72}}, false);
      s.Line(0.22, 0.12, 0.22, 0.56);
      s.Line(0.78, 0.12, 0.78, 0.56);
      s.Line(0.22, 0.56, 0.78, 0.56);
      break;
    case 2:  // counterbored hole in section
      s.Poly({{0.05, 0.12}, {0.2, 0.12}, {0.2, 0.4}, {0.36, 0.4}, {0.36, 0.92}}, false);
      s.Poly({{0.95, 0.12}, {0.8, 0.12}, {0.8, 0.4}, {0.64, 0.4}, {0.64, 0.92}}, false);
      break;
    default:
      break;
  }
  // Centre line of the sections.
  if (kind != 0) ChainLine(s, 0.5, 0.04, 0.5, 0.96);
}

}  // namespace

int OptionPictureCount(const std::string& array) {
  if (array == "C33") return 13;
  if (array == "C23") return 8;
  if (array == "C5") return static_cast<int>(kGeometricSymbols.size());
  if (array == "C81") return 2;
  return 0;
}

wxBitmap OptionPicture(const std::string& array, int index, int width, int height) {
  if (index < 0 || index >= OptionPictureCount(array)) return Render(width, height, nullptr);
  return Render(width, height, [&](Sketch& s) {
    if (array == "C33") WeldSymbol(s, index);
    if (array == "C23") FinishSymbol(s, index);
    if (array == "C5") kGeometricSymbols[static_cast<std::size_t>(index)](s);
    if (array == "C81") SectionPattern(s, index);
  });
}

wxBitmap CheckPicture(const std::string& name, int width, int height) {
  if (name != "H52" && name != "H65") return Render(width, height, nullptr);
  return Render(width, height, [](Sketch& s) {
    s.Line(0.25, 0.75, 0.62, 0.38);
    s.Line(0.62, 0.38, 0.95, 0.38);
    s.Fill();
    s.Circle(0.22, 0.78, 0.09);
  });
}

wxBitmap HoleKindPicture(int index, int width, int height) {
  return Render(width, height, [&](Sketch& s) { HoleKind(s, index); });
}

}  // namespace mokrav::gui
