// The Ui of the desktop program: message boxes and file dialogs.
#pragma once

#include <QString>
#include <QStringList>

#include "core/vskui.h"

class QWidget;

namespace vsk {

// "Desc (*.ext)|*.EXT;*.OTH|..." pairs as Qt name filters "Desc (*.EXT *.ext *.OTH *.oth)".
QStringList QtNameFilters(const std::string& filter);
// A message text with "\r" line breaks as shown in a message box.
QString MessageText(std::string_view text);

class QtUi : public Ui {
 public:
  explicit QtUi(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void error(std::string_view text) override;
  void warning(std::string_view text) override;
  void information(std::string_view text) override;
  void message(std::string_view text) override;
  Answer ask(AskKind kind, std::string_view text, Buttons buttons) override;
  std::optional<FileDialogResult> openFileDialog(const FileDialogRequest& request) override;
  std::optional<FileDialogResult> saveFileDialog(const FileDialogRequest& request) override;

 private:
  std::optional<FileDialogResult> RunDialog(const FileDialogRequest& request, bool save);
  QWidget* parent_;
};

}  // namespace vsk
