#include "calendar/date_calculator_design.h"

namespace orvane::calendar {
namespace {

using enum ui::Kind;
using ui::kCentred;
using ui::kRaised;
constexpr int kWindow = ui::kNoContainer;

#define ROW(name) static_cast<int>(CalculatorControl::name), #name
#define IN(name) static_cast<int>(CalculatorControl::name)

constexpr ui::ControlDesign kControls[] = {
    // id, name, kind, container, left, top, width, height, text, flags
    {ROW(外形框1), ShapeBox, kWindow, 8, 32, 325, 291, "", 0},
    {ROW(标签_日期间隔计算器假标题栏), Label, IN(外形框1), 0, 0, 312, 16, "日期间隔计算器", kRaised},
    {ROW(标签1), Label, IN(外形框1), 312, 0, 14, 16, "×", kRaised | kCentred},
    {ROW(分组框_计算日期差), GroupBox, IN(外形框1), 8, 27, 309, 117, "计算日期差", 0},
    {ROW(标签_距离1), Label, IN(分组框_计算日期差), 8, 20, 48, 20, "时间一", 0},
    {ROW(日期框_1), DateBox, IN(分组框_计算日期差), 60, 20, 208, 24, "", 0},
    {ROW(标签2), Label, IN(分组框_计算日期差), 269, 20, 32, 20, "现时", kCentred},
    {ROW(标签_距离2), Label, IN(分组框_计算日期差), 8, 50, 48, 20, "时间二", 0},
    {ROW(日期框_2), DateBox, IN(分组框_计算日期差), 60, 50, 208, 24, "", 0},
    {ROW(标签3), Label, IN(分组框_计算日期差), 269, 50, 32, 20, "现时", kCentred},
    {ROW(超级按钮1), Button, IN(分组框_计算日期差), 114, 82, 80, 24, "计算间隔", 0},
    {ROW(分组框2), GroupBox, IN(外形框1), 8, 151, 309, 117, "推算日期", 0},
    {ROW(标签_距离3), Label, IN(分组框2), 8, 20, 48, 20, "距　离", 0},
    {ROW(日期框_3), DateBox, IN(分组框2), 60, 20, 208, 24, "", 0},
    {ROW(标签4), Label, IN(分组框2), 269, 20, 32, 20, "现时", kCentred},
    {ROW(编辑框_天), Edit, IN(分组框2), 60, 50, 92, 20, "", 0},
    {ROW(标签_距离4), Label, IN(分组框2), 157, 50, 150, 20, "天（输入负数则往前计算）", 0},
    {ROW(超级按钮2), Button, IN(分组框2), 120, 82, 80, 24, "推算日期", 0},
    {ROW(标签_广告), Label, IN(外形框1), 2, 274, 321, 16, "淘宝淘实惠", 0},
};

#undef ROW
#undef IN

constexpr ui::TimerDesign kTimers[] = {
    // Fills the promotion label once, three seconds after the window opens.
    {static_cast<int>(CalculatorTimer::时钟_联机), "时钟_联机", 3000},
};

}  // namespace

const ui::WindowDesign kDateCalculatorDesign{"日期间隔计算器", "", 611, 444, 0, kControls, kTimers, {}};

}  // namespace orvane::calendar
