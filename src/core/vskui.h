// How the core talks to the user: messages, questions and file dialogs. The desktop program
// implements it with message boxes and file dialogs, the command line with standard error,
// the tests with a scripted double.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vsk {

enum class Answer { Ok, Yes, No, Cancel };
enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
enum class AskKind { Warning, Confirmation, Information, Error };

struct FileDialogRequest {
  std::string title;
  std::string filter;   // "Description (*.ext)|*.EXT|..." pairs
  int filterIndex = 1;  // 1-based pair shown first
  std::string initialDir;
  std::string proposedName;  // file name proposed (save dialogs)
  bool mustExist = true;     // open dialogs: only existing files
};

struct FileDialogResult {
  std::string path;
  int filterIndex = 1;  // the filter pair chosen
};

class Ui {
 public:
  virtual ~Ui() = default;
  virtual void error(std::string_view text) = 0;
  virtual void warning(std::string_view text) = 0;
  virtual void information(std::string_view text) = 0;
  // A plain message box without an icon ("Value out of range").
  virtual void message(std::string_view text) = 0;
  virtual Answer ask(AskKind kind, std::string_view text, Buttons buttons) = 0;
  virtual std::optional<FileDialogResult> openFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<FileDialogResult> saveFileDialog(const FileDialogRequest& request) = 0;
};

// A Ui that shows nothing and answers every question with the choice that changes nothing
// (No, or Cancel where there is no No); dialogs are cancelled.
class SilentUi : public Ui {
 public:
  void error(std::string_view) override {}
  void warning(std::string_view) override {}
  void information(std::string_view) override {}
  void message(std::string_view) override {}
  Answer ask(AskKind, std::string_view, Buttons buttons) override {
    return buttons == Buttons::Ok         ? Answer::Ok
           : buttons == Buttons::OkCancel ? Answer::Cancel
                                          : Answer::No;
  }
  std::optional<FileDialogResult> openFileDialog(const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<FileDialogResult> saveFileDialog(const FileDialogRequest&) override {
    return std::nullopt;
  }
};

}  // namespace vsk
