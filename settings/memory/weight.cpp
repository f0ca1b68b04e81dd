// The weight calculator of the weight tab: a plate of a material given by
// its specific gravity, or a length of a steel section given by its mass per
// metre. The result in kilograms goes into La11, from where the title-block
// tab can quote it.
#include <cmath>
#include <string>
#include <vector>

#include "platform/numtext.h"
#include "settings/procedures.h"

namespace mokrav {

namespace {

// Material entries are "name:value:unit"; every ":" separates a part.
std::vector<std::string> SplitColons(const std::string& text) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type colon = text.find(':', start);
    if (colon == std::string::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, colon - start));
    start = colon + 1;
  }
}

// The box's text as a number; on failure the status line names the entry.
bool ReadNumber(Form& f, const std::string& text, const char* what, double& out) {
  if (platform::TryParseNumber(text, out)) return true;
  f.MSG = std::string(what) + "が数値ではありません（" + text + "）";
  return false;
}

}  // namespace

void Command13_Click(Form& f) {
  // On any failure La11 keeps the last weight: the title block may quote it.
  const std::vector<std::string> parts = SplitColons(f.Com(150).text);
  if (parts.size() < 3) {
    f.MSG = "材料は「名称:値:単位」の形で入力してください";
    return;
  }
  double v = 0;
  if (!ReadNumber(f, parts[1], "比重・質量の値", v)) return;

  double weight = 0;
  if (parts[2] == "比重") {
    // Specific gravity in g/cm3; dimensions in mm turned into cm, grams
    // into kilograms. Multiplied in this order.
    double t = 0, w = 0, l = 0;
    if (!ReadNumber(f, f.Com(151).text, "厚さ", t)) return;
    if (!ReadNumber(f, f.Com(152).text, "幅", w)) return;
    if (!ReadNumber(f, f.Com(153).text, "長さ", l)) return;
    weight = (((v / 1000) * (t / 10)) * (w / 10)) * (l / 10);
  } else {
    // Mass per metre in kg; the length in mm.
    double l = 0;
    if (!ReadNumber(f, f.Com(153).text, "長さ", l)) return;
    weight = (v * l) / 1000;
  }
  if (!std::isfinite(weight * 100)) {
    f.MSG = "重量を計算できません（値が大きすぎます）";
    return;
  }
  // Two decimals, an exact half to the even digit.
  weight = platform::RoundHalfEven(weight * 100) / 100;
  f.Lbl("La11").caption = platform::NumberText(weight);

  RememberEntry(f, "Com150");
  RememberEntry(f, "Com151", false);
  RememberEntry(f, "Com152", false);
  RememberEntry(f, "Com153", false);
}

}  // namespace mokrav
