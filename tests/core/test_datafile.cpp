#include <gtest/gtest.h>

#include "core/vskdatafile.h"
#include "core/vskglobal.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

TEST(DataFileReader, NumberStream) {
  DataFileReader r("  0.89-99.90\r\n12 -3\n+4.5e1 7");
  double a = 0;
  double b = 0;
  int i = 0;
  int j = 0;
  ASSERT_TRUE(r.ReadReal(a));
  ASSERT_TRUE(r.ReadReal(b));
  EXPECT_DOUBLE_EQ(a, 0.89);
  EXPECT_DOUBLE_EQ(b, -99.9);
  ASSERT_TRUE(r.ReadInt(i));
  ASSERT_TRUE(r.ReadInt(j));
  EXPECT_EQ(i, 12);
  EXPECT_EQ(j, -3);
  ASSERT_TRUE(r.ReadReal(a));
  EXPECT_DOUBLE_EQ(a, 45);
  ASSERT_TRUE(r.ReadInt(i));
  EXPECT_EQ(i, 7);
  EXPECT_TRUE(r.AtEnd());
  EXPECT_FALSE(r.ReadReal(a));
}

TEST(DataFileReader, BadTokens) {
  const char* bad[] = {"12abc", "1.2.3", "abc", "-", ".", "1e", "1e+"};
  for (const char* text : bad) {
    DataFileReader r(text);
    double v = 0;
    EXPECT_FALSE(r.ReadReal(v)) << text;
  }
  const char* badInt[] = {"3.5", "1e2", "x", "99999999999"};
  for (const char* text : badInt) {
    DataFileReader r(text);
    int v = 0;
    EXPECT_FALSE(r.ReadInt(v)) << text;
  }
  int v = 0;
  EXPECT_FALSE(ParseInt("12 13", v));
  EXPECT_TRUE(ParseInt(" 12 ", v));
  EXPECT_EQ(v, 12);
}

TEST(DataFileReader, LinesEndAtCrLfLfOrCr) {
  DataFileReader r("first\r\nsecond\nthird\rfourth");
  std::string line;
  std::vector<std::string> lines;
  while (r.ReadLine(line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"first", "second", "third", "fourth"}));

  DataFileReader n("12 34\r\nname  \r\n");
  int a = 0;
  ASSERT_TRUE(n.ReadInt(a));
  n.SkipLine();
  ASSERT_TRUE(n.ReadLine(line));
  EXPECT_EQ(line, "name  ");
  EXPECT_TRUE(n.AtEnd());
  EXPECT_EQ(n.LineNumber(), 3);
}

TEST(DataFiles, DataFileExists) {
  test::TempDir dir;
  const std::string file = dir.File("a.pem");
  EXPECT_FALSE(DataFileExists(file));
  test::WriteText(file, "x");
  EXPECT_TRUE(DataFileExists(file));
  EXPECT_FALSE(DataFileExists(dir.path()));
  EXPECT_FALSE(DataFileExists(""));
}

TEST(WriteFileAtomic, ReplacesWholeOrNothing) {
  test::TempDir dir;
  const std::string file = dir.File("a.txt");
  ASSERT_TRUE(WriteFileAtomic(file, "one\r\n"));
  ASSERT_TRUE(WriteFileAtomic(file, "two\r\n"));
  EXPECT_EQ(test::ReadText(file), "two\r\n");
  EXPECT_FALSE(WriteFileAtomic(dir.File("missing/a.txt"), "x"));
  EXPECT_FALSE(WriteFileAtomic(dir.path(), "x"));  // a folder is not replaced
  EXPECT_EQ(test::ReadText(file), "two\r\n");
}

// Fixed-width numbers never turn a given value into the missing marker.
TEST(DataFiles, FormatFixedKeepsGivenValuesApartFromTheMissingMarker) {
  struct Case {
    double value;
    int width, decimals;
    const char* text;
  } cases[] = {
      {12.34, 6, 1, "  12.3"},        {-99.9, 6, 1, " -99.9"},
      {-99.9, 6, 2, "-99.90"},        {-99.93, 6, 1, "-99.93"},
      {-99.88, 6, 1, "-99.88"},       {-99.904, 9, 2, "  -99.904"},
      {-99.90004, 6, 1, "-99.90004"}, {-99.9496, 6, 1, "-99.9496"},
      {-99.85, 6, 1, " -99.8"},  // the double nearest -99.85 is below it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals), c.text);
  }
  // Read back and written again, every text stays as it is (-99.9496 rounded to "-99.95"
  // would read back as a value written "-100.0").
  for (int decimals = 1; decimals <= 2; ++decimals)
    for (int i = -1200; i <= 1200; ++i) {
      const double value = MissingReal + i * 0.0000837;
      const std::string text = FormatFixed(value, 6, decimals);
      double back = 0;
      ASSERT_TRUE(ParseReal(TrimBlanks(text), back)) << text;
      EXPECT_EQ(FormatFixed(back, 6, decimals), text) << value;
      EXPECT_EQ(back == MissingReal, value == MissingReal) << value;
    }
}

}  // namespace
}  // namespace vsk
