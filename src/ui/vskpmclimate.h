// The three Penman-Monteith climate/ETo input windows: monthly (TMonthEToPMForm), decade
// (TDecEToPMForm) and daily (TDayEToPMForm, one tab per month and a year summary). They share
// the station fields and the climate table; the table content and the edit rules are the
// GUI-free ones of the output layer.
#pragma once

#include "output/vskclimateedit.h"
#include "ui/vsketochild.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabBar;

namespace vsk {

class ContentTableView;
class TableContentModel;
class TableEntryDelegate;

class TPMClimateForm : public TEtoDataForm {
  Q_OBJECT
 public:
  TPMClimateForm(TMainForm& main, WindowSlot slot, int etoKind);
  ~TPMClimateForm() override;

  void Refresh() override;
  void Commit() override;

  // The Estimate command is offered for the current cell of the focused table.
  bool EstimateAvailable() const;
  void EstimateCurrentCell();

  // ---- for tests and scripts ----
  ContentTableView* Table() const { return table_; }
  TableContentModel* Model() const { return model_; }
  // The editor of the cell being edited, or nullptr.
  QWidget* CellEditor() const;
  QLineEdit* Field(StationField field) const;
  QLineEdit* YearField() const { return year_; }
  QComboBox* LatitudeList() const { return latList_; }
  QComboBox* LongitudeList() const { return longList_; }
  QTabBar* Tabs() const { return tabs_; }
  int CurrentTab() const;
  // The edit of a cell as the table delivers it when the user ends typing.
  void CellEdited(int row, int column, const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  std::string SaveFilter() const override;

 private:
  void ShowTable();
  void ShowStation();
  void StationExit(QLineEdit* edit);
  void ListChanged(QComboBox* list);

  QLineEdit* country_ = nullptr;
  QLineEdit* station_ = nullptr;
  QLineEdit* altitude_ = nullptr;
  QLineEdit* latitude_ = nullptr;
  QLineEdit* longitude_ = nullptr;
  QLineEdit* year_ = nullptr;
  QComboBox* latList_ = nullptr;
  QComboBox* longList_ = nullptr;
  QTabBar* tabs_ = nullptr;
  ContentTableView* table_ = nullptr;
  TableContentModel* model_ = nullptr;
  TableEntryDelegate* delegate_ = nullptr;
  bool filling_ = false;
};

class TMonthEToPMForm : public TPMClimateForm {
  Q_OBJECT
 public:
  explicit TMonthEToPMForm(TMainForm& main);
};

class TDecEToPMForm : public TPMClimateForm {
  Q_OBJECT
 public:
  explicit TDecEToPMForm(TMainForm& main);
};

class TDayEToPMForm : public TPMClimateForm {
  Q_OBJECT
 public:
  explicit TDayEToPMForm(TMainForm& main);
};

}  // namespace vsk
