# Application and tray sources, shared by the product and the native app tests.
set(ORVANE_APP_SOURCES
  app/board_view.cpp
  app/config.cpp
  app/main_window_design.cpp
  app/program.cpp
  app/settings_pane.cpp
  app/start_up.cpp
  tray/alert_sound.cpp
  tray/expiry_alerts.cpp
  tray/main_window_tray.cpp
)
