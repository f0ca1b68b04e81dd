#include "platform/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

// Characters that input methods on this system give in place of the ones
// code page 932 has: folded, so the user's text reaches the file as meant.
char32_t Fold(char32_t c) {
  switch (c) {
    case 0x301C: return 0xFF5E;  // wave dash -> full-width tilde (0x8160)
    case 0x2212: return 0xFF0D;  // minus sign -> full-width hyphen-minus (0x817C)
    case 0x2016: return 0x2225;  // double vertical line -> parallel to (0x8161)
    case 0x00A2: return 0xFFE0;  // cent (0x8191)
    case 0x00A3: return 0xFFE1;  // pound (0x8192)
    case 0x00AC: return 0xFFE2;  // not (0x81CA)
    default: return c;
  }
}

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // Converts a whole input; false when iconv refuses any of it.
  bool Run(const std::string& in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.clear();
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    char buf[64];
    while (left > 0) {
      char* dst = buf;
      size_t room = sizeof buf;
      size_t r = iconv(cd_, &src, &left, &dst, &room);
      out.append(buf, dst - buf);
      if (r == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    char* dst = buf;
    size_t room = sizeof buf;
    iconv(cd_, nullptr, nullptr, &dst, &room);
    out.append(buf, dst - buf);
    return true;
  }

 private:
  iconv_t cd_;
};

std::mutex& Lock() {
  static std::mutex m;
  return m;
}

// FromCp932KeepingStrays's stand-ins: this plus the stray byte, or plus
// lead * 256 + trail for a pair that makes no character.
constexpr char32_t kStandInBase = 0xF0000;

Converter& Encoder() {
  static Converter c("CP932", "UTF-32LE");
  return c;
}
Converter& Decoder() {
  static Converter c("UTF-32LE", "CP932");
  return c;
}

std::string U32Bytes(char32_t c) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>((c >> (8 * i)) & 0xFF);
  return s;
}

// The code-page-932 bytes of one character, or empty when it has none.
// A character is accepted only when its bytes decode back to it: the
// system converter folds a few characters silently (the yen sign to the
// backslash byte), and such a fold would change the user's text unseen.
const std::string& EncodeChar(char32_t c) {
  static std::unordered_map<char32_t, std::string> cache;
  std::lock_guard<std::mutex> guard(Lock());
  auto it = cache.find(c);
  if (it != cache.end()) return it->second;
  std::string bytes;
  if (!StrayBytes(c).empty()) {
    // A stand-in for bytes that were never text; none goes back as text.
  } else if (c < 0x80) {
    bytes = std::string(1, static_cast<char>(c));
  } else if (Encoder().Ok() && Decoder().Ok()) {
    std::string out, back;
    if (Encoder().Run(U32Bytes(c), out) && !out.empty() && Decoder().Run(out, back) &&
        back == U32Bytes(c)) {
      bytes = out;
    }
  }
  return cache.emplace(c, bytes).first->second;
}

bool LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool TrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// The character of a two-byte sequence, or 0 when the code page has none.
char32_t DecodePair(unsigned char lead, unsigned char trail) {
  static std::unordered_map<unsigned, char32_t> cache;
  std::lock_guard<std::mutex> guard(Lock());
  unsigned key = (lead << 8) | trail;
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  char32_t c = 0;
  std::string in{static_cast<char>(lead), static_cast<char>(trail)}, out;
  if (Decoder().Ok() && Decoder().Run(in, out) && out.size() == 4) {
    c = static_cast<unsigned char>(out[0]) | (static_cast<unsigned char>(out[1]) << 8) |
        (static_cast<unsigned char>(out[2]) << 16) | (static_cast<char32_t>(static_cast<unsigned char>(out[3])) << 24);
  }
  return cache.emplace(key, c).first->second;
}

void PutUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Hex(char32_t c) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (int shift = 20; shift >= 0; shift -= 4) {
    if (shift >= 16 && ((c >> shift) & 0xF) == 0 && s.empty()) continue;
    s += digits[(c >> shift) & 0xF];
  }
  return "U+" + s;
}

}  // namespace

std::optional<Utf8Char> Utf8CharAt(std::string_view utf8, std::size_t i) {
  const auto b = static_cast<unsigned char>(utf8[i]);
  std::size_t extra;
  char32_t c;
  if (b < 0x80) { c = b; extra = 0; }
  else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; extra = 1; }
  else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; extra = 2; }
  else if ((b & 0xF8) == 0xF0) { c = b & 0x07; extra = 3; }
  else return std::nullopt;
  for (std::size_t k = 1; k <= extra; ++k) {
    if (i + k >= utf8.size()) return std::nullopt;
    const auto t = static_cast<unsigned char>(utf8[i + k]);
    if ((t & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (t & 0x3F);
  }
  // Overlong forms (a "." or a line end in disguise), UTF-16 halves and
  // values beyond the last character are broken text, not characters.
  static const char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (c < kLeast[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return std::nullopt;
  return Utf8Char{c, extra + 1};
}

std::u32string Utf8ToU32(const std::string& utf8) {
  std::u32string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::optional<Utf8Char> c = Utf8CharAt(utf8, i);
    if (!c) throw std::runtime_error("broken UTF-8 text");
    out += c->value;
    i += c->length;
  }
  return out;
}

std::string U32ToUtf8(const std::u32string& text) {
  std::string out;
  for (char32_t c : text) PutUtf8(out, c);
  return out;
}

std::size_t CharCount(const std::string& utf8) {
  std::size_t n = 0;
  for (unsigned char b : utf8)
    if ((b & 0xC0) != 0x80) ++n;
  return n;
}

std::string ToCp932(const std::string& utf8) {
  std::u32string text;
  try {
    text = Utf8ToU32(utf8);
  } catch (const std::runtime_error&) {
    throw EncodeError("the text is not valid UTF-8", 0xFFFD);
  }
  std::string out;
  out.reserve(text.size() * 2);
  for (char32_t c : text) {
    // NUL has a byte of its own, but the host ends a record's text at it:
    // whatever follows would be lost, so it is refused like any character
    // the host cannot read.
    if (c == 0) throw EncodeError("the text holds a NUL character (U+0000), which no record can carry", c);
    const std::string& bytes = EncodeChar(Fold(c));
    if (bytes.empty()) {
      std::string shown;
      PutUtf8(shown, c);
      // A stand-in stays in the message, for whoever shows it to show its
      // bytes; the character refused is the U+FFFD they were read as.
      const char32_t refused = StrayBytes(c).empty() ? c : 0xFFFD;
      throw EncodeError("the character \"" + shown + "\" (" + Hex(refused) + ") has no code page 932 form", refused);
    }
    out += bytes;
  }
  return out;
}

std::optional<char32_t> FirstUnencodable(const std::string& utf8) {
  try {
    ToCp932(utf8);
  } catch (const EncodeError& e) {
    return e.Character();
  }
  return std::nullopt;
}

std::optional<char32_t> ControlAt(std::string_view utf8, std::size_t i) {
  const auto c = static_cast<unsigned char>(utf8[i]);
  if (c < 0x20 || c == 0x7F) return c;
  // U+0080 to U+009F are C2 80 to C2 9F in UTF-8; no other character's
  // bytes look like them.
  const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
  if (c == 0xC2 && next >= 0x80 && next <= 0x9F) return next;
  return std::nullopt;
}

std::optional<char32_t> FirstControl(const std::string& utf8) {
  for (std::size_t i = 0; i < utf8.size(); ++i)
    if (const auto c = ControlAt(utf8, i)) return c;
  return std::nullopt;
}

namespace {

// FromCp932, with each stray byte or pair that is no character given as
// U+FFFD or, when keepStrays, as its stand-in.
std::string Decode(const std::string& bytes, std::size_t* replaced, bool keepStrays) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  std::size_t bad = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
    } else if (b >= 0xA1 && b <= 0xDF) {
      PutUtf8(out, 0xFF61 + (b - 0xA1));  // half-width katakana
      ++i;
    } else if (LeadByte(b) && i + 1 < bytes.size() &&
               TrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
      const auto trail = static_cast<unsigned char>(bytes[i + 1]);
      char32_t c = DecodePair(b, trail);
      if (c == 0) {
        PutUtf8(out, keepStrays ? kStandInBase + ((static_cast<char32_t>(b) << 8) | trail) : 0xFFFD);
        ++bad;
      } else {
        PutUtf8(out, c);
      }
      i += 2;
    } else {
      PutUtf8(out, keepStrays ? kStandInBase + b : 0xFFFD);
      ++bad;
      ++i;
    }
  }
  if (replaced) *replaced = bad;
  return out;
}

}  // namespace

std::string FromCp932(const std::string& bytes, std::size_t* replaced) { return Decode(bytes, replaced, false); }

std::string FromCp932KeepingStrays(const std::string& bytes) { return Decode(bytes, nullptr, true); }

std::string StrayBytes(char32_t c) {
  if (c < kStandInBase || c > kStandInBase + 0xFFFF) return std::string();
  const char32_t code = c - kStandInBase;
  const auto first = static_cast<unsigned char>(code >> 8);
  const auto last = static_cast<unsigned char>(code & 0xFF);
  // A lone byte: any but ASCII and the half-width katakana, which are
  // always read.
  if (first == 0) {
    if (last < 0x80 || (last >= 0xA1 && last <= 0xDF)) return std::string();
    return std::string(1, static_cast<char>(last));
  }
  if (LeadByte(first) && TrailByte(last)) return std::string{static_cast<char>(first), static_cast<char>(last)};
  return std::string();
}

std::size_t Cp932Length(const std::string& utf8) {
  std::size_t n = 0;
  std::u32string text;
  try {
    text = Utf8ToU32(utf8);
  } catch (const std::runtime_error&) {
    return utf8.size();
  }
  for (char32_t c : text) {
    const std::string& bytes = EncodeChar(Fold(c));
    n += bytes.empty() ? 1 : bytes.size();
  }
  return n;
}

}  // namespace platform
