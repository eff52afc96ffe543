#include "ui/vsketochild.h"

#include "climate/vskETocalc.h"
#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "core/vskglobal.h"
#include "core/vskworkspace.h"
#include "output/vskclimateedit.h"
#include "output/vskclimatetable.h"
#include "ui/vskmain.h"
#include "ui/vskqtext.h"

namespace vsk {

TEtoDataForm::TEtoDataForm(TMainForm& main, WindowSlot slot, int etoKind)
    : TDataForm(main, slot, DataKind::Climate), etoKind_(etoKind) {}

void TEtoDataForm::FormDeactivate() {
  TDataForm::FormDeactivate();
  main_.ReleaseModuleButton(ModuleButton::Climate);
}

void TEtoDataForm::FormActivate() {
  TDataForm::FormActivate();
  main_.SetNewMenu(main_.ClimateNewMenu());
  main_.SetOpenList(RecentKind::Climate);
  main_.PressModuleButton(ModuleButton::Climate);
  main_.SetChartButton(true);
  main_.SetOptionsButton(true);
  main_.ForgetShownStatus(DataKind::Climate);
  main_.SetSaveButtons(ws_.session.HasData(DataKind::Climate));
}

void TEtoDataForm::FormClose(CloseAction& action) {
  TDataForm::FormClose(action);
  main_.ReleaseModuleButton(ModuleButton::Climate);
  main_.DisableToolButtons();
  if (ws_.session.KeepDataOnClose) ClearClimate(ws_);
  ws_.session.EtoKind = 0;
}

bool TEtoDataForm::SaveQuestion() {
  if (ws_.session.StatusOf(DataKind::Climate) != dsChanged) return true;
  main_.BringToFront(this);
  return main_.AskSaveChanges(ws_.text(Msg::SaveClimateQuestion));
}

bool TEtoDataForm::ReadFile(const std::string& path) {
  if (!OpenClimateFile(ws_, path)) return false;
  ws_.session.Current(FolderKind::Climate) = FileFolder(path);
  return true;
}

void TEtoDataForm::WriteFile(const std::string& path, bool& success) {
  success = WriteClimateFile(ws_, path);
  if (success) ws_.session.WriterSucceeded(DataKind::Climate, path);
}

void TEtoDataForm::NewData() {
  NewClimateData(ws_, main_.NewDataEstimateAll);
}

void TEtoDataForm::PrepareOpenDialog(FileDialogRequest& dialog) {
  dialog.filter = std::string(ws_.text(Msg::GuiClimateOpenFilter));
  dialog.filterIndex = 7;
  dialog.initialDir = ws_.session.Current(FolderKind::Climate);
}

void TEtoDataForm::PrepareSaveDialog(FileDialogRequest& dialog) {
  dialog.title = FormatText(ws_.text(Msg::GuiSaveTitle), {EtoKindName(ws_, etoKind_)});
  dialog.filter = SaveFilter();
  dialog.filterIndex = 1;
  const std::string& name = ws_.session.File(DataKind::Climate);
  std::string proposed = name == kUntitled ? std::string() : FileNameOnly(name);
  // An old-format file is proposed under the current monthly format (.PEm).
  if (UpperCase(FileExtension(proposed)) == ".PEN") proposed.back() = 'm';
  dialog.proposedName = proposed;
  dialog.initialDir = ws_.session.Current(FolderKind::Climate);
  dialog.mustExist = false;
}

void TEtoDataForm::FileName(std::string& name) {
  name = ws_.session.File(DataKind::Climate);
}

bool TEtoDataForm::HasChanges() {
  return ws_.session.HasData(DataKind::Climate);
}

void TEtoDataForm::RecomputeAll() {
  vsk::RecomputeAll(ws_);
}

void TEtoDataForm::ReportTitleLines(std::vector<std::string>& lines) {
  const auto title = ClimateReportTitleLines(ws_);
  lines.insert(lines.end(), title.begin(), title.end());
}

void TEtoDataForm::ReportHeadingLines(std::vector<std::string>& lines) {
  const auto heading = ClimateReportHeadingLines(ws_, ReportOptions{});
  lines.insert(lines.end(), heading.begin(), heading.end());
}

QString TEtoDataForm::CaptionText() const {
  return QStd(EtoKindName(ws_, etoKind_)) + QStringLiteral(" - ") +
         QStd(ws_.session.File(DataKind::Climate));
}

}  // namespace vsk
