// Initialisation files: [sections] of key=value lines. Sections and keys are found without
// regard to case and the first of two equal ones counts. Writing a key replaces its line in
// place and keeps every other line, section and unknown key of the file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vsk {

class IniFile {
 public:
  // Loads the file. A missing file gives an empty one and true; a file that exists but
  // cannot be read gives false.
  bool Load(const std::string& path);
  void LoadText(std::string_view text);
  // Writes the whole file atomically with CR LF line ends.
  bool Save(const std::string& path) const;
  std::string Text() const;

  bool HasSection(std::string_view section) const;
  // A present key's trimmed value with one pair of enclosing double quotes dropped.
  bool Find(std::string_view section, std::string_view key, std::string& value) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  // Decimal, or "0x" with 1 to 8 hex digits (32 bits); anything else gives the default.
  long long ReadInteger(std::string_view section, std::string_view key, long long def) const;
  // Any integer other than 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  // [+-]d[.d][E[+-]d]; anything else gives the default.
  double ReadReal(std::string_view section, std::string_view key, double def) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, long long value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void WriteReal(std::string_view section, std::string_view key, double value);

 private:
  // Index of the section's header line, or -1.
  int SectionLine(std::string_view section) const;
  std::vector<std::string> lines_;
};

bool EqualNoCase(std::string_view a, std::string_view b);
bool ParseIniInteger(std::string_view text, long long& value);
bool ParseIniReal(std::string_view text, double& value);

}  // namespace vsk
