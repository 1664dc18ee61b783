// Line splitting of text files: line breaks, carriage returns, Ctrl-Z, long lines; whole
// files read as they are.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/files.h"
#include "util/text_file.h"

namespace {

namespace fs = std::filesystem;

class TextFileRead : public testing::Test {
 protected:
  std::vector<std::string> LinesOf(const std::string& bytes,
                                   tq58::util::ReadResult* result = nullptr) {
    const fs::path path = folder_ / "file.txt";
    std::ofstream(path, std::ios::binary) << bytes;
    std::vector<std::string> lines;
    const auto r = tq58::util::ForEachTextLine(path, [&](std::string_view line) {
      lines.emplace_back(line);
      return true;
    });
    if (result) *result = r;
    return lines;
  }

  tq58_test::TempFolder temp_;
  const fs::path folder_ = temp_.Path();
};

using Lines = std::vector<std::string>;

TEST_F(TextFileRead, SplitsAtLineFeedsAndDropsCarriageReturns) {
  EXPECT_EQ(LinesOf("a\r\nb\nc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(LinesOf("a\rb\r\n\r\n"), (Lines{"ab", ""}));
  EXPECT_EQ(LinesOf("\n\n"), (Lines{"", ""}));
  EXPECT_EQ(LinesOf(""), Lines{});
}

TEST_F(TextFileRead, StopsAtCtrlZ) {
  EXPECT_EQ(LinesOf("a\nb\x1A"
                    "c\nd\n"),
            (Lines{"a", "b"}));
  EXPECT_EQ(LinesOf("\x1A"
                    "a\n"),
            Lines{});
}

TEST_F(TextFileRead, KeepsNulBytesAndVeryLongLines) {
  const std::string longLine(300000, 'x');
  EXPECT_EQ(LinesOf(std::string("a\0b\n", 4) + longLine + "\r\nz"),
            (Lines{std::string("a\0b", 3), longLine, "z"}));
}

TEST_F(TextFileRead, ReportsMissingFileAndStopsWhenAsked) {
  EXPECT_EQ(tq58::util::ForEachTextLine(folder_ / "none.txt", [](std::string_view) { return true; })
                .Failure,
            tq58::util::ReadFailure::Missing);
  const fs::path path = folder_ / "file.txt";
  std::ofstream(path, std::ios::binary) << "1\n2\n3\n";
  int calls = 0;
  EXPECT_TRUE(tq58::util::ForEachTextLine(path, [&](std::string_view) { return ++calls < 2; }));
  EXPECT_EQ(calls, 2);
}

TEST_F(TextFileRead, WholeFileGivesTheBytesOrNothing) {
  const fs::path file = folder_ / "a.dat";
  EXPECT_EQ(tq58::util::ReadWholeFile(file), std::nullopt);
  const std::string bytes = std::string("\r\n\x1A\0", 4) + std::string(70000, 'z');
  tq58_test::WriteBytes(file, bytes);
  EXPECT_EQ(tq58::util::ReadWholeFile(file), bytes);
  EXPECT_EQ(tq58::util::ReadWholeFile(folder_), std::nullopt);  // a folder reads as none
}

}  // namespace
