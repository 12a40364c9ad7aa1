#include "app/main_window_design.h"

namespace orvane::app {
namespace {

using enum ui::Kind;
using ui::kCentred;
using ui::kChecked;
using ui::kFrameWide;
using ui::kHidden;
using ui::kRaised;
constexpr int kWindow = ui::kNoContainer;

// The row's number and design name.
#define ROW(name) static_cast<int>(MainControl::name), #name
#define IN(name) static_cast<int>(MainControl::name)

constexpr ui::ControlDesign kControls[] = {
    // id, name, kind, container, left, top, width, height, text, flags
    {ROW(窗口假上), Label, kWindow, 8, 0, 184, 24, "", kRaised},
    {ROW(窗口假下), Label, kWindow, 104, 592, 128, 24, "淘宝淘实惠", kRaised | kCentred},
    {ROW(窗口假左), Label, kWindow, 0, 0, 128, 24, "", kRaised},
    {ROW(窗口假右), Label, kWindow, 0, 0, 128, 24, "", kRaised},
    {ROW(外形框_启动), ShapeBox, kWindow, 12, 32, 545, 454, "", kFrameWide},
    {ROW(编辑框_显示), MultiLineEdit, IN(外形框_启动), 2, 2, 540, 450, "", 0},
    {ROW(标签_设置成功), Label, IN(外形框_启动), 233, 430, 131, 22, "设置已生效", kHidden | kCentred},
    {ROW(外形框_主界面几个按钮), ShapeBox, kWindow, 2, 512, 614, 16, "", 0},
    {ROW(标签_字体增大), Label, IN(外形框_主界面几个按钮), 0, 0, 56, 16, "字体增大", kCentred},
    {ROW(标签_字体缩小), Label, IN(外形框_主界面几个按钮), 57, 0, 56, 16, "字体缩小", kCentred},
    {ROW(标签_二广告), Label, IN(外形框_主界面几个按钮), 114, 0, 532, 16, " 淘宝淘实惠", 0},

    {ROW(外形框_设置), ShapeBox, kWindow, 52, 47, 556, 428, "", kHidden},
    {ROW(标签_设置标题栏), Label, IN(外形框_设置), 0, 0, 544, 16, "设置", kRaised},
    {ROW(确定1), Label, IN(外形框_设置), 530, 0, 12, 16, "？", kRaised | kCentred},
    {ROW(标签4), Label, IN(外形框_设置), 544, 0, 12, 16, "×", kRaised | kCentred},
    {ROW(编辑框_设置), MultiLineEdit, IN(外形框_设置), 2, 16, 552, 313, "", 0},
    {ROW(图片框1), PictureBox, IN(外形框_设置), 2, 331, 205, 79, "", 0},
    {ROW(外形框_设置中几个按钮), ShapeBox, IN(外形框_设置), 272, 335, 225, 16, "", 0},
    {ROW(万年历), Label, IN(外形框_设置中几个按钮), 0, 0, 40, 16, "万年历", kCentred},
    {ROW(标签1), Label, IN(外形框_设置中几个按钮), 44, 0, 84, 16, "屏蔽过期事件", kCentred},
    {ROW(标签2), Label, IN(外形框_设置中几个按钮), 132, 0, 93, 16, "日期间隔计算器", kCentred},
    {ROW(选择框_开机自启), CheckBox, IN(外形框_设置), 222, 359, 68, 15, "开机自启", 0},
    {ROW(选择框_程序缩至托盘后自动打开), CheckBox, IN(外形框_设置), 298, 359, 250, 15,
     "程序缩至托盘　　　　分后自动激活主窗口", kChecked},
    {ROW(编辑框_程序缩至托盘), Edit, IN(外形框_设置), 393, 357, 38, 15, "15", kCentred},
    {ROW(超级按钮_新增一条), Button, IN(外形框_设置), 296, 382, 80, 24, "新增1条示例", 0},
    {ROW(超级按钮_设置), Button, IN(外形框_设置), 393, 382, 80, 24, "确定", 0},
    {ROW(标签_设置下广告), Label, IN(外形框_设置), 0, 410, 556, 16, "淘宝淘实惠", 0},

    {ROW(外形框_万年历), ShapeBox, kWindow, 16, 861, 384, 331, "", kHidden},
    {ROW(标签_万年历标题栏), Label, IN(外形框_万年历), 0, 0, 372, 16, "万年历", kRaised},
    {ROW(标签6), Label, IN(外形框_万年历), 372, 0, 12, 16, "×", kRaised | kCentred},
    {ROW(农历月历1), Custom, IN(外形框_万年历), 9, 25, 365, 262, "", 0},
    {ROW(农历标签), Label, IN(外形框_万年历), 112, 291, 48, 20, "农历", kCentred},
    {ROW(标签5), Label, IN(外形框_万年历), 160, 291, 8, 20, "|", kCentred},
    {ROW(公历标签1), Label, IN(外形框_万年历), 168, 291, 48, 20, "今天", kCentred},
    {ROW(标签8), Label, IN(外形框_万年历), 216, 291, 8, 20, "|", kCentred},
    {ROW(公历标签), Label, IN(外形框_万年历), 224, 291, 48, 20, "公历", kCentred},
    {ROW(标签_万年历广告), Label, IN(外形框_万年历), 0, 313, 384, 16, "淘宝淘实惠", 0},

    {ROW(窗口更多按钮), PictureButton, kWindow, 8, 8, 21, 17, "更多", 0},
    {ROW(窗口最小化按钮), PictureButton, kWindow, 43, 8, 20, 17, "最小化", 0},
    {ROW(窗口关闭按钮), PictureButton, kWindow, 80, 8, 20, 17, "缩至托盘", 0},
    {ROW(选择框_自动刷新), CheckBox, kWindow, 8, 8, 56, 20, "自动刷新", kChecked},
};

#undef ROW
#undef IN
#define TIMER(name) static_cast<int>(MainTimer::name), #name

constexpr ui::TimerDesign kTimers[] = {
    // id, name, period at load
    {TIMER(时钟_刷新倒计时), 0},
    {TIMER(时钟_标题时刻), 3000},
    {TIMER(时钟_联机), 0},
    {TIMER(时钟_迷你资讯), 0},
    {TIMER(时钟_启动后稍候弹出提示), 5000},
    {TIMER(时钟_声音提示), 0},
    {TIMER(时钟_闪托盘), 0},
    {TIMER(时钟_激活窗口), 0},
    {TIMER(时钟_缩至托盘自动打开), 0},
    {TIMER(设置成功时钟), 0},
};

#undef TIMER
#define CMD(name) static_cast<int>(MainCommand::name), #name

constexpr ui::MenuItemDesign kMoreMenuItems[] = {
    // level, command, text, flags
    {0, CMD(设置), 0},           {0, 0, "-", ui::kSeparator}, {0, CMD(万年历), 0},
    {0, 0, "-", ui::kSeparator}, {0, CMD(日期间隔计算器), 0}, {0, 0, "-", ui::kSeparator},
    {0, 0, "备份恢复", 0},       {1, CMD(备份), 0},           {1, 0, "-", ui::kSeparator},
    {1, CMD(恢复), 0},           {0, 0, "-", ui::kSeparator}, {0, CMD(检查更新), 0},
    {0, 0, "-", ui::kSeparator}, {0, CMD(淘宝搜索框), 0},     {0, 0, "-", ui::kSeparator},
    {0, CMD(淘宝淘实惠), 0},
};

constexpr ui::MenuItemDesign kTrayMenuItems[] = {
    {0, CMD(显示主窗口), 0},
    {0, 0, "-", ui::kSeparator},
    {0, 0, "有事件过期时", 0},
    {1, CMD(声音提示), 0},
    {1, 0, "-", ui::kSeparator},
    {1, CMD(闪烁托盘), ui::kItemChecked},
    {1, 0, "-", ui::kSeparator | ui::kItemHidden},
    {1, CMD(激活窗口), ui::kItemHidden},
    {0, 0, "-", ui::kSeparator},
    {0, CMD(淘宝搜索框), 0},
    {0, 0, "-", ui::kSeparator},
    {0, CMD(淘宝淘实惠), 0},
    {0, 0, "-", ui::kSeparator},
    {0, CMD(退出), 0},
};

#undef CMD

constexpr ui::MenuDesign kMenus[] = {
    {static_cast<int>(MainMenu::更多菜单), "更多菜单", kMoreMenuItems},
    {static_cast<int>(MainMenu::托盘菜单), "托盘菜单", kTrayMenuItems},
};

}  // namespace

const ui::WindowDesign kMainWindowDesign{
    "主窗口", "Kelu软件之倒计时牌 v1.11", 569, 698, 0, kControls, kTimers, kMenus};

}  // namespace orvane::app
