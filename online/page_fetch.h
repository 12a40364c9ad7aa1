// Fetching marker pages on a worker thread into the page slots of their users.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace orvane::online {

// The users of fetch_section; each has one page slot.
enum class PageUser { MainWindow, Calculator, MiniWindowA, MiniWindowB, SearchBox };

// A page larger than this counts as a failed request.
inline constexpr std::size_t kMaxPageBytes = std::size_t{8} << 20;
inline constexpr int kFetchWaitMs = 10000;

// Fetches the page into the user's slot and returns its outer section between
// the markers (GBK bytes) with every "amp;" removed; empty when the page has
// none. The wait lasts at most kFetchWaitMs and window events go on being
// handled meanwhile; after a timeout the section comes from the page that the
// last finished fetch of the same user stored. Nothing when the window was
// closed during the wait: its handler drops the result.
std::optional<std::string> fetch_section(ui::Window caller, PageUser user, std::string_view url,
                                         std::string_view start_marker, std::string_view end_marker);

// Forgets every slot's address and page (start of the program). A worker that
// still runs keeps its own slot alive and fills that one.
void reset_page_slots();

}  // namespace orvane::online
