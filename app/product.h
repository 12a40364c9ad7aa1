// The product's names, each defined once.
#pragma once

#include <string_view>

namespace orvane::app {

// Main window caption, title label and tray tip.
inline constexpr std::string_view kProductTitle = "Kelu软件之倒计时牌 v1.11";
// Title of the message boxes.
inline constexpr std::string_view kProductName = "Kelu软件之倒计时牌";
inline constexpr std::string_view kExecutableName = "Orvane.exe";

}  // namespace orvane::app
