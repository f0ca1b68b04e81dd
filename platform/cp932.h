// Code page 932 (Shift_JIS as Windows writes it) to and from UTF-8.
// Every file of the suite is code page 932; inside the programs text is UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// Thrown when a text holds a character that code page 932 cannot hold.
class EncodeError : public std::runtime_error {
 public:
  EncodeError(const std::string& what, char32_t ch) : std::runtime_error(what), ch_(ch) {}
  char32_t Character() const { return ch_; }

 private:
  char32_t ch_;
};

// UTF-8 to code page 932 bytes. The variants that Linux input methods give
// for a few characters are folded to their code-page-932 forms (wave dash,
// minus sign, double vertical line, cent, pound, not). Throws EncodeError on
// any other character without a code-page-932 form, and on broken UTF-8.
std::string ToCp932(const std::string& utf8);

// The first character of a UTF-8 text that code page 932 cannot hold, if any.
std::optional<char32_t> FirstUnencodable(const std::string& utf8);

// The first control character of a UTF-8 text, if any: U+0000 to U+001F,
// DEL and U+0080 to U+009F. A typed text never needs one, and one that
// reaches a drawing shows as nothing or as a blank that is none.
std::optional<char32_t> FirstControl(const std::string& utf8);
// The control character whose UTF-8 bytes begin at byte i, if one does.
std::optional<char32_t> ControlAt(std::string_view utf8, std::size_t i);

// Code page 932 bytes to UTF-8. Never fails: a stray byte comes back as
// U+FFFD, and *replaced (when given) tells how many were replaced.
std::string FromCp932(const std::string& bytes, std::size_t* replaced = nullptr);

// Code page 932 bytes to UTF-8 as FromCp932 reads them, except that what
// FromCp932 gives as U+FFFD (a stray byte, or a lead and trail byte that
// make no character) comes back as a stand-in that keeps those bytes, so
// that a message can show them. A stand-in is one character of the
// private use plane 15 (U+F0000 plus the byte, or plus lead * 256 +
// trail), and everything here treats it as U+FFFD: it counts as one
// character of one code page 932 byte, is no control character, and
// ToCp932 refuses it (EncodeError::Character() gives U+FFFD).
std::string FromCp932KeepingStrays(const std::string& bytes);

// The bytes a stand-in of FromCp932KeepingStrays keeps; empty for any
// other character.
std::string StrayBytes(char32_t c);

// The number of bytes of a UTF-8 text in code page 932: half-width
// characters (ASCII, half-width katakana) count 1, all others 2. A character
// that the code page cannot hold counts as the one byte of its stand-in.
std::size_t Cp932Length(const std::string& utf8);

// UTF-8 helpers.
// The character whose UTF-8 bytes begin at byte i and how many bytes it
// takes; none where the bytes there are no character (a stray or cut
// sequence, an overlong form, a UTF-16 half, a value past U+10FFFF).
struct Utf8Char {
  char32_t value;
  std::size_t length;
};
std::optional<Utf8Char> Utf8CharAt(std::string_view utf8, std::size_t i);
std::u32string Utf8ToU32(const std::string& utf8);  // throws std::runtime_error on broken UTF-8
std::string U32ToUtf8(const std::u32string& text);
std::size_t CharCount(const std::string& utf8);  // characters, not bytes

}  // namespace platform
