// The window design of the shop search box.
#pragma once

#include "platform/ui.h"

namespace orvane::searchbox {

inline constexpr const char* kSearchBoxCaption = "淘宝搜索框，便捷搜宝入口";

enum class SearchBoxControl : int {
  标签_拖动柄,
  标签_更多按钮,
  标签_关闭按钮,
  外形框_卓越,
  外形框_卓越编辑框外,
  编辑框_卓越,
  图片框_卓越开始,
  外形框_淘当,
  超文本浏览框,
};

enum class SearchBoxTimer : int { 时钟_总在最前 };

enum class SearchBoxMenu : int { 托盘菜单, 主窗口更多菜单 };

enum class SearchBoxCommand : int {
  显示主窗口 = ui::kFirstCommand,
  淘宝淘实惠,
  特别推荐,
  检查更新,
  菜单,
  退出,
  淘宝,
  当当,
  卓越,
  右下,
  居中,
  中下,
  不透明,
  透明20,
  透明40,
  透明60,
  透明80,
};

extern const ui::WindowDesign kSearchBoxDesign;

}  // namespace orvane::searchbox
