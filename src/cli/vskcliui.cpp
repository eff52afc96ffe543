#include "cli/vskcliui.h"

namespace vsk::cli {

Answer CliUi::ask(AskKind, std::string_view text, Buttons buttons) {
  Add("warning", text);
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::OkCancel:
      return Answer::Cancel;
    default:
      return Answer::No;
  }
}

std::string CliUi::LastError() const {
  for (auto it = messages_.rbegin(); it != messages_.rend(); ++it)
    if (it->kind == "error") return it->text;
  return {};
}

void CliUi::AddDetailToLastError(const std::string& detail) {
  for (auto it = messages_.rbegin(); it != messages_.rend(); ++it)
    if (it->kind == "error") {
      it->detail = detail;
      return;
    }
}

std::string CliUi::StandardErrorText() const {
  std::string out;
  for (const CliMessage& m : messages_) {
    out += m.kind == "error" ? "error: " : m.kind == "warning" ? "warning: " : "info: ";
    out += OneLine(m.text);
    if (!m.detail.empty()) out += " (" + m.detail + ")";
    out += '\n';
  }
  return out;
}

std::string OneLine(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace vsk::cli
