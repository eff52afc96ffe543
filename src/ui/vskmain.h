// TMainForm: the one top-level window. A multiple-document frame that holds every child
// window, keeps one window per class, dispatches the menu, toolbar and module-button
// commands, and keeps the data status panel and the title up to date.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <string>

#include "core/vsksession.h"
#include "core/vsksessionstate.h"
#include "ui/vskchild.h"
#include "ui/vskrecent.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolButton;
class QWidget;

namespace vsk {

struct Workspace;
class TDataForm;
class TEtoDataForm;
class TPMClimateForm;

enum class SaveCommand { Save, SaveAs, SaveAll };

// The recent-file lists, one per kind of data file.
enum class RecentKind : int { Climate = 0, Rain, Crop, Soil, Pattern, Schedule, None };

class TMainForm : public QMainWindow, public SessionHost {
  Q_OBJECT
 public:
  // `commandLine` is the file named on the command line (the arguments joined), or empty.
  TMainForm(Workspace& ws, std::string commandLine = {});
  ~TMainForm() override;

  Workspace& ws() { return ws_; }
  QMdiArea* MdiArea() const { return mdi_; }

  // ---- operations used by the child windows and the session commands ----
  void OpenClimateWindow(int etoKind, bool reload);
  void OpenRainWindow(int rainKind);
  void OpenCropWindow(bool dry);
  void OpenSoilWindow();
  void OpenCropPatternWindow();
  bool AskSaveChanges(std::string_view question);
  bool SaveActiveDataWindow(SaveCommand command);
  // False when a window refused to close.
  bool CloseAllWindows() override;
  void SetFileButtons(bool enabled);
  void DisableToolButtons();
  void SetSaveButtons(bool enabled);
  void ReleaseModuleButtons();

  // ---- the session commands' host ----
  bool ReadDataFile(DataKind kind, const std::string& path) override;
  void OpenDataWindow(DataKind kind) override;
  bool AnyWindowOpen() const override { return ChildCount() > 0; }
  void RunScheduleCommand() override;

  // ---- window registry ----
  void RegisterWindow(Tvskchildform* window);
  void UnregisterWindow(Tvskchildform* window);
  Tvskchildform* Window(WindowSlot slot) const { return registry_[static_cast<size_t>(slot)]; }
  Tvskchildform* ActiveChild() const;
  TDataForm* ActiveDataForm() const;
  int ChildCount() const;
  // Brings a window to the front, restored when minimised.
  void BringToFront(Tvskchildform* window);

  // ---- helpers of the activation protocol ----
  void PressModuleButton(ModuleButton button);
  void ReleaseModuleButton(ModuleButton button);
  bool ModuleButtonDown(ModuleButton button) const;
  void SetNewMenu(QMenu* menu);
  void SetOpenList(RecentKind kind);
  void SetChartButton(bool enabled);
  void SetOptionsButton(bool enabled);
  void ForgetShownStatus(DataKind kind);
  void AddRecentFile(RecentKind kind, const std::string& path);
  const RecentFileList& Recent(RecentKind kind) const { return recent_[static_cast<size_t>(kind)]; }
  QMenu* ClimateNewMenu() const { return climateNewMenu_; }
  void UpdateEstimateButton();
  void ChildMinimised(Tvskchildform* window);
  void ChildRestored(Tvskchildform* window);
  int ModulePanelWidth() const;
  int ModulePanelHeight() const;
  // Commits the pending edit of the active input window.
  void Commit();

  TPMClimateForm* OpenPenmanMonteithWindow() const;
  // The text a table cell had when its edit began (one for all input tables).
  std::string RememberedCellText;
  // The estimation mode for new climate data (set by the options dialog; off at start).
  bool NewDataEstimateAll = false;

  // ---- commands ----
  void NewCommand();
  void OpenCommand();
  void OpenRecentFile(const std::string& path);
  void SaveCommandRun(SaveCommand command);
  void SaveAllCommand();
  void CloseCommand();
  void EstimateCommand();
  void ClimateButtonCommand();
  void NewClimateKind(int etoKind);
  void SaveDefaultCommand();
  void LoadDefaultCommand();
  void CentreWindowCommand();
  void CentreAllCommand();
  void ShowWelcome();
  void ShowAbout();
  void TileWindows(bool horizontal);
  void SaveSessionCommand(bool saveAs);
  void OpenSessionCommand();
  void CloseSessionCommand();

  // Opens the file named on the command line.
  void OpenCommandLineFile(const std::string& path);
  // The status update (run from the idle timer at most once per whole second).
  void UpdateDataStatus();
  // The work of the first display: the welcome window or the command-line file.
  void FirstDisplay();
  // Welcome window shown in this run.
  bool WelcomeShown() const { return welcomeShown_; }

  // ---- for tests and scripts ----
  QToolButton* ToolButton(const char* name) const;
  QToolButton* ModuleButtonWidget(ModuleButton button) const {
    return moduleButtons_[static_cast<size_t>(button)];
  }
  QLabel* StatusField(int index) const { return statusFields_[static_cast<size_t>(index)]; }
  QAction* Action(const char* name) const;
  bool EstimateShown() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void StartUp();
  void BuildMenus();
  void BuildToolBar();
  void BuildModulePanel();
  void BuildStatusPanel();
  void LayoutPanels();
  void SubWindowActivated(QMdiSubWindow* window);
  void IdleTick();
  void ShowStatusField(int field, byte status, const std::string& name);
  void UpdateTitle();
  void UpdateFileMenu();
  void UpdateEditMenu();
  void UpdateCalculationsMenu();
  void UpdateChartsMenu();
  void RebuildRecentMenu();
  bool OpenByExtension(const std::string& path);
  // True (and the user told) for a data file whose window this program does not have yet:
  // measured ETo, rain, crop, soil and cropping pattern files are not read at all.
  bool RefuseWithoutWindow(const std::string& path);
  void ReportFilesWithoutWindow();
  void OpenIntoWindow(TDataForm* window, const std::string& path);
  void AddChild(Tvskchildform* window);
  QAction* AddAction(QMenu* menu, const char* name, std::string_view text, bool enabled = true);

  Workspace& ws_;
  std::string commandLine_;
  std::vector<std::string> withoutWindow_;  // files of a session left out for want of a window
  QMdiArea* mdi_ = nullptr;
  QWidget* modulePanel_ = nullptr;
  QWidget* statusPanel_ = nullptr;
  std::array<QToolButton*, static_cast<size_t>(ModuleButton::Count)> moduleButtons_{};
  std::array<bool, static_cast<size_t>(ModuleButton::Count)> moduleDown_{};
  std::array<QLabel*, 7> statusCaptions_{};
  std::array<QLabel*, 7> statusFields_{};
  QToolButton* newButton_ = nullptr;
  QToolButton* openButton_ = nullptr;
  QToolButton* saveButton_ = nullptr;
  QToolButton* closeButton_ = nullptr;
  QToolButton* printButton_ = nullptr;
  QToolButton* graphButton_ = nullptr;
  QToolButton* optionsButton_ = nullptr;
  QToolButton* estimateButton_ = nullptr;
  QAction* estimateAction_ = nullptr;
  QAction* estimateShown_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QMenu* calcMenu_ = nullptr;
  QMenu* chartsMenu_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QMenu* climateNewMenu_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  RecentKind shownRecent_ = RecentKind::None;
  std::array<Tvskchildform*, static_cast<size_t>(WindowSlot::Count)> registry_{};
  std::array<RecentFileList, 6> recent_;
  std::array<byte, 5> shownStatus_{};
  std::array<std::string, 5> shownName_;
  std::array<bool, 5> shownValid_{};
  byte shownScheduleStatus_ = 0;
  std::string shownScheduleName_;
  bool shownScheduleValid_ = false;
  bool shownCropDry_ = true;
  byte shownTitleChanged_ = 0;
  std::string shownTitleName_;
  bool titleValid_ = false;
  QTimer* idleTimer_ = nullptr;
  QMetaObject::Connection focusConnection_;
  QMetaObject::Connection activationConnection_;
  QElapsedTimer ticks_;
  qint64 lastSecond_ = -1;
  bool welcomeShown_ = false;
  bool firstDisplayDone_ = false;
  bool shuttingDown_ = false;
  Tvskchildform* minimised_ = nullptr;
  Tvskchildform* lastActive_ = nullptr;
};

}  // namespace vsk
