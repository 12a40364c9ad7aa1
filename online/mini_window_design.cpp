#include "online/mini_window_design.h"

namespace orvane::online {
namespace {

using enum ui::Kind;
constexpr int kWindow = ui::kNoContainer;

#define ROW(name) static_cast<int>(MiniControl::name), #name
#define IN(name) static_cast<int>(MiniControl::name)

constexpr ui::ControlDesign kControls[] = {
    // id, name, kind, container, left, top, width, height, text, flags
    {ROW(外形框_最外), ShapeBox, kWindow, 0, 0, 298, 112, "", 0},
    {ROW(标签1), Label, IN(外形框_最外), 0, 0, 287, 9, "", ui::kRaised},
    {ROW(标签_1), Label, IN(外形框_最外), 287, 0, 11, 9, "×", ui::kRaised | ui::kCentred},
    {ROW(外形框_里层), ShapeBox, IN(外形框_最外), 1, 10, 296, 101, "", 0},
    {ROW(超文本浏览框_1), HtmlView, IN(外形框_里层), 0, 0, 296, 101, "", 0},
};

#undef ROW
#undef IN

}  // namespace

const ui::WindowDesign kMiniWindowDesign{"迷你资讯窗口", kMiniCaption, 298, 112, 0, kControls, {}, {}};

}  // namespace orvane::online
