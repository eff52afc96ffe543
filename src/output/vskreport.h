// Report text: tables as fixed-width or comma-separated lines, the sections of a report, and
// the plain-text form of a report as a text file holds it.
#pragma once

#include <string>
#include <vector>

#include "output/vsktablecontent.h"

namespace vsk {

struct Workspace;

// How a report is being prepared.
struct ReportOptions {
  // "Use commas for column separation in tables", in force only for text-file output.
  bool commaSeparated = false;
  // Daily climate data: every month (true) or only `currentMonth` (the tab shown).
  bool allMonths = true;
  int currentMonth = 1;  // 1..12, or 13 for the year summary
};

// Appends the table as text lines: with commas off the first column's cell left-aligned to
// `firstWidth` and every other cell centred in `otherWidth`; with commas on the cells as they
// are, separated by ",". An empty line follows a heading row with an empty first cell when
// the next row starts the body (within the first four rows), and one ends the table.
void GridToText(const TableContent& table, std::vector<std::string>& lines, int firstWidth,
                int otherWidth, bool commaSeparated);
// The same with the table's own report widths.
void GridToText(const TableContent& table, std::vector<std::string>& lines, bool commaSeparated);

// `LeftAlignText` that counts characters, not bytes, of a UTF-8 text, so that a field holding
// "°S" or an accented station name takes its visible width and is never cut inside a
// character. Report lines left-align with it.
std::string LeftAlignChars(std::string_view text, char fill, int width);

// The table as comma-separated values, one line per row, heading rows first; a cell holding
// a comma, a double quote or a line break is quoted with doubled inner quotes. Hidden columns
// are kept (the report shows them too).
std::string TableToCsv(const TableContent& table);

// One section of a report: the title block and the data lines of one window.
struct ReportSection {
  std::vector<std::string> titleLines;
  std::vector<std::string> dataLines;
};

// The standard title block of a data window: an empty line, `title`, "(File: path)", an
// empty line.
std::vector<std::string> DataTitleLines(const std::string& title, const std::string& fileText,
                                        const std::string& path);

// The section as the report prints it: the title block with its second line in capitals,
// then the data lines.
std::vector<std::string> SectionLines(const ReportSection& section);

// A report as a text file holds it: the sections in order, then the summary band (the
// program's name, the date and time of printing, and a line of 150 blanks that fixes the
// text width). `programName` is the catalogue's "Veskaro 8.0 Bèta".
std::vector<std::string> ReportTextFileLines(const std::vector<ReportSection>& sections,
                                             const std::string& programName,
                                             const std::string& dateTime);

// Writes a report text file: `lines` (ReportTextFileLines) each ended by CR LF, through a
// temporary file beside `path`, so that a failure leaves a previous file as it was. A failure
// shows "Error writing data to file %s..." and gives false.
bool WriteReportTextFile(Workspace& ws, const std::string& path,
                         const std::vector<std::string>& lines);

// The lines joined, each ended by `lineEnd`.
std::string JoinLines(const std::vector<std::string>& lines, const char* lineEnd = "\n");

}  // namespace vsk
