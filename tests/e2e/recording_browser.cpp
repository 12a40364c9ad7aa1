// A stand-in for the default browser: appends each of its arguments after
// the first, as UTF-8 on a line of its own, to the file the first names, then
// a line "--".
#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args || count < 2) return 1;
  std::string text;
  for (int i = 2; i < count; ++i) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, args[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, args[i], -1, arg.data(), n, nullptr, nullptr);
    text += arg + "\n";
  }
  text += "--\n";
  FILE* f = _wfopen(args[1], L"ab");
  if (!f) return 1;
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
  LocalFree(args);
  return 0;
}
