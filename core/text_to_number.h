#pragma once

#include <string_view>

namespace orvane {

// The decimal number at the start of a text (after white space; full-width
// characters count as their ASCII forms), 0 when the text does not begin with one.
double text_to_number(std::string_view text);

}  // namespace orvane
