// The message catalogue and the per-workspace text table that a language file can replace.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace vsk {

enum class Msg : int {
#define VSK_MSG(id, text) id,
#include "core/vskmessages.def"
#undef VSK_MSG
  Count_
};

// The English text of a message.
std::string_view DefaultText(Msg id);
// The identifier whose English text is `text`, if any.
bool FindMsg(std::string_view text, Msg& id);

// The texts in force: English unless a language file replaced an entry.
class Texts {
 public:
  std::string_view operator()(Msg id) const;
  void Replace(Msg id, std::string text) { overrides_[id] = std::move(text); }
  void Clear() { overrides_.clear(); }

 private:
  std::map<Msg, std::string> overrides_;
};

std::string MonthName(const Texts& texts, int month);  // "January".."December", at most 33 chars

}  // namespace vsk
