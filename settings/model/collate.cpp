// The order of the sorted combo boxes: the platform's case-insensitive word
// order as the default selections rely on it. Two texts compare character by
// character on a first level where
//   signs and punctuation < digits < Latin letters < Greek (and Cyrillic)
//   < kana < kanji,
// letter case is ignored, full-width digits, letters and signs rank with
// their half-width forms, hiragana, katakana and half-width katakana rank
// together in syllabary order with a voiced or small kana ranking as its plain
// kana, kanji follow their code-page-932 codes, and the hyphen-minus (like the
// separate voicing marks) does not count. Texts equal on that level are
// ordered by their characters' code points, so the order is total and the
// place of a new row never depends on the rows already in the box.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "settings/form.h"

namespace mokrav {

namespace {

enum Class : std::uint32_t {
  kIgnored = 0,
  kSign = 1,
  kDigit = 2,
  kLatin = 3,
  kGreek = 4,
  kKana = 5,
  kKanji = 6,
};

constexpr std::uint32_t Weight(Class c, std::uint32_t rank) { return (std::uint32_t{c} << 24) | rank; }

// Lenient UTF-8 decoding: a broken sequence gives U+FFFD instead of failing,
// so that any text the user types can be placed in a list.
std::u32string Decode(const std::string& s) {
  std::u32string out;
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + static_cast<std::size_t>(len) > s.size()) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    char32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    bool ok = true;
    for (int k = 1; k < len; ++k) {
      unsigned char c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    out.push_back(cp);
    i += static_cast<std::size_t>(len);
  }
  return out;
}

// For each character of the hiragana block U+3041..U+3096, the plain large
// kana that it ranks with.
const char32_t kHiraganaBase[] =
    U"ああいいううええおおかかききくくけけここささししすすせせそそたたちちつつつててととなにぬねの"
    U"はははひひひふふふへへへほほほまみむめもややゆゆよよらりるれろわわゐゑをんうかけ";
static_assert(sizeof(kHiraganaBase) / sizeof(char32_t) == 0x3096 - 0x3041 + 2);
// Syllabary order of the plain kana.
const std::u32string kSyllabary =
    U"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわゐゑをん";
// Half-width katakana U+FF66..U+FF9D as full-width katakana.
const char32_t kHalfKana[] =
    U"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン";
static_assert(sizeof(kHalfKana) / sizeof(char32_t) == 0xFF9D - 0xFF66 + 2);

std::uint32_t KanaWeight(char32_t c) {
  if (c >= 0xFF66 && c <= 0xFF9D) c = kHalfKana[c - 0xFF66];
  if (c == 0x30FC) return Weight(kKana, 0);  // prolonged sound mark
  if (c >= 0x30F7 && c <= 0x30FA) c = U"わゐゑを"[c - 0x30F7];
  if (c >= 0x30A1 && c <= 0x30F6) c -= 0x60;  // katakana to hiragana
  if (c == 0x309D || c == 0x309E || c == 0x30FD || c == 0x30FE) {
    return Weight(kKana, 100);  // iteration marks after the syllabary
  }
  char32_t base = kHiraganaBase[c - 0x3041];
  return Weight(kKana, 1 + static_cast<std::uint32_t>(kSyllabary.find(base)));
}

bool IsKana(char32_t c) {
  return (c >= 0x3041 && c <= 0x3096) || (c >= 0x309D && c <= 0x309E) ||
         (c >= 0x30A1 && c <= 0x30FA) || (c >= 0x30FC && c <= 0x30FE) ||
         (c >= 0xFF66 && c <= 0xFF9D);
}

bool IsKanji(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x3005 && c <= 0x3007);
}

std::uint32_t KanjiWeight(char32_t c) {
  try {
    std::string bytes = platform::ToCp932(platform::U32ToUtf8(std::u32string(1, c)));
    if (bytes.size() == 2) {
      return Weight(kKanji, (static_cast<unsigned char>(bytes[0]) << 8) |
                                static_cast<unsigned char>(bytes[1]));
    }
  } catch (const std::exception&) {
    // Not in the code page: after every kanji that it holds.
  }
  return Weight(kKanji, 0x10000 + static_cast<std::uint32_t>(c));
}

// First-level weight of one character; 0 when it does not count there.
std::uint32_t Primary(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;  // full-width ASCII forms
  if (c == 0x3000) c = U' ';
  if (c == U'-') return 0;
  if (c == 0x3099 || c == 0x309A || c == 0x309B || c == 0x309C || c == 0xFF9E || c == 0xFF9F) {
    return 0;  // voicing marks rank with the kana they follow
  }
  if (c >= U'0' && c <= U'9') return Weight(kDigit, c - U'0');
  if (c >= U'A' && c <= U'Z') c += 0x20;
  if (c >= U'a' && c <= U'z') return Weight(kLatin, c - U'a');
  if (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) {
    char32_t lower = (c <= 0xDE && c != 0xDF) ? c + 0x20 : c;
    return Weight(kLatin, 100 + lower);
  }
  if (c >= 0x0391 && c <= 0x03A9) c += 0x20;
  if (c >= 0x0370 && c <= 0x03FF) return Weight(kGreek, c);
  if (c >= 0x0410 && c <= 0x042F) c += 0x20;
  if (c == 0x0401) c = 0x0451;
  if (c >= 0x0400 && c <= 0x04FF) return Weight(kGreek, 0x1000 + c);
  if (IsKana(c)) return KanaWeight(c);
  if (IsKanji(c)) return KanjiWeight(c);
  return Weight(kSign, c);
}

std::vector<std::uint32_t> PrimaryKey(const std::u32string& text) {
  std::vector<std::uint32_t> key;
  key.reserve(text.size());
  for (char32_t c : text) {
    std::uint32_t w = Primary(c);
    if (w != 0) key.push_back(w);
  }
  return key;
}

}  // namespace

bool CollateLess(const std::string& a, const std::string& b) {
  std::u32string ua = Decode(a);
  std::u32string ub = Decode(b);
  std::vector<std::uint32_t> ka = PrimaryKey(ua);
  std::vector<std::uint32_t> kb = PrimaryKey(ub);
  if (ka != kb) return ka < kb;
  return ua < ub;
}

}  // namespace mokrav
