#include "app/main_window_design.h"

namespace orvane::app {
namespace {

using enum ui::Kind;
using ui::kCentred;
using ui::kChecked;
using ui::kFrameWide;
using ui::kHidden;
using ui::kRaised;

// Later rows lie above earlier ones. Timers carry their designed period as width.
constexpr ui::ControlDesign kMainControls[] = {
    // name, kind, container, left, top, width, height, text, flags
    {"窗口假上", Label, "", 8, 0, 184, 24, "", kRaised},
    {"窗口假下", Label, "", 104, 592, 128, 24, "淘宝淘实惠", kRaised | kCentred},
    {"窗口假左", Label, "", 0, 0, 128, 24, "", kRaised},
    {"窗口假右", Label, "", 0, 0, 128, 24, "", kRaised},
    {"外形框_启动", ShapeBox, "", 12, 32, 545, 454, "", kFrameWide},
    {"编辑框_显示", MultiLineEdit, "外形框_启动", 2, 2, 540, 450, "", 0},
    {"标签_设置成功", Label, "外形框_启动", 233, 430, 131, 22, "设置已生效", kHidden | kCentred},
    {"外形框_主界面几个按钮", ShapeBox, "", 2, 512, 614, 16, "", 0},
    {"标签_字体增大", Label, "外形框_主界面几个按钮", 0, 0, 56, 16, "字体增大", kCentred},
    {"标签_字体缩小", Label, "外形框_主界面几个按钮", 57, 0, 56, 16, "字体缩小", kCentred},
    {"标签_二广告", Label, "外形框_主界面几个按钮", 114, 0, 532, 16, " 淘宝淘实惠", 0},

    // The settings pane.
    {"外形框_设置", ShapeBox, "", 52, 47, 556, 428, "", kHidden},
    {"标签_设置标题栏", Label, "外形框_设置", 0, 0, 544, 16, "设置", kRaised},
    {"确定1", Label, "外形框_设置", 530, 0, 12, 16, "？", kRaised | kCentred},
    {"标签4", Label, "外形框_设置", 544, 0, 12, 16, "×", kRaised | kCentred},
    {"编辑框_设置", MultiLineEdit, "外形框_设置", 2, 16, 552, 313, "", 0},
    {"图片框1", PictureBox, "外形框_设置", 2, 331, 205, 79, "", 0},
    {"外形框_设置中几个按钮", ShapeBox, "外形框_设置", 272, 335, 225, 16, "", 0},
    {"万年历", Label, "外形框_设置中几个按钮", 0, 0, 40, 16, "万年历", kCentred},
    {"标签1", Label, "外形框_设置中几个按钮", 44, 0, 84, 16, "屏蔽过期事件", kCentred},
    {"标签2", Label, "外形框_设置中几个按钮", 132, 0, 93, 16, "日期间隔计算器", kCentred},
    {"选择框_开机自启", CheckBox, "外形框_设置", 222, 359, 68, 15, "开机自启", 0},
    {"选择框_程序缩至托盘后自动打开", CheckBox, "外形框_设置", 298, 359, 250, 15,
     "程序缩至托盘　　　　分后自动激活主窗口", kChecked},
    {"编辑框_程序缩至托盘", Edit, "外形框_设置", 393, 357, 38, 15, "15", kCentred},
    {"超级按钮_新增一条", Button, "外形框_设置", 296, 382, 80, 24, "新增1条示例", 0},
    {"超级按钮_设置", Button, "外形框_设置", 393, 382, 80, 24, "确定", 0},
    {"标签_设置下广告", Label, "外形框_设置", 0, 410, 556, 16, "淘宝淘实惠", 0},

    // The calendar pane (filled by the calendar tools).
    {"外形框_万年历", ShapeBox, "", 16, 861, 384, 331, "", kHidden},

    // The title strip's buttons and switch lie on the title label.
    {"窗口更多按钮", PictureButton, "", 8, 8, 21, 17, "更多", 0},
    {"窗口最小化按钮", PictureButton, "", 43, 8, 20, 17, "最小化", 0},
    {"窗口关闭按钮", PictureButton, "", 80, 8, 20, 17, "缩至托盘", 0},
    {"选择框_自动刷新", CheckBox, "", 8, 8, 56, 20, "自动刷新", kChecked},

    {"时钟_刷新倒计时", Timer, "", 0, 0, 0, 0, "", 0},
    {"时钟_标题时刻", Timer, "", 0, 0, 3000, 0, "", 0},
    {"时钟_联机", Timer, "", 0, 0, 0, 0, "", 0},
    {"时钟_迷你资讯", Timer, "", 0, 0, 0, 0, "", 0},
    {"时钟_启动后稍候弹出提示", Timer, "", 0, 0, 5000, 0, "", 0},
    {"时钟_声音提示", Timer, "", 0, 0, 0, 0, "", 0},
    {"时钟_闪托盘", Timer, "", 0, 0, 0, 0, "", 0},
    {"时钟_激活窗口", Timer, "", 0, 0, 0, 0, "", 0},
    {"时钟_缩至托盘自动打开", Timer, "", 0, 0, 0, 0, "", 0},
    {"设置成功时钟", Timer, "", 0, 0, 0, 0, "", 0},
};

constexpr ui::MenuItemDesign kMoreMenuItems[] = {
    {0, "设置", 0},           {0, "-", ui::kSeparator}, {0, "万年历", 0},         {0, "-", ui::kSeparator},
    {0, "日期间隔计算器", 0}, {0, "-", ui::kSeparator}, {0, "备份恢复", 0},       {1, "备份", 0},
    {1, "-", ui::kSeparator}, {1, "恢复", 0},           {0, "-", ui::kSeparator}, {0, "检查更新", 0},
    {0, "-", ui::kSeparator}, {0, "淘宝搜索框", 0},     {0, "-", ui::kSeparator}, {0, "淘宝淘实惠", 0},
};

constexpr ui::MenuItemDesign kTrayMenuItems[] = {
    {0, "显示主窗口", 0},
    {0, "-", ui::kSeparator},
    {0, "有事件过期时", 0},
    {1, "声音提示", 0},
    {1, "-", ui::kSeparator},
    {1, "闪烁托盘", ui::kItemChecked},
    {1, "-", ui::kSeparator | ui::kItemHidden},
    {1, "激活窗口", ui::kItemHidden},
    {0, "-", ui::kSeparator},
    {0, "淘宝搜索框", 0},
    {0, "-", ui::kSeparator},
    {0, "淘宝淘实惠", 0},
    {0, "-", ui::kSeparator},
    {0, "退出", 0},
};

}  // namespace

const ui::WindowDesign kMainWindowDesign{"主窗口", "Kelu软件之倒计时牌 v1.11", 569, 698, kMainControls};
const ui::MenuDesign kMoreMenuDesign{"更多菜单", kMoreMenuItems};
const ui::MenuDesign kTrayMenuDesign{"托盘菜单", kTrayMenuItems};

}  // namespace orvane::app
