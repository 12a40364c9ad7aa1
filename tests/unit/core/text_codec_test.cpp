#include "core/text_codec.h"

#include <gtest/gtest.h>

#include "core/board.h"

namespace orvane {
namespace {

TEST(TextCodec, DefaultListIsNinetyFiveBytesInGbk) {
  const auto gbk = utf8_to_gbk(kDefaultEventList);
  ASSERT_TRUE(gbk);
  EXPECT_EQ(gbk->size(), 95u);
  EXPECT_EQ(gbk_to_utf8(*gbk), kDefaultEventList);
}

TEST(TextCodec, KnownBytes) {
  EXPECT_EQ(*utf8_to_gbk("年"), "\xC4\xEA");
  EXPECT_EQ(*utf8_to_gbk("１"), "\xA3\xB1");
  EXPECT_EQ(*utf8_to_gbk("　"), "\xA1\xA1");
  EXPECT_EQ(gbk_to_utf8("\xC4\xEA"), "年");
}

TEST(TextCodec, UnmappableCharacterIsReportedWithItsOffset) {
  std::size_t bad = 0;
  EXPECT_FALSE(utf8_to_gbk("ab年\xF0\x9F\x98\x80z", &bad));  // an emoji has no GBK form
  EXPECT_EQ(bad, 5u);
  EXPECT_FALSE(utf8_to_gbk("a\xFF", &bad));  // not UTF-8 at all
  EXPECT_EQ(bad, 1u);
}

TEST(TextCodec, InvalidGbkBytesBecomeReplacementCharacters) {
  EXPECT_EQ(gbk_to_utf8("a\xFF"
                        "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(gbk_to_utf8("a\xC4"), "a\xEF\xBF\xBD");  // a lead byte cut off at the end
}

TEST(TextCodec, CutAtZero) {
  using namespace std::string_literals;
  EXPECT_EQ(cut_at_zero("ab\0cd"s), "ab");
  EXPECT_EQ(cut_at_zero("abc"), "abc");
}

}  // namespace
}  // namespace orvane
