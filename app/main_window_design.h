// The window design of the main window: its controls, panes, timers and menus.
#pragma once

#include "platform/ui.h"

namespace orvane::app {

// In design order: later rows lie above earlier ones.
enum class MainControl : int {
  窗口假上,
  窗口假下,
  窗口假左,
  窗口假右,
  外形框_启动,
  编辑框_显示,
  标签_设置成功,
  外形框_主界面几个按钮,
  标签_字体增大,
  标签_字体缩小,
  标签_二广告,
  // The settings pane.
  外形框_设置,
  标签_设置标题栏,
  确定1,
  标签4,
  编辑框_设置,
  图片框1,
  外形框_设置中几个按钮,
  万年历,
  标签1,
  标签2,
  选择框_开机自启,
  选择框_程序缩至托盘后自动打开,
  编辑框_程序缩至托盘,
  超级按钮_新增一条,
  超级按钮_设置,
  标签_设置下广告,
  // The calendar pane.
  外形框_万年历,
  标签_万年历标题栏,
  标签6,
  农历月历1,
  农历标签,
  标签5,
  公历标签1,
  标签8,
  公历标签,
  标签_万年历广告,
  // The title strip's buttons and switch.
  窗口更多按钮,
  窗口最小化按钮,
  窗口关闭按钮,
  选择框_自动刷新,
};

enum class MainTimer : int {
  时钟_刷新倒计时,
  时钟_标题时刻,
  时钟_联机,
  时钟_迷你资讯,
  时钟_启动后稍候弹出提示,
  时钟_声音提示,
  时钟_闪托盘,
  时钟_激活窗口,
  时钟_缩至托盘自动打开,
  设置成功时钟,
};

enum class MainMenu : int { 更多菜单, 托盘菜单 };

// Menu commands; an item of both menus is one command.
enum class MainCommand : int {
  设置 = ui::kFirstCommand,
  万年历,
  日期间隔计算器,
  备份,
  恢复,
  检查更新,
  淘宝搜索框,
  淘宝淘实惠,
  显示主窗口,
  声音提示,
  闪烁托盘,
  激活窗口,
  退出,
};

extern const ui::WindowDesign kMainWindowDesign;

}  // namespace orvane::app
