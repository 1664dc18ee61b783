// Reading whole exchange files: missing and unreadable files, line breaks, Ctrl-Z, bad bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "exchange/reader.h"
#include "support/files.h"

namespace {

namespace fs = std::filesystem;
using namespace tq58::exchange;

class ReadExchangeFileTest : public testing::Test {
 protected:
  fs::path Write(const std::string& bytes) {
    const fs::path path = folder_ / "JWC_TEMP.TXT";
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  tq58_test::TempFolder temp_;
  const fs::path folder_ = temp_.Path();
  ExchangeModel model_;
};

TEST_F(ReadExchangeFileTest, MissingOrUnreadableFileLeavesTheModelUntouched) {
  EXPECT_FALSE(ReadExchangeFile(model_, folder_ / "JWC_TEMP.TXT"));
  EXPECT_FALSE(ReadExchangeFile(model_, folder_));  // a folder cannot be read as a file
  EXPECT_EQ(model_, ExchangeModel());
}

TEST_F(ReadExchangeFileTest, ReadsEveryLineWhateverItsBreak) {
  const fs::path path = Write("lg3\r\nly4\nlc\r5\r\nhp1 1 2\r\nhp2 3 4");
  EXPECT_TRUE(ReadExchangeFile(model_, path));
  EXPECT_EQ(model_.HostLayerGroup, 3);
  EXPECT_EQ(model_.HostLayer, 4);
  EXPECT_EQ(model_.HostLineColor, 5);  // a lone CR is dropped from the line
  EXPECT_EQ(model_.HpPoints[2], (THpPoint{true, 3.0, 4.0, HpPlain}));  // no final line feed
}

TEST_F(ReadExchangeFileTest, CtrlZEndsTheFile) {
  EXPECT_TRUE(ReadExchangeFile(model_, Write("hp1 1 2\nhp2 3\x1A 4\nhp3 5 6\n")));
  EXPECT_TRUE(model_.HpPoints[1].Defined);
  EXPECT_FALSE(model_.HpPoints[2].Defined);  // "hp2 3" has too few fields
  EXPECT_FALSE(model_.HpPoints[3].Defined);
}

TEST_F(ReadExchangeFileTest, SurvivesBadBytesAndHugeLines) {
  std::string bytes = std::string("hp1 1\0 2\n", 9);            // NUL inside a field is dropped
  bytes += std::string(1 << 20, '7') + " 1 2 3 4 5 6 7 8 9\n";  // a megabyte first field
  bytes += "ch 0 0 1 0 \"" + std::string(1 << 20, 'a') + "\n";
  bytes += "1e400 -x 1,5 0x\n";  // numbers that do not convert are 0
  bytes += "lc7 \x82";           // a lead byte as the last byte of the file
  EXPECT_TRUE(ReadExchangeFile(model_, Write(bytes)));
  EXPECT_EQ(model_.HpPoints[1], (THpPoint{true, 1.0, 2.0, HpPlain}));
  ASSERT_EQ(model_.TextList.size(), 1u);
  EXPECT_EQ(model_.TextList[0].Text, std::string(255, 'a'));
  ASSERT_EQ(model_.LineList.size(), 1u);
  EXPECT_EQ(model_.LineList[0], (TJwwEntLine{{0, 0, 0, 1, 1, 0, 0}, 0, 0.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(model_.HostLineColor, 7);
}

// Past its first megabyte a file's lists are sized from what was read so far; a file whose mix
// of entities changes after that point must still read exactly as its lines one by one.
TEST_F(ReadExchangeFileTest, LargeFileReadsAsItsLines) {
  std::vector<std::string> lines;
  std::size_t bytes = 0;
  for (int k = 0; bytes < (3u << 20); ++k) {
    const std::string n = std::to_string(k);
    if (bytes < (1u << 20)) {
      lines.push_back(k % 4 == 0 ? "ci " + n + " 2 3" : n + " 1.5 " + n + " -2");
    } else {
      lines.push_back(k % 3 == 0 ? "ch " + n + " 2 1 0 \"t" + n : "sl 0 0 1 0 1 " + n + " 0 1");
    }
    bytes += lines.back().size() + 2;
  }
  std::string content;
  ExchangeModel expected;
  for (const std::string& line : lines) {
    content += line + "\r\n";
    ParseExchangeLine(expected, line);
  }
  EXPECT_TRUE(ReadExchangeFile(model_, Write(content)));
  EXPECT_EQ(model_.TextList.size(), expected.TextList.size());
  EXPECT_TRUE(model_ == expected);
}

}  // namespace
