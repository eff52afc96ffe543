// The command line's Ui: every message is kept in order for standard error ("error: ",
// "warning: ", "info: ", line breaks as blanks) and for the JSON "messages" list; a question
// takes the answer that changes nothing and a file dialog is cancelled.
#pragma once

#include <string>
#include <vector>

#include "core/vskui.h"

namespace vsk::cli {

struct CliMessage {
  std::string kind;    // "error", "warning" or "information"
  std::string text;    // as the program wrote it ("\r" for line breaks)
  std::string detail;  // where a file failed, for standard error only
};

class CliUi : public Ui {
 public:
  void error(std::string_view text) override { Add("error", text); }
  void warning(std::string_view text) override { Add("warning", text); }
  void information(std::string_view text) override { Add("information", text); }
  void message(std::string_view text) override { Add("information", text); }
  // Reported as a warning; answered No (Cancel where there is no No, OK where there is only
  // OK), so no file is written and no data change.
  Answer ask(AskKind kind, std::string_view text, Buttons buttons) override;
  std::optional<FileDialogResult> openFileDialog(const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<FileDialogResult> saveFileDialog(const FileDialogRequest&) override {
    return std::nullopt;
  }

  const std::vector<CliMessage>& Messages() const { return messages_; }
  // The text of the last error, empty when none was shown.
  std::string LastError() const;
  // Adds a location ("line 5: ...") to the last error's standard-error line.
  void AddDetailToLastError(const std::string& detail);
  // One line per message for standard error.
  std::string StandardErrorText() const;

 private:
  void Add(const char* kind, std::string_view text) {
    messages_.push_back({kind, std::string(text), {}});
  }
  std::vector<CliMessage> messages_;
};

// The text with every line break (CR LF, CR or LF) as one blank.
std::string OneLine(std::string_view text);

}  // namespace vsk::cli
