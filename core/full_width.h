// Full-width ASCII forms, which Chinese input methods often produce.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// A copy of a UTF-8 text in which U+FF01..U+FF5E are replaced by ASCII '!'..'~'
// and the ideographic space U+3000 by ' '.
std::string fold_full_width(std::string_view text);

}  // namespace orvane
