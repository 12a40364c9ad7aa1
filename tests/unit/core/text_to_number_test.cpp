#include "core/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

TEST(TextToNumber, ReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c :
       {Case{"15", 15}, Case{"0.5", 0.5}, Case{"abc", 0}, Case{"-", 0}, Case{"", 0}, Case{"  12abc", 12},
        Case{"\t-3.25x", -3.25}, Case{"+7", 7}, Case{"1e3", 1000}, Case{"1e", 1}, Case{"2.", 2},
        Case{".5", 0.5}, Case{".", 0}, Case{"1.5e-1z", 0.15}, Case{"１５", 15}, Case{"　０．０５", 0.05},
        Case{"１２ab", 12}, Case{"0x10", 0}, Case{"9时", 9}}) {
    EXPECT_DOUBLE_EQ(text_to_number(c.text), c.value) << c.text;
  }
}

TEST(TextToNumber, HugeExponentsStayFinite) {
  EXPECT_TRUE(std::isfinite(text_to_number("1e999")));
  EXPECT_GT(text_to_number("1e999"), 1e300);
  EXPECT_LT(text_to_number("-1e999"), -1e300);
}

}  // namespace
}  // namespace orvane
