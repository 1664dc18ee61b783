// The release package as a user gets it: unpacked, it holds both programs, the kit and the
// license, and its batch file runs the transformation under Wine as the host would run it.
// The manifest built into each program, which Windows reads before it starts one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "release/x86_wine_verdict.h"
#include "support/end_to_end.h"
#include "support/files.h"
#include "support/process.h"

namespace {

namespace fs = std::filesystem;

constexpr char kWine[] = "/usr/lib/wine/wine64";
constexpr std::chrono::seconds kTimeLimit{60};
const fs::path kKit = TQ58_KIT_DIR;
const std::vector<std::string> kWineEnvironment = {"WINEPREFIX=" TQ58_WINE_PREFIX, "WINEDEBUG=-all",
                                                   "LANG=C.UTF-8", "DISPLAY"};

// The little-endian number of `size` bytes at `at` of a program's file.
uint32_t LittleEndian(const std::string& program, std::size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(program.at(at + i));
  return value;
}

// The package unpacked into a folder whose name has a blank and Japanese characters.
class ReleasePackage : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(TQ58_PACKAGE_PATH))
        << TQ58_PACKAGE_PATH
        << " is missing: build the windows presets, then cpack --preset windows";
    const fs::path into = root_.Path() / "Jw \xE5\xA4\x96\xE5\xA4\x89";  // "Jw 外変"
    fs::create_directories(into);
    const auto unpacked = tq58_test::RunProcess(
        {TQ58_CMAKE_COMMAND, "-E", "tar", "xf", TQ58_PACKAGE_PATH}, into, {}, kTimeLimit);
    ASSERT_EQ(unpacked.ExitStatus, 0) << unpacked.Stderr;
    folder_ = into / fs::path(TQ58_PACKAGE_PATH).stem();
    ASSERT_TRUE(fs::is_directory(folder_)) << "the package has no folder of its own";
  }

  // Runs the batch file `name` with `arguments` through Wine's cmd, from another working
  // folder, and returns the exchange file it left.
  std::string RunBatch(const std::vector<std::string>& arguments,
                       const std::string& name = "tq58.bat") {
    std::string batch = "Z:" + (folder_ / name).string();
    std::replace(batch.begin(), batch.end(), '/', '\\');
    std::vector<std::string> command = {kWine, "cmd", "/c", batch};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const auto run = tq58_test::RunProcess(command, working_.Path(), kWineEnvironment, kTimeLimit);
    EXPECT_FALSE(run.TimedOut);
    return tq58_test::ReadBytes(folder_ / "JWC_TEMP.TXT");
  }

  // What the native program writes for the bundled sample with the sample presets.
  static std::string NativeResult(const std::vector<std::string>& arguments) {
    const tq58_test::EndToEndCase sample{"Sample",
                                         arguments,
                                         "tq58",
                                         TQ58_SAMPLES_DIR "/JWC_TEMP.TXT",
                                         tq58_test::ReadBytes(kKit / "tq58_sample.dat"),
                                         "unused"};
    const auto outcome = tq58_test::RunEndToEndCase(
        sample, {TQ58_PROGRAM_PATH, "", {}, {}, "native"}, TQ58_SAMPLES_DIR);
    return outcome.Exchange.value_or("");
  }

  tq58_test::TempFolder root_;
  tq58_test::TempFolder working_;
  fs::path folder_;
};

TEST_F(ReleasePackage, HoldsBothProgramsTheKitAndTheLicense) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
    if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), folder_).string());
  }
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"LICENSE.txt", "README_ja.txt", "tq58.bat", "tq58.exe",
                                             "tq58_chain.bat", "tq58_preset.bat", "tq58_sample.dat",
                                             "tq58_settings.bat", "x86/tq58.exe"}));
  for (const char* name : {"README_ja.txt", "tq58.bat", "tq58_chain.bat", "tq58_preset.bat",
                           "tq58_sample.dat", "tq58_settings.bat"}) {
    EXPECT_EQ(tq58_test::ReadBytes(folder_ / name), tq58_test::ReadBytes(kKit / name)) << name;
  }
  EXPECT_EQ(tq58_test::ReadBytes(folder_ / "LICENSE.txt"),
            tq58_test::ReadBytes(fs::path(TQ58_SOURCE_DIR) / "LICENSE"));
  // No settings file of the user's name: unpacking over an installation keeps the presets.
  EXPECT_FALSE(fs::exists(folder_ / "tq58.dat"));
}

// As README_ja.txt says: the sample presets copied to tq58.dat, then the host's run of the
// batch file with the item that the user picked.
TEST_F(ReleasePackage, TransformsThroughItsBatchFile) {
  fs::copy_file(folder_ / "tq58_sample.dat", folder_ / "tq58.dat");
  const std::string input = tq58_test::ReadBytes(TQ58_SAMPLES_DIR "/JWC_TEMP.TXT");
  for (const std::string argument : {"1", "2"}) {
    tq58_test::WriteBytes(folder_ / "JWC_TEMP.TXT", input);
    const std::string written = RunBatch({argument});
    EXPECT_TRUE(written.starts_with("lg")) << written;
    EXPECT_EQ(written, NativeResult({argument})) << "item " << argument;
  }
}

// The batch file that asks for the preset: the host hands it the answer, which it passes on
// as "/pN" to a polyline; no answer, or one that is no preset number, draws the current preset
// (the sample's preset 1).
TEST_F(ReleasePackage, DrawsThePresetThatTheUserTypedThroughItsPresetBatchFile) {
  fs::copy_file(folder_ / "tq58_sample.dat", folder_ / "tq58.dat");
  const std::string input = tq58_test::ReadBytes(TQ58_SAMPLES_DIR "/JWC_TEMP.TXT");
  const std::string current = NativeResult({"2"});
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"3"}, NativeResult({"2", "/p3"})}, {{}, current}, {{"x"}, current}};
  for (const auto& [answer, expected] : cases) {
    tq58_test::WriteBytes(folder_ / "JWC_TEMP.TXT", input);
    EXPECT_EQ(RunBatch(answer, "tq58_preset.bat"), expected) << answer.size() << " arguments";
  }
  EXPECT_NE(NativeResult({"2", "/p3"}), current);
}

// The batch file of chain mode, with either item: the bundled sample's curve is the path of its
// indicated points, so the chain draws what the polyline draws, then tells what it left out.
TEST_F(ReleasePackage, DrawsAlongTheSelectedLinesThroughItsChainBatchFile) {
  fs::copy_file(folder_ / "tq58_sample.dat", folder_ / "tq58.dat");
  const std::string input = tq58_test::ReadBytes(TQ58_SAMPLES_DIR "/JWC_TEMP.TXT");
  for (const auto& [item, arguments] :
       {std::pair<std::string, std::vector<std::string>>{"1", {"1", "/s"}},
        {"2", {"1", "/s", "/r"}}}) {
    tq58_test::WriteBytes(folder_ / "JWC_TEMP.TXT", input);
    EXPECT_EQ(RunBatch({item}, "tq58_chain.bat"), NativeResult(arguments)) << "item " << item;
  }
  const std::string chain = NativeResult({"1", "/s"});
  EXPECT_TRUE(chain.starts_with(NativeResult({"2"}))) << chain;
  EXPECT_NE(chain.find("\r\nh#"), std::string::npos) << chain;
}

// The same with the 32-bit program put in the 64-bit one's place, as on a 32-bit Windows.
TEST_F(ReleasePackage, TransformsThroughItsBatchFileWithThe32BitProgram) {
  if (const auto reason = tq58_test::X86WineUnavailable()) GTEST_SKIP() << *reason;
  fs::copy_file(folder_ / "tq58_sample.dat", folder_ / "tq58.dat");
  fs::copy_file(folder_ / "x86" / "tq58.exe", folder_ / "tq58.exe",
                fs::copy_options::overwrite_existing);
  tq58_test::WriteBytes(folder_ / "JWC_TEMP.TXT",
                        tq58_test::ReadBytes(TQ58_SAMPLES_DIR "/JWC_TEMP.TXT"));
  EXPECT_EQ(RunBatch({"2"}), NativeResult({"2"})) << "the 32-bit program";
}

// Both programs are shipped stripped: a PE file's COFF header then points to no symbol table,
// and no section holds debug information.
TEST_F(ReleasePackage, ShipsStrippedPrograms) {
  for (const char* name : {"tq58.exe", "x86/tq58.exe"}) {
    const std::string program = tq58_test::ReadBytes(folder_ / name);
    ASSERT_GT(program.size(), 0x40u) << name;
    const std::size_t coffHeader = LittleEndian(program, 0x3C, 4) + 4;  // after "PE\0\0"
    EXPECT_EQ(program.substr(coffHeader - 4, 4), std::string("PE\0\0", 4)) << name;
    EXPECT_EQ(LittleEndian(program, coffHeader + 8, 4), 0u) << name << " has a symbol table";
    EXPECT_EQ(program.find(".debug_"), std::string::npos) << name << " has debug sections";
  }
}

// Each program's manifest names the architecture of its own machine code (that of the COFF
// header): Windows refuses to start a program whose manifest names another, Wine does not
// check. Both keep the common controls of version 6 that the dialog is drawn with.
TEST(BuiltPrograms, EmbedAManifestOfTheirOwnArchitecture) {
  constexpr char kWrestool[] = "/usr/bin/wrestool";
  if (!fs::exists(kWrestool)) GTEST_SKIP() << "no " << kWrestool << ": icoutils is not installed";
  const char* const programs[] = {TQ58_WINDOWS_PROGRAM_PATH, TQ58_X86_PROGRAM_PATH};
  for (const char* path : programs) {
    if (!fs::exists(path)) GTEST_SKIP() << path << " is not built";
  }
  const std::regex own(
      R"re(<assemblyIdentity[^>]* name="tq58"[^>]* processorArchitecture="([^"]*)")re");
  const std::regex commonControls(
      R"re(<assemblyIdentity[^>]* name="Microsoft\.Windows\.Common-Controls")re"
      R"re( version="6\.0\.0\.0")re");
  for (const char* path : programs) {
    const std::string program = tq58_test::ReadBytes(path);
    const uint32_t machine = LittleEndian(program, LittleEndian(program, 0x3C, 4) + 4, 2);
    const std::string architecture = machine == 0x8664 ? "amd64" : machine == 0x14C ? "x86" : "?";
    const auto manifest = tq58_test::RunProcess(
        {kWrestool, "--extract", "--raw", "--type=24", path}, fs::current_path(), {}, kTimeLimit);
    std::smatch identity;
    ASSERT_TRUE(std::regex_search(manifest.Stdout, identity, own)) << path << manifest.Stderr;
    EXPECT_EQ(identity[1], architecture) << path;
    EXPECT_TRUE(std::regex_search(manifest.Stdout, commonControls)) << manifest.Stdout;
  }
}

}  // namespace
