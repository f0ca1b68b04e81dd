#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <thread>

#include "platform/cp932.h"
#include "platform/numtext.h"
#include "platform/textfile.h"
#include "platform/widths.h"
#include "tests/support/expect_throw.h"
#include "tests/support/file_age.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

std::string Hex(const std::string& bytes) {
  static const char* d = "0123456789ABCDEF";
  std::string s;
  for (unsigned char b : bytes) {
    s += d[b >> 4];
    s += d[b & 15];
  }
  return s;
}

fs::path TempDir() {
  auto dir = fs::temp_directory_path() / ("mokrav_platform_" + std::to_string(::getpid()) + "_" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// A leftover this old is one the next replace may clear.
void Age(const fs::path& path) { ASSERT_TRUE(mokrav::test::AgeTwoHours(path)) << path; }

// The pid of a process that has ended: it names no run still going.
pid_t EndedPid() {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(0);
  if (pid > 0) ::waitpid(pid, nullptr, 0);
  return pid;
}

// How a refused file is reported: what was being done, the path and why.
std::string FileFailure(const char* doing, const fs::path& path, const std::string& why) {
  return std::string(doing) + " " + path.string() + ": " + why;
}

}  // namespace

TEST(Cp932, EncodesAsciiKanaAndKanji) {
  EXPECT_EQ(Hex(ToCp932("Ra3.2")), "5261332E32");
  EXPECT_EQ(Hex(ToCp932("溶接")), "976E90DA");
  EXPECT_EQ(Hex(ToCp932("ｶﾞ")), "B6DE");
  EXPECT_EQ(Hex(ToCp932("\\~")), "5C7E");
  EXPECT_EQ(Hex(ToCp932("　")), "8140");
}

TEST(Cp932, FoldsInputMethodVariants) {
  EXPECT_EQ(Hex(ToCp932("〜")), "8160");      // U+301C
  EXPECT_EQ(Hex(ToCp932("\u2212")), "817C");  // minus sign
  EXPECT_EQ(Hex(ToCp932("\u2016")), "8161");
  EXPECT_EQ(Hex(ToCp932("\u00A2\u00A3\u00AC")), "8191819281CA");
}

TEST(Cp932, RefusesWhatTheCodePageCannotHold) {
  EXPECT_THROW_SAYING(ToCp932("é"), EncodeError, "the character \"é\" (U+00E9) has no code page 932 form");
  EXPECT_THROW_SAYING(ToCp932("a😀"), EncodeError, "(U+1F600) has no code page 932 form");
  // The yen sign would silently become a backslash: refused instead.
  EXPECT_THROW_SAYING(ToCp932("\u00A5"), EncodeError, "(U+00A5) has no code page 932 form");
  // Broken UTF-8 is refused, never read as the character it disguises.
  for (const char* broken : {"\xC0\xAE", "\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\xE3\x81"})
    EXPECT_THROW_SAYING(ToCp932(broken), EncodeError, "the text is not valid UTF-8") << broken;
  EXPECT_EQ(FirstUnencodable("abc"), std::nullopt);
  EXPECT_EQ(FirstUnencodable("ab€"), std::optional<char32_t>(0x20AC));
}

TEST(Cp932, DecodesAndRoundTrips) {
  std::string bytes = ToCp932("仕上記号 ｶﾞ Ｇ ① ～");
  std::size_t bad = 99;
  EXPECT_EQ(FromCp932(bytes, &bad), "仕上記号 ｶﾞ Ｇ ① ～");
  EXPECT_EQ(bad, 0u);
  EXPECT_EQ(ToCp932(FromCp932(bytes)), bytes);
}

TEST(Cp932, StrayBytesComeBackReplaced) {
  std::size_t bad = 0;
  EXPECT_EQ(FromCp932(std::string("a\x81", 2), &bad), "a\uFFFD");
  EXPECT_EQ(bad, 1u);
  EXPECT_EQ(FromCp932(std::string("\x80z", 2), &bad), "\uFFFDz");
  EXPECT_EQ(bad, 1u);
}

// Every byte or pair of bytes: where FromCp932 gives U+FFFD, the stand-in
// keeps exactly the bytes it stands for, and nothing that counts, measures
// or encodes a text tells the two apart.
TEST(Cp932, StandInsKeepStrayBytesAndReadAsReplacementCharacters) {
  auto check = [](const std::string& bytes) {
    const std::string kept = FromCp932KeepingStrays(bytes);
    const std::string plain = FromCp932(bytes);
    const std::u32string k = Utf8ToU32(kept), p = Utf8ToU32(plain);
    ASSERT_EQ(k.size(), p.size()) << Hex(bytes);
    for (std::size_t i = 0; i < k.size(); ++i) {
      if (p[i] != 0xFFFD) {
        EXPECT_EQ(k[i], p[i]) << Hex(bytes);
        EXPECT_EQ(StrayBytes(k[i]), "") << Hex(bytes);
        continue;
      }
      // One character for all the bytes, or one for each.
      const std::string stands = k.size() == 1 ? bytes : bytes.substr(i, 1);
      EXPECT_EQ(StrayBytes(k[i]), stands) << Hex(bytes);
    }
    EXPECT_EQ(CharCount(kept), CharCount(plain)) << Hex(bytes);
    EXPECT_EQ(Cp932Length(kept), Cp932Length(plain)) << Hex(bytes);
    EXPECT_EQ(FirstUnencodable(kept), FirstUnencodable(plain)) << Hex(bytes);
    EXPECT_EQ(FirstControl(kept), FirstControl(plain)) << Hex(bytes);
  };
  for (int a = 0x80; a <= 0xFF; ++a) {
    check(std::string(1, static_cast<char>(a)));
    for (int b = 0; b <= 0xFF; ++b) check(std::string{static_cast<char>(a), static_cast<char>(b)});
  }
  EXPECT_EQ(StrayBytes(U'\uFFFD'), "");
}

TEST(Cp932, LengthCountsBytes) {
  EXPECT_EQ(Cp932Length(""), 0u);
  EXPECT_EQ(Cp932Length("ABC"), 3u);
  EXPECT_EQ(Cp932Length("溶接"), 4u);
  EXPECT_EQ(Cp932Length("Ra3.2"), 5u);
  EXPECT_EQ(Cp932Length("ｱ"), 1u);
  EXPECT_EQ(Cp932Length("φ10キリ"), 8u);
  EXPECT_EQ(CharCount("φ10キリ"), 5u);
}

TEST(Widths, ToFullWidth) {
  EXPECT_EQ(ToFullWidth("Ra 3.2"), "Ｒａ　３．２");
  EXPECT_EQ(ToFullWidth("\\\"'~"), "＼＂＇～");
  EXPECT_EQ(ToFullWidth("ｶﾞﾊﾟｳﾞｱｰ"), "ガパヴアー");
  EXPECT_EQ(ToFullWidth("ﾞ"), "゛");         // a lone mark stays a mark
  EXPECT_EQ(ToFullWidth("ｱﾞ"), "ア゛");      // ア has no voiced form
  EXPECT_EQ(ToFullWidth("溶接ひら"), "溶接ひら");
}

TEST(Widths, ToHalfWidth) {
  EXPECT_EQ(ToHalfWidth("Ｒａ　３．２"), "Ra 3.2");
  EXPECT_EQ(ToHalfWidth("ガパヴアー"), "ｶﾞﾊﾟｳﾞｱｰ");
  EXPECT_EQ(ToHalfWidth("￥＼"), "\\\\");
  EXPECT_EQ(ToHalfWidth("溶接ひら"), "溶接ひら");
  EXPECT_EQ(ToHalfWidth(ToFullWidth("M10x1.5 ﾎﾞﾙﾄ")), "M10x1.5 ﾎﾞﾙﾄ");
}

TEST(NumberText, PrintsAsTheStandardConversion) {
  struct Case {
    double v;
    const char* text;
  } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {5, "5"},
      {-5, "-5"},
      {1.5, "1.5"},
      {-0.25, "-0.25"},
      {10 - 8.666, "1.334"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {123456.789, "123456.789"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {2.67948965850286e-08, "2.67948965850286E-08"},
      {-2.5e-10, "-2.5E-10"},
      {99999999999999.0, "99999999999999"},
      {999999999999999.0, "999999999999999"},
      {1e15, "1E+15"},
      {1.25e20, "1.25E+20"},
      {1e100, "1E+100"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.v), c.text) << c.v;
  EXPECT_EQ(PaddedNumberText(1.5), " 1.5");
  EXPECT_EQ(PaddedNumberText(-1.5), "-1.5");
  EXPECT_EQ(PaddedNumberText(-0.0), " 0");
  EXPECT_THROW_SAYING(NumberText(std::numeric_limits<double>::quiet_NaN()), NumberError, "not finite");
  EXPECT_THROW_SAYING(NumberText(std::numeric_limits<double>::infinity()), NumberError, "not finite");
}

TEST(NumberText, ParsesStrictly) {
  EXPECT_EQ(ParseNumber("10.5"), 10.5);
  EXPECT_EQ(ParseNumber("-20"), -20);
  EXPECT_EQ(ParseNumber(" 3 "), 3);
  EXPECT_EQ(ParseNumber("+.5"), 0.5);
  EXPECT_EQ(ParseNumber("1E-05"), 1e-5);
  for (const char* bad : {"", " ", "nan", "inf", "-inf", "1,5", "1.5x", "0x10", "--1", "1 2", "e5"})
    EXPECT_THROW_SAYING(ParseNumber(bad), NumberError, "\"" + std::string(bad) + "\" is not a number") << bad;
}

TEST(NumberText, Rounding) {
  EXPECT_EQ(IntPart(2.7), 2);
  EXPECT_EQ(IntPart(-2.5), -3);
  EXPECT_GT(IntPart(1e30), 1000000000000000000LL);
  EXPECT_LT(IntPart(-1e30), -1000000000000000000LL);
  EXPECT_THROW_SAYING(IntPart(std::numeric_limits<double>::quiet_NaN()), NumberError, "has no integer part");
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
}

TEST(TextFile, SplitsListInputItems) {
  EXPECT_EQ(SplitItems("ly3\r\n  lg1\r\nhp1   10.5 -20\r\n"),
            (std::vector<std::string>{"ly3", "lg1", "hp1   10.5 -20"}));
  EXPECT_EQ(SplitItems("ci 0,0\r\n"), (std::vector<std::string>{"ci 0", "0"}));
  EXPECT_EQ(SplitItems("\"a, b\",c\n\nd"), (std::vector<std::string>{"a, b", "c", "d"}));
  EXPECT_EQ(SplitItems(""), std::vector<std::string>{});
}

TEST(TextFile, ReplaceIsAtomicAndKeepsTheOldFileOnFailure) {
  auto dir = TempDir();
  auto file = dir / "mokrav1.jyd";
  ReplaceFile(file, "旧 1\r\n");
  EXPECT_EQ(FromCp932(ReadBytes(file)), "旧 1\r\n");
  ReplaceFile(file, "新 2\r\n");
  EXPECT_EQ(ReadBytes(file), ToCp932("新 2\r\n"));
  // A text the code page cannot hold: nothing touched.
  EXPECT_THROW_SAYING(ReplaceFile(file, "é"), EncodeError, "(U+00E9) has no code page 932 form");
  EXPECT_EQ(ReadBytes(file), ToCp932("新 2\r\n"));
  // A folder that cannot be written: the old file stays as it was.
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  if (::geteuid() != 0) {
    EXPECT_THROW_SAYING(ReplaceFile(file, "x"), FileError, FileFailure("cannot write", file, std::strerror(EACCES)));
    EXPECT_EQ(ReadBytes(file), ToCp932("新 2\r\n"));
  }
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_THROW_SAYING(ReplaceFile(dir / "no" / "such" / "f.jyd", "x"), FileError,
                      FileFailure("cannot write", dir / "no" / "such" / "f.jyd", std::strerror(ENOENT)));
  // A folder in place of the file.
  EXPECT_THROW_SAYING(ReplaceFile(dir, "x"), FileError, FileFailure("cannot write", dir, "it is a folder"));
  // No temporary file is left behind.
  int count = 0;
  for (auto& e : fs::directory_iterator(dir)) count += e.is_regular_file();
  EXPECT_EQ(count, 1);
  fs::remove_all(dir);
}

TEST(TextFile, AppendCreatesAndAppends) {
  auto dir = TempDir();
  auto file = dir / "mokrav.mfg";
  AppendFile(file, "54 c:\\jww\\\r\n");
  AppendFile(file, "13 製品 A\r\n");
  EXPECT_EQ(SplitLines(FromCp932(ReadBytes(file))), (std::vector<std::string>{"54 c:\\jww\\", "13 製品 A"}));
  EXPECT_THROW_SAYING(AppendFile(dir / "none" / "m.mfg", "x"), FileError,
                      FileFailure("cannot write", dir / "none" / "m.mfg", std::strerror(ENOENT)));
  EXPECT_THROW_SAYING(ReadBytes(dir / "missing"), FileError,
                      FileFailure("cannot open", dir / "missing", std::strerror(ENOENT)));
  fs::remove_all(dir);
}

TEST(TextFile, HostPathTurnsBackslashes) {
  EXPECT_EQ(HostPath("c:\\jww\\mokrav1.jyd").string(), "c:/jww/mokrav1.jyd");
  EXPECT_EQ(HostPath("/tmp/x/mokrav1.jyd").string(), "/tmp/x/mokrav1.jyd");
  EXPECT_EQ(HostPath("表\\mokrav1.jyd").string(), "表/mokrav1.jyd");
}

TEST(TextFile, OnlyRegularFilesOfASaneSizeAreRead) {
  auto dir = TempDir();
  // A pipe with no writer: refused at once, never waited on.
  auto fifo = dir / "mokrav1.jyd";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const std::string notRegular = "it is not a regular file (a pipe or a device)";
  EXPECT_THROW_SAYING(ReadBytes(fifo), FileError, FileFailure("cannot read", fifo, notRegular));
  // A device that never ends.
  EXPECT_THROW_SAYING(ReadBytes("/dev/zero"), FileError, FileFailure("cannot read", "/dev/zero", notRegular));
  EXPECT_THROW_SAYING(ReadBytes(dir), FileError, FileFailure("cannot read", dir, "it is a folder"));
  // A file past the bound (sparse, so the test writes nothing much).
  auto big = dir / "jwc_temp.txt";
  { std::ofstream(big, std::ios::binary) << "x"; }
  fs::resize_file(big, kMaxTextFileBytes + 1);
  EXPECT_THROW_SAYING(ReadBytes(big), FileError, FileFailure("cannot read", big, "it is larger than 16 MB"));
  fs::resize_file(big, kMaxTextFileBytes);
  EXPECT_EQ(ReadBytes(big).size(), kMaxTextFileBytes);
  // A link to a regular file is read through.
  auto link = dir / "link.txt";
  { std::ofstream(dir / "real.txt", std::ios::binary) << "hd\r\n"; }
  fs::create_symlink("real.txt", link);
  EXPECT_EQ(ReadBytes(link), "hd\r\n");
  fs::remove_all(dir);
}

TEST(TextFile, ReplacingThroughALinkReplacesItsTargetAndKeepsTheLink) {
  auto dir = TempDir();
  fs::create_directories(dir / "host");
  auto real = dir / "host" / "jwc_temp.txt";
  { std::ofstream(real, std::ios::binary) << "old\r\n"; }
  auto link = dir / "jwc_temp.txt";
  fs::create_symlink("host/jwc_temp.txt", link);
  auto chain = dir / "again.txt";
  fs::create_symlink(link.filename(), chain);
  ReplaceFileBytes(chain, "new\r\n");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(fs::is_symlink(chain));
  EXPECT_EQ(ReadBytes(real), "new\r\n");
  EXPECT_EQ(ReadBytes(link), "new\r\n");
  // A link whose target does not exist yet: the target is made, the link kept.
  auto dangling = dir / "mokrav2.jyd";
  fs::create_symlink("host/mokrav2.jyd", dangling);
  ReplaceFile(dangling, "3 4 1\r\n");
  EXPECT_TRUE(fs::is_symlink(dangling));
  EXPECT_EQ(ReadBytes(dir / "host" / "mokrav2.jyd"), "3 4 1\r\n");
  std::size_t files = 0;
  for (auto& e : fs::recursive_directory_iterator(dir)) files += e.is_regular_file() && !e.is_symlink();
  EXPECT_EQ(files, 2u);  // no temporary file anywhere
  fs::remove_all(dir);
}

TEST(TextFile, AReplaceKilledAtAnyMomentLeavesOldOrNewBytesAndNoTemporaryFile) {
  auto dir = TempDir();
  auto file = dir / "jwc_temp.txt";
  // Large enough that a kill often lands while the bytes are written.
  const std::string a(1 << 20, 'a'), b(1 << 20, 'b');
  const std::string first = "hd\r\n";
  ReplaceFileBytes(file, first);
  std::mt19937 rng(12345);
  int leftAfterKill = 0;
  for (int run = 0; run < 150; ++run) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int k = 0;; ++k) ReplaceFileBytes(file, k % 2 ? a : b);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(rng() % 4000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string now = ReadBytes(file);
    EXPECT_TRUE(now == a || now == b || now == first) << "run " << run << ": " << now.size() << " bytes";
    for (auto& e : fs::directory_iterator(dir))
      if (e.path() != file) {
        ++leftAfterKill;
        Age(e.path());
      }
    // The next replace finds the folder clean or cleans it, once what the
    // kill left is an hour old.
    ReplaceFileBytes(file, first);
    std::size_t entries = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir)) ++entries;
    ASSERT_EQ(entries, 1u) << "run " << run;
  }
  // A leftover needs a kill between the link and the rename, two calls
  // apart: it must stay a rare event, not the rule.
  EXPECT_LE(leftAfterKill, 15);
  fs::remove_all(dir);
}

namespace {

// The entries of a folder other than the given file, by name.
std::vector<std::string> Others(const fs::path& dir, const fs::path& file) {
  std::vector<std::string> names;
  for (auto& e : fs::directory_iterator(dir))
    if (e.path() != file) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(TextFile, ReplacesStartedAtOnceEachPutTheirOwnBytesInPlace) {
  auto dir = TempDir();
  auto file = dir / "jwc_temp.txt";
  ReplaceFileBytes(file, "hd\r\n");
  // Runs that replace the file a few times each, started at once, overlap
  // many times over in a round: a name shared by two of them fails in the
  // first rounds. Every process started costs more here than the replaces
  // it makes, so the rounds are few and each does much.
  constexpr int kRuns = 4;
  constexpr int kReplacesEach = 4;
  constexpr int kRounds = 8;
  for (Staging staging : {Staging::kUnnamedWherePossible, Staging::kNamedOnly}) {
    SCOPED_TRACE(staging == Staging::kNamedOnly ? "named staging" : "unnamed staging");
    for (int round = 0; round < kRounds; ++round) {
      // Each run holds back until the gate closes, so that all start at once.
      int gate[2];
      ASSERT_EQ(::pipe(gate), 0);
      std::vector<pid_t> runs;
      std::vector<std::string> bytes;
      for (int k = 0; k < kRuns; ++k) {
        bytes.push_back(std::string(16 * 1024 + k, static_cast<char>('a' + k)));
        pid_t child = ::fork();
        if (child == 0) {
          ::close(gate[1]);
          char c;
          while (::read(gate[0], &c, 1) < 0 && errno == EINTR) {}
          try {
            for (int n = 0; n < kReplacesEach; ++n) ReplaceFileBytes(file, bytes.back(), staging);
            ::_exit(0);
          } catch (...) {
            ::_exit(1);
          }
        }
        if (child > 0) runs.push_back(child);
      }
      ::close(gate[0]);
      ::close(gate[1]);
      int failed = 0;
      for (pid_t run : runs) {
        int status = 0;
        ::waitpid(run, &status, 0);
        failed += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
      }
      ASSERT_EQ(runs.size(), static_cast<std::size_t>(kRuns));
      // Every run put its bytes in place, so the file holds the last one's
      // whole, and no staging name is left.
      ASSERT_EQ(failed, 0) << "round " << round;
      const std::string now = ReadBytes(file);
      ASSERT_TRUE(std::find(bytes.begin(), bytes.end(), now) != bytes.end())
          << "round " << round << ": " << now.size() << " bytes";
      ASSERT_EQ(Others(dir, file), std::vector<std::string>{}) << "round " << round;
    }
  }
  fs::remove_all(dir);
}

// A staging name is cleared only when a dead run of this program wrote it
// an hour ago or more, in the form runs write now or, for this file, the
// forms earlier versions wrote (a name of the file's own with the run's
// pid, and before that one fixed name). Names no run writes, what is not a
// plain file, a live run's name, another file's earlier name and what is
// younger (a run elsewhere may be about to rename it) stay.
TEST(TextFile, AReplaceClearsOnlyOldPlainFilesUnderNamesADeadRunWrote) {
  auto dir = TempDir();
  auto file = dir / "jwc_temp.txt";
  ReplaceFileBytes(file, "hd\r\n");
  const pid_t gone = EndedPid();
  const std::string pid = std::to_string(gone), livePid = std::to_string(::getppid());
  const std::vector<std::string> killed = {".mokrav." + pid + "-3.tmp", ".jwc_temp.txt." + pid + "-0.tmp"};
  // Old enough, but no name a run writes (leading zeros, a pid past any
  // system's range), another file's, a live run's, a link, a pipe or a
  // folder.
  const std::string link = ".mokrav." + pid + "-5.tmp", pipe = ".mokrav." + pid + "-6.tmp";
  const std::string folder = ".mokrav." + pid + "-7.tmp";
  std::vector<std::string> kept = {".mokrav.0" + pid + "-3.tmp", ".mokrav." + pid + "-03.tmp",
                                   ".mokrav.4194304-0.tmp", ".mokrav.2147483648-0.tmp", ".mokrav2.jyd.tmp",
                                   ".mokrav." + livePid + "-0.tmp", ".jwc_temp.txt." + livePid + "-1.tmp"};
  for (const auto& name : kept) std::ofstream(dir / name) << "part";
  for (const auto& name : killed) std::ofstream(dir / name) << "part";
  fs::create_symlink("mokrav2.jyd", dir / link);
  ASSERT_EQ(::mkfifo((dir / pipe).c_str(), 0644), 0);
  fs::create_directory(dir / folder);
  kept.insert(kept.end(), {link, pipe, folder});
  for (const auto& name : kept) Age(dir / name);
  for (const auto& name : killed) Age(dir / name);
  // Of the form, but young: kept until they are old.
  const std::vector<std::string> young = {".mokrav." + pid + "-4.tmp", ".jwc_temp.txt.tmp"};
  for (const auto& name : young) std::ofstream(dir / name) << "part";
  std::sort(kept.begin(), kept.end());
  std::vector<std::string> keptWhileYoung = kept;
  keptWhileYoung.insert(keptWhileYoung.end(), young.begin(), young.end());
  std::sort(keptWhileYoung.begin(), keptWhileYoung.end());
  ReplaceFileBytes(file, "new\r\n");
  EXPECT_EQ(ReadBytes(file), "new\r\n");
  EXPECT_EQ(Others(dir, file), keptWhileYoung);
  for (const auto& name : young) Age(dir / name);
  ReplaceFileBytes(file, "newer\r\n");
  EXPECT_EQ(Others(dir, file), kept);
  fs::remove_all(dir);
}

// A file named as an old leftover, given itself or reached through a link,
// is never taken for one: a replace that fails (the file size limit cuts
// its write short) keeps it as it was.
TEST(TextFile, AFileNamedAsALeftoverKeepsItsBytesWhenItsReplaceFails) {
  auto dir = TempDir();
  const std::string pid = std::to_string(EndedPid());
  const auto own = dir / "own" / (".mokrav." + pid + "-0.tmp");
  const auto linked = dir / "linked" / (".mokrav." + pid + "-0.tmp");
  for (const auto& p : {own, linked}) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "old";
    Age(p);
  }
  fs::create_symlink(linked, dir / "link.txt");
  pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {4, 4};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    int refused = 0;
    for (const auto& p : {own, dir / "link.txt"}) {
      try {
        ReplaceFileBytes(p, "new bytes\r\n", Staging::kNamedOnly);
      } catch (const FileError&) {
        ++refused;
      }
    }
    ::_exit(refused);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
  for (const auto& p : {own, linked}) EXPECT_EQ(fs::exists(p) ? ReadBytes(p) : "(gone)", "old") << p;
  fs::remove_all(dir);
}

TEST(TextFile, AFileWhoseNameIsAsLongAsTheFolderTakesIsReplaced) {
  auto dir = TempDir();
  const auto nameMax = static_cast<std::size_t>(::pathconf(dir.c_str(), _PC_NAME_MAX));
  const std::string longest = std::string(nameMax - 4, 'j') + ".txt";
  auto file = dir / longest;
  for (Staging staging : {Staging::kUnnamedWherePossible, Staging::kNamedOnly}) {
    SCOPED_TRACE(staging == Staging::kNamedOnly ? "named staging" : "unnamed staging");
    fs::remove(file);
    // Made where there was none, then replaced.
    ReplaceFileBytes(file, "hd\r\n", staging);
    EXPECT_EQ(ReadBytes(file), "hd\r\n");
    ReplaceFileBytes(file, "ly1\r\n", staging);
    EXPECT_EQ(ReadBytes(file), "ly1\r\n");
    EXPECT_EQ(Others(dir, file), std::vector<std::string>{});
  }
  fs::remove_all(dir);
}

TEST(Cp932, ANulCharacterIsRefused) {
  EXPECT_THROW_SAYING(ToCp932(std::string("ly\0" "3", 4)), EncodeError, "the text holds a NUL character (U+0000)");
  EXPECT_EQ(FirstUnencodable(std::string("a\0", 2)), U'\0');
  auto dir = TempDir();
  EXPECT_THROW_SAYING(ReplaceFile(dir / "mokrav1.jyd", std::string("3 4 \0 1\r\n", 9)), EncodeError,
                      "the text holds a NUL character (U+0000)");
  EXPECT_FALSE(fs::exists(dir / "mokrav1.jyd"));
  fs::remove_all(dir);
}

namespace {

// The first lines of a file holding the bytes, read piece by piece.
std::vector<std::string> FirstLines(const std::string& bytes, std::size_t limit = 100) {
  auto file = fs::temp_directory_path() / ("mokrav_lines_" + std::to_string(::getpid()));
  { std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes; }
  auto lines = ReadFirstLines(file, limit);
  fs::remove(file);
  return lines;
}
using Lines = std::vector<std::string>;

}  // namespace

TEST(LineReader, LineEndsAsTheWholeFileSplitterTreatsThem) {
  const std::string samples[] = {
      "", "a", "a\r\n", "a\r\nb", "a\nb\rc\r\nd", "\r\n\r\n", "a\r\r\nb", "a\n\rb", "\n", "\r",
      "54 x\r\n\r\n59 3\r\n\r\n",
  };
  for (const std::string& s : samples) {
    EXPECT_EQ(FirstLines(s), SplitLines(s)) << "\"" << s << "\"";
  }
}

// The reader takes the file in pieces; a CR LF split between two pieces is
// still one line end, and a long line is kept whole.
TEST(LineReader, LinesAcrossPieces) {
  for (std::size_t at : {65534u, 65535u, 65536u, 65537u, 131071u}) {
    SCOPED_TRACE(at);
    const std::string first(at, 'x');
    const std::string bytes = first + "\r\n" + "second\r\n" + std::string(200000, 'y');
    EXPECT_EQ(FirstLines(bytes), (Lines{first, "second", std::string(200000, 'y')}));
  }
}

TEST(LineReader, StopsAtTheLimit) {
  EXPECT_EQ(FirstLines("a\r\nb\r\nc\r\n", 2), (Lines{"a", "b"}));
  EXPECT_EQ(FirstLines("a\r\nb\r\nc", 3), (Lines{"a", "b", "c"}));
  EXPECT_EQ(FirstLines("a\r\n\r\nc", 2), (Lines{"a", ""}));
  EXPECT_EQ(FirstLines("a\r\nb", 0), Lines{});
}

TEST(LineReader, RefusesWhatIsNoFile) {
  auto dir = TempDir();
  EXPECT_THROW_SAYING(ReadFirstLines(dir / "mokrav.mfg", 10), FileError,
                      FileFailure("cannot open", dir / "mokrav.mfg", std::strerror(ENOENT)));
  EXPECT_THROW_SAYING(ReadFirstLines(dir, 10), FileError, FileFailure("cannot read", dir, "it is a folder"));
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
  // Refused, not waited on.
  EXPECT_THROW_SAYING(ReadFirstLines(dir / "pipe", 10), FileError,
                      FileFailure("cannot read", dir / "pipe", "it is not a regular file (a pipe or a device)"));
  fs::remove_all(dir);
}
