// The board: one block per event line of the event list, then a total line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/date_time.h"

namespace orvane {

inline constexpr std::string_view kBoardPlaceholder = "请先设置；请不要在压缩包内直接运行程序。";
inline constexpr std::string_view kDateTooFar = "请设置距今60年内的日期；设置的倒计时事件中不能有空格。";
inline constexpr std::string_view kAlreadyPassed = "已经过去：";
inline constexpr std::string_view kStillToCome = "还有：";

// The default event list, as UTF-8 (95 bytes once written in GBK).
inline constexpr std::string_view kDefaultEventList =
    "2040年11月27日/Dorsan百岁诞辰纪念日\r\n;2012年1月1日/世界末日\r\n2030年1月2日3时4分5秒/完整格式示例";

std::string countdown_text(DateTime date);
std::size_t count_occurrences(std::string_view needle, std::string_view haystack);

// The date text of an event line: everything before its first "/".
std::string_view event_date_text(std::string_view line);

// The board for the event list text (UTF-8, already cut at its first zero
// byte; empty for a missing or unreadable file), at the clock's current time.
std::string board_text(std::string_view event_list);

}  // namespace orvane
