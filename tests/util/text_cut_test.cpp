// Cutting Shift-JIS texts to a byte limit at a character boundary.
#include "util/text_cut.h"

#include <gtest/gtest.h>

namespace {

using tq58::util::CutToByteLimit;

TEST(CutToByteLimit, KeepsShortTextsAndCutsLongOnes) {
  EXPECT_EQ(CutToByteLimit("", 3), "");
  EXPECT_EQ(CutToByteLimit("abc", 3), "abc");
  EXPECT_EQ(CutToByteLimit("abcd", 3), "abc");
  EXPECT_EQ(CutToByteLimit("abcd", 0), "");
}

TEST(CutToByteLimit, NeverKeepsHalfADoubleByteCharacter) {
  // "a" then two double-byte characters: a cut at 4 would split the second one.
  EXPECT_EQ(CutToByteLimit("a\x82\xA0\x83\x40", 4), "a\x82\xA0");
  EXPECT_EQ(CutToByteLimit("a\x82\xA0\x83\x40", 3), "a\x82\xA0");
  EXPECT_EQ(CutToByteLimit("a\x82\xA0\x83\x40", 2), "a");
  // Half-width katakana (0xA1-0xDF) are single bytes.
  EXPECT_EQ(CutToByteLimit("\xB1\xB2\xB3", 2), "\xB1\xB2");
  // A trail byte that looks like a lead byte belongs to its pair.
  EXPECT_EQ(CutToByteLimit("\x81\x81"
                           "b",
                           2),
            "\x81\x81");
}

}  // namespace
