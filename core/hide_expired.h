#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The event list text with every event line whose date lies before now
// turned into a comment line (";" in front). Empty lines are dropped.
std::string hide_expired_events(std::string_view text);

}  // namespace orvane
