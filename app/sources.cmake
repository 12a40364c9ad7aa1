# Application sources, shared by the product and the native app tests.
set(ORVANE_APP_SOURCES
  app/board_view.cpp
  app/config.cpp
  app/main_window_design.cpp
  app/program.cpp
  app/settings_pane.cpp
  app/start_up.cpp
)
