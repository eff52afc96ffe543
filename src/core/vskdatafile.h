// Reading and writing the system's small text data files.
//
// Files are bytes: lines end at CR LF, LF or CR. Numbers are read as a stream: blanks and line
// ends separate them, and a number also ends right before a "+" or "-" that begins the next
// one ("0.89-99.90" is two numbers). Any other character right after a number is an error.
#pragma once

#include <string>
#include <string_view>

namespace vsk {

// Reads a whole file into `content`. False when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);

// Writes `content` to a temporary file beside `path`, flushes it and renames it over `path`.
// On any failure the previous file stays as it was and the result is false.
bool WriteFileAtomic(const std::string& path, std::string_view content);

// A cursor over the text of a data file, in the manner of a sequential text file:
// ReadLine takes the rest of the current line, the number reads skip blanks and line ends.
class DataFileReader {
 public:
  explicit DataFileReader(std::string_view text) : text_(text) {}

  // The rest of the current line (without its line end); false at the end of the text.
  bool ReadLine(std::string& line);
  // Skips the rest of the current line and its line end.
  void SkipLine();
  // Next number of the stream. False (and the position unchanged past the blanks) when the
  // next token is not a number of that kind or the text ends.
  bool ReadReal(double& value);
  bool ReadInt(int& value);
  // True when only blanks and line ends remain.
  bool AtEnd() const;
  // True when only blanks remain on the current line.
  bool AtLineEnd() const;
  // 1-based line number of the current position, for diagnostics.
  int LineNumber() const;
  size_t Position() const { return pos_; }

 private:
  void SkipSeparators();
  bool ScanNumber(size_t& end, bool integer) const;

  std::string_view text_;
  size_t pos_ = 0;
};

// Parses a whole text as one number in the stream syntax (no other characters).
bool ParseReal(std::string_view text, double& value);
bool ParseInt(std::string_view text, int& value);

// Appends a line and the CR LF line end.
inline void AppendLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append("\r\n");
}

// printf-style formatting in the "C" locale.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// `value` right-aligned in `width` with `decimals` decimals, as "%*.*f" gives it. A value
// that is not the missing marker (-99.9) but would be written as it (-99.93 with one decimal)
// is written with every decimal it has instead ("-99.93"): a file never turns a given value
// into a missing one, and saving what was read gives the same text again.
std::string FormatFixed(double value, int width, int decimals);

}  // namespace vsk
