// The common open and save dialogs.
#include <windows.h>
// after windows.h
#include <commdlg.h>

#include <string>

#include "platform/ui.h"
#include "platform/win32/trace.h"
#include "platform/win32/ui_objects.h"
#include "platform/win32/wide.h"

namespace orvane::ui {
namespace {

using namespace win32;

// The buffer for the chosen path: long paths fit.
constexpr std::size_t kPathChars = 32768;

// "name|pattern|..." as the dialog takes it: parts ended by NUL, a second NUL at the end.
std::wstring filter_of(std::string_view filter) {
  std::wstring w = widen(filter);
  for (wchar_t& c : w)
    if (c == L'|') c = L'\0';
  w.push_back(L'\0');
  w.push_back(L'\0');
  return w;
}

std::string run_dialog(Window owner, const FileDialog& d, bool save) {
  const WindowObject* o = object(owner);
  const std::wstring filter = filter_of(d.filter);
  const std::wstring folder = widen(d.initial_folder);
  const std::wstring extension = widen(d.default_extension);
  for (const bool with_name : {true, false}) {
    std::wstring file(kPathChars, L'\0');
    if (with_name) {
      const std::wstring name = widen(d.file_name);
      if (name.empty()) continue;
      if (name.size() >= kPathChars) continue;
      file.replace(0, name.size(), name);
    }
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = o ? o->hwnd : nullptr;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (chosen) return narrow(file.c_str());
    const DWORD error = CommDlgExtendedError();
    if (error == 0) return {};  // cancelled
    trace_failure(save ? L"GetSaveFileNameW" : L"GetOpenFileNameW", error);
    // A last path the dialog refuses (gone, too long) must not lock the
    // user out: the dialog opens once more with an empty name field.
    if (!with_name) return {};
  }
  return {};
}

}  // namespace

std::string open_file_dialog(Window owner, const FileDialog& dialog) {
  return run_dialog(owner, dialog, false);
}
std::string save_file_dialog(Window owner, const FileDialog& dialog) {
  return run_dialog(owner, dialog, true);
}

}  // namespace orvane::ui
