// The surface-finish tab and MOKRAVF: every "mokrav2.jyd" the tab reports as
// written is drawn, on each kind of surface the user can pick; every refusal
// leaves the host folder alone.
#include <string>
#include <vector>

#include "settings/params/frame.h"
#include "settings/procedures.h"
#include "tests/roundtrip/roundtrip.h"

namespace mokrav::roundtrip {
namespace {

const TabTool kFinish = {"Co22", "mokrav2.jyd", "仕上げ記号データを出力しました", "MOKRAVF",
                         "jwc_temp.txt 1 2 mokrav2.jyd"};

// The surfaces a user picks: two points of an edge, then a point on the side
// where the symbol stands. A vertical edge with the symbol to its right and
// to its left, a horizontal one with the symbol above and below, in groups
// of the scales 2, 1, 0.5 and 1.
std::vector<HostFile> Surfaces() {
  auto picks = [](const char* layer, const char* group, const char* p1, const char* p2,
                  const char* p3) {
    HostFile host;
    host.layer = layer;
    host.group = group;
    host.points = {PickedPoint(1, p1), PickedPoint(2, p2), PickedPoint(3, p3)};
    return host;
  };
  return {picks("3", "2", "10 0", "10 50", "16 20"), picks("3", "0", "10 0", "10 50", "4 20"),
          picks("c", "a", "0 0", "30 0", "12 5"), picks("0", "0", "-20.5 7", "40 7", "3 -1.25")};
}

// The finish kind by its option code: 1 the wave, 2 to 5 one to four
// triangles, 6 to 8 the V symbol (open, closed, with a circle).
void Kind(Form& f, int code) { f.Option("C23").selected = code - 1; }

// The four text boxes at once: process, extra symbol, lower and upper value.
void Texts(Form& f, const char* process, const char* extra, const char* lower,
           const char* upper) {
  f.Com(30).text = process;
  f.Com(31).text = extra;
  f.Com(32).text = lower;
  f.Com(33).text = upper;
}

using FinishRoundTrip = WindowRoundTrip;

TEST_F(FinishRoundTrip, RealisticFills) {
  const std::vector<Fill> fills = {
      {"as the window opens", [](Form&) {}, {"\r\ncn4\r\n", "\r\nlc4\r\n", "\r\nlt1\r\n"}},
      {"unmachined surface: the wave", [](Form& f) { Kind(f, 1); }, {"\r\nci "}},
      {"ground, two triangles with G",
       [](Form& f) {
         Kind(f, 3);
         f.Check("H1").ticked = true;
       },
       {"\"G\r\n"}},
      {"four triangles with a full-width G",
       [](Form& f) {
         Kind(f, 5);
         f.Check("H1").ticked = true;
         f.Check("H2").ticked = true;
       },
       {"\"Ｇ\r\n"}},
      {"machined, values from the lists",
       [](Form& f) {
         Pick(f, 30, "GE:円筒研削");
         Pick(f, 32, "3.2");
         Pick(f, 33, "6.3");
       },
       {"\"GE\r\n", "\"3.2\r\n", "\"6.3\r\n"},
       {"円筒研削"}},
      {"removal required, closed V, no extra symbol",
       [](Form& f) {
         Kind(f, 7);
         Texts(f, "GE:円筒研削", "", "3.2", "6.3");
       },
       {"\"GE\r\n", "\"3.2\r\n", "\"6.3\r\n"}},
      {"removal prohibited, full width",
       [](Form& f) {
         Kind(f, 8);
         Texts(f, "", "Rmax=0.4", "1.6", "");
         f.Check("H2").ticked = true;
       },
       {"\"Ｒｍａｘ＝０．４\r\n", "\"１．６\r\n"}},
      {"typed kanji process, cut-off value from the list",
       [](Form& f) {
         f.Com(30).text = "研削";
         Pick(f, 31, "λc=2.5");
       },
       {"\"研削\r\n", "\"λc=2.5\r\n"}},
      {"own layers, colour and text size",
       [](Form& f) {
         Kind(f, 7);
         Pick(f, 5, "10");
         Pick(f, 6, "7");
         Pick(f, 63, "A");
         Pick(f, 62, "F");
       },
       {"\r\nlyA\r\n", "\r\nlyF\r\n", "\r\nlc7\r\n", "\r\ncn10\r\n"}},
      {"layers 0 and 9",
       [](Form& f) {
         Kind(f, 6);
         Pick(f, 63, "0");
         Pick(f, 62, "9");
       },
       {"\r\nly0\r\n", "\r\nly9\r\n"}},
      {"half-width katakana, typed",
       [](Form& f) { Texts(f, "ｷｻｹﾞ", "", "", "12.5"); },
       {"\"ｷｻｹﾞ\r\n", "\"12.5\r\n"}},
      {"wave dash from the input method",
       [](Form& f) { Texts(f, "", "", "\u301C3", ""); },
       {"\"\uFF5E3\r\n"}},
  };
  ExpectEachDrawn(kFinish, fills, Surfaces());
}

// The cases the tab's rules single out: texts that never reach the symbol,
// a G that the V cannot carry, empty boxes and odd process entries.
TEST_F(FinishRoundTrip, EdgeCases) {
  const std::vector<Fill> fills = {
      {"V with G ticked: no G",
       [](Form& f) {
         Kind(f, 6);
         f.Check("H1").ticked = true;
         Texts(f, "", "", "", "");
       },
       {},
       {"\"G\r\n", "\"Ｇ\r\n"}},
      {"triangles with texts: the texts stay out",
       [](Form& f) {
         Kind(f, 2);
         Texts(f, "GE:円筒研削", "Rmax=0.4", "3.2", "6.3");
       },
       {},
       {"GE", "Rmax", "3.2", "6.3"}},
      {"triangles with a comma in a text that stays out",
       [](Form& f) {
         Kind(f, 4);
         f.Com(31).text = "a,b";
       }},
      {"circle V with all four texts empty",
       [](Form& f) {
         Kind(f, 8);
         Texts(f, "", "", "", "");
       }},
      {"process with two colons: its code only",
       [](Form& f) { Texts(f, "FR:新:旧", "", "", ""); },
       {"\"FR\r\n"},
       {"新", "旧"}},
      {"process with a colon and no code",
       [](Form& f) { Texts(f, ":名前だけ", "", "", ""); }},
      {"texts of one character, full width",
       [](Form& f) {
         Kind(f, 7);
         Texts(f, "M", "=", "1", "G");
         f.Check("H2").ticked = true;
       },
       {"\"Ｍ\r\n", "\"１\r\n"}},
      {"a long extra symbol",
       [](Form& f) { Texts(f, "", "Ra0.8/Rz3.2/Rmax=12.5/λc=0.8", "", ""); },
       {"\"Ra0.8/Rz3.2/Rmax=12.5/λc=0.8\r\n"}},
  };
  ExpectEachDrawn(kFinish, fills, Surfaces());
}

// "クリア", then only what the tab needs (nothing but the kind), then "作図".
TEST_F(FinishRoundTrip, ClearThenDraw) {
  for (int kind = 1; kind <= 8; ++kind) {
    SCOPED_TRACE(kind);
    Kind(f_, kind);
    Texts(f_, "GE:円筒研削", "Rmax=0.4", "3.2", "6.3");
    f_.Check("H1").ticked = true;
    f_.Check("H2").ticked = true;
    Co21_Click(f_);
    EXPECT_EQ(f_.MSG, "設定内容をクリアしました");
    ExpectDrawn(kFinish, Surfaces()[kind % 4], {}, {"GE", "Rmax", "3.2", "6.3", "\"G", "\"Ｇ"});
  }
}

// What the window refuses it does not write: the host folder, with the file
// of the last good press, stays as it was.
TEST_F(FinishRoundTrip, RefusalsWriteNothing) {
  ExpectDrawn(kFinish, Surfaces()[0]);
  const std::string commaRefused = params::kCommaRefused;
  const std::string unencodable = params::kUnencodableRefused;
  const std::vector<Refusal> rows = {
      {"comma in the extra symbol", 6, 31, "Ra,Rz", commaRefused + "「Ra,Rz」"},
      {"comma in the process code", 7, 30, "G,E:研削", commaRefused + "「G,E」"},
      {"a character outside the code page", 6, 32, "3.2€", unencodable + "「€」"},
      {"a line break", 8, 33, "6.3\n12.5", params::kLineBreakRefused},
      // Kinds 1 to 5 write "-" for the texts, but the box is still queued for
      // the memory file, which cannot hold the character either.
      {"a remembered text outside the code page", 2, 31, "Ra\u2460\u2461\U0001F600",
       unencodable + "「\U0001F600」"},
  };
  ExpectEachRefused(kFinish, rows, [](Form& f, int kind) { Kind(f, kind); });

  // A host folder that does not exist: nothing is written anywhere.
  Restart(false);
  const std::string missing = (host_ / "missing").string() + "/";
  f_.Com(54).text = missing;
  ExpectRefused(kFinish, params::kWriteFailed + missing + "mokrav2.jyd" + "（フォルダがありません）");
  EXPECT_FALSE(std::filesystem::exists(host_ / "missing"));
}

// Entries typed in one run come back from the memory file in the next one,
// and drawing with them picked from the lists gives the same symbol.
TEST_F(FinishRoundTrip, RememberedEntriesDrawAgain) {
  Kind(f_, 7);
  Texts(f_, "GX:特殊研削", "Rz=1.6", "\u301C3", "0.8");
  const std::vector<std::string> shown = {"\"GX\r\n", "\"Rz=1.6\r\n", "\"\uFF5E3\r\n",
                                          "\"0.8\r\n"};
  ExpectDrawn(kFinish, Surfaces()[1], shown);
  EXPECT_EQ(f_.pendingHistory, "30 GX:特殊研削\r\n31 Rz=1.6\r\n32 \u301C3\r\n33 0.8\r\n");

  Restart();
  Kind(f_, 7);
  Pick(f_, 30, "GX:特殊研削");
  Pick(f_, 31, "Rz=1.6");
  Pick(f_, 32, "\uFF5E3");
  Pick(f_, 33, "0.8");
  ExpectDrawn(kFinish, Surfaces()[1], shown);
  // Typed again as the input method gives it, the wave dash is no new entry.
  f_.Com(32).text = "\u301C3";
  ExpectDrawn(kFinish, Surfaces()[2], {"\"\uFF5E3\r\n"});
  EXPECT_EQ(f_.pendingHistory, "");
}

// Blanks around a typed text carry no meaning: they are dropped and the
// symbol is drawn. One left inside a text splits its field, so the press is
// refused, writing and remembering nothing, also for a kind that writes no
// text but would remember it.
TEST_F(FinishRoundTrip, BlanksAroundATextGoOneInsideIsRefused) {
  const std::string blank = params::kBlankRefused;
  const std::vector<Refusal> rows = {
      {"upper value with a blank", 6, 33, "Ra 6.3", blank + "「Ra 6.3」"},
      {"a process typed with a blank", 7, 30, "研 削", blank + "「研 削」"},
      {"an extra symbol with a blank", 8, 31, "Rmax= 0.4", blank + "「Rmax= 0.4」"},
      {"a value the triangles do not write", 2, 32, "Ra 3.2", blank + "「Ra 3.2」"},
  };
  ExpectEachRefused(kFinish, rows, [](Form& f, int kind) { Kind(f, kind); });

  const std::vector<Fill> fills = {
      {"outer blanks on both sides",
       [](Form& f) {
         Kind(f, 7);
         Texts(f, " GE:円筒研削", "Rmax=0.4  ", "  3.2 ", "Ra6.3 ");
       },
       {"\"GE\r\n", "\"Rmax=0.4\r\n", "\"3.2\r\n", "\"Ra6.3\r\n"}},
      {"blanks alone are no text", [](Form& f) { Texts(f, "  ", " ", "   ", " "); }, {}, {"\" "}},
  };
  ExpectEachDrawn(kFinish, fills, Surfaces());
}

}  // namespace
}  // namespace mokrav::roundtrip
