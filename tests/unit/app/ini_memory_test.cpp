// INI files on disk through the shared profile-string functions.
#include <filesystem>

#include "app_fixture.h"
#include "platform/ini_text.h"
#include "platform/system.h"

namespace orvane::testing {
namespace {

class IniFile : public AppTest {
 protected:
  std::string path() const { return (dir_ / "x.ini").string(); }
};

TEST_F(IniFile, MissingFileOrKeyGivesTheDefault) {
  EXPECT_EQ(sys::ini_read(path(), "general", "font", "9"), "9");
  write("x.ini", "[general]\r\nsound=yes\r\n");
  EXPECT_EQ(sys::ini_read(path(), "general", "font", "9"), "9");
  EXPECT_EQ(sys::ini_read(path(), "other", "sound", "no"), "no");
}

TEST_F(IniFile, NamesIgnoreCaseAndValuesDoNot) {
  write("x.ini", "[General]\r\n  Sound = Yes \r\n");
  EXPECT_EQ(sys::ini_read(path(), "general", "SOUND", "no"), "Yes");
}

TEST_F(IniFile, WriteCreatesAndKeepsEverythingElse) {
  EXPECT_TRUE(sys::ini_write(path(), "general", "font", "9"));
  EXPECT_EQ(read("x.ini"), "[general]\r\nfont=9\r\n");
  write("x.ini", "; note\r\n[general]\r\nsound=yes\r\n\r\n[other]\r\nfont=1\r\n");
  EXPECT_TRUE(sys::ini_write(path(), "GENERAL", "font", "12"));
  EXPECT_TRUE(sys::ini_write(path(), "general", "SOUND", "no"));
  EXPECT_TRUE(sys::ini_write(path(), "third", "a", "b"));
  EXPECT_EQ(read("x.ini"),
            "; note\r\n[general]\r\nSOUND=no\r\nfont=12\r\n\r\n[other]\r\nfont=1\r\n[third]\r\na=b\r\n");
  EXPECT_FALSE(exists("x.ini.new"));
}

TEST_F(IniFile, ChineseTextIsGbkOnDisk) {
  EXPECT_TRUE(sys::ini_write(path(), "设置", "标题", "倒计时１５"));
  EXPECT_EQ(read("x.ini"), *utf8_to_gbk("[设置]\r\n标题=倒计时１５\r\n"));
  EXPECT_EQ(sys::ini_read(path(), "设置", "标题", ""), "倒计时１５");
}

TEST_F(IniFile, AHugeValueIsReadCutAndTheFileKept) {
  const std::string file = "[general]\r\nnote=" + std::string(1 << 20, 'x') + "\r\n";
  write("x.ini", file);
  EXPECT_EQ(sys::ini_read(path(), "general", "note", ""), std::string(ini::kMaxValueBytes, 'x'));
  EXPECT_EQ(read("x.ini"), file);
}

TEST_F(IniFile, FailedWriteLeavesTheFileAsItWas) {
  write("x.ini", "[general]\r\nfont=9\r\n");
  memory::fail_file_writes(true);
  EXPECT_FALSE(sys::ini_write(path(), "general", "font", "12"));
  memory::fail_file_writes(false);
  EXPECT_EQ(read("x.ini"), "[general]\r\nfont=9\r\n");
}

TEST_F(IniFile, UnreadableFileIsNotReplaced) {
  write("x.ini", "[general]\r\nfont=9\r\n");
  namespace fs = std::filesystem;
  fs::permissions(file("x.ini"), fs::perms::none);
  if (sys::read_file(path())) GTEST_SKIP() << "the file stays readable (running as root)";
  EXPECT_FALSE(sys::ini_write(path(), "general", "sound", "yes"));
  fs::permissions(file("x.ini"), fs::perms::owner_all);
  EXPECT_EQ(read("x.ini"), "[general]\r\nfont=9\r\n");
}

TEST(IniValue, LineBreaksBecomeSpaces) {
  EXPECT_EQ(sys::ini_value_text("a\r\nb\nc\rd"), "a b c d");
  EXPECT_EQ(sys::ini_value_text("\r\n\r\n"), "  ");
  EXPECT_EQ(sys::ini_value_text("15"), "15");
}

}  // namespace
}  // namespace orvane::testing
