// One transformation run with explicit files: what is read, what is written back, and what
// the host gets when the construction fails.
#include "app/program_run.h"

#include <gtest/gtest.h>

#include <exception>
#include <new>
#include <optional>

#include "exchange/writer.h"
#include "support/files.h"
#include "support/real_faults.h"
#include "ui/sjis.h"

namespace {

namespace fs = std::filesystem;
using tq58::ui::testing::Sjis;
using tq58_test::ReadBytes;
using tq58_test::SettingsRow;
using tq58_test::WriteBytes;

class ProgramRunTest : public testing::Test {
 protected:
  tq58::ProgramFiles Files() const {
    return {folder_.Path() / "JWC_TEMP.TXT", folder_.Path() / "tq58.dat"};
  }
  tq58_test::TempFolder folder_;
};

TEST_F(ProgramRunTest, WithoutAnyFileOnlyTheLayerLinesAreWritten) {
  tq58::RunTransformation(Files(), 2);
  EXPECT_EQ(ReadBytes(Files().ExchangeFile), "lg0\r\nly0\r\n");
  EXPECT_FALSE(fs::exists(Files().SettingsFile));
}

TEST_F(ProgramRunTest, DrawsTheCurrentPresetOnTheHostsLayer) {
  WriteBytes(Files().ExchangeFile,
             "file=C:\\jww\\a.jww\r\nlgA\r\nly3\r\nlg2\r\nlc5\r\nhp1 100 100\r\nhp2 110 100\r\n"
             "hp3 110 120\r\n");
  SettingsRow row;
  row.DrawOn = "1";
  row.Spacing = "2";
  row.ColorIndex = "3";
  WriteBytes(Files().SettingsFile, tq58_test::SettingsFileText(5, 5, {row}));

  // Mode 1 draws along the first two points only: the base segment moved 2 to its left.
  tq58::RunTransformation(Files(), 1);
  EXPECT_EQ(ReadBytes(Files().ExchangeFile), "lgA\r\nly3\r\nlc3\r\nlt1\r\n100 102 110 102\r\n");
}

// A file that is there but cannot be read draws nothing: the host's user is told which one
// and why, in one error line.
TEST_F(ProgramRunTest, AnUnreadableFileDrawsNothingAndTellsWhy) {
  const std::string points = "hp1 0 0\r\nhp2 10 0\r\n";
  SettingsRow row;
  row.DrawOn = "1";
  const std::string settings = tq58_test::SettingsFileText(1, 1, {row});

  WriteBytes(Files().ExchangeFile, points);
  fs::create_directory(Files().SettingsFile);
  tq58::RunTransformation(Files(), 2);
  EXPECT_EQ(ReadBytes(Files().ExchangeFile),
            "he" + Sjis("tq58: 設定ファイル tq58.dat を読めません。何も描いていません。"
                        "理由：同じ名前のフォルダーがあります。\r\n"));
  EXPECT_TRUE(fs::is_directory(Files().SettingsFile));

  fs::remove(Files().SettingsFile);
  WriteBytes(Files().SettingsFile, settings);
  fs::remove(Files().ExchangeFile);
  fs::create_symlink(tq58::faults::kFailingReadFile, Files().ExchangeFile);
  tq58::RunTransformation(Files(), 2);
  EXPECT_EQ(ReadBytes(Files().ExchangeFile),
            "he" + Sjis("tq58: Jw_cad から渡されたファイル JWC_TEMP.TXT を読めません。"
                        "何も描いていません。理由：Input/output error\r\n"));
  EXPECT_EQ(ReadBytes(Files().SettingsFile), settings);
}

TEST_F(ProgramRunTest, TheRunModeGivesThePointLimit) {
  static int32_t seenLimit = -1;
  const tq58::DrawOperation recordLimit =
      [](const tq58::PresetStore&, const tq58::exchange::ExchangeModel&,
         tq58::exchange::WriterState&, int32_t pointLimit) { seenLimit = pointLimit; };
  for (const auto& [runMode, limit] : {std::pair{1, 1}, std::pair{2, 98}}) {
    tq58::ProgramRun run;
    tq58::StartProgramRun(run, Files());
    tq58::TransformExchangeFile(run, runMode, Files(), recordLimit);
    EXPECT_EQ(seenLimit, limit) << "run mode " << runMode;
  }
}

// A construction that emits a segment and then fails.
template <typename Fault>
void FailAfterOneSegment(const tq58::PresetStore&, const tq58::exchange::ExchangeModel&,
                         tq58::exchange::WriterState& writer, int32_t) {
  tq58::exchange::OutSegment(writer, 0, 0, 10, 10);
  throw Fault();
}

TEST_F(ProgramRunTest, AFaultInTheConstructionLeavesTheHostNothingToDraw) {
  for (const tq58::DrawOperation failing :
       {&FailAfterOneSegment<std::bad_alloc>, &FailAfterOneSegment<std::bad_exception>,
        &FailAfterOneSegment<int>}) {
    WriteBytes(Files().ExchangeFile, "lg1\r\nhp1 0 0\r\nhp2 5 5\r\n0 0 5 5\r\n");
    tq58::ProgramRun run;
    tq58::StartProgramRun(run, Files());
    tq58::TransformExchangeFile(run, 2, Files(), failing);
    EXPECT_EQ(ReadBytes(Files().ExchangeFile), "hq\r\n");
  }
}

TEST_F(ProgramRunTest, TheSettingsFileIsOnlyRead) {
  SettingsRow row;
  row.DrawOn = "1";
  row.Radius = "-2";  // loading makes it 0; a save would write "0"
  const std::string settings = tq58_test::SettingsFileText(3, 3, {row});
  WriteBytes(Files().SettingsFile, settings);
  const auto writeTime = fs::last_write_time(Files().SettingsFile);

  // Neither with the current preset nor with one chosen for this run ("/p5").
  for (const std::optional<int32_t> preset :
       {std::optional<int32_t>{}, std::optional<int32_t>{5}}) {
    tq58::RunTransformation(Files(), 2, {preset});
    EXPECT_EQ(ReadBytes(Files().SettingsFile), settings);
    EXPECT_EQ(fs::last_write_time(Files().SettingsFile), writeTime);
  }
  // Nothing else was left in the folder, no temporary file either.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 2);
}

TEST_F(ProgramRunTest, StartingARunWritesNeitherFile) {
  const std::string exchange = "lg4\r\nly7\r\nhp1 1 2\r\n";
  const std::string settings = tq58_test::SettingsFileText(7, 7, {});
  WriteBytes(Files().ExchangeFile, exchange);
  WriteBytes(Files().SettingsFile, settings);

  tq58::ProgramRun run;
  tq58::StartProgramRun(run, Files());
  EXPECT_EQ(run.Model.HostLayerGroup, 4);
  EXPECT_EQ(run.Model.HostLayer, 7);
  EXPECT_EQ(run.Store.CurrentPreset, 7);
  tq58::EndProgramRun(run);

  EXPECT_EQ(ReadBytes(Files().ExchangeFile), exchange);
  EXPECT_EQ(ReadBytes(Files().SettingsFile), settings);
}

}  // namespace
