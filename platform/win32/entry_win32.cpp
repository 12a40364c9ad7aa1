// Program entry on Windows.
#include <ole2.h>
#include <windows.h>

#include "program/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // OLE on the GUI thread for the HTML view (a COM control with drag and drop).
  const HRESULT ole = OleInitialize(nullptr);
  const int code = orvane::program::run_program();
  if (SUCCEEDED(ole)) OleUninitialize();
  return code;
}
