// TDataForm: the base of windows that own a data set kept in a file (input windows, schedule
// windows, the cropping pattern window): save question, read, write, new data, dialogs,
// file name, unsaved changes, commit, and the close protocol.
#pragma once

#include <string>

#include "core/vsksessionstate.h"
#include "core/vskui.h"
#include "ui/vskchild.h"

namespace vsk {

enum class CloseAction { None, Hide, Free, Minimize };

class TDataForm : public Tvskchildform {
  Q_OBJECT
 public:
  TDataForm(TMainForm& main, WindowSlot slot, DataKind kind);

  DataKind Kind() const { return kind_; }

  void FormDeactivate() override;
  void FormActivate() override;

  // Further virtual operations in their fixed order.
  virtual void FormClose(CloseAction& action);
  virtual void FormCloseQuery(bool& canClose);
  virtual bool SaveQuestion();
  virtual bool ReadFile(const std::string& path);
  virtual void WriteFile(const std::string& path, bool& success);
  virtual void NewData();
  virtual void PrepareOpenDialog(FileDialogRequest& dialog);
  virtual void PrepareSaveDialog(FileDialogRequest& dialog);
  virtual void FileName(std::string& name);
  virtual bool HasChanges();
  virtual void Commit();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  DataKind kind_;
};

}  // namespace vsk
