#include "online/open_url.h"

#include "app/main_window.h"
#include "online/addresses.h"
#include "platform/system.h"

namespace orvane::online {
namespace {

constexpr std::string_view kBrowsersKey = "SOFTWARE\\Clients\\StartMenuInternet";

bool starts_with_no_case(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

bool is_web_address(std::string_view url) {
  return starts_with_no_case(url, "http://") || starts_with_no_case(url, "https://");
}

std::optional<std::string> browser_command_line(std::string_view command, std::string_view url) {
  if (!is_web_address(url)) return std::nullopt;
  std::string line(command);
  line += ' ';
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char ch : url) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte <= 0x20 || byte == 0x7F || ch == '"') {
      line += '%';
      line += kHex[byte >> 4];
      line += kHex[byte & 0x0F];
    } else {
      line += ch;
    }
  }
  return line;
}

void open_url(std::string_view url) {
  const std::string address(url);
  const std::string browser = sys::registry_read_local_machine(kBrowsersKey, "").value_or("IEXPLORE.EXE");
  const std::string command = sys::registry_read_local_machine(
                                  std::string(kBrowsersKey) + "\\" + browser + "\\shell\\open\\command", "")
                                  .value_or("");
  const std::optional<std::string> line = browser_command_line(command, address);
  if (line && sys::start_process(*line)) return;
  sys::set_clipboard_text(address);
  ui::message_box(app::main_window, kNoBrowserMessage, kNoBrowserTitle);
}

void connect_fixed_links() {
  using app::MainCommand;
  const ui::Window w = app::main_window;
  // One command for the item of both menus.
  ui::on_command(w, MainCommand::检查更新, [] { open_url(update_page_url); });
  ui::on_command(w, MainCommand::淘宝淘实惠, [] { open_url(shop_channel_url); });
  ui::on_mouse_down(app::main_control(app::MainControl::图片框1), [] { open_url(own_shop_url); });
}

}  // namespace orvane::online
