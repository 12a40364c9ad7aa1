// The window design of the date interval calculator.
#pragma once

#include "platform/ui.h"

namespace orvane::calendar {

// In design order; rows inside a group box follow it.
enum class CalculatorControl : int {
  外形框1,
  标签_日期间隔计算器假标题栏,
  标签1,
  分组框_计算日期差,
  标签_距离1,
  日期框_1,
  标签2,
  标签_距离2,
  日期框_2,
  标签3,
  超级按钮1,
  分组框2,
  标签_距离3,
  日期框_3,
  标签4,
  编辑框_天,
  标签_距离4,
  超级按钮2,
  标签_广告,
};

enum class CalculatorTimer : int { 时钟_联机 };

extern const ui::WindowDesign kDateCalculatorDesign;

}  // namespace orvane::calendar
