// The report shown after a replay, in the layout people paste into bug
// reports.
#include <gtest/gtest.h>

#include "frontend/screen_replay.h"

TEST(FrameRateReport, FramesTimeAndRate) {
  const std::string report = Frame_Rate_Report(600, 10.0f);
  EXPECT_NE(report.find("FPS:\t60.000000"), std::string::npos);
  EXPECT_EQ(report, "Frames:\t600\nTime:\t10.000000\nFPS:\t60.000000");
  EXPECT_EQ(Frame_Rate_Report(0, 0.0f), "Frames:\t0\nTime:\t0.000000\nFPS:\t0.000000") << "no time, no rate";
}
