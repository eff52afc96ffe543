// Tvskchildform: the base of every window inside the main window. It fixes the operations
// the main window calls, the activation protocol and the placement of child windows.
#pragma once

#include <QMdiSubWindow>

namespace vsk {

struct Workspace;
class TMainForm;

// One registry slot per child-window class.
enum class WindowSlot : int {
  MonthEToPM = 0,
  DecEToPM,
  DayEToPM,
  MonthMETo,
  DecMETo,
  DayMETo,
  MonthRain,
  DecRain,
  DayRain,
  Crop,
  Rice,
  Soil,
  CropPat,
  Cwr,
  CropSchedule,
  RiceSchedule,
  Scheme,
  ClimateGraph,
  CwrGraph,
  CropScheduleGraph,
  RiceScheduleGraph,
  Count
};

// The module buttons of the left panel, top to bottom.
enum class ModuleButton : int {
  Climate = 0,
  Rain,
  Crop,
  Soil,
  Cwr,
  Schedule,
  CropPat,
  Scheme,
  Count
};

class Tvskchildform : public QMdiSubWindow {
  Q_OBJECT
 public:
  Tvskchildform(TMainForm& main, WindowSlot slot);
  ~Tvskchildform() override;

  WindowSlot Slot() const { return slot_; }

  // Virtual operations in their fixed order.
  virtual void FormDeactivate();
  virtual void FormActivate();
  virtual void Refresh();
  virtual void ChartPreview();
  virtual void CopyAsBitmap();
  virtual void CopyAsMetafile();

  // Left and top placement in the frame, from the design size.
  void Centre();
  // Restores the design size, then centres (double click on the window).
  void RestoreDesignSizeAndCentre();

  int DesignWidth = 0;
  int DesignHeight = 0;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

  TMainForm& main_;
  Workspace& ws_;

 private:
  WindowSlot slot_;
};

}  // namespace vsk
