#include "core/text_to_number.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "core/full_width.h"

namespace orvane {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t skip_digits(const std::string& s, std::size_t i) {
  while (i < s.size() && is_digit(s[i])) ++i;
  return i;
}

}  // namespace

double text_to_number(std::string_view text) {
  const std::string s = fold_full_width(text);
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
  const std::size_t start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t int_begin = i;
  i = skip_digits(s, i);
  bool digits = i > int_begin;
  if (i < s.size() && s[i] == '.') {
    const std::size_t frac_end = skip_digits(s, i + 1);
    if (frac_end > i + 1 || digits) {
      digits = digits || frac_end > i + 1;
      i = frac_end;
    }
  }
  if (!digits) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t exp_end = skip_digits(s, j);
    if (exp_end > j) i = exp_end;
  }
  // The run is a plain decimal number now, which strtod reads in the C locale.
  const std::string number = s.substr(start, i - start);
  const double value = std::strtod(number.c_str(), nullptr);
  // Callers truncate to integers; keep an overflowing exponent finite.
  if (std::isinf(value))
    return value > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
  return value;
}

}  // namespace orvane
