#include "core/vskini.h"

#include <charconv>

#include "core/vskdatafile.h"
#include "core/vskglobal.h"

namespace vsk {

namespace {

std::string_view Trim(std::string_view s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

// The section name of a "[name]" line, or false.
bool SectionName(std::string_view line, std::string_view& name) {
  const std::string_view t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const auto close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  if (key.empty() || key.front() == ';') return false;
  return true;
}

}  // namespace

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool ParseIniInteger(std::string_view text, long long& value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const std::string_view hex = text.substr(2);
    if (hex.empty() || hex.size() > 8) return false;
    unsigned long long v = 0;
    const auto res = std::from_chars(hex.data(), hex.data() + hex.size(), v, 16);
    if (res.ec != std::errc() || res.ptr != hex.data() + hex.size()) return false;
    value = static_cast<long long>(static_cast<int>(static_cast<unsigned int>(v)));
    return true;
  }
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  int v = 0;
  const auto res = std::from_chars(first, last, v);
  if (first == last || res.ec != std::errc() || res.ptr != last) return false;
  value = v;
  return true;
}

bool ParseIniReal(std::string_view text, double& value) {
  // [+-]d[.d][E[+-]d] with at least one digit before the exponent.
  size_t i = 0;
  const size_t n = text.size();
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t exp = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++exp;
    if (exp == 0) return false;
  }
  if (i != n) return false;
  const char* first = text.data();
  if (*first == '+') ++first;
  double v = 0;
  const auto res = std::from_chars(first, text.data() + n, v);
  if (res.ec != std::errc() || res.ptr != text.data() + n) return false;
  value = v;
  return true;
}

bool IniFile::Load(const std::string& path) {
  lines_.clear();
  std::string content;
  if (!ReadWholeFile(path, content)) return !DataFileExists(path);
  LoadText(content);
  return true;
}

void IniFile::LoadText(std::string_view text) {
  lines_.clear();
  DataFileReader reader(text);
  std::string line;
  while (reader.ReadLine(line)) lines_.push_back(line);
}

std::string IniFile::Text() const {
  std::string out;
  for (const auto& line : lines_) AppendLine(out, line);
  return out;
}

bool IniFile::Save(const std::string& path) const {
  return WriteFileAtomic(path, Text());
}

int IniFile::SectionLine(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i], name) && EqualNoCase(name, section)) return static_cast<int>(i);
  }
  return -1;
}

bool IniFile::HasSection(std::string_view section) const {
  return SectionLine(section) >= 0;
}

bool IniFile::Find(std::string_view section, std::string_view key, std::string& value) const {
  const int start = SectionLine(section);
  if (start < 0) return false;
  for (size_t i = static_cast<size_t>(start) + 1; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i], name)) break;
    std::string_view k;
    std::string_view v;
    if (KeyValue(lines_[i], k, v) && EqualNoCase(k, key)) {
      if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
      value.assign(v);
      return true;
    }
  }
  return false;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
  std::string value;
  return Find(section, key, value) ? value : std::string(def);
}

long long IniFile::ReadInteger(std::string_view section, std::string_view key,
                               long long def) const {
  std::string text;
  long long v = 0;
  if (Find(section, key, text) && ParseIniInteger(text, v)) return v;
  return def;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

double IniFile::ReadReal(std::string_view section, std::string_view key, double def) const {
  std::string text;
  double v = 0;
  if (Find(section, key, text) && ParseIniReal(text, v)) return v;
  return def;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string entry = std::string(key) + "=" + std::string(value);
  int start = SectionLine(section);
  if (start < 0) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back(std::string("[").append(section).append("]"));
    lines_.push_back(entry);
    return;
  }
  size_t lastContent = static_cast<size_t>(start);
  size_t i = static_cast<size_t>(start) + 1;
  for (; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i], name)) break;
    std::string_view k;
    std::string_view v;
    if (KeyValue(lines_[i], k, v) && EqualNoCase(k, key)) {
      lines_[i] = entry;
      return;
    }
    if (!Trim(lines_[i]).empty()) lastContent = i;
  }
  lines_.insert(lines_.begin() + static_cast<long>(lastContent) + 1, entry);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, long long value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteReal(std::string_view section, std::string_view key, double value) {
  WriteString(section, key, RealToText(10, value));
}

}  // namespace vsk
