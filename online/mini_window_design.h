// The window design of the mini information windows (both instances).
#pragma once

#include "platform/ui.h"

namespace orvane::online {

enum class MiniControl : int {
  外形框_最外,
  标签1,
  标签_1,
  外形框_里层,
  超文本浏览框_1,
};

inline constexpr const char* kMiniCaption = "Kelu软件更小型迷你资讯窗口";

extern const ui::WindowDesign kMiniWindowDesign;

}  // namespace orvane::online
