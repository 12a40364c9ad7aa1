#include "platform/ini_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/text_codec.h"

namespace orvane {
namespace {

std::string gbk(std::string_view utf8) { return utf8_to_gbk(utf8).value(); }

struct ReadCase {
  const char* what;
  std::string file;  // UTF-8, stored as GBK
  const char* section;
  const char* key;
  std::string expected;
};

TEST(IniRead, FindsTheValueLikeTheProfileApi) {
  const ReadCase cases[] = {
      {"no file", "", "s", "k", "(default)"},
      {"no such section", "[t]\r\nk=1\r\n", "s", "k", "(default)"},
      {"no such key", "[s]\r\nj=1\r\n", "s", "k", "(default)"},
      {"an empty value is a value", "[s]\r\nk=\r\n", "s", "k", ""},
      {"names ignore case, values do not", "[General]\r\nFont=Yes\r\n", "gENERAL", "FONT", "Yes"},
      {"blanks and tabs around names and value", " \t[ s\t]  \r\n\t k \t=  a b \t\r\n", "s", "k", "a b"},
      {"text after the header's ']'", "[s] ; note\r\nk=1\r\n", "s", "k", "1"},
      {"'[' without ']' is no header", "[s]\r\n[t\r\nk=1\r\n", "s", "k", "1"},
      {"value after the first '='", "[s]\r\nk = a=b\r\n", "s", "k", "a=b"},
      {"double quotes removed", "[s]\r\nk=\"  x \"\r\n", "s", "k", "  x "},
      {"single quotes removed", "[s]\r\nk='x'\r\n", "s", "k", "x"},
      {"quotes that do not match kept", "[s]\r\nk=\"x'\r\n", "s", "k", "\"x'"},
      {"a lone quote kept", "[s]\r\nk=\"\r\n", "s", "k", "\""},
      {"quotes inside kept", "[s]\r\nk=a\"b\"\r\n", "s", "k", "a\"b\""},
      {"LF line ends", "[s]\nk=1\n", "s", "k", "1"},
      {"last line without a line end", "[s]\r\nk=1", "s", "k", "1"},
      {"first key wins", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
      {"first section wins", "[s]\r\na=1\r\n[t]\r\n[S]\r\nk=2\r\n", "s", "k", "(default)"},
      {"keys before the first section ignored", "k=0\r\n[s]\r\n", "s", "k", "(default)"},
      {"the next section ends the section", "[s]\r\n[t]\r\nk=1\r\n", "s", "k", "(default)"},
      {"comment lines ignored", "[s]\r\n ;k=1\r\nk=2\r\n", "s", "k", "2"},
      {"lines without '=' ignored", "[s]\r\nk\r\njunk\r\nk=1\r\n", "s", "k", "1"},
      // 揮 is 93 5D and 慮 is 91 5D in GBK: the trail byte is ']'.
      {"trail byte ']' in a section name", "[揮手]\r\n慮=倒计时\r\n", "揮手", "慮", "倒计时"},
      {"trail byte ']' in a key name", "[s]\r\n慮]=1\r\n", "s", "慮]", "1"},
      // 丄 is 81 41, 乤 is 81 61: the trail bytes are 'A' and 'a'.
      {"no case folding inside GBK characters", "[丄]\r\nk=1\r\n", "乤", "k", "(default)"},
      {"ASCII case folding beside Chinese", "[A揮]\r\nk=1\r\n", "a揮", "k", "1"},
      {"full-width digits", "[s]\r\nk=１５\r\n", "s", "k", "１５"},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(ini::read_value(gbk(c.file), c.section, c.key, "(default)"), c.expected) << c.what;
  }
}

TEST(IniRead, InvalidGbkBytesStayInTheirLine) {
  // A lead byte before the line end must not take the LF with it.
  EXPECT_EQ(ini::read_value("[s]\r\na=\xC4\r\nk=1\r\n", "s", "k", ""), "1");
  EXPECT_EQ(ini::read_value("[s]\r\nk=a\xFF\r\n", "s", "k", ""), "a\xEF\xBF\xBD");
}

struct BoundCase {
  const char* what;
  std::string value;
  std::string expected;
};

TEST(IniRead, LongValuesAreCutAtACharacterBoundary) {
  std::string chinese;
  for (int i = 0; i < 2000; ++i) chinese += "倒";  // 3 bytes each
  const BoundCase cases[] = {
      {"exactly the bound", std::string(ini::kMaxValueBytes, 'x'), std::string(ini::kMaxValueBytes, 'x')},
      {"one byte over", std::string(ini::kMaxValueBytes + 1, 'x'), std::string(ini::kMaxValueBytes, 'x')},
      {"a megabyte", std::string(1 << 20, 'x'), std::string(ini::kMaxValueBytes, 'x')},
      {"quotes do not count", '"' + std::string(ini::kMaxValueBytes, 'x') + '"',
       std::string(ini::kMaxValueBytes, 'x')},
      {"no half character", chinese, chinese.substr(0, ini::kMaxValueBytes / 3 * 3)},
  };
  for (const BoundCase& c : cases) {
    const std::string file = gbk("[s]\r\nk=" + c.value + "\r\n");
    EXPECT_EQ(ini::read_value(file, "s", "k", ""), c.expected) << c.what;
  }
}

struct WriteCase {
  const char* what;
  std::string file;
  const char* section;
  const char* key;
  std::string value;
  std::string expected;
};

TEST(IniWrite, ChangesOnlyTheOneLine) {
  const WriteCase cases[] = {
      {"new file", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
      {"new section", "[a]\r\nx=1\r\n", "s", "k", "v", "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
      {"new section, file without a final line end", "[a]\r\nx=1", "s", "k", "v",
       "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
      {"new section, LF file", "[a]\nx=1\n", "s", "k", "v", "[a]\nx=1\n[s]\r\nk=v\r\n"},
      {"new key before the blank lines", "[s]\r\na=1\r\n\r\n \t\r\n[t]\r\n", "S", "k", "v",
       "[s]\r\na=1\r\nk=v\r\n\r\n \t\r\n[t]\r\n"},
      {"new key, LF file", "[s]\na=1\n\n[t]\n", "s", "k", "v", "[s]\na=1\nk=v\r\n\n[t]\n"},
      {"new key in an empty section", "[s]\r\n[t]\r\n", "s", "k", "v", "[s]\r\nk=v\r\n[t]\r\n"},
      {"new key after a header at the end", "[s]", "s", "k", "v", "[s]\r\nk=v\r\n"},
      {"new key after a last line without end", "[s]\r\na=1", "s", "k", "v", "[s]\r\na=1\r\nk=v\r\n"},
      {"new key after a comment", "[s]\r\na=1\r\n; c\r\n", "s", "k", "v", "[s]\r\na=1\r\n; c\r\nk=v\r\n"},
      {"new key, key before the first section", "k=0\r\n[s]\r\n", "s", "k", "v", "k=0\r\n[s]\r\nk=v\r\n"},
      {"new key in the first of two sections", "[s]\r\na=1\r\n[S]\r\nk=2\r\n", "s", "k", "v",
       "[s]\r\na=1\r\nk=v\r\n[S]\r\nk=2\r\n"},
      {"replace keeps CR LF, caller's spelling", "[s]\r\n  K = old \r\nb=2\r\n", "s", "k", "v",
       "[s]\r\nk=v\r\nb=2\r\n"},
      {"replace keeps LF", "[s]\nk=old\nb=2\n", "s", "k", "v", "[s]\nk=v\nb=2\n"},
      {"replace keeps no line end", "[s]\r\nk=old", "s", "k", "v", "[s]\r\nk=v"},
      {"replace only the first of two keys", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "v", "[s]\r\nk=v\r\nk=2\r\n"},
      {"line breaks become spaces", "[s]\r\nk=1\r\n", "s", "k", "a\r\nb\nc\rd\n", "[s]\r\nk=a b c d \r\n"},
      {"outside GBK becomes '?'", "", "s", "k",
       "a\xF0\x9F\x98\x80"
       "b",
       "[s]\r\nk=a?b\r\n"},
      {"not UTF-8 becomes '?'", "", "s", "k",
       "a\xFF\xFE"
       "b",
       "[s]\r\nk=a??b\r\n"},
      {"Chinese names and value in GBK", "", "揮手", "慮", "倒计时１５", gbk("[揮手]\r\n慮=倒计时１５\r\n")},
  };
  for (const WriteCase& c : cases) {
    EXPECT_EQ(ini::with_value(c.file, c.section, c.key, c.value), c.expected) << c.what;
  }
}

TEST(IniWrite, WhatIsWrittenReadsBack) {
  const std::string values[] = {"倒计时牌", "１５",   "a b",
                                "",         "揮]慮[", std::string(ini::kMaxValueBytes, 'z')};
  for (const std::string& v : values) {
    for (const std::string file : {"", "[s]\r\nk=old\r\n", "[s]\r\nj=1\r\n\r\n[t]\r\nk=2\r\n"}) {
      const std::string written = ini::with_value(file, "s", "k", v);
      EXPECT_EQ(ini::read_value(written, "S", "K", "(default)"), v) << v << " in " << file;
      EXPECT_EQ(ini::read_value(written, "t", "k", "(default)"),
                ini::read_value(file, "t", "k", "(default)"));
    }
  }
}

// Random bytes of every value, in lines of random length with both line ends.
std::string noise(std::mt19937& random, std::size_t size) {
  std::string out;
  std::uniform_int_distribution<int> byte(0, 255), line_end(0, 40);
  while (out.size() < size) {
    const int end = line_end(random);
    out += end == 0 ? "\r\n" : end == 1 ? "\n" : std::string(1, static_cast<char>(byte(random)));
  }
  return out + "\r\n";
}

TEST(IniWrite, KeepsEveryOtherByteOfAFileThatIsNotIni) {
  std::mt19937 random(7);
  const std::string head = noise(random, 32 * 1024), tail = "[t]\r\n" + noise(random, 32 * 1024);
  const std::string chinese = gbk("倒计时");
  struct Case {
    const char* what;
    std::string file, expected;
  } const cases[] = {
      {"replace", head + "[s]\r\nk=old\r\n" + tail, head + "[s]\r\nk=" + chinese + "\r\n" + tail},
      {"insert", head + "[s]\r\n" + tail, head + "[s]\r\nk=" + chinese + "\r\n" + tail},
      {"append", head + tail, head + tail + "[s]\r\nk=" + chinese + "\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(ini::with_value(c.file, "s", "k", "倒计时") == c.expected) << c.what;
  }
}

}  // namespace
}  // namespace orvane
