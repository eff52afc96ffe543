#include "core/vskmessages.h"

#include <array>

namespace vsk {

namespace {
constexpr std::array<std::string_view, static_cast<int>(Msg::Count_)> kTexts = {
#define VSK_MSG(id, text) text,
#include "core/vskmessages.def"
#undef VSK_MSG
};
}  // namespace

std::string_view DefaultText(Msg id) {
  return kTexts[static_cast<int>(id)];
}

bool FindMsg(std::string_view text, Msg& id) {
  for (size_t i = 0; i < kTexts.size(); ++i) {
    if (kTexts[i] == text) {
      id = static_cast<Msg>(i);
      return true;
    }
  }
  return false;
}

std::string_view Texts::operator()(Msg id) const {
  auto it = overrides_.find(id);
  return it != overrides_.end() ? std::string_view(it->second) : DefaultText(id);
}

std::string MonthName(const Texts& texts, int month) {
  std::string name(texts(static_cast<Msg>(static_cast<int>(Msg::January) + month - 1)));
  if (name.size() > 33) name.resize(33);
  return name;
}

}  // namespace vsk
