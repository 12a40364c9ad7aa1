// Opening web addresses in the default browser.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::online {

inline constexpr std::string_view kNoBrowserMessage =
    "未发现默认网络浏览器或默认网络浏览器配置错误，该网址已送至剪贴板。";
inline constexpr std::string_view kNoBrowserTitle = "提示：";

// An http:// or https:// address (any letter case).
bool is_web_address(std::string_view url);

// The browser's command line for an address: the registered command, one
// blank and the address. Addresses arrive from the network, so only http://
// and https:// addresses are started, and blanks, tabs, double quotes and
// control characters in them are percent-encoded: the address always reaches
// the browser as one argument. Nothing for any other address.
std::optional<std::string> browser_command_line(std::string_view command, std::string_view url);

// Starts the default browser (read from the registry on every call) with the
// address. When that fails, the address goes to the clipboard and a message
// says so; the call returns when the user has closed it.
void open_url(std::string_view url);

// The menu items and the picture box that open fixed addresses.
void connect_fixed_links();

}  // namespace orvane::online
