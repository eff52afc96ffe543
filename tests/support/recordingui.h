// A Ui double that records every message and question, replays prepared answers and file
// names, and hands each question or dialog nobody prepared an answer for to `Unexpected`
// (which lists it; the GoogleTest double fails the test instead).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/vskui.h"

namespace vsk::test {

struct Shown {
  std::string kind;  // "error", "warning", "information", "message", "ask", "open", "save"
  std::string text;  // the text, or a dialog's filter
};

class RecordingUi : public Ui {
 public:
  void error(std::string_view t) override { shown.push_back({"error", std::string(t)}); }
  void warning(std::string_view t) override { shown.push_back({"warning", std::string(t)}); }
  void information(std::string_view t) override {
    shown.push_back({"information", std::string(t)});
  }
  void message(std::string_view t) override { shown.push_back({"message", std::string(t)}); }
  Answer ask(AskKind, std::string_view t, Buttons) override {
    shown.push_back({"ask", std::string(t)});
    if (answers.empty()) {
      Unexpected("question: " + std::string(t));
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

  // The texts shown, in order (questions and dialogs included, dialogs by their filter).
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& s : shown) out.push_back(s.text);
    return out;
  }
  std::vector<std::string> TextsOf(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& s : shown)
      if (s.kind == kind) out.push_back(s.text);
    return out;
  }
  void Clear() { shown.clear(); }

  std::vector<Shown> shown;
  std::deque<Answer> answers;
  // Each entry answers one dialog: a path, or nullopt for Cancel.
  std::deque<std::optional<std::string>> dialogAnswers;
  std::vector<FileDialogRequest> dialogRequests;
  std::vector<std::string> unexpected;

 protected:
  virtual void Unexpected(const std::string& what) { unexpected.push_back(what); }

 private:
  std::optional<FileDialogResult> Dialog(const char* kind, const FileDialogRequest& r) {
    shown.push_back({kind, r.filter});
    dialogRequests.push_back(r);
    if (dialogAnswers.empty()) {
      Unexpected(std::string(kind) + " dialog: " + r.filter);
      return std::nullopt;
    }
    auto a = dialogAnswers.front();
    dialogAnswers.pop_front();
    if (!a) return std::nullopt;
    return FileDialogResult{*a, r.filterIndex};
  }
};

}  // namespace vsk::test
