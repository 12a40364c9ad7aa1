#include "searchbox/search_box_design.h"

namespace orvane::searchbox {
namespace {

using enum ui::Kind;
using ui::kCentred;
using ui::kHidden;
constexpr int kWindow = ui::kNoContainer;

#define ROW(name) static_cast<int>(SearchBoxControl::name), #name
#define IN(name) static_cast<int>(SearchBoxControl::name)

constexpr ui::ControlDesign kControls[] = {
    // id, name, kind, container, left, top, width, height, text, flags
    {ROW(标签_拖动柄), Label, kWindow, 0, 0, 242, 16, " TaoBao", 0},
    {ROW(标签_更多按钮), Label, kWindow, 206, 0, 14, 16, "≡", kCentred},
    {ROW(标签_关闭按钮), Label, kWindow, 220, 0, 14, 16, "×", kCentred},
    {ROW(外形框_卓越), ShapeBox, kWindow, 2, 16, 226, 41, "", kHidden},
    {ROW(外形框_卓越编辑框外), ShapeBox, IN(外形框_卓越), 24, 9, 130, 21, "", 0},
    {ROW(编辑框_卓越), Edit, IN(外形框_卓越编辑框外), 1, 1, 128, 19, "", 0},
    {ROW(图片框_卓越开始), Custom, IN(外形框_卓越), 160, 9, 40, 21, "", 0},
    {ROW(外形框_淘当), ShapeBox, kWindow, 2, 165, 230, 47, "", 0},
    {ROW(超文本浏览框), HtmlView, IN(外形框_淘当), -12, -14, 300, 79, "", 0},
};

#undef ROW
#undef IN

constexpr ui::TimerDesign kTimers[] = {
    {static_cast<int>(SearchBoxTimer::时钟_总在最前), "时钟_总在最前", 0},
};

#define CMD(name) static_cast<int>(SearchBoxCommand::name), #name

constexpr ui::MenuItemDesign kTrayMenuItems[] = {
    // level, command, text, flags
    {0, CMD(显示主窗口), 0},
    {0, 0, "-", ui::kSeparator},
    {0, CMD(淘宝淘实惠), 0},
    {0, 0, "-", ui::kSeparator},
    {0, CMD(特别推荐), 0},
    {0, 0, "-", ui::kSeparator},
    {0, CMD(检查更新), 0},
    {0, 0, "-", ui::kSeparator},
    {0, CMD(菜单), ui::kItemHidden},
    {0, 0, "-", ui::kSeparator | ui::kItemHidden},
    {0, CMD(退出), 0},
};

constexpr ui::MenuItemDesign kMoreMenuItems[] = {
    {0, 0, "更换搜索框", 0},     {1, CMD(淘宝), 0},
    {1, 0, "-", ui::kSeparator}, {1, CMD(当当), 0},
    {1, 0, "-", ui::kSeparator}, {1, CMD(卓越), 0},
    {0, 0, "-", ui::kSeparator}, {0, CMD(淘宝淘实惠), 0},
    {0, 0, "-", ui::kSeparator}, {0, 0, "窗口位置", 0},
    {1, CMD(右下), 0},           {1, 0, "-", ui::kSeparator},
    {1, CMD(居中), 0},           {1, 0, "-", ui::kSeparator},
    {1, CMD(中下), 0},           {0, 0, "-", ui::kSeparator},
    {0, 0, "透明度", 0},         {1, CMD(不透明), 0},
    {1, 0, "-", ui::kSeparator}, {1, static_cast<int>(SearchBoxCommand::透明20), "20%", 0},
    {1, 0, "-", ui::kSeparator}, {1, static_cast<int>(SearchBoxCommand::透明40), "40%", 0},
    {1, 0, "-", ui::kSeparator}, {1, static_cast<int>(SearchBoxCommand::透明60), "60%", 0},
    {1, 0, "-", ui::kSeparator}, {1, static_cast<int>(SearchBoxCommand::透明80), "80%", 0},
    {0, 0, "-", ui::kSeparator}, {0, CMD(特别推荐), 0},
};

#undef CMD

constexpr ui::MenuDesign kMenus[] = {
    {static_cast<int>(SearchBoxMenu::托盘菜单), "托盘菜单", kTrayMenuItems},
    {static_cast<int>(SearchBoxMenu::主窗口更多菜单), "主窗口更多菜单", kMoreMenuItems},
};

}  // namespace

const ui::WindowDesign kSearchBoxDesign{
    "搜索框窗口", kSearchBoxCaption, 230,   392, ui::kToolWindow | ui::kTopmost | ui::kLayered,
    kControls,    kTimers,           kMenus};

}  // namespace orvane::searchbox
