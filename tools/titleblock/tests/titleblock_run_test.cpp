// MOKRAVB run as the host runs it: an exchange file and "mokrav8.jyd" in the
// current folder, the command line "<exchange file> mokrav8.jyd". Every
// expected drawing output below was worked out by hand.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "exchange/params/titleblock.h"
#include "exchange/testing/tool_run_test.h"

using namespace exchange::test;

namespace {

// Text type 3: W = 3, D = 0.5, H = 3; text type 4: W = 4, D = 0.4, H = 4.
// Group scales: group 0 has 1, group 2 has 2, group "a" 0.5.
const char* const kSizes =
    "hcw 1 2 3 4 5 6 7 8 9 10\r\n"
    "hcd 0.1 0.2 0.5 0.4 0.5 0.6 0.7 0.8 0.9 1\r\n"
    "hch 1 2 3 4 5 6 7 8 9 10\r\n";
const char* const kScales = "hs 1 1 2 1 1 1 1 1 1 1 0.5 1 1 1 1 1\r\n";

// An exchange file as the host writes it for the two corners of the cell
// ("x y"), point 2 in its "-" form unless told otherwise.
std::string Exchange(const std::string& group, const std::string& p1, const std::string& p2,
                     const std::string& point2Key = "hp2-  ") {
  return "hd\r\nly3\r\nlg" + group + "\r\n" + kSizes + kScales + "hp1-  " + p1 + "\r\n" + point2Key +
         p2 + "\r\n";
}

// The unit cell: 40 wide, 10 high, scale 1; its middle is (20, 5).
const std::string kCell = Exchange("0", "0 0", "40 10");

// What follows the y of the upper and the lower text, up to the text.
const std::string U = "  100000000000000000 0 \"";
const std::string L = "  1000000000000000 0 \"";
// The lower text's record when text 1 stands alone.
const std::string kNoLower = "ch    1000000000000000 0 \"";

// The worked example: right-aligned "AB" (2.75 wide) alone in the unit cell.
const std::vector<std::string> kWorked = {"lg0", "ly3", "cn3", "ch 36.75 3.5" + U + "AB", kNoLower};

class TitleBlockRun : public ToolRunTest {
 protected:
  TitleBlockRun()
      : ToolRunTest({MOKRAVB_PATH, "MOKRAVB", paramfile::titleblock::kFileName,
                     "jwc_temp.txt mokrav8.jyd"}) {}
};

using Case = DrawCase;

TEST_F(TitleBlockRun, TheWorkedExample) {
  ExpectDraws(kCell, "2 3 -- AB - 3", kWorked);
  // The same file as bytes.
  EXPECT_EQ(Draw(kCell, "2 3 -- AB - 3"),
            "lg0\r\nly3\r\ncn3\r\nch 36.75 3.5  100000000000000000 0 \"AB\r\n"
            "ch    1000000000000000 0 \"\r\n\r\n");
}

TEST_F(TitleBlockRun, EachAlignmentWithOneAndTwoTexts) {
  // "AB" is 2.75 wide, "品名" 6.25. A pair stands on the middle line (5)
  // and one text height (3) below it; a lone text is centred on it (3.5).
  const std::vector<Case> cases = {
      {"one text left", kCell, "2 3 -- AB - 1", {"lg0", "ly3", "cn3", "ch 0.5 3.5" + U + "AB", kNoLower}},
      {"one text centred", kCell, "2 3 -- AB - 2",
       {"lg0", "ly3", "cn3", "ch 18.625 3.5" + U + "AB", kNoLower}},
      {"one text right", kCell, "2 3 -- AB - 3", kWorked},
      {"two texts left", kCell, "1 3 -- 品名 AB 1",
       {"lg0", "ly3", "cn3", "ch 0.5 5" + U + "品名", "ch 0.5 2" + L + "AB"}},
      {"two texts centred", kCell, "1 3 -- 品名 AB 2",
       {"lg0", "ly3", "cn3", "ch 16.875 5" + U + "品名", "ch 18.625 2" + L + "AB"}},
      {"two texts right", kCell, "1 3 -- 品名 AB 3",
       {"lg0", "ly3", "cn3", "ch 33.25 5" + U + "品名", "ch 36.75 2" + L + "AB"}},
      {"the window's start-up texts, text type 4, centred", kCell, "1 4 -- 品名（上段） 品名（下段） 2",
       {"lg0", "ly3", "cn4", "ch 7.1 5" + U + "品名（上段）", "ch 7.1 1" + L + "品名（下段）"}},
      // Only the integer part counts; every value but 1 and 3 centres.
      {"alignment 0", kCell, "2 3 -- AB - 0", {"lg0", "ly3", "cn3", "ch 18.625 3.5" + U + "AB", kNoLower}},
      {"alignment 7", kCell, "2 3 -- AB - 7", {"lg0", "ly3", "cn3", "ch 18.625 3.5" + U + "AB", kNoLower}},
      {"alignment -0.5", kCell, "2 3 -- AB - -0.5",
       {"lg0", "ly3", "cn3", "ch 18.625 3.5" + U + "AB", kNoLower}},
      {"alignment 1.9", kCell, "2 3 -- AB - 1.9", {"lg0", "ly3", "cn3", "ch 0.5 3.5" + U + "AB", kNoLower}},
      {"alignment 3.99", kCell, "2 3 -- AB - 3.99", kWorked},
  };
  ExpectDrawings(cases);
}

TEST_F(TitleBlockRun, EmptyTexts) {
  const std::vector<Case> cases = {
      {"text 2 empty in the two-text kind", kCell, "1 3 -- 品名 - 3",
       {"lg0", "ly3", "cn3", "ch 33.25 3.5" + U + "品名", kNoLower}},
      // The empty text 1 stands on the middle line, measured as 0 wide.
      {"text 1 empty, centred", kCell, "4 3 -- - 日付 2",
       {"lg0", "ly3", "cn3", "ch 20 5" + U, "ch 16.875 3.5" + L + "日付"}},
      {"text 1 empty, right", kCell, "4 3 -- - 日付 3",
       {"lg0", "ly3", "cn3", "ch 39.5 5" + U, "ch 33.25 3.5" + L + "日付"}},
      {"text 1 empty, left", kCell, "4 3 -- - 日付 1",
       {"lg0", "ly3", "cn3", "ch 0.5 5" + U, "ch 0.5 3.5" + L + "日付"}},
      {"both \"-\", left", kCell, "4 3 -- - - 1",
       {"lg0", "ly3", "cn3", "ch 0.5 3.5" + U, "ch 0.5 3.5" + L}},
      {"both \"-\", right", kCell, "4 3 -- - - 3",
       {"lg0", "ly3", "cn3", "ch 39.5 3.5" + U, "ch 39.5 3.5" + L}},
      {"an empty text box leaves an empty field", kCell, "1 3 --  - 2",
       {"lg0", "ly3", "cn3", "ch 20 3.5" + U, "ch 20 3.5" + L}},
      {"an empty box of a one-text kind", kCell, "3 3 --  - 3",
       {"lg0", "ly3", "cn3", "ch 39.5 3.5" + U, "ch 39.5 3.5" + L}},
  };
  ExpectDrawings(cases);
}

TEST_F(TitleBlockRun, FullWidthAndHalfWidthTexts) {
  // A full-width character is W wide, a half-width one (katakana too) W/2;
  // neither is converted.
  const std::vector<Case> cases = {
      {"full-width letters", kCell, "5 3 -- ＳＣＡ - 3",
       {"lg0", "ly3", "cn3", "ch 29.75 3.5" + U + "ＳＣＡ", kNoLower}},
      {"half-width letters", kCell, "5 3 -- SCA - 3", {"lg0", "ly3", "cn3", "ch 35 3.5" + U + "SCA", kNoLower}},
      {"half-width katakana", kCell, "5 3 -- ｹｰｽ - 3",
       {"lg0", "ly3", "cn3", "ch 35 3.5" + U + "ｹｰｽ", kNoLower}},
      {"mixed texts, centred", kCell, "1 3 -- M10ボルト A-1234 2",
       {"lg0", "ly3", "cn3", "ch 12.5 5" + U + "M10ボルト", "ch 15.125 2" + L + "A-1234"}},
      {"the quoted weight, left", kCell, "5 3 -- 7.85 - 1",
       {"lg0", "ly3", "cn3", "ch 0.5 3.5" + U + "7.85", kNoLower}},
  };
  ExpectDrawings(cases);
  // The texts reach the file as the code page's own bytes.
  EXPECT_EQ(Draw(kCell, "1 3 -- ｹｰｽ 品名 1"),
            "lg0\r\nly3\r\ncn3\r\nch 0.5 5  100000000000000000 0 \"\xB9\xB0\xBD\r\n"
            "ch 0.5 2  1000000000000000 0 \"\x95\x69\x96\xBC\r\n\r\n");
}

TEST_F(TitleBlockRun, GroupScalesAndOwnLayer) {
  // Group 2 (S = 2), cell (100, 50)-(180, 70): middle (140, 60), text
  // height 6; "軸受ケース" is 33.5 wide, "M10ボルト" 30, "AB" 5.5.
  const std::string cell = Exchange("2", "100 50", "180 70");
  const std::vector<Case> cases = {
      {"right", cell, "1 3 5 軸受ケース M10ボルト 3",
       {"lg2", "ly5", "cn3", "ch 145.5 60" + U + "軸受ケース", "ch 149 54" + L + "M10ボルト"}},
      {"left", cell, "1 3 5 軸受ケース M10ボルト 1",
       {"lg2", "ly5", "cn3", "ch 101 60" + U + "軸受ケース", "ch 101 54" + L + "M10ボルト"}},
      {"centred", cell, "1 3 5 軸受ケース M10ボルト 2",
       {"lg2", "ly5", "cn3", "ch 123.25 60" + U + "軸受ケース", "ch 125 54" + L + "M10ボルト"}},
      {"one text", cell, "2 3 F AB - 2", {"lg2", "lyF", "cn3", "ch 137.25 57" + U + "AB", kNoLower}},
      {"group a, S = 0.5", Exchange("a", "0 0", "40 10"), "3 3 -- 1/10 - 2",
       {"lga", "ly3", "cn3", "ch 18.4375 4.25" + U + "1/10", kNoLower}},
  };
  ExpectDrawings(cases);
}

TEST_F(TitleBlockRun, CornersPickedEitherWay) {
  // From any corner to the opposite one, the texts stay inside the cell.
  const char* const picks[][2] = {{"0 0", "40 10"}, {"40 10", "0 0"}, {"0 10", "40 0"}, {"40 0", "0 10"}};
  const std::vector<std::string> expected[] = {
      {"lg0", "ly3", "cn3", "ch 0.5 5" + U + "品名", "ch 0.5 2" + L + "AB"},
      {"lg0", "ly3", "cn3", "ch 16.875 5" + U + "品名", "ch 18.625 2" + L + "AB"},
      {"lg0", "ly3", "cn3", "ch 33.25 5" + U + "品名", "ch 36.75 2" + L + "AB"},
  };
  for (const auto& pick : picks) {
    for (int align = 1; align <= 3; ++align) {
      SCOPED_TRACE(std::string(pick[0]) + " to " + pick[1] + ", alignment " + std::to_string(align));
      ExpectDraws(Exchange("0", pick[0], pick[1]), "1 3 -- 品名 AB " + std::to_string(align),
                  expected[align - 1]);
    }
  }
}

TEST_F(TitleBlockRun, HostItemsInTheirOtherForms) {
  const std::string head = "hd\r\nly3\r\nlg0\r\n" + std::string(kSizes) + kScales;
  const std::vector<Case> cases = {
      {"point 2 in its blank form", Exchange("0", "0 0", "40 10", "hp2   "), "2 3 -- AB - 3", kWorked},
      {"both forms of point 2: the later wins", head + "hp1-  0 0\r\nhp2   7 7\r\nhp2-  40 10\r\n",
       "2 3 -- AB - 3", kWorked},
      {"both forms of point 2, the other way", head + "hp1-  0 0\r\nhp2-  7 7\r\nhp2   40 10\r\n",
       "2 3 -- AB - 3", kWorked},
      // Split at its three blanks, this item reads as coordinates that are
      // no number; the later item replaces them before they are converted.
      {"a corner whose coordinates are no number, given again later",
       head + "hp1-  0 0\r\nhp2    7 7\r\nhp2-  40 10\r\n", "2 3 -- AB - 3", kWorked},
      // An item without its run of blanks is only a fault when its point is
      // read: a later item for the same point replaces it.
      {"a corner without its blanks, given again later", head + "hp1-0 0\r\nhp1-  0 0\r\nhp2-  40 10\r\n",
       "2 3 -- AB - 3", kWorked},
      {"point 1 in the blank form is not read; later items replace earlier ones",
       "ly9\r\nlg2\r\n" + head + "hp1   9 9\r\n\"hp1-  0 0\"\r\nhp2-  40 10\r\nhp3   1 1\r\n",
       "2 3 -- AB - 3", kWorked},
      {"a text type with a fraction selects by its integer part", kCell, "2 3.9 -- AB - 3",
       {"lg0", "ly3", "cn3.9", "ch 36.75 3.5" + U + "AB", kNoLower}},
      // Without "hs" the scale is 0, without sizes every width is 0, and a
      // text type that is no number does no harm; no "ly" or "lg" leaves
      // their records bare.
      {"sizes and scale the host left out", "hp1-  0 0\r\nhp2-  40 10\r\n", "1 x -- 品名 AB 3",
       {"lg", "ly", "cnx", "ch 40 5" + U + "品名", "ch 40 5" + L + "AB"}},
  };
  ExpectDrawings(cases);
}

TEST_F(TitleBlockRun, ParameterFileAndItemCount) {
  // Only the last record of the file counts, line ends as they come.
  EXPECT_EQ(DrawFile(kCell, "1 3 -- 品名 AB 1\r\n2 3 -- AB - 3\r\n\r\n"), Cp932(Lines(kWorked)));
  EXPECT_EQ(DrawFile(kCell, "1 3 -- 品名 AB 1\n2 3 -- AB - 3"), Cp932(Lines(kWorked)));
  // The cell file holds 9 items; 100 are still read.
  const std::string full = FilledTo(kCell, 100);
  EXPECT_EQ(Draw(full, "2 3 -- AB - 3"), Cp932(Lines(kWorked)));
}

TEST_F(TitleBlockRun, EveryFailureLeavesTheExchangeFileAsTheHostWroteIt) {
  const std::string good = kCell;
  const std::string params = "2 3 -- AB - 3\r\n";
  const std::string args = "jwc_temp.txt mokrav8.jyd";
  auto with = [&](const std::string& from, const std::string& to) { return Replaced(good, from, to); };
  const std::string tooMany = FilledTo(good, 101);
  const std::vector<FailureCase> failures = {
      {"one command-line word", "the command line has no word 1 (it has 1); usage: MOKRAVB EXCHANGE-FILE mokrav8.jyd", good, params, "jwc_temp.txt"},
      {"no parameter file", "the parameter file: cannot open mokrav9.jyd",
       good, std::nullopt, "jwc_temp.txt mokrav9.jyd"},
      {"no exchange file", "the exchange file: cannot open nofile.txt", good, params, "nofile.txt mokrav8.jyd"},
      {"101 exchange items", "the exchange file holds more than 100 items", tooMany, params, args},
      {"five fields", "the parameter line has no field 5", good, "2 3 -- AB -\r\n", args},
      {"a cell kind that is no number", "the cell kind (field 0) \"x\" is not a number",
       good, "x 3 -- AB - 3\r\n", args},
      {"no cell kind chosen in the window", "the cell kind (field 0) \"\" is not a number", good, "    - 2\r\n", args},
      {"an alignment that is no number", "the alignment (field 5) \"x\" is not a number",
       good, "2 3 -- AB - x\r\n", args},
      {"no alignment chosen in the window", "the alignment (field 5) \"\" is not a number",
       good, "2 3 -- AB - \r\n", args},
      {"a blank inside a text shifts the alignment", "the alignment (field 5) \"-\" is not a number",
       good, "2 3 -- A B - 3\r\n", args},
      {"a blank inside text 2", "the alignment (field 5) \"太郎\" is not a number", good, "4 3 -- 設計 山田 太郎 3\r\n", args},
      {"a text type that is no number", "the text type \"x\" is not a number", good, "2 x -- AB - 3\r\n", args},
      {"a text type beyond the host's list", "the host's item \"hcw\" lists no text type 11",
       good, "2 11 -- AB - 3\r\n", args},
      {"text type 0", "the host's item \"hcw\" lists no text type 0", good, "2 0 -- AB - 3\r\n", args},
      {"a character width that is no number", "the host's hcw value \"w\" is not a number",
       with("hcw 1 2 3", "hcw 1 2 w"), params, args},
      {"an upper-case layer group", "the current layer group \"A\"", with("lg0", "lgA"), params, args},
      {"a layer group that is no hexadecimal digit", "the current layer group \"g\"", with("lg0", "lgg"), params, args},
      {"a scale item too short for the group", "the host's scale item lists no scale for layer group 15",
       with("lg0", "lgf") + "hs 1 2\r\n", params, args},
      {"a scale that is no number", "the scale of layer group 0 \"y\" is not a number",
       with("hs 1 1", "hs y 1"), params, args},
      {"point 1 only in the blank form", "point 1 was picked without the \"-\" mark it needs",
       with("hp1-  0 0", "hp1   0 0"), params, args},
      {"no point 2", "point 2 was not picked", with("hp2-  40 10\r\n", ""), params, args},
      {"point 1 without its y", "point 1 \"hp1-  0\" lacks its y coordinate",
       with("hp1-  0 0", "hp1-  0"), params, args},
      {"a coordinate that is no number", "the y of point 2 \"y\" is not a number",
       with("hp2-  40 10", "hp2-  40 y"), params, args},
      {"point 2 with three blanks after its \"-\"", "the x of point 2 \"\" is not a number",
       with("hp2-  40 10", "hp2-   40 10"), params, args},
      {"a scale that overflows the drawing", "a coordinate came out as no number",
       with("hs 1 1", "hs 1e308 1"), params, args},
  };
  ExpectFailures(failures);
  // No text can hold a byte the code page lacks: it goes into the file as
  // it stands.
  SCOPED_TRACE("a byte the code page does not hold in a text");
  ExpectFailure(good, "2 3 -- A\xFF - 3\r\n", args, "a text cannot be written to the exchange file");
}

}  // namespace
