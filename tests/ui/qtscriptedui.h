// A Ui double for the Qt tests: records every message, replays prepared answers and file
// names, and keeps a list of questions and dialogs nobody prepared an answer for.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/vskui.h"

namespace vsk::test {

class QtScriptedUi : public Ui {
 public:
  struct Shown {
    std::string kind;  // "error", "warning", "information", "message", "ask", "open", "save"
    std::string text;  // the text, or a dialog's filter
  };

  void error(std::string_view t) override { shown.push_back({"error", std::string(t)}); }
  void warning(std::string_view t) override { shown.push_back({"warning", std::string(t)}); }
  void information(std::string_view t) override {
    shown.push_back({"information", std::string(t)});
  }
  void message(std::string_view t) override { shown.push_back({"message", std::string(t)}); }
  Answer ask(AskKind, std::string_view t, Buttons) override {
    shown.push_back({"ask", std::string(t)});
    if (answers.empty()) {
      unexpected.push_back("question: " + std::string(t));
      return Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<FileDialogResult> openFileDialog(const FileDialogRequest& r) override {
    return Dialog("open", r);
  }
  std::optional<FileDialogResult> saveFileDialog(const FileDialogRequest& r) override {
    return Dialog("save", r);
  }

  std::vector<std::string> TextsOf(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& s : shown)
      if (s.kind == kind) out.push_back(s.text);
    return out;
  }

  std::vector<Shown> shown;
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> dialogAnswers;  // nullopt: Cancel
  std::vector<FileDialogRequest> dialogRequests;
  std::vector<std::string> unexpected;

 private:
  std::optional<FileDialogResult> Dialog(const char* kind, const FileDialogRequest& r) {
    shown.push_back({kind, r.filter});
    dialogRequests.push_back(r);
    if (dialogAnswers.empty()) {
      unexpected.push_back(std::string(kind) + " dialog: " + r.filter);
      return std::nullopt;
    }
    auto a = dialogAnswers.front();
    dialogAnswers.pop_front();
    if (!a) return std::nullopt;
    return FileDialogResult{*a, r.filterIndex};
  }
};

}  // namespace vsk::test
