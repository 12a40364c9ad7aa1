# Source lists shared by the native, Windows and fuzz builds (relative to the
# source root).
set(ORVANE_CORE_SOURCES
  core/board.cpp
  core/date_time.cpp
  core/full_width.cpp
  core/hide_expired.cpp
  core/text_to_number.cpp
)
if(WIN32)
  list(APPEND ORVANE_CORE_SOURCES core/text_codec_win32.cpp)
else()
  list(APPEND ORVANE_CORE_SOURCES core/text_codec_iconv.cpp)
endif()

# The features and the composition root above them; the same code runs on
# both platform backends.
set(ORVANE_APP_SOURCES
  app/backup.cpp
  app/board_view.cpp
  app/config.cpp
  app/main_window_design.cpp
  app/settings_pane.cpp
  app/start_up.cpp
  calendar/calendar_pane.cpp
  calendar/date_calculator.cpp
  calendar/date_calculator_design.cpp
  calendar/lunar_date.cpp
  calendar/month_calendar.cpp
  calendar/solar_term.cpp
  searchbox/engines.cpp
  searchbox/search_box.cpp
  searchbox/search_box_design.cpp
  searchbox/search_box_placement.cpp
  app/start_with_windows.cpp
  tray/alert_sound.cpp
  tray/expiry_alerts.cpp
  tray/main_window_tray.cpp
  program/program.cpp
)
include(${CMAKE_CURRENT_LIST_DIR}/../online/sources.cmake)
list(APPEND ORVANE_APP_SOURCES ${ORVANE_ONLINE_SOURCES})

# The parts of the platform layer that both backends share.
set(ORVANE_PLATFORM_SHARED_SOURCES
  platform/design_check.cpp
  platform/ini_file.cpp
  platform/ini_text.cpp
  platform/menu_items.cpp
  platform/system_shared.cpp
)

set(ORVANE_WIN32_SOURCES
  platform/win32/aes_win32.cpp
  platform/win32/balloon_win32.cpp
  platform/win32/clipboard_win32.cpp
  platform/win32/html_view_win32.cpp
  platform/win32/http_win32.cpp
  platform/win32/process_win32.cpp
  platform/win32/registry_read_win32.cpp
  platform/win32/controls_win32.cpp
  platform/win32/dialogs_win32.cpp
  platform/win32/entry_win32.cpp
  platform/win32/file_dialogs_win32.cpp
  platform/win32/menus_win32.cpp
  platform/win32/paint_win32.cpp
  platform/win32/shell_win32.cpp
  platform/win32/system_win32.cpp
  platform/win32/timers_win32.cpp
  platform/win32/tray_win32.cpp
  platform/win32/wide.cpp
  platform/win32/window_win32.cpp
)

set(ORVANE_MEMORY_SOURCES
  ${ORVANE_AES_NATIVE_SOURCES}
  platform/memory/file_dialogs_memory.cpp
  platform/memory/shell_memory.cpp
  platform/memory/system_memory.cpp
  platform/memory/ui_memory.cpp
)
