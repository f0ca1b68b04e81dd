#include "platform/widths.h"

#include <map>

#include "platform/cp932.h"

namespace platform {
namespace {

// Half-width katakana U+FF61..U+FF9F and their full-width forms, in order.
const char32_t kFullKana[] = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7,  // ｡｢｣､･ｦｧｨｩｪ
    0x30A9, 0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8,  // ｫｬｭｮｯｰｱｲｳｴ
    0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB,  // ｵｶｷｸｹｺｻｼｽｾ
    0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD,  // ｿﾀﾁﾂﾃﾄﾅﾆﾇﾈ
    0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1,  // ﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒ
    0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF,  // ﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜ
    0x30F3, 0x309B, 0x309C,                                                          // ﾝﾞﾟ
};
constexpr char32_t kHalfKanaFirst = 0xFF61;
constexpr char32_t kHalfKanaLast = 0xFF9F;
constexpr char32_t kVoiced = 0xFF9E;
constexpr char32_t kSemiVoiced = 0xFF9F;

char32_t FullOfHalfKana(char32_t c) { return kFullKana[c - kHalfKanaFirst]; }

// The voiced (or semi-voiced) form of a full-width kana, 0 when it has none.
char32_t Voiced(char32_t full, bool semi) {
  if (semi) {
    // ハ ヒ フ ヘ ホ take the semi-voiced mark.
    for (char32_t b : {0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB})
      if (full == b) return full + 2;
    return 0;
  }
  if (full == 0x30A6) return 0x30F4;  // ウ -> ヴ
  if ((full >= 0x30AB && full <= 0x30C1 && (full - 0x30AB) % 2 == 0) ||  // カ..チ
      (full >= 0x30C4 && full <= 0x30C8 && (full - 0x30C4) % 2 == 0) ||  // ツ テ ト
      (full >= 0x30CF && full <= 0x30DB && (full - 0x30CF) % 3 == 0))    // ハ..ホ
    return full + 1;
  return 0;
}

const std::map<char32_t, std::u32string>& HalfOfFull() {
  static const std::map<char32_t, std::u32string> table = [] {
    std::map<char32_t, std::u32string> t;
    for (char32_t h = kHalfKanaFirst; h <= kHalfKanaLast; ++h) t[FullOfHalfKana(h)] = std::u32string(1, h);
    for (char32_t h = kHalfKanaFirst; h <= kHalfKanaLast; ++h) {
      char32_t full = FullOfHalfKana(h);
      if (char32_t v = Voiced(full, false)) t[v] = std::u32string{h, kVoiced};
      if (char32_t p = Voiced(full, true)) t[p] = std::u32string{h, kSemiVoiced};
    }
    return t;
  }();
  return table;
}

}  // namespace

std::string ToFullWidth(const std::string& utf8) {
  std::u32string in = Utf8ToU32(utf8), out;
  for (std::size_t i = 0; i < in.size(); ++i) {
    char32_t c = in[i];
    if (c >= 0x21 && c <= 0x7E) {
      out += c - 0x21 + 0xFF01;
    } else if (c == 0x20) {
      out += 0x3000;
    } else if (c >= kHalfKanaFirst && c <= kHalfKanaLast) {
      char32_t full = FullOfHalfKana(c);
      if (i + 1 < in.size() && (in[i + 1] == kVoiced || in[i + 1] == kSemiVoiced)) {
        if (char32_t v = Voiced(full, in[i + 1] == kSemiVoiced)) {
          out += v;
          ++i;
          continue;
        }
      }
      out += full;
    } else {
      out += c;
    }
  }
  return U32ToUtf8(out);
}

std::string ToHalfWidth(const std::string& utf8) {
  std::u32string in = Utf8ToU32(utf8), out;
  const auto& kana = HalfOfFull();
  for (char32_t c : in) {
    if (c >= 0xFF01 && c <= 0xFF5E) {
      out += c - 0xFF01 + 0x21;
    } else if (c == 0x3000) {
      out += 0x20;
    } else if (c == 0xFFE5) {
      out += U'\\';
    } else if (auto it = kana.find(c); it != kana.end()) {
      out += it->second;
    } else {
      out += c;
    }
  }
  return U32ToUtf8(out);
}

}  // namespace platform
