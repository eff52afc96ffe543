// A small JSON text builder for the command line: objects, arrays, strings, numbers in
// their shortest round-trip form, and null for the program's missing markers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vsk::cli {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The key of the next value inside an object.
  JsonWriter& Key(std::string_view key);

  JsonWriter& String(std::string_view text);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  // Shortest text that reads back as the same double; MissingReal and non-finite values are
  // null.
  JsonWriter& Real(double value);
  // MissingInt is null.
  JsonWriter& Int(int value);
  // A value that is never missing (counts, codes).
  JsonWriter& Count(long long value);

  const std::string& Text() const { return out_; }

 private:
  void BeforeValue();
  std::string out_;
  // One entry per open container: true while it has no element yet.
  std::vector<bool> empty_;
  bool afterKey_ = false;
};

// The text as a JSON string literal. Text that is not valid UTF-8 is taken as Latin-1 (data
// files hold bytes).
std::string JsonQuote(std::string_view text);
// The shortest round-trip text of a finite double.
std::string ShortestReal(double value);

}  // namespace vsk::cli
