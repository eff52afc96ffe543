#include "ui/vskgraphchild.h"

#include <QCloseEvent>

#include "core/vskglobal.h"
#include "core/vsksession.h"
#include "core/vskworkspace.h"
#include "ui/vskmain.h"

namespace vsk {

TGraphForm::TGraphForm(TMainForm& main, WindowSlot slot) : Tvskchildform(main, slot) {}

void TGraphForm::FormDeactivate() {
  Tvskchildform::FormDeactivate();
}

void TGraphForm::FormClose(CloseAction& action) {
  action = CloseAction::Free;
}

void TGraphForm::SaveAsBitmap(const std::string&) {}
void TGraphForm::SaveAsMetafile(const std::string&) {}

bool TGraphForm::PictureFileDialog() {
  FileDialogRequest request;
  request.filter = std::string(ws_.text(Msg::GuiPictureFilter));
  request.filterIndex = 1;
  request.initialDir = ws_.session.Current(FolderKind::Reports);
  request.mustExist = false;
  const auto chosen = AskSaveFileName(ws_, request);
  if (!chosen) return false;
  const std::string& path = *chosen;
  ws_.session.Current(FolderKind::Reports) = FileFolder(path);
  if (UpperCase(FileExtension(path)) == ".EMF")
    SaveAsMetafile(path);
  else
    SaveAsBitmap(path);
  return true;
}

void TGraphForm::closeEvent(QCloseEvent* event) {
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
