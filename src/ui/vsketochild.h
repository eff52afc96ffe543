// TEtoDataForm: the base of the climate/ETo input windows. It keeps the climate/ETo data
// operations of a data window (save question, read, write, new data, dialogs) and adds the
// recomputation of every ETo value and the report lines.
#pragma once

#include <string>
#include <vector>

#include "ui/vskdatachild.h"

namespace vsk {

class TEtoDataForm : public TDataForm {
  Q_OBJECT
 public:
  // `etoKind` 1..6: the kind of data the window shows.
  TEtoDataForm(TMainForm& main, WindowSlot slot, int etoKind);

  int EtoKind() const { return etoKind_; }

  void FormDeactivate() override;
  void FormActivate() override;
  void FormClose(CloseAction& action) override;
  bool SaveQuestion() override;
  bool ReadFile(const std::string& path) override;
  void WriteFile(const std::string& path, bool& success) override;
  void NewData() override;
  void PrepareOpenDialog(FileDialogRequest& dialog) override;
  void PrepareSaveDialog(FileDialogRequest& dialog) override;
  void FileName(std::string& name) override;
  bool HasChanges() override;

  // Further virtual operations in their fixed order.
  virtual void RecomputeAll();
  virtual void ReportTitleLines(std::vector<std::string>& lines);
  virtual void ReportHeadingLines(std::vector<std::string>& lines);

 protected:
  // The window caption: the kind name, " - " and the file name.
  QString CaptionText() const;
  // The save filter of the window's kind.
  virtual std::string SaveFilter() const = 0;

  int etoKind_;
};

}  // namespace vsk
