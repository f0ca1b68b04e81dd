// The title-block tab and MOKRAVB: every "mokrav8.jyd" the tab reports as
// written is drawn into a picked cell, for each kind of cell and each
// alignment; every refusal leaves the host folder alone.
#include <string>
#include <vector>

#include "settings/params/frame.h"
#include "settings/procedures.h"
#include "tests/roundtrip/roundtrip.h"

namespace mokrav::roundtrip {
namespace {

const TabTool kTitleBlock = {"Command11", "mokrav8.jyd", "図枠欄作図データを出力しました",
                             "MOKRAVB", "jwc_temp.txt mokrav8.jyd"};

// Two opposite corners of a cell, in groups of the scales 1, 2 and 0.5; the
// second corner in either of its marks.
std::vector<HostFile> Cells() {
  return {Host("0", {PickedPoint(1, "0 0", true), PickedPoint(2, "40 10", true)}),
          Host("2", {PickedPoint(1, "100 20", true), PickedPoint(2, "180 0")}),
          Host("a", {PickedPoint(1, "0 0", true), PickedPoint(2, "-30 8", true)})};
}

// The cell kind (1 品名, 2 図番, 3 尺度, 4 設計者, 5 処理/他) and the
// alignment (1 left, 2 centred, 3 right).
void Cell(Form& f, int kind, int align = 1) {
  f.Option("C91").selected = kind - 1;
  f.Option("C92").selected = align - 1;
}

const int kTextBoxes[] = {101, 102, 103, 104, 105, 106, 107};

using TitleBlockRoundTrip = WindowRoundTrip;

TEST_F(TitleBlockRoundTrip, RealisticFills) {
  const std::vector<Fill> fills = {
      {"as the window opens: the two lines of the name",
       [](Form& f) { Cell(f, 1); },
       {"\"品名（上段）\r\n", "\"品名（下段）\r\n"}},
      {"a typed part name on two lines",
       [](Form& f) {
         Cell(f, 1, 2);
         f.Com(101).text = "ベースプレート";
         f.Com(102).text = "SS400";
       },
       {"\"ベースプレート\r\n", "\"SS400\r\n"}},
      {"a typed drawing number",
       [](Form& f) {
         Cell(f, 2, 2);
         f.Com(103).text = "MK-1234-01";
       },
       {"\"MK-1234-01\r\n"}},
      {"a scale from the list",
       [](Form& f) {
         Cell(f, 3, 2);
         Pick(f, 104, "1/2");
       },
       {"\"1/2\r\n"}},
      {"designer and date, typed",
       [](Form& f) {
         Cell(f, 4, 1);
         f.Com(105).text = "山田";
         f.Com(106).text = "2024.05.01";
       },
       {"\"山田\r\n", "\"2024.05.01\r\n"}},
      {"a treatment from the list",
       [](Form& f) {
         Cell(f, 5, 3);
         Pick(f, 107, "ＳＣＡ");
       },
       {"\"ＳＣＡ\r\n"}},
      {"a typed treatment",
       [](Form& f) {
         Cell(f, 5, 2);
         f.Com(107).text = "黒染め";
       },
       {"\"黒染め\r\n"}},
      {"the weight quoted before any calculation",
       [](Form& f) {
         Cell(f, 5, 2);
         f.Check("H91").ticked = true;
       },
       {"\"重量\r\n"},
       {"処理方法"}},
      {"the weight quoted after a calculation",
       [](Form& f) {
         Command13_Click(f);
         Cell(f, 5, 3);
         f.Check("H91").ticked = true;
       },
       {},
       {"重量", "処理方法"}},
      {"own text size and layer of the chosen kind",
       [](Form& f) {
         Cell(f, 4);
         Pick(f, 94, "7");
         Pick(f, 99, "B");
         Pick(f, 91, "1");  // another kind's boxes are not read
         Pick(f, 96, "E");
       },
       {"\r\ncn7\r\n", "\r\nlyB\r\n"},
       {"\r\ncn1\r\n", "\r\nlyE\r\n"}},
  };
  ExpectEachDrawn(kTitleBlock, fills, Cells());
}

TEST_F(TitleBlockRoundTrip, EveryKindAndAlignment) {
  const std::vector<HostFile> cells = Cells();
  for (int kind = 1; kind <= 5; ++kind) {
    for (int align = 1; align <= 3; ++align) {
      SCOPED_TRACE("kind " + std::to_string(kind) + ", align " + std::to_string(align));
      Restart(false);
      Cell(f_, kind, align);
      ExpectDrawn(kTitleBlock, cells[(kind + align) % cells.size()]);
    }
  }
}

// The cases the tab's rules single out: texts that come out empty or "-".
TEST_F(TitleBlockRoundTrip, EdgeCases) {
  const std::vector<Fill> fills = {
      {"name without its upper line",
       [](Form& f) {
         Cell(f, 1);
         f.Com(101).text = "";
       },
       {"\"品名（下段）\r\n"}},
      {"name without its lower line",
       [](Form& f) {
         Cell(f, 1, 3);
         f.Com(102).text = "";
       }},
      {"designer without a name",
       [](Form& f) {
         Cell(f, 4, 2);
         f.Com(105).text = "";
       }},
      {"designer with neither text",
       [](Form& f) {
         Cell(f, 4, 3);
         f.Com(105).text = "";
         f.Com(106).text = "";
       }},
      {"an empty drawing number",
       [](Form& f) {
         Cell(f, 2, 2);
         f.Com(103).text = "";
       }},
      {"an empty treatment",
       [](Form& f) {
         Cell(f, 5, 1);
         f.Com(107).text = "";
       }},
      {"a text typed as \"-\"",
       [](Form& f) {
         Cell(f, 3);
         f.Com(104).text = "-";
       }},
  };
  ExpectEachDrawn(kTitleBlock, fills, Cells());
}

// "クリア", then "作図": every kind draws its empty cell.
TEST_F(TitleBlockRoundTrip, ClearThenDraw) {
  for (int kind = 1; kind <= 5; ++kind) {
    SCOPED_TRACE(kind);
    for (const int box : kTextBoxes) f_.Com(box).text = "欄" + std::to_string(box);
    Command12_Click(f_);
    EXPECT_EQ(f_.MSG, "設定内容をクリアしました");
    Cell(f_, kind, kind % 3 + 1);
    ExpectDrawn(kTitleBlock, Cells()[kind % 3], {}, {"欄"});
  }
}

TEST_F(TitleBlockRoundTrip, RefusalsWriteNothing) {
  ExpectDrawn(kTitleBlock, Cells()[0]);
  const std::string comma = params::kCommaRefused;
  const std::string unencodable = params::kUnencodableRefused;
  const std::vector<Refusal> rows = {
      {"comma in the drawing number", 2, 103, "MK,12", comma + "「MK,12」"},
      {"a character outside the code page", 1, 101, "軸€", unencodable + "「€」"},
      {"a line break in the name", 1, 102, "上\n下", params::kLineBreakRefused},
      // Another kind's box is not written, but it would still be remembered.
      {"another kind's box outside the code page", 3, 105, "鈴木€", unencodable + "「€」"},
  };
  ExpectEachRefused(kTitleBlock, rows, [](Form& f, int kind) { Cell(f, kind); });
}

// Blanks around a typed text carry no meaning: they are dropped and the
// text is drawn. One left inside a text splits its field, so the press is
// refused, writing and remembering nothing.
TEST_F(TitleBlockRoundTrip, BlanksAroundATextGoOneInsideIsRefused) {
  const std::string blank = params::kBlankRefused;
  const std::vector<Refusal> rows = {
      {"a part name with a blank", 1, 101, "ブラケット 左", blank + "「ブラケット 左」"},
      {"a lower text with a blank", 1, 102, "SS400 t6", blank + "「SS400 t6」"},
      {"a designer with a blank", 4, 105, "山田 太郎", blank + "「山田 太郎」"},
  };
  ExpectEachRefused(kTitleBlock, rows, [](Form& f, int kind) { Cell(f, kind); });

  const std::vector<Fill> fills = {
      {"outer blanks on both sides",
       [](Form& f) {
         Cell(f, 1);
         f.Com(101).text = " ブラケット左 ";
         f.Com(102).text = "SS400  ";
       },
       {"\"ブラケット左\r\n", "\"SS400\r\n"}},
  };
  ExpectEachDrawn(kTitleBlock, fills, Cells());
}

}  // namespace
}  // namespace mokrav::roundtrip
