// The composition root: the one place that knows every feature.
#include "program/program.h"

#include "app/backup.h"
#include "app/main_window.h"
#include "app/settings_pane.h"
#include "calendar/calendar_pane.h"
#include "calendar/date_calculator.h"
#include "online/promotion_labels.h"
#include "searchbox/search_box.h"
#include "app/start_with_windows.h"
#include "tray/main_window_tray.h"

namespace orvane::program {

bool start_program() {
  app::main_window = ui::load_window(app::kMainWindowDesign);
  app::connect_main_window();
  app::connect_settings_pane();
  app::connect_backup();
  app::connect_start_with_windows();
  tray::connect_tray();
  online::connect_online();
  // After the online part, which forgets the labels of an earlier run.
  calendar::connect_calendar_pane();
  calendar::connect_date_calculator_openers();
  searchbox::connect_search_box_openers();
  return app::run_start_sequence();
}

int run_program() {
  const int code = start_program() ? ui::run_event_loop() : 0;
  // The exit clean-up: the tray icon and the windows go with the program.
  ui::destroy_window(calendar::date_calculator_window());
  ui::destroy_window(app::main_window);
  return code;
}

}  // namespace orvane::program
