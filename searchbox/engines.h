// The three shops of the search box and the pages that embed their widgets.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace orvane::searchbox {

enum class Engine { Taobao, Dangdang, Joyo };

struct EngineLook {
  std::string_view key;      // as the settings file stores it
  std::string_view caption;  // of the title strip
  ui::Colour colour;         // of the window and its title labels
};
const EngineLook& look_of(Engine e);
// The engine of a stored key, compared byte for byte; nothing for any other text.
std::optional<Engine> engine_of_key(std::string_view key);

// The engine pages, written unchanged as the whole page file: lines end in
// CR LF, the last one has none.
std::string taobao_engine_page();
std::string dangdang_engine_page();

}  // namespace orvane::searchbox
