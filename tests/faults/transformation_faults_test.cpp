// A whole transformation run whose final write fails, at every byte through a full disk and
// before the first through a want of file descriptors: the host finds no exchange file, never
// a partial one or its own input, and the settings file stays byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/program_run.h"
#include "app/run_mode.h"
#include "support/files.h"
#include "support/real_faults.h"

namespace tq58 {
namespace {

namespace fs = std::filesystem;

class TransformationFaults : public testing::Test {
 protected:
  void SetUp() override {
    files_ = {folder_ / "JWC_TEMP.TXT", folder_ / "tq58.dat"};
    input_ = tq58_test::ReadBytes(fs::path(TQ58_SAMPLES_DIR) / "JWC_TEMP.TXT");
    settings_ = tq58_test::ReadBytes(fs::path(TQ58_SAMPLES_DIR) / "tq58.dat");
    // The bundled sample draws something; its output is what each failed run tries to write.
    PlaceFiles();
    RunTransformation(files_, kPolylineMode);
    output_ = tq58_test::ReadBytes(files_.ExchangeFile);
    ASSERT_NE(output_.find("\r\nci "), std::string::npos);
  }

  void PlaceFiles() const {
    std::ofstream(files_.ExchangeFile, std::ios::binary) << input_;
    std::ofstream(files_.SettingsFile, std::ios::binary) << settings_;
  }

  // Calls `run`, a transformation with a fault armed, and checks what its failed write leaves.
  void ExpectFailedRunLeavesNoExchangeFile(const std::function<void()>& run,
                                           const std::string& what) {
    PlaceFiles();
    run();
    ASSERT_FALSE(fs::exists(files_.ExchangeFile)) << what;
    ASSERT_TRUE(tq58_test::ReadBytes(files_.SettingsFile) == settings_) << what;
    ASSERT_EQ(tq58_test::EntryCount(folder_), 1u) << what;
  }

  tq58_test::TempFolder temp_;
  const fs::path folder_ = temp_.Path();
  ProgramFiles files_;
  std::string input_;
  std::string settings_;
  std::string output_;
};

// No file can be opened: the run reads nothing and cannot create its output either.
TEST_F(TransformationFaults, NoFileDescriptorLeftLeavesNoExchangeFile) {
  ExpectFailedRunLeavesNoExchangeFile(
      [&] {
        const faults::ScopedNoFileDescriptors none;
        RunTransformation(files_, kPolylineMode);
      },
      "no file descriptor left");
}

TEST_F(TransformationFaults, DiskFullAtAnyByteLeavesNoExchangeFile) {
  for (std::size_t limit = 0; limit < output_.size(); ++limit) {
    ExpectFailedRunLeavesNoExchangeFile(
        [&] {
          const faults::ScopedFileSizeLimit full(limit);
          RunTransformation(files_, kPolylineMode);
        },
        "disk full after " + std::to_string(limit) + " bytes");
  }
  PlaceFiles();
  const faults::ScopedFileSizeLimit exactlyEnough(output_.size());
  RunTransformation(files_, kPolylineMode);
  EXPECT_TRUE(tq58_test::ReadBytes(files_.ExchangeFile) == output_);
}

}  // namespace
}  // namespace tq58
