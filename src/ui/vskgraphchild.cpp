#include "ui/vskgraphchild.h"

#include <QCloseEvent>

#include "core/vskglobal.h"
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
  for (;;) {
    auto chosen = ws_.ui.saveFileDialog(request);
    if (!chosen) return false;
    const std::string required = chosen->filterIndex == 2 ? ".EMF" : ".BMP";
    std::string path = chosen->path;
    const std::string ext = FileExtension(path);
    if (ext.empty()) {
      path += required;
    } else if (UpperCase(ext) != required) {
      ws_.ui.error(FormatText(ws_.text(Msg::GuiWrongExtension), {required}));
      continue;
    }
    if (DataFileExists(path)) {
      const Answer a = ws_.ui.ask(AskKind::Warning,
                                  FormatText(ws_.text(Msg::GuiFileExists), {path}),
                                  Buttons::YesNoCancel);
      if (a == Answer::No) continue;
      if (a != Answer::Yes) return false;
    }
    ws_.session.Current(FolderKind::Reports) = FileFolder(path);
    if (required == ".BMP")
      SaveAsBitmap(path);
    else
      SaveAsMetafile(path);
    return true;
  }
}

void TGraphForm::closeEvent(QCloseEvent* event) {
  CloseAction action = CloseAction::Free;
  FormClose(action);
  if (action == CloseAction::None) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

}  // namespace vsk
