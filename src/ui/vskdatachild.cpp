#include "ui/vskdatachild.h"

#include <QCloseEvent>

#include "core/vskworkspace.h"
#include "ui/vskmain.h"

namespace vsk {

TDataForm::TDataForm(TMainForm& main, WindowSlot slot, DataKind kind)
    : Tvskchildform(main, slot), kind_(kind) {}

void TDataForm::FormDeactivate() {
  Commit();
  Tvskchildform::FormDeactivate();
}

void TDataForm::FormActivate() {
  Tvskchildform::FormActivate();
  main_.SetFileButtons(true);
}

void TDataForm::FormClose(CloseAction& action) {
  action = CloseAction::Free;
}

void TDataForm::FormCloseQuery(bool& canClose) {
  Commit();
  if (canClose) canClose = SaveQuestion();
  ws_.session.CloseCancelled = !canClose;
}

bool TDataForm::SaveQuestion() {
  return false;
}

bool TDataForm::ReadFile(const std::string&) {
  return false;
}

void TDataForm::WriteFile(const std::string&, bool& success) {
  success = false;
}

void TDataForm::NewData() {}
void TDataForm::PrepareOpenDialog(FileDialogRequest&) {}
void TDataForm::PrepareSaveDialog(FileDialogRequest&) {}

void TDataForm::FileName(std::string& name) {
  name = ws_.session.File(kind_);
}

bool TDataForm::HasChanges() {
  return false;
}

void TDataForm::Commit() {}

void TDataForm::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(canClose);
  if (!canClose) {
    event->ignore();
    return;
  }
  CloseAction action = CloseAction::Free;
  FormClose(action);
  if (action == CloseAction::None) {
    event->ignore();
    return;
  }
  main_.UnregisterWindow(this);
  QMdiSubWindow::closeEvent(event);
}

}  // namespace vsk
