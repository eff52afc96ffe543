#include <gtest/gtest.h>

#include "core/vskworkspace.h"
#include "output/vskreport.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

namespace vsk {
namespace {

TableContent Table(const std::vector<std::vector<std::string>>& rows) {
  TableContent t(static_cast<int>(rows.size()), static_cast<int>(rows[0].size()));
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      t.SetText(static_cast<int>(r), static_cast<int>(c), rows[r][c]);
  return t;
}

TEST(GridToText, CommaSeparatedWritesCellsAsTheyAre) {
  std::vector<std::string> lines;
  GridToText(Table({{"Month", "Min Temp", "Max Temp"}}), lines, 10, 10, true);
  EXPECT_EQ(lines, (std::vector<std::string>{"Month,Min Temp,Max Temp", ""}));
}

TEST(GridToText, FixedWidthCutsTheFirstColumnAndCentresTheOthers) {
  std::vector<std::string> lines;
  GridToText(Table({{"September", "ab", "12.345678"}}), lines, 6, 7, false);
  // "ab" centred in 7: two blanks before, three after; a longer cell is cut to the width.
  EXPECT_EQ(lines, (std::vector<std::string>{"Septem  ab   12.3456", ""}));
}

TEST(GridToText, CountsCharactersNotBytes) {
  std::vector<std::string> lines;
  GridToText(Table({{"°C", "MJ/m²/day"}}), lines, 3, 11, false);
  EXPECT_EQ(lines[0], "°C  MJ/m²/day ");
  lines.clear();
  GridToText(Table({{"°C°C", "x"}}), lines, 3, 1, false);
  EXPECT_EQ(lines[0], "°C°x");
}

TEST(LeftAlignChars, PadsAndCutsByCharacters) {
  EXPECT_EQ(LeftAlignChars("1.30 °S", ' ', 9), "1.30 °S  ");
  EXPECT_EQ(LeftAlignChars("Bogotá", ' ', 6), "Bogotá");
  EXPECT_EQ(LeftAlignChars("Bogotá x", ' ', 6), "Bogotá");  // never cut inside "á"
  EXPECT_EQ(LeftAlignChars("ab", '*', 4), "ab**");
  // A name read from an older file in Latin-1: every byte is a character ("\xB0" is a degree
  // sign, "\xE1" an a with an accent).
  EXPECT_EQ(LeftAlignChars("1.3 \xB0S", ' ', 7), "1.3 \xB0S ");
  EXPECT_EQ(LeftAlignChars("Bogot\xE1 x", ' ', 6), "Bogot\xE1");
}

TEST(GridToText, SeparatesTheHeadingFromTheBodyOnly) {
  // Two heading rows with an empty first cell, a body whose fifth row has an empty label.
  std::vector<std::string> lines;
  GridToText(
      Table({{"", "Rain"}, {"", "mm"}, {"Jan", "1"}, {"Feb", "2"}, {"", ""}, {"Total", "3"}}),
      lines, 5, 4, true);
  EXPECT_EQ(lines,
            (std::vector<std::string>{",Rain", ",mm", "", "Jan,1", "Feb,2", ",", "Total,3", ""}));
}

TEST(TableToCsv, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(TableToCsv(Table({{"a", "b,c", "say \"x\""}, {"", "1.5", ""}})),
            "a,\"b,c\",\"say \"\"x\"\"\"\n,1.5,\n");
}

TEST(SectionLines, UpperCasesTheTitleLine) {
  ReportSection s{DataTitleLines("Monthly rain data", "File: ", "/d/r.CRM"), {"Station: X"}};
  EXPECT_EQ(SectionLines(s), (std::vector<std::string>{"", "MONTHLY RAIN DATA", "(File: /d/r.CRM)",
                                                       "", "Station: X"}));
}

TEST(ReportTextFileLines, SectionsInOrderThenTheSummaryBand) {
  const ReportSection rain{{"", "Monthly rain data", "(File: r.CRM)", ""}, {"Station: X"}};
  const ReportSection cwr{{"", "Crop Water Requirements", ""}, {"ETo station: Y"}};
  const auto lines = ReportTextFileLines({rain, cwr}, "Veskaro 8.0 Bèta", "10/12/26 11:52");
  EXPECT_EQ(lines, (std::vector<std::string>{"", "MONTHLY RAIN DATA", "(File: r.CRM)", "",
                                             "Station: X", "", "CROP WATER REQUIREMENTS", "",
                                             "ETo station: Y", "Veskaro 8.0 Bèta", "10/12/26 11:52",
                                             std::string(150, ' ')}));
}

TEST(WriteReportTextFile, WritesTheLinesWithCrLfAndReportsAFailure) {
  test::ScriptedUi ui;
  Workspace ws(ui, {2026, 12, 10});
  test::TempDir dir;
  const std::string path = dir.File("report.TXT");
  ASSERT_TRUE(WriteReportTextFile(ws, path, {"", "CROP WATER REQUIREMENTS", "Veskaro 8.0 Bèta"}));
  EXPECT_EQ(test::ReadText(path), "\r\nCROP WATER REQUIREMENTS\r\nVeskaro 8.0 Bèta\r\n");
  const std::string folder = dir.File("missing/report.TXT");
  EXPECT_FALSE(WriteReportTextFile(ws, folder, {"x"}));
  EXPECT_EQ(ui.TextsOf("error"),
            std::vector<std::string>{"Error writing data to file " + folder +
                                     "\rPossible causes: invalid target drive/dir or file is "
                                     "read-only"});
}

}  // namespace
}  // namespace vsk
