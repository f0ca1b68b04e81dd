// The tolerance table shipped for the host folder, data/公差.dat: its form,
// the classes the fit boxes offer, and deviations of the ISO 286 tables.
#include <map>
#include <string>
#include <vector>

#include "platform/numtext.h"
#include "platform/textfile.h"
#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

struct Row {
  double bound;
  std::string upper, lower;
};

class ShippedTableTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    const std::filesystem::path path =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "公差.dat";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::size_t replaced = 0;
    text_ = platform::FromCp932(bytes_, &replaced);
    ASSERT_EQ(replaced, 0u);
    for (std::size_t at = 0; at < text_.size();) {
      std::size_t end = text_.find("\r\n", at);
      ASSERT_NE(end, std::string::npos) << "last line without CR LF";
      lines_.push_back(text_.substr(at, end - at));
      at = end + 2;
    }
    for (const std::string& line : lines_) {
      std::vector<std::string> f;
      std::size_t start = 0;
      for (std::size_t slash; (slash = line.find('/', start)) != std::string::npos; start = slash + 1)
        f.push_back(line.substr(start, slash - start));
      f.push_back(line.substr(start));
      ASSERT_EQ(f.size(), 4u) << line;
      rows_[f[0]].push_back({platform::ParseNumber(f[1]), f[2], f[3]});
    }
  }

  // The row the dimension-tolerance tool takes for a measured size: the
  // first row after the opening one whose range holds the size.
  std::string Lookup(const std::string& cls, double size) {
    const std::vector<Row>& r = rows_[cls];
    for (std::size_t i = 1; i < r.size(); ++i) {
      if (r[i - 1].bound < size && size <= r[i].bound) return r[i].upper + "/" + r[i].lower;
    }
    return "<none>";
  }

  std::string bytes_, text_;
  std::vector<std::string> lines_;
  std::map<std::string, std::vector<Row>> rows_;
};

TEST_F(ShippedTableTest, CodePage932WithCrLfAndOneRowALine) {
  EXPECT_EQ(bytes_.find('\n'), bytes_.find("\r\n") + 1);
  std::size_t lf = 0, crlf = 0;
  for (std::size_t k = 0; k < bytes_.size(); ++k) {
    if (bytes_[k] == '\n') ++lf;
    if (bytes_[k] == '\r' && k + 1 < bytes_.size() && bytes_[k + 1] == '\n') ++crlf;
  }
  EXPECT_EQ(lf, crlf);
  EXPECT_EQ(bytes_.find(','), std::string::npos);
  EXPECT_EQ(bytes_.find('"'), std::string::npos);
  EXPECT_EQ(platform::ToCp932(text_), bytes_);
  // The whole table is read as list items: every line one item, unchanged.
  EXPECT_EQ(platform::SplitItems(text_), lines_);
  EXPECT_LE(lines_.size(), 5000u);
}

TEST_F(ShippedTableTest, EveryOfferedClassHasItsRanges) {
  std::vector<std::string> offered = f_.Com(52).items;
  offered.insert(offered.end(), f_.Com(53).items.begin(), f_.Com(53).items.end());
  ASSERT_EQ(offered.size(), 65u);
  for (const std::string& cls : offered) {
    SCOPED_TRACE(cls);
    const std::vector<Row>& r = rows_[cls];
    ASSERT_GE(r.size(), 2u);
    // Far below the 200 items the tool holds with the record.
    EXPECT_LT(r.size(), 40u);
    // t and T are not defined up to 24 mm, b and B not up to 1 mm.
    double first = 0.0;
    if (cls == "t6" || cls == "T7") first = 24.0;
    if (cls == "b9" || cls == "B10") first = 1.0;
    EXPECT_EQ(r.front().bound, first);
    EXPECT_EQ(r.back().bound, 500.0);
    for (std::size_t i = 1; i < r.size(); ++i) EXPECT_LT(r[i - 1].bound, r[i].bound);
    const bool symmetric = cls.rfind("JS", 0) == 0 || cls.rfind("js", 0) == 0;
    for (const Row& row : r) {
      if (symmetric) {
        EXPECT_EQ(row.upper, " ");
        EXPECT_EQ(row.lower.rfind("±0.", 0), 0u) << row.lower;
      } else {
        double upper = platform::ParseNumber(row.upper), lower = platform::ParseNumber(row.lower);
        EXPECT_GT(upper, lower);
        for (const std::string& d : {row.upper, row.lower})
          EXPECT_TRUE(d == "0" || d[0] == '+' || d[0] == '-') << d;
      }
    }
  }
  EXPECT_EQ(rows_.size(), offered.size());  // no class the boxes do not offer
}

TEST_F(ShippedTableTest, WellKnownDeviations) {
  struct Spot {
    const char* cls;
    double size;
    const char* want;
  };
  const Spot spots[] = {
      {"H7", 25, "+0.021/0"},        {"h6", 25, "0/-0.013"},
      {"H7", 2, "+0.010/0"},         {"H7", 10, "+0.015/0"},
      {"H7", 10.5, "+0.018/0"},      {"H7", 100, "+0.035/0"},
      {"H7", 500, "+0.063/0"},       {"H6", 25, "+0.013/0"},
      {"H8", 25, "+0.033/0"},        {"H9", 25, "+0.052/0"},
      {"G7", 25, "+0.028/+0.007"},   {"F7", 25, "+0.041/+0.020"},
      {"E9", 25, "+0.092/+0.040"},   {"D10", 25, "+0.149/+0.065"},
      {"K7", 25, "+0.006/-0.015"},   {"M7", 25, "0/-0.021"},
      {"N7", 25, "-0.007/-0.028"},   {"P7", 25, "-0.014/-0.035"},
      {"S7", 25, "-0.027/-0.048"},   {"R7", 25, "-0.020/-0.041"},
      {"K6", 25, "+0.002/-0.011"},   {"M6", 25, "-0.004/-0.017"},
      {"N6", 25, "-0.011/-0.024"},   {"P6", 25, "-0.018/-0.031"},
      {"h7", 100, "0/-0.035"},       {"g6", 25, "-0.007/-0.020"},
      {"f7", 25, "-0.020/-0.041"},   {"e8", 25, "-0.040/-0.073"},
      {"d9", 25, "-0.065/-0.117"},   {"k6", 25, "+0.015/+0.002"},
      {"m6", 25, "+0.021/+0.008"},   {"n6", 25, "+0.028/+0.015"},
      {"p6", 25, "+0.035/+0.022"},   {"r6", 25, "+0.041/+0.028"},
      {"s6", 25, "+0.048/+0.035"},   {"u6", 20, "+0.054/+0.041"},
      {"u6", 25, "+0.061/+0.048"},   {"t6", 25, "+0.054/+0.041"},
      {"js6", 25, " /±0.0065"},      {"JS6", 25, " /±0.0065"},
      {"h6", 3, "0/-0.006"},         {"h6", 3.5, "0/-0.008"},
      {"t6", 20, "<none>"},          {"H7", 501, "<none>"},
      // Small and large sizes, where grades and deviations are furthest apart.
      {"G7", 3, "+0.012/+0.002"},    {"F7", 400, "+0.119/+0.062"},
      {"K7", 2, "0/-0.010"},         {"K7", 450, "+0.018/-0.045"},
      {"M7", 3, "-0.002/-0.012"},    {"M7", 4, "0/-0.012"},
      {"N7", 160, "-0.012/-0.052"},  {"P7", 480, "-0.045/-0.108"},
      {"f7", 200, "-0.050/-0.096"},  {"g6", 5, "-0.004/-0.012"},
      {"k6", 3, "+0.006/0"},         {"m6", 300, "+0.052/+0.020"},
      {"n6", 100, "+0.045/+0.023"},  {"p6", 8, "+0.024/+0.015"},
      {"B10", 500, "+1.090/+0.840"},
      // M6 over 250 up to 315 is the standard's exception to ES = -ei + delta.
      {"M6", 260, "-0.009/-0.041"},  {"M6", 240, "-0.008/-0.037"},
      // Symmetric classes are exactly IT/2, half micrometres included.
      {"JS7", 25, " /±0.0105"},      {"js7", 400, " /±0.0285"},
      {"JS7", 8, " /±0.0075"},       {"js7", 20, " /±0.0105"},
      {"js7", 5, " /±0.006"},        {"js5", 5, " /±0.0025"},
      // b and B begin above 1 mm.
      {"b9", 1, "<none>"},           {"B10", 0.5, "<none>"},
      {"b9", 1.5, "-0.140/-0.165"},  {"B10", 2, "+0.180/+0.140"},
      // Classes whose deviations change at the intermediate steps.
      {"s6", 65, "+0.072/+0.053"},   {"s6", 66, "+0.078/+0.059"},
      {"S7", 70, "-0.048/-0.078"},   {"r6", 150, "+0.090/+0.065"},
      {"r6", 500, "+0.172/+0.132"},  {"x6", 14, "+0.051/+0.040"},
      {"x6", 15, "+0.056/+0.045"},   {"U7", 30, "-0.040/-0.061"},
      {"u6", 480, "+0.580/+0.540"},  {"c9", 12, "-0.095/-0.138"},
  };
  for (const Spot& s : spots) {
    EXPECT_EQ(Lookup(s.cls, s.size), s.want) << s.cls << " at " << s.size;
  }
}

}  // namespace
}  // namespace mokrav::testing
