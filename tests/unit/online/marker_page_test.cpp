// Sections between markers, the removal of "amp;", AES-256 and the encrypted
// section format, and the page producer's pages.
#include "online/marker_page.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/text_codec.h"
#include "platform/aes256.h"
#include "tools/marker_page_producer.h"

namespace orvane::online {
namespace {

std::string gbk(std::string_view utf8) { return *utf8_to_gbk(utf8); }

std::string from_hex(std::string_view digits) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
    bytes += static_cast<char>(std::stoi(std::string(digits.substr(i, 2)), nullptr, 16));
  return bytes;
}

struct ExtractCase {
  const char* name;
  std::string text, start, end, expected;
};

class ExtractBetween : public ::testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractBetween, CutsTheFirstSection) {
  const ExtractCase& c = GetParam();
  EXPECT_EQ(extract_between(c.text, c.start, c.end), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractBetween,
    ::testing::Values(ExtractCase{"plain", "xx[a]hello[b]yy", "[a]", "[b]", "hello"},
                      ExtractCase{"no_start", "hello[b]", "[a]", "[b]", ""},
                      ExtractCase{"no_end", "[a]hello", "[a]", "[b]", ""},
                      ExtractCase{"end_only_before_start", "[b]x[a]hello", "[a]", "[b]", ""},
                      ExtractCase{"end_before_start_ignored", "[b]x[a]hello[b]z", "[a]", "[b]", "hello"},
                      ExtractCase{"two_sections_first_counts", "[a]one[b][a]two[b]", "[a]", "[b]", "one"},
                      ExtractCase{"empty_between", "[a][b]", "[a]", "[b]", ""},
                      // The end is looked for only after the whole start marker.
                      ExtractCase{"end_inside_start", "[ab]x]", "[ab]", "b]", ""},
                      ExtractCase{"same_markers", "|one|two|", "|", "|", "one"},
                      ExtractCase{"gbk_markers", gbk("页[文本开始]今日特价[文本结束]尾"), gbk("[文本开始]"),
                                  gbk("[文本结束]"), gbk("今日特价")}),
    [](const ::testing::TestParamInfo<ExtractCase>& case_info) { return std::string(case_info.param.name); });

struct AmpCase {
  const char* name;
  std::string text, expected;
  int passes;
};

class RemoveAmp : public ::testing::TestWithParam<AmpCase> {};

TEST_P(RemoveAmp, RemovesUntilNoneIsLeft) {
  const AmpCase& c = GetParam();
  int passes = 0;
  EXPECT_EQ(remove_amp(c.text, [&] { ++passes; }), c.expected);
  EXPECT_EQ(passes, c.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveAmp,
    ::testing::Values(AmpCase{"none", "a&b", "a&b", 0}, AmpCase{"escape", "a&amp;b", "a&b", 1},
                      AmpCase{"escaped_escape", "&amp;amp;", "&", 1},
                      AmpCase{"any_case", "x&AMP;y&aMp;z", "x&y&z", 1},
                      AmpCase{"new_one_brought_together", "aamp;mp;", "", 2},
                      // "amp;" starting at the second byte of a GBK character is no match.
                      AmpCase{"not_inside_a_character",
                              "\x81"
                              "amp;",
                              "\x81"
                              "amp;",
                              0},
                      AmpCase{"after_a_character", gbk("链") + "amp;", gbk("链"), 1}),
    [](const ::testing::TestParamInfo<AmpCase>& case_info) { return std::string(case_info.param.name); });

TEST(Aes256, Fips197Vector) {
  std::string key;
  for (int i = 0; i < 32; ++i) key += static_cast<char>(i);
  const std::string plain = from_hex("00112233445566778899aabbccddeeff");
  const std::string cipher = from_hex("8ea2b7ca516745bfeafc49904b496089");
  EXPECT_EQ(crypto::aes256_ecb_encrypt(key, plain), cipher);
  EXPECT_EQ(crypto::aes256_ecb_decrypt(key, cipher), plain);
  // Block by block: two equal blocks stay equal (ECB).
  EXPECT_EQ(crypto::aes256_ecb_decrypt(key, cipher + cipher), plain + plain);
  EXPECT_EQ(crypto::aes256_ecb_decrypt(key, cipher.substr(0, 15)), std::nullopt);
  EXPECT_EQ(crypto::aes256_ecb_decrypt(key.substr(0, 16), cipher), std::nullopt);
}

TEST(PassPhrase, FilledOrCutTo32Bytes) {
  EXPECT_EQ(key_from_pass_phrase("qmzt"), std::string("qmzt") + std::string(28, '\0'));
  EXPECT_EQ(key_from_pass_phrase(std::string(40, 'k')), std::string(32, 'k'));
}

// Made with openssl enc -aes-256-ecb -nopad -K 716d7a74 + 28 zero bytes, from
// the GBK bytes of "[文本开始]今日特价[文本结束]" (28 bytes) filled with zeros.
constexpr std::string_view kKnownSection =
    "1C00000000000000"
    "6B86DF9DF4C8CD0AABE87122EDC8F692A601EB5710690E3A5DCABD6896778001";

TEST(DecryptSection, KnownSectionInUpperAndLowerCase) {
  const std::string expected = gbk("[文本开始]今日特价[文本结束]");
  EXPECT_EQ(decrypt_section(kKnownSection), expected);
  std::string lower(kKnownSection);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(decrypt_section(lower), expected);
}

TEST(DecryptSection, ProducerRoundTrips) {
  for (const std::string& plain :
       {std::string(), std::string("x"), std::string(15, 'a'), std::string(16, 'b'), std::string(17, 'c'),
        gbk("[链接开始]http://a.example/?a=1&b=2[链接结束]")}) {
    const std::string section = encrypt_section(plain);
    EXPECT_EQ(section.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(section.size(), 16 + (plain.size() + 15) / 16 * 32) << plain;
    EXPECT_EQ(decrypt_section(section), plain) << plain;
  }
}

TEST(DecryptSection, EndsAtTheFirstZeroByte) {
  EXPECT_EQ(decrypt_section(encrypt_section(std::string("ab\0cd", 5))), "ab");
}

TEST(DecryptSection, MalformedSectionsGiveTheEmptyText) {
  const std::string good(kKnownSection);
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"empty", ""},
      {"not hexadecimal", good.substr(0, 20) + "G" + good.substr(21)},
      {"blank inside", good.substr(0, 20) + " " + good.substr(21)},
      {"odd number of digits", good.substr(0, good.size() - 1)},
      {"fewer than 8 bytes", "1C000000"},
      {"cipher not whole blocks", good.substr(0, good.size() - 2)},
      {"html around", "<p>" + good + "</p>"},
  };
  for (const auto& [name, section] : cases) EXPECT_EQ(decrypt_section(section), "") << name;
  // Exactly the 8 length bytes: no cipher text, no plain text.
  EXPECT_EQ(decrypt_section("0000000000000000"), "");
}

TEST(Producer, EncryptedPageHoldsTheSectionsBetweenItsOuterMarkers) {
  const auto page = tools::make_marker_page(tools::PageKind::Info,
                                            {{"文本", "今日特价"}, {"链接", "http://a.example/?a=1&b=2"}});
  ASSERT_TRUE(page);
  const std::string plain = decrypt_section(extract_between(*page, gbk("[总开始]"), gbk("[总结束]")));
  EXPECT_EQ(extract_between(plain, gbk("[文本开始]"), gbk("[文本结束]")), gbk("今日特价"));
  EXPECT_EQ(extract_between(plain, gbk("[链接开始]"), gbk("[链接结束]")), "http://a.example/?a=1&b=2");
}

TEST(Producer, PlainPageEscapesAmpersandsAsAWebPageDoes) {
  const auto page =
      tools::make_marker_page(tools::PageKind::Mini, {{"css网址", "http://a.example/c.css?a=1&b=2"}});
  ASSERT_TRUE(page);
  const std::string outer = extract_between(*page, gbk("[联机信息开始]"), gbk("[联机信息结束]"));
  EXPECT_NE(outer.find("&amp;b=2"), std::string::npos);
  EXPECT_EQ(extract_between(remove_amp(outer), gbk("[css网址开始]"), gbk("[css网址结束]")),
            "http://a.example/c.css?a=1&b=2");
}

TEST(ProducerTool, WritesThePageFromItsCommandLine) {
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "orvane_marker_page_tool.htm";
  std::filesystem::remove(out);
  const std::string tool = MAKE_MARKER_PAGE;
  ASSERT_EQ(std::system((tool + " calculator " + out.string() + " '广告文本=今日特价' 'a=b=c'").c_str()), 0);
  std::ifstream in(out, std::ios::binary);
  std::stringstream page;
  page << in.rdbuf();
  const std::string plain =
      decrypt_section(extract_between(page.str(), gbk("[联机信息开始]"), gbk("[联机信息结束]")));
  EXPECT_EQ(plain, gbk("[广告文本开始]今日特价[广告文本结束][a开始]b=c[a结束]"));
  // Wrong use: an unknown page kind, a section without "=".
  EXPECT_NE(std::system((tool + " nosuchpage " + out.string() + " 2>/dev/null").c_str()), 0);
  EXPECT_NE(std::system((tool + " info " + out.string() + " nothing 2>/dev/null").c_str()), 0);
  std::filesystem::remove(out);
}

}  // namespace
}  // namespace orvane::online
