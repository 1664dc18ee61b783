// The output list and the exchange file it becomes: line cutting, joining, "hq", failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "exchange/writer.h"
#include "support/files.h"

namespace tq58::exchange {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class WriterOutput : public testing::Test {
 protected:
  std::string Written() {
    EXPECT_TRUE(WriteExchangeFile(writer_, path_));
    return tq58_test::ReadBytes(path_);
  }
  std::size_t FilesInFolder() const { return tq58_test::EntryCount(folder_); }

  tq58_test::TempFolder temp_;
  const fs::path folder_ = temp_.Path();
  const fs::path path_ = folder_ / "JWC_TEMP.TXT";
  ExchangeModel model_;
  WriterState writer_;
};

TEST_F(WriterOutput, WorkedExampleByteForByte) {
  ResetWriterState(writer_);
  OutLayerGroup(writer_, 0);
  OutLayer(writer_, 10);
  OutLineColor(model_, writer_, 3, NumberKind::HostNumber);
  OutLineType(model_, writer_, 2, NumberKind::HostNumber);
  OutLineWidth(model_, writer_, 50);
  OutSegment(writer_, 0, 0, 100, 50);
  OutLineColor(model_, writer_, 3, NumberKind::HostNumber);
  OutArc(writer_, 10, 20, 5, 0, 90, 1, 0);
  OutSegment(writer_, 100, 50, 100, 50);
  std::ofstream(path_, std::ios::binary) << "hd\r\nhp1 0 0\r\n";  // the host's input
  EXPECT_EQ(Written(), "lg0\r\nlyA\r\nlc3\r\nlt2\r\n0 0 100 50\r\nci 10 20 5 0 90 1 0\r\n");
}

TEST_F(WriterOutput, EmptyListWritesHq) { EXPECT_EQ(Written(), "hq\r\n"); }

TEST_F(WriterOutput, ErrorMessageStaysOneLine) {
  OutErrorMessage(writer_, "a\r\nb\nc");
  EXPECT_EQ(Written(), "hea  b c\r\n");
}

TEST_F(WriterOutput, LineEndingInAQuoteIsJoinedWithTheNext) {
  OutText(writer_, 0, "abc", 10, 20, 1, 0);
  EXPECT_EQ(Written(), "ch 10 20 1 0 \"abc\r\n");
  writer_.OutputLines = {"a\"", "b\"", "\"", "c", "d\""};
  // The second line of a pair is never joined again; a quote line at the end has no break.
  EXPECT_EQ(Written(), "a\"b\"\r\n\"c\r\nd\"");
}

TEST_F(WriterOutput, BytesAreWrittenAsStored) {
  writer_.OutputLines = {std::string("\x82\xA0\x00\xFF", 4), ""};
  EXPECT_EQ(Written(), std::string("\x82\xA0\x00\xFF\r\n\r\n", 8));
}

TEST_F(WriterOutput, KeepsManyLinesInOrder) {
  for (int i = 0; i < 1001; ++i) AddOutputLine(writer_, std::to_string(i));
  ASSERT_EQ(writer_.OutputLines.size(), 1001u);
  EXPECT_EQ(writer_.OutputLines[999], "999");
  EXPECT_EQ(writer_.OutputLines[1000], "1000");
}

struct CutCase {
  const char* name;
  std::string line;
  std::size_t kept;
};

// Lines longer than 255 bytes are cut there, but never between the two bytes of a
// double-byte character: such a character at the limit is dropped whole.
TEST(WriterLineCut, CutsAt255BytesBetweenCharacters) {
  const std::string a254(254, 'a');
  const std::string a253(253, 'a');
  const std::string pair = "\x82\xA0";
  const CutCase cases[] = {
      {"short", "abc", 3},
      {"exactly255", std::string(255, 'a'), 255},
      {"long", std::string(300, 'a'), 255},
      {"pairAcrossTheLimit", a254 + pair + "x", 254},
      {"pairEndingAtTheLimit", a253 + pair + "x", 255},
      {"leadByteLastOfA255ByteLine", a254 + "\x82", 255},
      {"halfWidthKatakanaAreSingleBytes", std::string(300, '\xB1'), 255},
      {"pairsThroughout",
       [] {
         std::string s;
         for (int i = 0; i < 200; ++i) s += "\x82\xA0";
         return s;
       }(),
       254},
  };
  for (const CutCase& c : cases) {
    WriterState writer;
    AddOutputLine(writer, c.line);
    ASSERT_EQ(writer.OutputLines.size(), 1u);
    EXPECT_EQ(writer.OutputLines[0], c.line.substr(0, c.kept)) << c.name;
  }
}

TEST_F(WriterOutput, UnwritableFolderReportsFalse) {
  EXPECT_FALSE(WriteExchangeFile(writer_, folder_ / "missing" / "JWC_TEMP.TXT"));
  EXPECT_EQ(FilesInFolder(), 0u);
}

}  // namespace
}  // namespace tq58::exchange
