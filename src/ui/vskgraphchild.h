// TGraphForm: the base of chart windows: copy and save as bitmap or metafile, and the
// picture-file dialog.
#pragma once

#include <string>

#include "ui/vskchild.h"
#include "ui/vskdatachild.h"

namespace vsk {

class TGraphForm : public Tvskchildform {
  Q_OBJECT
 public:
  TGraphForm(TMainForm& main, WindowSlot slot);

  void FormDeactivate() override;

  // Further virtual operations in their fixed order.
  virtual void FormClose(CloseAction& action);
  virtual void SaveAsBitmap(const std::string& path);
  virtual void SaveAsMetafile(const std::string& path);

  // Asks for a picture file (bitmap or metafile) and saves the chart in it. False when
  // nothing was saved.
  bool PictureFileDialog();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace vsk
