#include "output/vskreport.h"

#include "core/vskdatafile.h"
#include "core/vskglobal.h"
#include "core/vskworkspace.h"

namespace vsk {

namespace {

// True when the text is well-formed UTF-8. Texts of the program are; names read from older
// data files may hold single Latin-1 bytes instead, each of which is one character.
bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const size_t length = c < 0x80           ? 1
                          : (c >> 5) == 0x6  ? 2
                          : (c >> 4) == 0xE  ? 3
                          : (c >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

// A character starts at byte i: any byte of a Latin-1 text, a non-continuation byte of UTF-8.
bool StartsCharacter(std::string_view text, size_t i, bool utf8) {
  return !utf8 || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
}

// Number of characters, so that cells such as "°C" take their visible width in fixed-width
// lines.
size_t Width(std::string_view text) {
  const bool utf8 = IsUtf8(text);
  size_t n = 0;
  for (size_t i = 0; i < text.size(); ++i)
    if (StartsCharacter(text, i, utf8)) ++n;
  return n;
}

// The first `width` characters of the text.
std::string_view Cut(std::string_view text, size_t width) {
  const bool utf8 = IsUtf8(text);
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (StartsCharacter(text, i, utf8)) {
      if (chars == width) return text.substr(0, i);
      ++chars;
    }
  }
  return text;
}

std::string LeftAlignCell(std::string_view text, int width) {
  return LeftAlignChars(text, ' ', width);
}

// Blanks before: half the surplus (rounded down); the rest after.
std::string CentreCell(std::string_view text, int width) {
  const size_t w = width > 0 ? static_cast<size_t>(width) : 0;
  const size_t n = Width(text);
  if (n >= w) return std::string(Cut(text, w));
  const size_t before = (w - n) / 2;
  return std::string(before, ' ') + std::string(text) + std::string(w - n - before, ' ');
}

}  // namespace

std::string LeftAlignChars(std::string_view text, char fill, int width) {
  const size_t w = width > 0 ? static_cast<size_t>(width) : 0;
  const size_t n = Width(text);
  if (n >= w) return std::string(Cut(text, w));
  return std::string(text) + std::string(w - n, fill);
}

void GridToText(const TableContent& table, std::vector<std::string>& lines, int firstWidth,
                int otherWidth, bool commaSeparated) {
  const int rows = table.RowCount();
  const int columns = table.ColumnCount();
  for (int r = 0; r < rows; ++r) {
    std::string line;
    for (int c = 0; c < columns; ++c) {
      const std::string& cell = table.Text(r, c);
      if (commaSeparated) {
        line += cell;
        if (c < columns - 1) line += ',';
      } else if (c == 0) {
        line += LeftAlignCell(cell, firstWidth);
      } else {
        line += CentreCell(cell, otherWidth);
      }
    }
    lines.push_back(std::move(line));
    // An empty line between the table heading and its body.
    if (r < 4 && r + 1 < rows && columns > 0 && table.Text(r, 0).empty() &&
        !table.Text(r + 1, 0).empty())
      lines.emplace_back();
  }
  lines.emplace_back();
}

void GridToText(const TableContent& table, std::vector<std::string>& lines, bool commaSeparated) {
  GridToText(table, lines, table.reportFirstWidth, table.reportOtherWidth, commaSeparated);
}

namespace {

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"') out += '"';
    out += ch;
  }
  out += '"';
  return out;
}

}  // namespace

std::string TableToCsv(const TableContent& table) {
  std::string out;
  for (int r = 0; r < table.RowCount(); ++r) {
    for (int c = 0; c < table.ColumnCount(); ++c) {
      if (c > 0) out += ',';
      out += CsvField(table.Text(r, c));
    }
    out += '\n';
  }
  return out;
}

std::vector<std::string> DataTitleLines(const std::string& title, const std::string& fileText,
                                        const std::string& path) {
  return {"", title, "(" + fileText + path + ")", ""};
}

std::vector<std::string> SectionLines(const ReportSection& section) {
  std::vector<std::string> out = section.titleLines;
  if (out.size() > 1) out[1] = UpperCase(out[1]);
  out.insert(out.end(), section.dataLines.begin(), section.dataLines.end());
  return out;
}

std::vector<std::string> ReportTextFileLines(const std::vector<ReportSection>& sections,
                                             const std::string& programName,
                                             const std::string& dateTime) {
  std::vector<std::string> out;
  for (const ReportSection& section : sections) {
    const auto lines = SectionLines(section);
    out.insert(out.end(), lines.begin(), lines.end());
  }
  out.push_back(programName);
  out.push_back(dateTime);
  out.push_back(Blanks(150));
  return out;
}

std::string JoinLines(const std::vector<std::string>& lines, const char* lineEnd) {
  std::string out;
  for (const auto& line : lines) {
    out += line;
    out += lineEnd;
  }
  return out;
}

bool WriteReportTextFile(Workspace& ws, const std::string& path,
                         const std::vector<std::string>& lines) {
  if (WriteFileAtomic(path, JoinLines(lines, "\r\n"))) return true;
  constexpr size_t kMaxShownName = 120;  // file names in messages
  ws.ui.error(FormatText(ws.text(Msg::OutReportWriteError), {path.substr(0, kMaxShownName)}));
  return false;
}

}  // namespace vsk
