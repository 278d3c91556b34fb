#include <gtest/gtest.h>

#include "platform/Profile.h"
#include "support/TempDir.h"

namespace {

std::optional<std::string> Find(std::string_view text, std::string_view key,
                                std::string_view section = "Gurgelix") {
  return FindProfileValue(text, section, key);
}

TEST(ProfileRead, NamesMatchWithoutCaseTheFirstCountsOddFilesAreReadAndIntegersParsed) {
  const std::string text =
      "top=1\n"  // outside any section
      "[Other]\nmode=9\n"
      "[GURGELIX]\n; mode=8\n  Mode = 2 \nmode=3\nnot a key\n"
      "[gurgelix]\nlevel=4\n";
  EXPECT_EQ(Find(text, "mode"), "2");
  EXPECT_EQ(Find(text, "MODE", "other"), "9");
  EXPECT_EQ(Find(text, "top"), std::nullopt);
  EXPECT_EQ(Find(text, "level"), std::nullopt);  // only the first section counts
  EXPECT_EQ(Find(text, "mode", "Missing"), std::nullopt);
  // Either line break, no final one, garbage before the section, a long value.
  EXPECT_EQ(Find("[Gurgelix]\r\nsave=/home/a b.gxs\r\nmode=1", "save"), "/home/a b.gxs");
  EXPECT_EQ(Find("[Gurgelix]\r\nsave=x\r\nmode=1", "mode"), "1");  // no final line break
  std::string garbage(5000, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 7919 % 256);
  EXPECT_EQ(Find(garbage + "\n[Gurgelix]\nmode=0\n", "mode"), "0");
  EXPECT_EQ(Find("[Gurgelix]\nsave=" + std::string(100000, 'x') + "\n", "save")->size(), 100000u);
  EXPECT_EQ(Find("[Gurgelix", "mode"), std::nullopt);
  // Integers are decimal or long hex.
  const std::pair<const char*, int> good[] = {{"42", 42}, {"-1", -1},   {"+7", 7},
                                              {"0x1", 1}, {"0X1f", 31}, {"0x7FFFFFFF", 2147483647}};
  for (const auto& [digits, value] : good) EXPECT_EQ(ParseProfileInteger(digits), value) << digits;
  for (const char* bad :
       {"", "0x", "0xZZ", "-0x10", "0x-5", "99999999999", "0xFFFFFFFF", "12a", "abc", "+-3", " "})
    EXPECT_EQ(ParseProfileInteger(bad), std::nullopt) << bad;
}

TEST(ProfileFile, DefaultsForWhatIsMissingLongValuesCutAndDamageRefused) {
  TTempDir dir;
  EXPECT_EQ(ReadProfileString(dir.Path().string(), "Gurgelix", "save", "d"), "d");
  WriteBytes(dir / "s.ini", {'[', 'G', ']', '\n', 'a', '=', 'x', '\n'});
  EXPECT_EQ(ReadProfileInteger(dir / "s.ini", "G", "a", 5), 5);
  const std::string longValue(3000, 'v');
  ASSERT_TRUE(WriteProfileString(dir / "s.ini", "G", "long", longValue));
  EXPECT_EQ(ReadProfileString(dir / "s.ini", "G", "long", ""), longValue.substr(0, 1023));
  // Writes that would damage a file are refused.
  const std::string path = dir / "t.ini";
  WriteBytes(path, {'[', 'G', ']', '\n'});
  EXPECT_FALSE(WriteProfileString(path, "G", "save", "x\nmode=2"));
  EXPECT_FALSE(WriteProfileString(dir.Path().string(), "G", "k", "1"));  // a directory
  WriteBytes(dir / "file", {1});
  EXPECT_FALSE(WriteProfileString(dir / "file/s.ini", "G", "k", "1"));  // parent is a file
  EXPECT_EQ(ReadText(path), "[G]\n");
}

TEST(ProfileWrite, ChangesExactlyOneLine) {
  TTempDir dir;
  const std::string path = dir / "quillcase.ini";
  const std::string before =
      "; other programs live here too\r\n[Desktop]\r\nWallpaper=c:\\x,y\r\n\r\n"
      "[Gurgelix]\r\nmode=1\r\nlevel=4\r\n\r\n[Fonts]\r\nsize=8";
  WriteBytes(path, {before.begin(), before.end()});
  ASSERT_TRUE(WriteProfileString(path, "gurgelix", "LEVEL", "17"));
  EXPECT_EQ(ReadText(path),
            "; other programs live here too\r\n[Desktop]\r\nWallpaper=c:\\x,y\r\n\r\n"
            "[Gurgelix]\r\nmode=1\r\nLEVEL=17\r\n\r\n[Fonts]\r\nsize=8");
}

TEST(ProfileWrite, AddsKeysSectionsAndFiles) {
  TTempDir dir;
  const std::string path = dir / "new/dir/quillcase.ini";
  ASSERT_TRUE(WriteProfileString(path, "Gurgelix", "mode", "2"));
  ASSERT_TRUE(WriteProfileString(path, "Other", "x", "1"));
  EXPECT_EQ(ReadText(path), "[Gurgelix]\nmode=2\n[Other]\nx=1\n");

  WriteBytes(dir / "a.ini", {'[', 'G', ']', '\n', 'k', '=', '1', '\n', '\n', '[', 'H', ']'});
  ASSERT_TRUE(WriteProfileString(dir / "a.ini", "G", "n", "2"));  // lands in its section
  ASSERT_TRUE(WriteProfileString(dir / "a.ini", "H", "m", "3"));  // no final line break
  EXPECT_EQ(ReadText(dir / "a.ini"), "[G]\nk=1\nn=2\n\n[H]\nm=3\n");
}

}  // namespace
