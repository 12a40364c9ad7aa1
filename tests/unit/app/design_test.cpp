// The platform layer's own rules: designs checked at load, drawn controls,
// workers whose end the test decides.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window_design.h"
#include "platform/memory/memory_backend.h"
#include "platform/system.h"
#include "platform/ui.h"

namespace orvane::testing {
namespace {

using enum ui::Kind;

constexpr ui::ControlDesign kPane{0, "pane", ShapeBox, ui::kNoContainer, 0, 0, 100, 100, "", 0};
constexpr ui::ControlDesign kDrawn{1, "drawn", Custom, 0, 5, 5, 60, 40, "", 0};
constexpr ui::ControlDesign kLabelInLabel{1, "label", Label, 2, 0, 0, 10, 10, "", 0};
constexpr ui::ControlDesign kOutOfOrder{3, "late", Label, ui::kNoContainer, 0, 0, 10, 10, "", 0};
constexpr ui::ControlDesign kInTheLabel{2, "inner", Label, 1, 0, 0, 10, 10, "", 0};
constexpr ui::TimerDesign kTimer{0, "timer", 0};
constexpr ui::MenuItemDesign kTwiceTheSame[] = {{0, 100, "a", 0}, {0, 100, "b", 0}};
constexpr ui::MenuItemDesign kSeparatorWithCommand[] = {{0, 101, "-", ui::kSeparator}};
constexpr ui::MenuItemDesign kNoCommand[] = {{0, 0, "a", 0}};
constexpr ui::MenuItemDesign kSubmenu[] = {{0, 0, "head", 0}, {1, 100, "a", 0}, {0, 101, "b", 0}};

struct DesignCase {
  const char* what;
  std::span<const ui::ControlDesign> controls;
  std::span<const ui::MenuItemDesign> items;
  bool sound;
};

const ui::ControlDesign kSoundControls[] = {kPane, kDrawn};
const ui::ControlDesign kBadOrder[] = {kPane, kOutOfOrder};
const ui::ControlDesign kNotInAShape[] = {kPane, {1, "label", Label, 0, 0, 0, 10, 10, "", 0}, kInTheLabel};
const ui::ControlDesign kForwardContainer[] = {kPane, kLabelInLabel};
const ui::ControlDesign kInAGroup[] = {
    kPane, {1, "group", GroupBox, 0, 0, 0, 50, 50, "", 0}, {2, "inner", DateBox, 1, 5, 5, 40, 20, "", 0}};

class DesignCheck : public ::testing::TestWithParam<DesignCase> {};

TEST_P(DesignCheck, FindsWhatIsWrongAtLoad) {
  const ui::MenuDesign menus[] = {{0, "menu", GetParam().items}};
  const ui::TimerDesign timers[] = {kTimer};
  const ui::WindowDesign design{"test", "", 100, 100, 0, GetParam().controls, timers, menus};
  EXPECT_EQ(ui::design_fault(design).empty(), GetParam().sound) << ui::design_fault(design);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, DesignCheck,
    ::testing::Values(DesignCase{"sound", kSoundControls, kSubmenu, true},
                      DesignCase{"row out of order", kBadOrder, kSubmenu, false},
                      DesignCase{"group box in a pane", kInAGroup, kSubmenu, true},
                      DesignCase{"container not a box", kNotInAShape, kSubmenu, false},
                      DesignCase{"container after the row", kForwardContainer, kSubmenu, false},
                      DesignCase{"command twice in a menu", kSoundControls, kTwiceTheSame, false},
                      DesignCase{"separator with a command", kSoundControls, kSeparatorWithCommand, false},
                      DesignCase{"item without command", kSoundControls, kNoCommand, false}),
    [](const auto& case_info) { return "Case" + std::to_string(case_info.index); });

TEST(MainWindowDesign, IsSound) { EXPECT_EQ(ui::design_fault(app::kMainWindowDesign), ""); }

class Platform : public ::testing::Test {
 protected:
  Platform() { memory::reset(); }
  ~Platform() override { memory::reset(); }
};

TEST_F(Platform, DrawnControlPaintsThroughTheCanvasAndHearsMouseAndKeys) {
  const ui::ControlDesign controls[] = {kPane, kDrawn};
  const ui::WindowDesign design{"test", "", 100, 100, 0, controls, {}, {}};
  const ui::Window w = ui::load_window(design);
  const ui::Control drawn = ui::control(w, 1);
  int presses = 0, wheel = 0;
  ui::Key last_key = ui::Key::Other;
  ui::on_paint(drawn, [&](ui::Canvas& canvas) {
    canvas.fill(ui::Rect{0, 0, canvas.width(), canvas.height()}, ui::Colour{255, 255, 255});
    canvas.text(ui::Rect{0, 0, canvas.width(), 20}, std::to_string(presses), ui::Colour{}, 9, true);
  });
  ui::on_mouse(drawn, [&](const ui::MouseEvent& e) {
    if (e.what == ui::Mouse::LeftDown && ui::Rect{0, 0, 60, 40}.contains(e.at)) ++presses;
    if (e.what == ui::Mouse::Wheel) wheel += e.wheel;
  });
  ui::on_key(drawn, [&](ui::Key k) { last_key = k; });

  memory::mouse(drawn, ui::MouseEvent{ui::Mouse::LeftDown, ui::Point{10, 10}});
  memory::mouse(drawn, ui::MouseEvent{ui::Mouse::Wheel, ui::Point{10, 10}, -2});
  memory::key(drawn, ui::Key::PageDown);
  const ui::Canvas canvas = memory::paint(drawn);
  ASSERT_EQ(canvas.steps().size(), 2u);
  EXPECT_EQ(canvas.width(), 60);
  EXPECT_EQ(canvas.steps()[0].rect, (ui::Rect{0, 0, 60, 40}));
  EXPECT_EQ(canvas.steps()[1].text, "1");
  EXPECT_TRUE(canvas.steps()[1].bold);
  EXPECT_EQ(wheel, -2);
  EXPECT_EQ(last_key, ui::Key::PageDown);
  EXPECT_TRUE(ui::has_focus(drawn)) << "a click gives the control the keyboard";
}

TEST_F(Platform, WorkerThatOutlivesItsWaitFinishesWhenTheTestSays) {
  int done = 0;
  EXPECT_TRUE(sys::run_worker([&] { ++done; }, 10000));
  EXPECT_EQ(done, 1);
  memory::hold_workers(true);
  EXPECT_FALSE(sys::run_worker([&] { ++done; }, 10000)) << "the wait timed out";
  EXPECT_EQ(done, 1);
  EXPECT_EQ(memory::finish_held_workers(), 1);
  EXPECT_EQ(done, 2) << "the late worker ran after all";
}

}  // namespace
}  // namespace orvane::testing
