// Where each control of each tab sits, in pixels of the tab page (about
// 403 x 277 usable). The pages follow the drawings they fill in: the weld
// tab has the back side above its reference line and the near side below,
// the finish tab puts its values around the finish mark, the geometric
// tab builds a feature-control frame, and every annotation tab ends with
// its text-size, colour and layer boxes and its draw and clear buttons.
#include <wx/dc.h>
#include <wx/stattext.h>

#include "settings/gui/look.h"
#include "settings/gui/page_builder.h"
#include "settings/gui/symbols.h"

namespace mokrav::gui {

namespace {

constexpr int kH = PageBuilder::kComboHeight;

wxPen Ink(int width = 1) { return wxPen(wxColour(40, 40, 40), width); }

std::vector<wxRect> Row(int n, int x, int y, int w, int h, int step) {
  std::vector<wxRect> r;
  for (int i = 0; i < n; ++i) r.emplace_back(x + i * step, y, w, h);
  return r;
}

std::vector<wxRect> Column(int n, int x, int y, int w, int h, int step) {
  std::vector<wxRect> r;
  for (int i = 0; i < n; ++i) r.emplace_back(x, y + i * step, w, h);
  return r;
}

// Text size and colour boxes in a row with their headings, the layer boxes
// under them with the heading "レイヤ" in front.
void PenBlock(PageBuilder& b, const char* size, const char* colour, const char* sizeLayer,
              const char* lineLayer, int y) {
  b.Combo(size, 44, y, 46);
  b.Combo(colour, 94, y, 46);
  b.Combo(sizeLayer, 44, y + 26, 46);
  b.Combo(lineLayer, 94, y + 26, 46);
  b.Head(size);
  b.Head(colour);
  b.RowHead(U("レイヤ"), 6, sizeLayer);
}

void Weld(PageBuilder& b) {
  b.Frame("C33", 4, 0, 212, 78);
  std::vector<wxRect> kinds = Row(7, 10, 14, 28, 28, 29);
  for (const wxRect& r : Row(6, 10, 44, 28, 28, 29)) kinds.push_back(r);
  b.Options("C33", kinds);
  b.Frame(wxString(), wxString(), 222, 0, 138, 42);
  b.Options("C34", Row(3, 228, 12, 40, 24, 42));
  b.Check("H34", 222, 48, 44);
  b.Check("H33", 268, 48, 44);
  b.Check("H36", 314, 48, 64);

  // The reference line with the back side above and the near side below;
  // the process box sits at the tail, wide enough for its longest process.
  const int line = 137;
  b.Paint([line](wxDC& dc) {
    dc.SetPen(Ink(2));
    dc.DrawLine(26, line, 286, line);
    dc.SetPen(Ink(1));
    dc.DrawLine(286, line, 294, line - 10);
    dc.DrawLine(286, line, 294, line + 10);
  });
  b.Text(U("裏"), 6, 108);
  b.Text(U("手前"), 2, 148);
  b.Combo("Com161", 60, 84, 96);
  b.Combo("Com155", 160, 84, 100);
  b.Combo("Com157", 30, 110, 38);
  b.Combo("Com159", 72, 110, 38);
  b.Combo("Com38", 114, 110, 50);
  b.Combo("Com42", 168, 110, 92);
  b.Combo("Com158", 30, 142, 38);
  b.Combo("Com160", 72, 142, 38);
  b.Combo("Com39", 114, 142, 50);
  b.Combo("Com43", 168, 142, 92);
  b.Combo("Com162", 60, 168, 96);
  b.Combo("Com156", 160, 168, 100);
  b.Combo("Com37", 296, line - kH / 2, 108);

  PenBlock(b, "Com7", "Com8", "Com58", "Com61", 210);
  b.Check("H35", 150, 209, 44);
  b.DrawAndClear("Co32", "Co31");
}

void Finish(PageBuilder& b) {
  b.Frame("C23", 4, 0, 258, 48);
  b.Options("C23", Row(8, 10, 12, 30, 30, 31));
  b.Check("H1", 270, 14, 50);
  b.Check("H2", 324, 14, 44);

  // The finish mark: values on its left, the process on its bar, the added
  // symbol under the bar.
  b.Paint([](wxDC& dc) {
    dc.SetPen(Ink(2));
    dc.DrawLine(98, 124, 110, 146);
    dc.DrawLine(110, 146, 140, 90);
    dc.DrawLine(140, 90, 330, 90);
  });
  b.Combo("Com33", 8, 82, 82);
  b.Combo("Com32", 8, 110, 82);
  b.Combo("Com30", 146, 64, 128);
  b.Combo("Com31", 146, 96, 100);

  PenBlock(b, "Com5", "Com6", "Com62", "Com63", 210);
  b.DrawAndClear("Co22", "Co21");
}

void GeometricTolerance(PageBuilder& b) {
  b.Frame("C5", 4, 0, 216, 84);
  std::vector<wxRect> kinds = Row(7, 10, 20, 28, 28, 29);
  for (const wxRect& r : Row(7, 10, 50, 28, 28, 29)) kinds.push_back(r);
  b.Options("C5", kinds);

  // Datum: the letter, its framed preview on the datum triangle, its size.
  b.Combo("Com72", 230, 8, 60, 34);
  b.Paint([](wxDC& dc) {
    dc.SetPen(Ink(1));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(300, 6, 40, 36);
    dc.DrawLine(320, 42, 320, 50);
    dc.SetBrush(wxBrush(wxColour(40, 40, 40)));
    const wxPoint tri[3] = {wxPoint(310, 60), wxPoint(330, 60), wxPoint(320, 50)};
    dc.DrawPolygon(3, tri);
  });
  b.Label("La1", 302, 8, 36, 32);
  b.Combo("Com1", 352, 22, 46);
  b.Head("Com1");

  // The feature-control frame: symbol cell, tolerance value (form 1) or
  // upper and lower limits (form 2), datum cell.
  b.Options("C6", {wxRect(4, 102, 18, 18), wxRect(4, 150, 18, 18)});
  b.Paint([](wxDC& dc) {
    dc.SetPen(Ink(1));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(24, 94, 202, 92);
    dc.DrawLine(56, 94, 56, 186);
    dc.DrawLine(190, 94, 190, 186);
    dc.DrawLine(56, 130, 190, 130);
  });
  b.Combo("Com34", 60, 98, 126, 28);
  b.Combo("Com35", 60, 134, 126);
  b.Combo("Com36", 60, 160, 126);
  b.Label("La2", 192, 124, 32, 32);
  b.Combo("Com2", 236, 101, 46);
  b.Combo("Com3", 236, 147, 46);
  b.Head("Com2");

  b.Combo("Com4", 36, 198, 46);
  b.RowHead(U("線色"), 6, "Com4");
  b.Combo("Com64", 170, 198, 46);
  b.Combo("Com65", 170, 224, 46);
  b.RowHead(U(b.Row("Com64")->caption), 96, "Com64");
  b.RowHead(U(b.Row("Com65")->caption), 96, "Com65");
  b.Check("A1", 232, 197, 44);
  b.DrawAndClear("CO2", "CO1");
}

void HoleThread(PageBuilder& b) {
  b.Frame(wxString(), wxString(), 4, 0, 400, 144);
  b.Options("C41", {wxRect(12, 26, 18, 18), wxRect(110, 26, 18, 18), wxRect(208, 26, 18, 18)});
  for (int i = 0; i < 3; ++i) b.Picture(HoleKindPicture(i, 48, 48), 34 + i * 98, 10);

  b.Combo("Com27", 52, 66, 80);
  b.Combo("Com29", 182, 66, 80);
  b.Combo("Com28", 312, 66, 84);
  b.Combo("Com23", 52, 92, 80);
  b.Combo("Com24", 182, 92, 96);
  b.Combo("Com25", 52, 118, 80);
  b.Combo("Com26", 182, 118, 80);
  b.RowHead(U("径"), 12, "Com27");
  b.RowHead(U("個数"), 142, "Com29");
  b.RowHead(U("ピッチ"), 272, "Com28");
  b.RowHead(U("ﾊﾟﾀｰﾝ"), 12, "Com23");
  b.RowHead(U("方向"), 142, "Com24");
  b.RowHead(U("横"), 12, "Com25");
  b.RowHead(U("縦"), 142, "Com26");

  // Pens: one column per line group, one row per property.
  const int x[3] = {60, 116, 172};
  const char* cols[3][3] = {{"Com17", "Com18", "Com55"},
                            {"Com19", "Com20", "Com56"},
                            {"Com21", "Com22", "Com57"}};
  for (int c = 0; c < 3; ++c) {
    for (int r = 0; r < 3; ++r) b.Combo(cols[c][r], x[c], 166 + r * 26, 52);
  }
  b.Head("Com17", U("外形線"));
  b.Head("Com19", U("細線"));
  b.Head("Com21", U("中心線"));
  b.RowHead(U("線色"), 12, "Com17");
  b.RowHead(U("線種"), 12, "Com18");
  b.RowHead(U("レイヤ"), 12, "Com55");
  b.DrawAndClear("Command6", "Command7");
}

void LeaderText(PageBuilder& b) {
  b.Frame(wxString(), wxString(), 4, 0, 302, 134);
  b.Options("C51", {wxRect(284, 15, 18, 18), wxRect(284, 43, 18, 18), wxRect(284, 105, 18, 18)});
  // Row 0: quantity, size and the operation in parentheses.
  b.Combo("Com11", 10, 12, 44);
  b.Combo("Com12", 58, 12, 60);
  b.LabelHosting("Label_Paren", "Com13", 122, 16);
  // Row 1: free text; their common second text below.
  b.Combo("Com40", 10, 40, 268);
  b.Combo("Com14", 10, 68, 268);
  // Row 2: balloon number and diameter.
  b.Combo("Com15", 10, 104, 50);
  b.Combo("Com16", 104, 104, 50);
  b.RowHead(U(b.Row("Com16")->caption), 66, "Com16");
  b.Check("H53", 162, 103, 64);

  // The balloon preview.
  b.Paint([](wxDC& dc) {
    dc.SetPen(Ink(1));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawCircle(358, 44, 32);
  });
  b.Label("La51", 328, 32, 60, 26);
  b.Check("H52", 336, 96, 44, 30);

  b.Label("Label_Quote", 6, 140);
  b.Paint([](wxDC& dc) {
    dc.SetPen(wxPen(wxColour(150, 150, 150)));
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(4, 155, 302, 20);
  });
  b.Label("La71", 8, 158, 294, 15);

  b.Frame(wxString(), wxString(), 4, 182, 146, 44);
  b.Options("C52", Row(3, 10, 194, 44, 24, 46));
  b.Combo("Com9", 196, 196, 46);
  b.Combo("Com10", 246, 196, 46);
  b.Combo("Com66", 196, 222, 46);
  b.Combo("Com67", 246, 222, 46);
  b.Head("Com9");
  b.Head("Com10");
  b.RowHead(U("レイヤ"), 158, "Com66");
  b.DrawAndClear("Command2", "Command3");
}

void FitTolerance(PageBuilder& b) {
  b.Frame(wxString(), wxString(), 4, 0, 238, 42);
  b.Options("C61", Row(4, 10, 12, 54, 24, 56));
  // Under each kind the entry it uses.
  b.Combo("Com52", 10, 48, 54);
  b.Combo("Com53", 66, 48, 54);
  b.Check("H66", 122, 47, 54);
  // Wide enough for the longest deviation, "+0.001".
  b.Combo("Com70", 178, 48, 66);
  b.Combo("Com71", 178, 74, 66);

  b.Check("H61", 250, 10, 44);
  b.Check("H62", 298, 10, 30);
  b.Check("H67", 332, 10, 44);
  b.Combo("Com50", 282, 48, 44);
  b.RowHead(U("桁数"), 250, "Com50");

  b.Combo("Com48", 60, 108, 56);
  b.Combo("Com47", 170, 108, 56);
  b.Combo("Com49", 60, 134, 56);
  b.Combo("Com51", 170, 134, 56);
  b.RowHead(U("突出し"), 6, "Com48");
  b.RowHead(U("離れ"), 124, "Com47");
  b.RowHead(U("文字位置"), 6, "Com49");
  b.RowHead(U("ｵﾌｾｯﾄ"), 124, "Com51");
  b.Check("H65", 240, 108, 48, 48);

  b.Combo("Com44", 60, 184, 54);
  b.Combo("Com45", 120, 184, 54);
  b.Combo("Com46", 180, 184, 54);
  b.Head("Com44");
  b.Head("Com45");
  b.Head("Com46");
  b.Combo("Com68", 90, 210, 54);
  b.Combo("Com69", 180, 210, 54);
  b.RowHead(U("レイヤ"), 6, "Com68");
  b.DrawAndClear("Command4", "Command5");
}

void Section(PageBuilder& b) {
  b.Frame("C81", 4, 0, 142, 72);
  b.Options("C81", Row(2, 10, 18, 62, 46, 66));
  b.Combo("Com87", 212, 8, 50);
  b.Combo("Com88", 212, 34, 50);
  b.RowHead(U(b.Row("Com87")->caption), 156, "Com87");
  b.RowHead(U(b.Row("Com88")->caption), 156, "Com88");
  b.Check("H81", 276, 7, 44);

  // The letters of the section and the word after them.
  b.Combo("Com83", 6, 86, 44);
  b.Combo("Com84", 54, 86, 44);
  b.Combo("Com85", 102, 86, 44);
  b.Combo("Com86", 150, 86, 44);
  b.Combo("Com89", 198, 86, 72);

  // Text, cutting-plane line and indication arrows in three columns.
  b.Combo("Com75", 64, 140, 52);
  b.Combo("Com77", 120, 140, 52);
  b.Combo("Com80", 176, 140, 52);
  b.Combo("Com78", 120, 166, 52);
  b.Combo("Com81", 176, 166, 52);
  b.Combo("Com76", 64, 192, 52);
  b.Combo("Com79", 120, 192, 52);
  b.Combo("Com82", 176, 192, 52);
  b.Head("Com75");
  b.Head("Com77");
  b.Head("Com80");
  b.RowHead(U("ｻｲｽﾞ/色"), 6, "Com77");
  b.RowHead(U("線種"), 6, "Com78");
  b.RowHead(U("レイヤ"), 6, "Com79");
  b.DrawAndClear("Command8", "Command9");
}

void TitleBlock(PageBuilder& b) {
  b.WrappedLabel("Label_TitleNote", 6, 2, 396);
  b.Frame("C91", 4, 34, 70, 148);
  b.Options("C91", Column(5, 10, 46, 58, 24, 26));
  const int y0 = 47;
  b.Combo("Com101", 80, y0, 106);
  b.Combo("Com102", 190, y0, 104);
  b.Combo("Com103", 80, y0 + 26, 214);
  b.Combo("Com104", 80, y0 + 52, 106);
  b.Combo("Com105", 80, y0 + 78, 106);
  b.Combo("Com106", 190, y0 + 78, 104);
  b.Combo("Com107", 80, y0 + 104, 106);
  b.Check("H91", 190, y0 + 103, 44);
  b.Label("Label_TitleHead", 300, 34);
  const char* sizes[5] = {"Com91", "Com92", "Com93", "Com94", "Com95"};
  const char* layers[5] = {"Com96", "Com97", "Com98", "Com99", "Com100"};
  for (int i = 0; i < 5; ++i) {
    b.Combo(sizes[i], 298, y0 + 26 * i, 44);
    b.Combo(layers[i], 346, y0 + 26 * i, 54);
  }
  b.Frame(wxString(), wxString(), 4, 188, 176, 44);
  b.Options("C92", Row(3, 10, 200, 54, 24, 56));
  b.DrawAndClear("Command11", "Command12");
}

void Weight(PageBuilder& b) {
  b.Combo("Com150", 20, 16, 204);
  b.LabelsHosting({{"Label36", "Com151"}, {"Label45", "Com152"}, {"Label48", "Com153"}}, 20, 60,
                  30);
  b.Label("La11", 20, 160, 150, 26);
  b.Label("Label_Kg", 174, 167);
  b.Button("Command13", 260, 160, 96, 26);
  // A plate with its three dimensions.
  b.Paint([](wxDC& dc) {
    dc.SetPen(Ink(1));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    const wxPoint front[4] = {wxPoint(250, 100), wxPoint(360, 100), wxPoint(360, 112),
                              wxPoint(250, 112)};
    dc.DrawPolygon(4, front);
    const wxPoint top[4] = {wxPoint(250, 100), wxPoint(290, 60), wxPoint(400, 60),
                            wxPoint(360, 100)};
    dc.DrawPolygon(4, top);
    dc.DrawLine(360, 112, 400, 72);
    dc.DrawLine(400, 60, 400, 72);
    dc.SetFont(UiFont());
    dc.DrawText("L", 300, 114);
    dc.DrawText("W", 384, 86);
    dc.DrawText("t", 240, 100);
  });
}

void Settings(PageBuilder& b) {
  b.Combo("Com54", 20, 44, 364);
  if (wxStaticText* t = b.Text(U(b.Row("Com54")->caption), 20, 26)) {
    t->SetToolTip(U("ＪＷＷ本体のインストール先を設定します"));
  }
  b.Combo("Com59", 92, 90, 60);
  b.Combo("Com60", 92, 118, 60);
  b.RowHead(U(b.Row("Com59")->caption), 20, "Com59");
  b.RowHead(U(b.Row("Com60")->caption), 20, "Com60");
  b.Button("Command10", 284, 240, 100, 28);
}

}  // namespace

void LayoutTab(int tab, PageBuilder& b) {
  switch (tab) {
    case -1: b.Button("Command1", 336, 323, 57, 24); break;
    case 0: Weld(b); break;
    case 1: Finish(b); break;
    case 2: GeometricTolerance(b); break;
    case 3: HoleThread(b); break;
    case 4: LeaderText(b); break;
    case 5: FitTolerance(b); break;
    case 6: Section(b); break;
    case 7: TitleBlock(b); break;
    case 8: Weight(b); break;
    case 9: Settings(b); break;
    default: break;
  }
}

}  // namespace mokrav::gui
