#include "online/page_fetch.h"

#include <array>
#include <memory>
#include <mutex>

#include "core/text_codec.h"
#include "online/marker_page.h"
#include "platform/system.h"

namespace orvane::online {
namespace {

// The address being fetched and the page the last finished worker stored.
// Shared with the workers: a late worker holds its slot alive and hands its
// page over under the lock.
struct PageSlot {
  std::mutex lock;
  std::string address;
  std::string page;
};

constexpr std::size_t kUsers = 5;

std::array<std::shared_ptr<PageSlot>, kUsers>& slots() {
  static std::array<std::shared_ptr<PageSlot>, kUsers> s;
  return s;
}

std::shared_ptr<PageSlot> slot_of(PageUser user) {
  std::shared_ptr<PageSlot>& s = slots()[static_cast<std::size_t>(user)];
  if (!s) s = std::make_shared<PageSlot>();
  return s;
}

}  // namespace

void reset_page_slots() {
  for (auto& s : slots()) s.reset();
}

std::optional<std::string> fetch_section(ui::Window caller, PageUser user, std::string_view url,
                                         std::string_view start_marker, std::string_view end_marker) {
  const std::shared_ptr<PageSlot> slot = slot_of(user);
  std::string address(url);
  {
    const std::lock_guard hold(slot->lock);
    slot->address = address;
  }
  sys::run_worker(
      [slot, address] {
        const std::optional<std::string> body = sys::http_get(address, kMaxPageBytes);
        std::string page(body ? cut_at_zero(*body) : std::string_view());
        const std::lock_guard hold(slot->lock);
        slot->page = std::move(page);
      },
      kFetchWaitMs);
  const auto closed = [caller] { return caller && !ui::window_exists(caller); };
  if (closed()) return std::nullopt;
  std::string page;
  {
    const std::lock_guard hold(slot->lock);
    page = slot->page;
  }
  if (page.empty()) return std::string();
  std::string section = extract_between(page, start_marker, end_marker);
  section = remove_amp(std::move(section), [] { ui::process_pending_events(); });
  if (closed()) return std::nullopt;
  return section;
}

}  // namespace orvane::online
