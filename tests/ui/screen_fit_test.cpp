// The dialog opens where its title bar can be seen and grabbed, and not hanging below the
// task bar.
#include "ui/screen_fit.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace tq58::ui {
namespace {

constexpr int kWidth = 595;
constexpr int kHeight = 341;
constexpr int kTitleBar = 26;
constexpr ScreenRect kPrimaryWork{0, 0, 1920, 1040};  // task bar at the bottom
constexpr MonitorArea kPrimary{{0, 0, 1920, 1080}, kPrimaryWork};
// Left of the primary monitor and lower, its task bar on the left.
constexpr MonitorArea kLeftMonitor{{-1280, 56, 0, 1080}, {-1220, 56, 0, 1080}};

struct FitCase {
  const char* name;
  ScreenPoint stored;
  std::vector<MonitorArea> monitors;
  ScreenPoint expected;
};

class FitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitTest, KeepsAVisibleTitleBarOtherwisePlacesOnThePrimaryWorkArea) {
  const FitCase& c = GetParam();
  const ScreenPoint placed =
      OpeningPosition(c.stored, kWidth, kHeight, kTitleBar, c.monitors, kPrimaryWork);
  EXPECT_EQ(placed.Left, c.expected.Left);
  EXPECT_EQ(placed.Top, c.expected.Top);
}

constexpr ScreenPoint kCentred{(1920 - kWidth) / 2, (1040 - kHeight) / 2};

INSTANTIATE_TEST_SUITE_P(
    Positions, FitTest,
    ::testing::Values(
        FitCase{"Default", {100, 100}, {kPrimary}, {100, 100}},
        FitCase{"OnSecondMonitor", {-900, 300}, {kPrimary, kLeftMonitor}, {-900, 300}},
        FitCase{"SecondMonitorUnplugged", {-900, 300}, {kPrimary}, kCentred},
        FitCase{"OnePixelOfTitleBarLeftMovesUp", {1919, 1079}, {kPrimary}, {1919, 1040 - kHeight}},
        FitCase{"EndingOnTheTaskBarMovesUp", {100, 800}, {kPrimary}, {100, 1040 - kHeight}},
        FitCase{"EndingJustAboveTheTaskBar", {100, 1040 - kHeight}, {kPrimary}, {100, 699}},
        FitCase{"AboveTheScreensTopStays", {100, -20}, {kPrimary}, {100, -20}},
        FitCase{"LowOnTheLeftMonitor", {-900, 1000}, {kPrimary, kLeftMonitor}, {-900, 739}},
        // Most of the title bar is on the left monitor, whose work area reaches lower.
        FitCase{"AcrossTwoMonitors", {-400, 900}, {kPrimary, kLeftMonitor}, {-400, 739}},
        FitCase{
            "AcrossTwoMonitorsMostlyPrimary", {-100, 900}, {kPrimary, kLeftMonitor}, {-100, 699}},
        FitCase{"JustRightOfScreen", {1920, 10}, {kPrimary}, kCentred},
        FitCase{"JustLeftOfScreen", {-kWidth, 10}, {kPrimary}, kCentred},
        FitCase{"TitleBarAboveScreen", {10, -kTitleBar}, {kPrimary}, kCentred},
        FitCase{"TitleBarAboveButBodyVisible", {10, -30}, {kPrimary}, kCentred},
        FitCase{"TitleBarAboveLeftMonitor", {-900, 20}, {kPrimary, kLeftMonitor}, kCentred},
        FitCase{"ExtremeValues", {INT_MAX, INT_MIN}, {kPrimary}, kCentred},
        FitCase{"NoMonitorsReported", {100, 100}, {}, kCentred}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(FitOnSmallWorkArea, KeepsTheTopLeftCornerInsideIt) {
  constexpr ScreenRect kSmall{0, 0, 400, 300};
  for (const ScreenPoint stored : {ScreenPoint{5000, 5000}, ScreenPoint{10, 250}}) {
    const ScreenPoint placed =
        OpeningPosition(stored, kWidth, kHeight, kTitleBar, {{{kSmall, kSmall}}}, kSmall);
    EXPECT_EQ(placed.Top, 0) << stored.Left;
    EXPECT_EQ(placed.Left, stored.Left == 10 ? 10 : 0);
  }
}

}  // namespace
}  // namespace tq58::ui
