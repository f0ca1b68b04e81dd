// "作図" of the leader-note tab: "mokrav5.jyd" for the balloon and
// leader-note tool.
//
// Three leader styles share the record: a call-out composed from quantity,
// size and operation, a free one-line text, or a numbered balloon. The
// balloon can number itself: with "自動加算" ticked, each balloon drawn from
// the same start number gets the next number. The counter, the last start
// number and the two preview labels change only when the file was written,
// so a click that draws nothing never skips a number.
#include <cmath>
#include <optional>
#include <string>

#include "exchange/params/balloon.h"
#include "exchange/params/markers.h"
#include "platform/numtext.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

namespace {

// The fields are named and placed as the file's layout declares them.
using paramfile::balloon::kNames;
using enum paramfile::balloon::Field;
using paramfile::kEmptyText;

using params::Record;

const params::OutputSpec kBalloonOutput = {
    {paramfile::balloon::kFileName, kNames},
    "引出文字作図データを出力しました",
    params::SuccessAt::BeforeWrite,
    {{"Com11"}, {"Com12"}, {"Com13"}, {"Com14"}, {"Com15"}, {"Com16"}, {"Com40"}},
};

const char* const kNoNumber = "番号が入力されていません";
const char* const kNoDiameter = "バルーン径が入力されていません";
const char* const kDiameterNotNumber = "バルーン径が数値ではありません";
const char* const kStartNotNumber = "自動加算の開始番号が数値ではありません";
const char* const kStartTooLarge = "自動加算の開始番号が大きすぎます";

// Numbers beyond this cannot be counted on exactly in the drawing's text.
constexpr double kLargestStart = 1e15;

// The call-out "Q-D(O)": the quantity and the operation only when given;
// the size always, also when empty.
std::string CallOut(const std::string& q, const std::string& d, const std::string& o) {
  std::string text;
  if (!q.empty()) text += q + "-";
  text += d;
  if (!o.empty()) text += "(" + o + ")";
  return text;
}

// The two text fields of the record, and what the click changes once the
// file is written.
struct BalloonTexts {
  std::string text1, text2;
  std::optional<std::string> balloonPreview;  // La51
  std::optional<std::string> notePreview;     // La71
  long long nextCounter = 0;                  // the auto-number counter
};

// The texts of a leader note: a free text (style 2) or the call-out, and the
// note under the line. The counter stays as it is.
BalloonTexts NoteTexts(Form& f, const std::string& style) {
  BalloonTexts t;
  t.text1 = style == "2" ? params::WithMarker(f.Com(40).text, kEmptyText)
                         : CallOut(f.Com(11).text, f.Com(12).text, f.Com(13).text);
  t.text2 = params::WithMarker(f.Com(14).text, kEmptyText);
  t.notePreview = t.text2;
  t.nextCounter = f.balloonNumber;
  return t;
}

// The balloon's required entries: the message of the first that is missing
// or unusable, "" when it can be drawn.
std::string BalloonCheck(Form& f) {
  if (f.Com(15).text.empty()) return kNoNumber;
  const std::string& diameter = f.Com(16).text;
  if (diameter.empty()) return kNoDiameter;
  // The tool sizes the circle from this field as a number.
  if (!params::IsNumberField(diameter)) return kDiameterNotNumber;
  return "";
}

// The balloon's number and diameter. With "自動加算" ticked the number is
// the start number counted on; the message when the start number cannot be
// counted from, "" otherwise.
std::string NumberBalloon(Form& f, BalloonTexts& t) {
  const std::string& number = f.Com(15).text;
  t.text2 = f.Com(16).text;
  if (f.Check("H53").ticked) {
    // A new start number starts the count again.
    const long long counter = number == f.balloonLastStart ? f.balloonNumber : 0;
    double start = 0;
    if (!platform::TryParseNumber(number, start)) return kStartNotNumber;
    const double first = std::floor(start);
    if (std::fabs(first) >= kLargestStart) return kStartTooLarge;
    t.text1 = std::to_string(static_cast<long long>(first) + counter);
    t.nextCounter = counter + 1;
  } else {
    t.text1 = number;
    t.nextCounter = 0;
  }
  t.balloonPreview = t.text1;
  return "";
}

Record BalloonRecord(Form& f, const std::string& style, const BalloonTexts& t, bool dot) {
  const OptionArray& widths = f.Option("C52");
  // The width mode is the button's index itself, not index + 1.
  const std::string widthMode = widths.selected >= 0 ? std::to_string(widths.selected) : "";
  // The dot writes "0" for the arrow's length and angle.
  return {
      {kNames[kTextType], f.Com(9).text},
      {kNames[kLineColor], f.Com(10).text},
      {kNames[kLeaderStyle], style},
      {kNames[kText1], t.text1},
      {kNames[kText2], t.text2},
      {kNames[kWidthMode], widthMode},
      {kNames[kLineLayer], f.Com(67).text},
      {kNames[kTextLayer], f.Com(66).text},
      {kNames[kArrowLength], dot ? std::string("0") : f.Com(59).text},
      {kNames[kArrowAngle], dot ? std::string("0") : f.Com(60).text},
  };
}

}  // namespace

void Command2_Click(Form& f) {
  f.MSG.clear();
  params::TrimEntries(f, 4, {59, 60});
  const std::string style = params::OptionCode(f, "C51");

  BalloonTexts texts;
  if (style == "3") {
    std::string failed = BalloonCheck(f);
    if (failed.empty()) failed = NumberBalloon(f, texts);
    if (!failed.empty()) {
      f.MSG = failed;
      return;
    }
  } else {
    texts = NoteTexts(f, style);
  }
  const bool dot = f.Check("H52").ticked;
  // Without the dot the tool draws the arrow from the settings tab's length
  // and angle, which it reads as numbers.
  if (!dot && params::RefusedSharedArrow(f)) return;

  // Read before the remember steps, which may add the text to the list but
  // never change it.
  const std::string typedStart = f.Com(15).text;
  if (!params::WriteRecord(f, kBalloonOutput, BalloonRecord(f, style, texts, dot))) return;

  if (texts.balloonPreview) f.Lbl("La51").caption = *texts.balloonPreview;
  if (texts.notePreview) f.Lbl("La71").caption = *texts.notePreview;
  f.balloonNumber = texts.nextCounter;
  f.balloonLastStart = typedStart;
}

}  // namespace mokrav
