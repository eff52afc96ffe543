// A small JSON reader for the command-line tests: enough to check that the output is valid
// JSON and to look values up.
#pragma once

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace vsk::test {

struct Json {
  enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<Json> items;
  std::vector<std::pair<std::string, Json>> members;  // in the order written

  bool Has(const std::string& key) const {
    for (const auto& m : members)
      if (m.first == key) return true;
    return false;
  }
  const Json& operator[](const std::string& key) const {
    for (const auto& m : members)
      if (m.first == key) return m.second;
    static const Json none;
    return none;
  }
  const Json& operator[](size_t i) const { return items.at(i); }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (const auto& m : members) keys.push_back(m.first);
    return keys;
  }
  bool IsNull() const { return type == Type::Null; }
};

// Parses a whole text; false when it is not exactly one JSON value (blanks around allowed).
class JsonParser {
 public:
  static bool Parse(const std::string& text, Json& out) {
    JsonParser p(text);
    p.Blank();
    if (!p.Value(out)) return false;
    p.Blank();
    return p.pos_ == text.size();
  }

 private:
  explicit JsonParser(const std::string& t) : t_(t) {}
  void Blank() {
    while (pos_ < t_.size() &&
           (t_[pos_] == ' ' || t_[pos_] == '\n' || t_[pos_] == '\r' || t_[pos_] == '\t'))
      ++pos_;
  }
  bool Literal(const char* word) {
    const std::string w = word;
    if (t_.compare(pos_, w.size(), w) != 0) return false;
    pos_ += w.size();
    return true;
  }
  bool String(std::string& out) {
    if (pos_ >= t_.size() || t_[pos_] != '"') return false;
    ++pos_;
    while (pos_ < t_.size() && t_[pos_] != '"') {
      char c = t_[pos_++];
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c == '\\') {
        if (pos_ >= t_.size()) return false;
        const char e = t_[pos_++];
        switch (e) {
          case '"':
            out += '"';
            break;
          case '\\':
            out += '\\';
            break;
          case '/':
            out += '/';
            break;
          case 'b':
            out += '\b';
            break;
          case 'f':
            out += '\f';
            break;
          case 'n':
            out += '\n';
            break;
          case 'r':
            out += '\r';
            break;
          case 't':
            out += '\t';
            break;
          case 'u': {
            if (pos_ + 4 > t_.size()) return false;
            const unsigned long cp = std::strtoul(t_.substr(pos_, 4).c_str(), nullptr, 16);
            pos_ += 4;
            if (cp < 0x80) {
              out += static_cast<char>(cp);
            } else {
              out += static_cast<char>(0xC0 | (cp >> 6));
              out += static_cast<char>(0x80 | (cp & 0x3F));
            }
            break;
          }
          default:
            return false;
        }
      } else {
        out += c;
      }
    }
    if (pos_ >= t_.size()) return false;
    ++pos_;
    return true;
  }
  bool Number(double& out) {
    const size_t start = pos_;
    if (pos_ < t_.size() && t_[pos_] == '-') ++pos_;
    if (pos_ >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[pos_]))) return false;
    if (t_[pos_] == '0' && pos_ + 1 < t_.size() &&
        std::isdigit(static_cast<unsigned char>(t_[pos_ + 1])))
      return false;  // no leading zeros
    while (pos_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[pos_]))) ++pos_;
    if (pos_ < t_.size() && t_[pos_] == '.') {
      ++pos_;
      if (pos_ >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[pos_]))) return false;
      while (pos_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[pos_]))) ++pos_;
    }
    if (pos_ < t_.size() && (t_[pos_] == 'e' || t_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < t_.size() && (t_[pos_] == '+' || t_[pos_] == '-')) ++pos_;
      if (pos_ >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[pos_]))) return false;
      while (pos_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[pos_]))) ++pos_;
    }
    out = std::strtod(t_.substr(start, pos_ - start).c_str(), nullptr);
    return true;
  }
  bool Value(Json& v) {
    if (pos_ >= t_.size()) return false;
    const char c = t_[pos_];
    if (c == 'n') return Literal("null");
    if (c == 't' || c == 'f') {
      v.type = Json::Type::Bool;
      v.boolean = c == 't';
      return Literal(c == 't' ? "true" : "false");
    }
    if (c == '"') {
      v.type = Json::Type::String;
      return String(v.text);
    }
    if (c == '[') {
      v.type = Json::Type::Array;
      ++pos_;
      Blank();
      if (pos_ < t_.size() && t_[pos_] == ']') return ++pos_, true;
      while (true) {
        Json item;
        Blank();
        if (!Value(item)) return false;
        v.items.push_back(std::move(item));
        Blank();
        if (pos_ >= t_.size()) return false;
        if (t_[pos_] == ']') return ++pos_, true;
        if (t_[pos_++] != ',') return false;
      }
    }
    if (c == '{') {
      v.type = Json::Type::Object;
      ++pos_;
      Blank();
      if (pos_ < t_.size() && t_[pos_] == '}') return ++pos_, true;
      while (true) {
        std::string key;
        Json item;
        Blank();
        if (!String(key)) return false;
        Blank();
        if (pos_ >= t_.size() || t_[pos_++] != ':') return false;
        Blank();
        if (!Value(item)) return false;
        v.members.emplace_back(std::move(key), std::move(item));
        Blank();
        if (pos_ >= t_.size()) return false;
        if (t_[pos_] == '}') return ++pos_, true;
        if (t_[pos_++] != ',') return false;
      }
    }
    v.type = Json::Type::Number;
    return Number(v.number);
  }

  const std::string& t_;
  size_t pos_ = 0;
};

}  // namespace vsk::test
