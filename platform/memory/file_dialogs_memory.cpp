// The common file dialogs in memory: each shows nothing and gives the answer
// the test queued.
#include <deque>
#include <string>
#include <vector>

#include "platform/memory/memory_backend.h"
#include "platform/memory/memory_state.h"
#include "platform/ui.h"

namespace orvane {
namespace {

struct State {
  std::deque<std::string> answers;
  std::vector<memory::FileDialogShown> shown;
};

State& st() {
  static State s;
  return s;
}

std::string answer(ui::Window owner, const ui::FileDialog& dialog, bool save) {
  st().shown.push_back(memory::FileDialogShown{save, dialog, owner});
  if (st().answers.empty()) return {};
  std::string path = std::move(st().answers.front());
  st().answers.pop_front();
  return path;
}

}  // namespace

namespace memory {

void reset_file_dialogs() { st() = State{}; }
void answer_next_file_dialog(std::string path) { st().answers.push_back(std::move(path)); }
const std::vector<FileDialogShown>& file_dialogs_shown() { return st().shown; }

}  // namespace memory

namespace ui {

std::string open_file_dialog(Window owner, const FileDialog& dialog) { return answer(owner, dialog, false); }
std::string save_file_dialog(Window owner, const FileDialog& dialog) { return answer(owner, dialog, true); }

}  // namespace ui
}  // namespace orvane
