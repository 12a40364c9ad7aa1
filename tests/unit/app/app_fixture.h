// A fresh run directory and in-memory system for each application test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "app/main_window.h"
#include "core/text_codec.h"
#include "fixed_clock.h"
#include "platform/memory/memory_backend.h"
#include "program/program.h"

namespace orvane::testing {

using app::MainCommand;
using enum app::MainControl;
using enum app::MainTimer;

class AppTest : public ::testing::Test {
 protected:
  AppTest() : clock_(CivilTime{2030, 1, 2, 3, 4, 15}) {
    memory::reset();
    dir_ = std::filesystem::temp_directory_path() /
           ("orvane_app_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    memory::set_executable_path((dir_ / "Orvane.exe").string());
    memory::set_screen(ui::ScreenInfo{1024, 768, ui::Rect{0, 0, 1024, 738}});
  }
  ~AppTest() override {
    memory::reset();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  std::filesystem::path file(const std::string& name) const { return dir_ / name; }
  bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
  std::optional<std::string> read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
  }
  // Writes UTF-8 text as GBK.
  void write_gbk(const std::string& name, std::string_view utf8) const { write(name, *utf8_to_gbk(utf8)); }
  std::string read_utf8(const std::string& name) const { return gbk_to_utf8(read(name).value_or("")); }

  static ui::Control c(app::MainControl id) { return app::main_control(id); }
  static ui::Timer t(app::MainTimer id) { return app::main_timer(id); }
  static std::string text_of(app::MainControl id) { return ui::text(c(id)); }
  static int period_of(app::MainTimer id) { return ui::period(t(id)); }

  void start() { ASSERT_TRUE(program::start_program()); }

  FixedClock clock_;
  std::filesystem::path dir_;
};

}  // namespace orvane::testing
