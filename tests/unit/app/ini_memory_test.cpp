// The in-memory INI files behave like the Windows profile-string operations.
#include "app_fixture.h"
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
}

TEST(IniValue, LineBreaksBecomeSpaces) {
  EXPECT_EQ(sys::ini_value_text("a\r\nb\nc\rd"), "a b c d");
  EXPECT_EQ(sys::ini_value_text("15"), "15");
}

}  // namespace
}  // namespace orvane::testing
