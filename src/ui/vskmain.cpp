#include "ui/vskmain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "climate/vskETocalc.h"
#include "climate/vskclimatefile.h"
#include "core/vskglobal.h"
#include "core/vsksettings.h"
#include "core/vskworkspace.h"
#include "ui/vskapplication.h"
#include "ui/vskdatachild.h"
#include "ui/vskdialogs.h"
#include "ui/vskgraphchild.h"
#include "ui/vskpmclimate.h"
#include "ui/vskqtext.h"

namespace vsk {

namespace {

constexpr DataKind kPanelKinds[5] = {DataKind::Climate, DataKind::Rain, DataKind::Crop,
                                     DataKind::Soil, DataKind::Pattern};
constexpr int kPanelFields[5] = {0, 1, 2, 3, 5};
constexpr ModuleButton kPanelButtons[5] = {ModuleButton::Climate, ModuleButton::Rain,
                                           ModuleButton::Crop, ModuleButton::Soil,
                                           ModuleButton::CropPat};

RecentKind RecentKindOf(DataKind kind) {
  return static_cast<RecentKind>(static_cast<int>(kind));
}

bool IsClimateSlot(WindowSlot s) {
  return static_cast<int>(s) <= static_cast<int>(WindowSlot::DayMETo);
}

WindowSlot ClimateSlot(int etoKind) {
  switch (etoKind) {
    case 1:
      return WindowSlot::DayEToPM;
    case 2:
      return WindowSlot::DecEToPM;
    case 3:
      return WindowSlot::MonthEToPM;
    case 4:
      return WindowSlot::DayMETo;
    case 5:
      return WindowSlot::DecMETo;
    default:
      return WindowSlot::MonthMETo;
  }
}

}  // namespace

TMainForm::TMainForm(Workspace& ws, std::string commandLine)
    : QMainWindow(nullptr), ws_(ws), commandLine_(std::move(commandLine)) {
  setWindowTitle(QText(ws_, Msg::GuiDesignCaption));
  setObjectName(QStringLiteral("MainForm"));
  auto* central = new QWidget(this);
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  modulePanel_ = new QWidget(central);
  modulePanel_->setObjectName(QStringLiteral("ModulePanel"));
  mdi_ = new QMdiArea(central);
  mdi_->setObjectName(QStringLiteral("MdiArea"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  row->addWidget(modulePanel_);
  row->addWidget(mdi_, 1);
  outer->addLayout(row, 1);
  statusPanel_ = new QWidget(central);
  statusPanel_->setObjectName(QStringLiteral("StatusPanel"));
  outer->addWidget(statusPanel_);
  setCentralWidget(central);

  BuildToolBar();
  BuildMenus();
  BuildModulePanel();
  BuildStatusPanel();
  activationConnection_ =
      connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainForm::SubWindowActivated);
  focusConnection_ =
      connect(qApp, &QApplication::focusChanged, this, [this] { UpdateEstimateButton(); });

  StartUp();

  DisableToolButtons();
  ReleaseModuleButtons();
  estimateShown_->setVisible(false);
  idleTimer_ = new QTimer(this);
  idleTimer_->setInterval(200);
  connect(idleTimer_, &QTimer::timeout, this, &TMainForm::IdleTick);
  ticks_.start();
  idleTimer_->start();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(screen->availableGeometry());
  else
    resize(1000, 720);
}

TMainForm::~TMainForm() {
  // The child windows go first, while the registry they clear is still alive.
  shuttingDown_ = true;
  // The widgets below go down after this object stopped being a TMainForm: no signal of
  // theirs may reach it any more.
  disconnect(focusConnection_);
  disconnect(activationConnection_);
  idleTimer_->stop();
  // Closed windows waiting for their deletion are children too.
  for (Tvskchildform* w : findChildren<Tvskchildform*>()) delete w;
}

void TMainForm::StartUp() {
  if (auto* app = qobject_cast<VskApplication*>(QCoreApplication::instance()))
    app->InstallErrorHandler(&ws_.ui, &ws_.texts);
  ws_.session.PlantingDate = 0;
  ws_.session.SavedPlantingDate = 0;
  if (ws_.SettingsFile.empty()) ws_.SettingsFile = SettingsFilePath();
  std::error_code ec;
  std::filesystem::create_directories(FileFolder(ws_.SettingsFile), ec);
  if (!ReadFolders(ws_.SettingsFile, ws_.session, ws_.texts)) ws_.error(Msg::IniReadError);
  if (!ReadOptions(ws_.SettingsFile, ws_.options, false, false, ws_.texts))
    ws_.error(Msg::IniReadError);
  ws_.userTables = UserIrrigationTables();
  ClearClimate(ws_);
  ws_.events.Clear();
  // Every kind to "no data", the first snapshot, the rain kind and crop kind of new data.
  ws_.session.StartUp(ws_.options);
}

// ---- building ---------------------------------------------------------------------------

QAction* TMainForm::AddAction(QMenu* menu, const char* name, std::string_view text, bool enabled) {
  QAction* a = menu->addAction(QStd(std::string(text)));
  a->setObjectName(QString::fromLatin1(name));
  a->setEnabled(enabled);
  return a;
}

QAction* TMainForm::Action(const char* name) const {
  return findChild<QAction*>(QString::fromLatin1(name));
}

bool TMainForm::EstimateShown() const {
  return estimateShown_->isVisible();
}

QToolButton* TMainForm::ToolButton(const char* name) const {
  return findChild<QToolButton*>(QString::fromLatin1(name));
}

void TMainForm::BuildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Tools"));
  bar->setObjectName(QStringLiteral("ToolBar"));
  bar->setMovable(false);
  QAction* lastAdded = nullptr;
  auto make = [&](const char* name, Msg caption) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QText(ws_, caption));
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    lastAdded = bar->addWidget(b);
    return b;
  };
  newButton_ = make("NewToolButton", Msg::GuiToolNew);
  newButton_->setPopupMode(QToolButton::MenuButtonPopup);
  openButton_ = make("OpenToolButton", Msg::GuiToolOpen);
  openButton_->setPopupMode(QToolButton::MenuButtonPopup);
  saveButton_ = make("SaveToolButton", Msg::GuiToolSave);
  closeButton_ = make("CloseToolButton", Msg::GuiToolClose);
  printButton_ = make("PrintToolButton", Msg::GuiToolPrint);
  graphButton_ = make("GraphToolButton", Msg::GuiToolChart);
  optionsButton_ = make("OptionsToolButton", Msg::GuiToolOptions);
  bar->addSeparator();
  estimateButton_ = make("EstimateSButton", Msg::GuiToolEstimate);
  estimateShown_ = lastAdded;  // a tool bar shows or hides its widgets through their actions
  estimateAction_ = new QAction(this);
  estimateAction_->setObjectName(QStringLiteral("Estimate"));
  connect(newButton_, &QToolButton::clicked, this, [this] { NewCommand(); });
  connect(openButton_, &QToolButton::clicked, this, [this] { OpenCommand(); });
  connect(saveButton_, &QToolButton::clicked, this, [this] { SaveCommandRun(SaveCommand::Save); });
  connect(closeButton_, &QToolButton::clicked, this, [this] { CloseCommand(); });
  connect(estimateButton_, &QToolButton::clicked, this, [this] { EstimateCommand(); });
  // Print, Chart and Options open windows and dialogs built by later work.
  recentMenu_ = new QMenu(this);
  recentMenu_->setObjectName(QStringLiteral("RecentMenu"));
  connect(recentMenu_, &QMenu::aboutToShow, this, [this] { Commit(); });
}

void TMainForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  // File
  fileMenu_ = bar->addMenu(QText(ws_, Msg::GuiMenuFile));
  fileMenu_->setObjectName(QStringLiteral("FileMenu"));
  QAction* newSession = AddAction(fileMenu_, "NewSessionItem", ws_.text(Msg::GuiNewSession));
  connect(newSession, &QAction::triggered, this, [this] { CloseSessionCommand(); });
  QAction* openSession = AddAction(fileMenu_, "OpenSessionItem", ws_.text(Msg::GuiOpenSession));
  connect(openSession, &QAction::triggered, this, [this] { OpenSessionCommand(); });
  QAction* saveSession = AddAction(fileMenu_, "SaveSessionItem", ws_.text(Msg::GuiSaveSession));
  connect(saveSession, &QAction::triggered, this, [this] { SaveSessionCommand(false); });
  QAction* saveSessionAs =
      AddAction(fileMenu_, "SaveSessionAsItem", ws_.text(Msg::GuiSaveSessionAs));
  connect(saveSessionAs, &QAction::triggered, this, [this] { SaveSessionCommand(true); });
  QAction* closeSession = AddAction(fileMenu_, "CloseSessionItem", ws_.text(Msg::GuiCloseSession));
  connect(closeSession, &QAction::triggered, this, [this] { CloseSessionCommand(); });
  fileMenu_->addSeparator();
  QMenu* newMenu = fileMenu_->addMenu(QText(ws_, Msg::GuiNew));
  newMenu->setObjectName(QStringLiteral("FileNewMenu"));
  QMenu* newClimate = newMenu->addMenu(QText(ws_, Msg::GuiNewClimate));
  const Msg kindNames[7] = {Msg::GuiKindDayPM,    Msg::GuiKindDayPM,   Msg::GuiKindDecPM,
                            Msg::GuiKindMonthPM,  Msg::GuiKindDayMeas, Msg::GuiKindDecMeas,
                            Msg::GuiKindMonthMeas};
  const int order[6] = {3, 2, 1, 6, 5, 4};
  climateNewMenu_ = new QMenu(this);
  climateNewMenu_->setObjectName(QStringLiteral("ClimateNewMenu"));
  for (int kind : order) {
    const bool built = kind <= 3;  // the measured-ETo windows come with later work
    const std::string itemName = "FileNewClimate" + std::to_string(kind);
    QAction* a = AddAction(newClimate, itemName.c_str(), ws_.text(kindNames[kind]), built);
    connect(a, &QAction::triggered, this, [this, kind] {
      ClimateButtonCommand();
      NewClimateKind(kind);
    });
    const std::string popupName = "NewClimate" + std::to_string(kind);
    QAction* p = AddAction(climateNewMenu_, popupName.c_str(), ws_.text(kindNames[kind]), built);
    connect(p, &QAction::triggered, this, [this, kind] { NewClimateKind(kind); });
  }
  QMenu* newRain = newMenu->addMenu(QText(ws_, Msg::GuiNewRain));
  AddAction(newRain, "FileNewRain3", ws_.text(Msg::GuiRainMonthly), false);
  AddAction(newRain, "FileNewRain2", ws_.text(Msg::GuiRainDecade), false);
  AddAction(newRain, "FileNewRain1", ws_.text(Msg::GuiRainDaily), false);
  QMenu* newCrop = newMenu->addMenu(QText(ws_, Msg::GuiNewCrop));
  AddAction(newCrop, "FileNewDryCrop", ws_.text(Msg::GuiDryCrop), false);
  AddAction(newCrop, "FileNewRice", ws_.text(Msg::GuiRice), false);
  AddAction(newMenu, "FileNewSoil", ws_.text(Msg::GuiNewSoil), false);
  AddAction(newMenu, "FileNewPattern", ws_.text(Msg::GuiNewCropPattern), false);
  QAction* open = AddAction(fileMenu_, "OpenItem", ws_.text(Msg::GuiOpen));
  connect(open, &QAction::triggered, this, [this] { OpenCommand(); });
  QAction* save = AddAction(fileMenu_, "SaveItem", ws_.text(Msg::GuiSave));
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, [this] { SaveCommandRun(SaveCommand::Save); });
  QAction* saveAs = AddAction(fileMenu_, "SaveAsItem", ws_.text(Msg::GuiSaveAs));
  connect(saveAs, &QAction::triggered, this, [this] { SaveCommandRun(SaveCommand::SaveAs); });
  QAction* saveAll = AddAction(fileMenu_, "SaveAllItem", ws_.text(Msg::GuiSaveAll));
  connect(saveAll, &QAction::triggered, this, [this] { SaveAllCommand(); });
  fileMenu_->addSeparator();
  AddAction(fileMenu_, "PrintItem", ws_.text(Msg::GuiPrint), false);
  AddAction(fileMenu_, "PrinterSetupItem", ws_.text(Msg::GuiPrinterSetup), false);
  fileMenu_->addSeparator();
  QAction* exit = AddAction(fileMenu_, "ExitItem", ws_.text(Msg::GuiExit));
  connect(exit, &QAction::triggered, this, &QWidget::close);
  connect(fileMenu_, &QMenu::aboutToShow, this, [this] { UpdateFileMenu(); });

  // Edit
  editMenu_ = bar->addMenu(QText(ws_, Msg::GuiMenuEdit));
  editMenu_->setObjectName(QStringLiteral("EditMenu"));
  QAction* undo = AddAction(editMenu_, "UndoItem", ws_.text(Msg::GuiUndo));
  undo->setShortcut(QKeySequence::Undo);
  QAction* cut = AddAction(editMenu_, "CutItem", ws_.text(Msg::GuiCut));
  cut->setShortcut(QKeySequence::Cut);
  QAction* copy = AddAction(editMenu_, "CopyItem", ws_.text(Msg::GuiCopy));
  copy->setShortcut(QKeySequence::Copy);
  QAction* paste = AddAction(editMenu_, "PasteItem", ws_.text(Msg::GuiPaste));
  paste->setShortcut(QKeySequence::Paste);
  auto focusedEdit = [] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); };
  connect(undo, &QAction::triggered, this, [focusedEdit] {
    if (auto* e = focusedEdit()) e->undo();
  });
  connect(cut, &QAction::triggered, this, [focusedEdit] {
    if (auto* e = focusedEdit()) e->cut();
  });
  connect(copy, &QAction::triggered, this, [focusedEdit] {
    if (auto* e = focusedEdit()) e->copy();
  });
  connect(paste, &QAction::triggered, this, [focusedEdit] {
    if (auto* e = focusedEdit()) e->paste();
  });
  editMenu_->addSeparator();
  QMenu* copyTable = editMenu_->addMenu(QText(ws_, Msg::GuiCopyTable));
  copyTable->setObjectName(QStringLiteral("CopyTableMenu"));
  AddAction(copyTable, "CopyDataOnlyItem", ws_.text(Msg::GuiDataOnly), false);
  AddAction(copyTable, "CopyDataHeadersItem", ws_.text(Msg::GuiDataAndHeaders), false);
  AddAction(editMenu_, "PasteTableItem", ws_.text(Msg::GuiPasteTable), false);
  QMenu* copyChart = editMenu_->addMenu(QText(ws_, Msg::GuiCopyChart));
  copyChart->setObjectName(QStringLiteral("CopyChartMenu"));
  AddAction(copyChart, "CopyBitmapItem", ws_.text(Msg::GuiAsBitmap), false);
  AddAction(copyChart, "CopyMetafileItem", ws_.text(Msg::GuiAsMetafile), false);
  connect(editMenu_, &QMenu::aboutToShow, this, [this] { UpdateEditMenu(); });

  // Calculations and Charts: their windows come with later work.
  calcMenu_ = bar->addMenu(QText(ws_, Msg::GuiMenuCalculations));
  calcMenu_->setObjectName(QStringLiteral("CalculationsMenu"));
  AddAction(calcMenu_, "CwrItem", ws_.text(Msg::GuiCalcCwr), false);
  AddAction(calcMenu_, "ScheduleItem", ws_.text(Msg::GuiCalcSchedule), false);
  AddAction(calcMenu_, "SchemeItem", ws_.text(Msg::GuiCalcScheme), false);
  connect(calcMenu_, &QMenu::aboutToShow, this, [this] { UpdateCalculationsMenu(); });
  chartsMenu_ = bar->addMenu(QText(ws_, Msg::GuiMenuCharts));
  chartsMenu_->setObjectName(QStringLiteral("ChartsMenu"));
  AddAction(chartsMenu_, "ClimateChartItem", ws_.text(Msg::GuiChartClimate), false);
  AddAction(chartsMenu_, "CwrChartItem", ws_.text(Msg::GuiChartCwr), false);
  AddAction(chartsMenu_, "ScheduleChartItem", ws_.text(Msg::GuiChartSchedule), false);
  connect(chartsMenu_, &QMenu::aboutToShow, this, [this] { UpdateChartsMenu(); });

  // Settings
  QMenu* settings = bar->addMenu(QText(ws_, Msg::GuiMenuSettings));
  settings->setObjectName(QStringLiteral("SettingsMenu"));
  AddAction(settings, "OptionsItem", ws_.text(Msg::GuiOptions), false);
  AddAction(settings, "FileLocationsItem", ws_.text(Msg::GuiFileLocations), false);
  settings->addSeparator();
  QAction* saveDefault = AddAction(settings, "SaveDefaultItem", ws_.text(Msg::GuiSaveDefault));
  connect(saveDefault, &QAction::triggered, this, [this] { SaveDefaultCommand(); });
  QAction* loadDefault = AddAction(settings, "LoadDefaultItem", ws_.text(Msg::GuiLoadDefault));
  connect(loadDefault, &QAction::triggered, this, [this] { LoadDefaultCommand(); });

  // Window
  windowMenu_ = bar->addMenu(QText(ws_, Msg::GuiMenuWindow));
  windowMenu_->setObjectName(QStringLiteral("WindowMenu"));
  connect(windowMenu_, &QMenu::aboutToShow, this, [this] {
    windowMenu_->clear();
    QAction* cascade = AddAction(windowMenu_, "CascadeItem", ws_.text(Msg::GuiCascade));
    connect(cascade, &QAction::triggered, mdi_, &QMdiArea::cascadeSubWindows);
    QAction* tileH = AddAction(windowMenu_, "TileHorizontalItem", ws_.text(Msg::GuiTileHorizontal));
    connect(tileH, &QAction::triggered, this, [this] { TileWindows(true); });
    QAction* tileV = AddAction(windowMenu_, "TileVerticalItem", ws_.text(Msg::GuiTileVertical));
    connect(tileV, &QAction::triggered, this, [this] { TileWindows(false); });
    QAction* centre = AddAction(windowMenu_, "CentreWindowItem", ws_.text(Msg::GuiCentreWindow));
    connect(centre, &QAction::triggered, this, [this] { CentreWindowCommand(); });
    QAction* centreAll = AddAction(windowMenu_, "CentreAllItem", ws_.text(Msg::GuiCentreAll));
    connect(centreAll, &QAction::triggered, this, [this] { CentreAllCommand(); });
    QAction* closeAll = AddAction(windowMenu_, "CloseAllItem", ws_.text(Msg::GuiCloseAll));
    connect(closeAll, &QAction::triggered, this, [this] { CloseAllWindows(); });
    // The window list of the frame.
    const auto windows = mdi_->subWindowList();
    if (!windows.isEmpty()) windowMenu_->addSeparator();
    int n = 0;
    for (QMdiSubWindow* w : windows) {
      QAction* a = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(w->windowTitle()));
      a->setCheckable(true);
      a->setChecked(w == mdi_->activeSubWindow());
      connect(a, &QAction::triggered, this, [this, w] {
        if (auto* c = qobject_cast<Tvskchildform*>(w)) BringToFront(c);
      });
    }
  });
  // Filled on first display so that its items exist for shortcuts and tests.
  emit windowMenu_->aboutToShow();

  // Language: the localisation component fills it; without language files it stays empty.
  QMenu* language = bar->addMenu(QText(ws_, Msg::GuiMenuLanguage));
  language->setObjectName(QStringLiteral("LanguageMenu"));

  // Help
  QMenu* help = bar->addMenu(QText(ws_, Msg::GuiMenuHelp));
  help->setObjectName(QStringLiteral("HelpMenu"));
  AddAction(help, "HelpTopicsItem", ws_.text(Msg::GuiHelpTopics), false);
  QAction* about = AddAction(help, "AboutItem", ws_.text(Msg::GuiAbout));
  connect(about, &QAction::triggered, this, [this] { ShowAbout(); });
  QAction* welcome = AddAction(help, "OpeningScreenItem", ws_.text(Msg::GuiOpeningScreen));
  connect(welcome, &QAction::triggered, this, [this] { ShowWelcome(); });

  // F6 estimates in the climate tables; the tables take the key themselves when focused.
  estimateAction_->setShortcut(QKeySequence(Qt::Key_F6));
  estimateAction_->setShortcutContext(Qt::ApplicationShortcut);
  addAction(estimateAction_);
  connect(estimateAction_, &QAction::triggered, this, [this] {
    if (estimateShown_->isVisible() && estimateButton_->isEnabled()) EstimateCommand();
  });
}

void TMainForm::BuildModulePanel() {
  const Msg captions[8] = {Msg::GuiModClimate, Msg::GuiModRain,  Msg::GuiModCrop,
                           Msg::GuiModSoil,    Msg::GuiModCwr,   Msg::GuiModSchedule,
                           Msg::GuiModCropPat, Msg::GuiModScheme};
  const char* names[8] = {"ClimateSButton", "RainSButton",     "CropSButton",    "SoilSButton",
                          "CWRSButton",     "ScheduleSButton", "CropPatSButton", "SchemeSButton"};
  for (size_t i = 0; i < 8; ++i) {
    auto* b = new QToolButton(modulePanel_);
    b->setObjectName(QString::fromLatin1(names[i]));
    b->setText(QText(ws_, captions[i]));
    b->setCheckable(true);
    moduleButtons_[i] = b;
  }
  connect(moduleButtons_[0], &QToolButton::clicked, this, [this] {
    moduleButtons_[0]->setChecked(moduleDown_[0]);
    ClimateButtonCommand();
  });
  // Rain, crop, soil, CWR, schedule, pattern and scheme windows come with later work.
  for (size_t i = 1; i < 8; ++i) moduleButtons_[i]->setEnabled(false);
}

void TMainForm::BuildStatusPanel() {
  const Msg captions[7] = {Msg::GuiStatEto,     Msg::GuiStatRain,     Msg::GuiStatCrop,
                           Msg::GuiStatSoil,    Msg::GuiStatPlanting, Msg::GuiStatCropPat,
                           Msg::GuiStatSchedule};
  const char* names[7] = {"etofileedit",    "rainfileedit",    "cropfileedit",    "soilfileedit",
                          "pldatefileedit", "croppatfileedit", "schedulefileedit"};
  auto* layout = new QHBoxLayout(statusPanel_);
  layout->setContentsMargins(1, 2, 1, 2);
  layout->setSpacing(0);
  for (size_t i = 0; i < 7; ++i) {
    auto* box = new QWidget(statusPanel_);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(2, 0, 2, 0);
    v->setSpacing(1);
    auto* caption = new QLabel(QText(ws_, captions[i]), box);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    caption->setAlignment(Qt::AlignHCenter);
    auto* field = new QLabel(box);
    field->setObjectName(QString::fromLatin1(names[i]));
    field->setFrameShape(QFrame::StyledPanel);
    field->setFrameShadow(QFrame::Sunken);
    field->setAutoFillBackground(true);
    field->setFont(bold);
    field->setMinimumHeight(field->fontMetrics().height() + 6);
    v->addWidget(caption);
    v->addWidget(field);
    layout->addWidget(box);
    statusCaptions_[i] = caption;
    statusFields_[i] = field;
  }
}

void TMainForm::LayoutPanels() {
  // Module panel: the widest caption plus 18 pixels; buttons 8 wider than the widest
  // caption, an eighth of the panel height each.
  int widest = 0;
  const QFontMetrics fm(moduleButtons_[0]->font());
  for (QToolButton* b : moduleButtons_) widest = std::max(widest, fm.horizontalAdvance(b->text()));
  modulePanel_->setFixedWidth(widest + 18);
  const int h = (modulePanel_->height() - 6) / 8;
  for (size_t k = 0; k < 8; ++k)
    moduleButtons_[k]->setGeometry(5, 5 + static_cast<int>(k) * h, widest + 8, h);
  // Seven status fields of equal width over the frame.
  const int w = (width() - 2) / 7;
  for (QLabel* f : statusFields_) f->parentWidget()->setFixedWidth(w);
}

int TMainForm::ModulePanelWidth() const {
  return modulePanel_->width();
}

int TMainForm::ModulePanelHeight() const {
  return modulePanel_->height();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  LayoutPanels();
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  LayoutPanels();
  if (!openButton_->isEnabled()) newButton_->setEnabled(false);
  if (!firstDisplayDone_) {
    firstDisplayDone_ = true;
    QTimer::singleShot(0, this, [this] { FirstDisplay(); });
  }
}

void TMainForm::FirstDisplay() {
  LayoutPanels();
  if (commandLine_.empty()) {
    if (ws_.options.showgeneralinfo && !welcomeShown_) ShowWelcome();
  } else {
    const std::string path = commandLine_;
    commandLine_.clear();
    OpenCommandLineFile(path);
  }
  setWindowTitle(QText(ws_, Msg::GuiSessionTitle) + QStd(ws_.session.SessionFileName));
}

// ---- registry and activation ----------------------------------------------------------

void TMainForm::RegisterWindow(Tvskchildform* window) {
  registry_[static_cast<size_t>(window->Slot())] = window;
}

void TMainForm::UnregisterWindow(Tvskchildform* window) {
  auto& slot = registry_[static_cast<size_t>(window->Slot())];
  if (slot == window) slot = nullptr;
  if (lastActive_ == window) lastActive_ = nullptr;
  if (minimised_ == window) minimised_ = nullptr;
}

int TMainForm::ChildCount() const {
  int n = 0;
  for (Tvskchildform* w : registry_)
    if (w) ++n;
  return n;
}

Tvskchildform* TMainForm::ActiveChild() const {
  auto* w = qobject_cast<Tvskchildform*>(mdi_->activeSubWindow());
  if (!w || Window(w->Slot()) != w) return nullptr;
  return w;
}

TDataForm* TMainForm::ActiveDataForm() const {
  return qobject_cast<TDataForm*>(ActiveChild());
}

void TMainForm::BringToFront(Tvskchildform* window) {
  if (!window) return;
  if (window->isMinimized()) window->showNormal();
  mdi_->setActiveSubWindow(window);
  window->raise();
}

void TMainForm::SubWindowActivated(QMdiSubWindow* window) {
  if (shuttingDown_) return;
  auto* next = qobject_cast<Tvskchildform*>(window);
  if (next && Window(next->Slot()) != next) next = nullptr;  // closing
  if (next == lastActive_) return;
  if (lastActive_) lastActive_->FormDeactivate();
  lastActive_ = next;
  if (next) next->FormActivate();
  UpdateEstimateButton();
}

void TMainForm::ChildMinimised(Tvskchildform* window) {
  DisableToolButtons();
  ReleaseModuleButtons();
  minimised_ = window;
}

void TMainForm::ChildRestored(Tvskchildform* window) {
  Tvskchildform* active = ActiveChild();
  if ((window != minimised_ && !window->isMaximized()) || !active) return;
  if (active->isMinimized() || active == window) active->FormActivate();
  minimised_ = nullptr;
}

// ---- buttons ----------------------------------------------------------------------------

// The Print button stays off until the print dialog exists.
void TMainForm::SetFileButtons(bool enabled) {
  for (QToolButton* b : {newButton_, openButton_, saveButton_, closeButton_})
    b->setEnabled(enabled);
}

void TMainForm::DisableToolButtons() {
  for (QToolButton* b : {newButton_, openButton_, saveButton_, closeButton_, printButton_,
                         graphButton_, optionsButton_})
    b->setEnabled(false);
}

void TMainForm::SetSaveButtons(bool enabled) {
  saveButton_->setEnabled(enabled);
}

void TMainForm::ReleaseModuleButtons() {
  for (size_t i = 0; i < moduleButtons_.size(); ++i) {
    moduleDown_[i] = false;
    moduleButtons_[i]->setChecked(false);
  }
}

void TMainForm::PressModuleButton(ModuleButton button) {
  const auto i = static_cast<size_t>(button);
  moduleDown_[i] = true;
  moduleButtons_[i]->setChecked(true);
}

void TMainForm::ReleaseModuleButton(ModuleButton button) {
  const auto i = static_cast<size_t>(button);
  moduleDown_[i] = false;
  moduleButtons_[i]->setChecked(false);
}

bool TMainForm::ModuleButtonDown(ModuleButton button) const {
  return moduleDown_[static_cast<size_t>(button)];
}

void TMainForm::SetNewMenu(QMenu* menu) {
  newButton_->setMenu(menu);
  newButton_->setPopupMode(menu ? QToolButton::MenuButtonPopup : QToolButton::DelayedPopup);
}

void TMainForm::SetOpenList(RecentKind kind) {
  shownRecent_ = kind;
  RebuildRecentMenu();
}

void TMainForm::RebuildRecentMenu() {
  recentMenu_->clear();
  if (shownRecent_ == RecentKind::None ||
      recent_[static_cast<size_t>(shownRecent_)].Entries().empty()) {
    openButton_->setMenu(nullptr);
    openButton_->setPopupMode(QToolButton::DelayedPopup);
    return;
  }
  for (const std::string& path : recent_[static_cast<size_t>(shownRecent_)].Entries()) {
    QAction* a = recentMenu_->addAction(QStd(path));
    connect(a, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
  }
  openButton_->setMenu(recentMenu_);
  openButton_->setPopupMode(QToolButton::MenuButtonPopup);
}

void TMainForm::AddRecentFile(RecentKind kind, const std::string& path) {
  if (kind == RecentKind::None) return;
  recent_[static_cast<size_t>(kind)].Add(path);
  if (kind == shownRecent_) RebuildRecentMenu();
}

void TMainForm::SetChartButton(bool enabled) {
  // The chart windows come with later work: the button stays off until they exist.
  (void)enabled;
  graphButton_->setEnabled(false);
}

void TMainForm::SetOptionsButton(bool enabled) {
  // The options dialog comes with later work.
  (void)enabled;
  optionsButton_->setEnabled(false);
}

void TMainForm::ForgetShownStatus(DataKind kind) {
  const int k = static_cast<int>(kind);
  if (k < 5) shownValid_[static_cast<size_t>(k)] = false;
  if (kind == DataKind::Schedule) shownScheduleValid_ = false;
}

void TMainForm::UpdateEstimateButton() {
  if (shuttingDown_) return;
  auto* pm = OpenPenmanMonteithWindow();
  Tvskchildform* active = ActiveChild();
  const bool climateActive = active && IsClimateSlot(active->Slot());
  if (!pm || !climateActive || ws_.options.estimateall) {
    estimateShown_->setVisible(false);
    return;
  }
  estimateShown_->setVisible(true);
  estimateButton_->setEnabled(pm->EstimateAvailable());
}

TPMClimateForm* TMainForm::OpenPenmanMonteithWindow() const {
  for (WindowSlot s : {WindowSlot::MonthEToPM, WindowSlot::DecEToPM, WindowSlot::DayEToPM})
    if (auto* w = qobject_cast<TPMClimateForm*>(Window(s))) return w;
  return nullptr;
}

void TMainForm::Commit() {
  if (TDataForm* w = ActiveDataForm()) w->Commit();
}

// ---- window operations ------------------------------------------------------------------

void TMainForm::AddChild(Tvskchildform* window) {
  mdi_->addSubWindow(window);
  window->adjustSize();
  window->DesignWidth = window->width();
  window->DesignHeight = window->height();
  window->Centre();
  window->show();
  BringToFront(window);
}

void TMainForm::OpenClimateWindow(int etoKind, bool reload) {
  if (etoKind < 1 || etoKind > 6) return;
  ws_.session.EtoKind = static_cast<byte>(etoKind);
  const WindowSlot slot = ClimateSlot(etoKind);
  if (!reload && Window(slot)) {
    BringToFront(Window(slot));
  } else {
    // One climate/ETo window at a time: the one shown now gives way.
    if (Tvskchildform* active = ActiveChild(); active && IsClimateSlot(active->Slot()))
      active->close();
    for (int s = 0; s <= static_cast<int>(WindowSlot::DayMETo); ++s)
      if (Tvskchildform* w = Window(static_cast<WindowSlot>(s))) w->close();
    ws_.session.EtoKind = static_cast<byte>(etoKind);
    TPMClimateForm* window = nullptr;
    switch (etoKind) {
      case 1:
        window = new TDayEToPMForm(*this);
        break;
      case 2:
        window = new TDecEToPMForm(*this);
        break;
      case 3:
        window = new TMonthEToPMForm(*this);
        break;
      default:
        // The measured-ETo windows come with later work; their data are not kept without
        // a window.
        ClearClimate(ws_);
        ws_.session.EtoKind = 0;
        return;
    }
    AddChild(window);
    window->RecomputeAll();
    window->Refresh();
  }
  UpdateEstimateButton();
}

void TMainForm::OpenRainWindow(int rainKind) {
  // The rain windows come with later work.
  ws_.session.RainKind = static_cast<byte>(rainKind);
}

void TMainForm::OpenCropWindow(bool dry) {
  // The crop windows come with later work.
  ws_.session.CropIsDry = dry;
}

void TMainForm::OpenSoilWindow() {}         // comes with the soil window
void TMainForm::OpenCropPatternWindow() {}  // comes with the cropping pattern window

bool TMainForm::AskSaveChanges(std::string_view question) {
  const Answer a = ws_.ui.ask(AskKind::Warning, question, Buttons::YesNoCancel);
  if (a == Answer::Cancel) return false;
  if (a == Answer::Yes) return SaveActiveDataWindow(SaveCommand::Save);
  return true;
}

bool TMainForm::SaveActiveDataWindow(SaveCommand command) {
  TDataForm* w = ActiveDataForm();
  if (!w) return false;
  FileDialogRequest dialog;
  dialog.mustExist = false;
  w->PrepareSaveDialog(dialog);
  std::string path;
  w->FileName(path);
  const std::string ext = UpperCase(FileExtension(path));
  const bool direct =
      command != SaveCommand::SaveAs && path != kUntitled && ext != ".PEN" && ext != ".CLI";
  if (!direct) {
    auto chosen = AskSaveFileName(ws_, dialog);
    if (!chosen) return false;
    path = *chosen;
  }
  bool success = false;
  w->WriteFile(path, success);
  if (success) AddRecentFile(RecentKindOf(w->Kind()), path);
  return success;
}

bool TMainForm::CloseAllWindows() {
  ws_.session.CloseCancelled = false;
  for (WindowSlot s :
       {WindowSlot::CropSchedule, WindowSlot::RiceSchedule, WindowSlot::Cwr, WindowSlot::Scheme}) {
    if (Tvskchildform* w = Window(s)) {
      BringToFront(w);
      if (!w->close() || ws_.session.CloseCancelled) return false;
    }
  }
  auto windows = mdi_->subWindowList();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    auto* w = qobject_cast<Tvskchildform*>(*it);
    if (!w || Window(w->Slot()) != w) continue;
    BringToFront(w);
    if (!w->close() || ws_.session.CloseCancelled) return false;
  }
  ReleaseModuleButtons();
  return true;
}

bool TMainForm::ReadDataFile(DataKind kind, const std::string& path) {
  // Only the Penman-Monteith climate data have their window in this program so far; the
  // other files of a session are left out rather than kept without a window, and named
  // together once the session is open.
  if (kind != DataKind::Climate || EtoKindOfFile(path) > 3) {
    withoutWindow_.push_back(FileNameOnly(path));
    return false;
  }
  return OpenClimateFile(ws_, path);
}

bool TMainForm::RefuseWithoutWindow(const std::string& path) {
  const std::string ext = UpperCase(FileExtension(path));
  for (const char* e :
       {".PMM", ".PMC", ".PMD", ".CLI", ".CRM", ".CRC", ".CRD", ".CRO", ".SOI", ".PAT"})
    if (ext == e) {
      ws_.ui.information(FormatText(ws_.text(Msg::GuiNoWindowFor), {FileNameOnly(path)}));
      return true;
    }
  return false;
}

void TMainForm::ReportFilesWithoutWindow() {
  if (withoutWindow_.empty()) return;
  std::string names;
  for (const std::string& name : withoutWindow_) names += (names.empty() ? "" : ", ") + name;
  withoutWindow_.clear();
  ws_.ui.information(FormatText(ws_.text(Msg::GuiNoWindowFor), {names}));
}

void TMainForm::OpenDataWindow(DataKind kind) {
  switch (kind) {
    case DataKind::Climate:
      OpenClimateWindow(ws_.session.EtoKind, true);
      break;
    case DataKind::Rain:
      OpenRainWindow(ws_.session.RainKind);
      break;
    case DataKind::Crop:
      OpenCropWindow(ws_.session.CropIsDry);
      break;
    case DataKind::Soil:
      OpenSoilWindow();
      break;
    case DataKind::Pattern:
      OpenCropPatternWindow();
      break;
    case DataKind::Schedule:
      break;
  }
}

void TMainForm::RunScheduleCommand() {}  // the schedule windows come with later work

void TMainForm::SaveSessionCommand(bool saveAs) {
  Commit();
  SaveSession(ws_, saveAs);
}

void TMainForm::OpenSessionCommand() {
  Commit();
  withoutWindow_.clear();
  OpenSession(ws_, *this);
  ReportFilesWithoutWindow();
}

void TMainForm::CloseSessionCommand() {
  Commit();
  CloseSession(ws_, *this);
}

// ---- commands ---------------------------------------------------------------------------

void TMainForm::NewCommand() {
  Commit();
  TDataForm* w = ActiveDataForm();
  if (!w) return;
  if (!w->SaveQuestion()) return;
  w->NewData();
  w->Refresh();
  ws_.session.KeepDataOnClose = true;
}

void TMainForm::NewClimateKind(int etoKind) {
  auto* w = ActiveDataForm();
  if (!w || !IsClimateSlot(w->Slot())) return;
  if (!w->SaveQuestion()) return;
  w->NewData();
  ws_.options.newetotype = static_cast<byte>(etoKind);
  OpenClimateWindow(etoKind, true);
  if (Tvskchildform* now = ActiveChild()) now->Refresh();
}

void TMainForm::ClimateButtonCommand() {
  bool reload = false;
  if (ws_.session.EtoKind == 0) {
    ws_.session.EtoKind = ws_.options.newetotype;
    ws_.climate.TempMinMax = ws_.options.newtempnotaverage;
    reload = ws_.options.estimateall != NewDataEstimateAll;
    ws_.options.estimateall = NewDataEstimateAll;
  }
  if (ws_.session.EtoKind == 0) return;
  OpenClimateWindow(ws_.session.EtoKind, reload);
}

void TMainForm::OpenCommand() {
  Commit();
  TDataForm* w = ActiveDataForm();
  if (!w) return;
  FileDialogRequest dialog;
  w->PrepareOpenDialog(dialog);
  dialog.proposedName.clear();
  dialog.mustExist = true;
  auto chosen = ws_.ui.openFileDialog(dialog);
  if (!chosen) return;
  if (!w->SaveQuestion()) return;
  AddRecentFile(RecentKindOf(w->Kind()), chosen->path);
  OpenIntoWindow(w, chosen->path);
}

void TMainForm::OpenRecentFile(const std::string& path) {
  Commit();
  TDataForm* w = ActiveDataForm();
  if (!w) return;
  if (!w->SaveQuestion()) return;
  OpenIntoWindow(w, path);
}

void TMainForm::OpenIntoWindow(TDataForm* window, const std::string& path) {
  if (RefuseWithoutWindow(path)) return;
  if (window->ReadFile(path)) {
    ws_.session.KeepDataOnClose = false;
    OpenByExtension(path);
    ws_.session.KeepDataOnClose = true;
  }
  if (Tvskchildform* now = ActiveChild()) now->Refresh();
}

bool TMainForm::OpenByExtension(const std::string& path) {
  const std::string ext = UpperCase(FileExtension(path));
  if (ext == ".PEN" || ext == ".PEM")
    OpenClimateWindow(3, true);
  else if (ext == ".PEC")
    OpenClimateWindow(2, true);
  else if (ext == ".PED")
    OpenClimateWindow(1, true);
  else if (ext == ".PMM")
    OpenClimateWindow(6, false);
  else if (ext == ".PMC")
    OpenClimateWindow(5, false);
  else if (ext == ".PMD")
    OpenClimateWindow(4, false);
  else if (ext == ".CLI" || ext == ".CRM")
    OpenRainWindow(3);
  else if (ext == ".CRC")
    OpenRainWindow(2);
  else if (ext == ".CRD")
    OpenRainWindow(1);
  else if (ext == ".CRO")
    OpenCropWindow(ws_.session.CropIsDry);
  else if (ext == ".SOI")
    OpenSoilWindow();
  else if (ext == ".PAT")
    OpenCropPatternWindow();
  else if (ext == ".SCH") {
    for (WindowSlot s : {WindowSlot::CropSchedule, WindowSlot::RiceSchedule})
      if (Tvskchildform* w = Window(s)) w->Refresh();
  } else {
    return false;
  }
  return true;
}

void TMainForm::OpenCommandLineFile(const std::string& path) {
  if (!DataFileExists(path)) return;
  std::string ext = FileExtension(path);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".pen" || ext == ".pem" || ext == ".pec" || ext == ".ped" || ext == ".pmm" ||
      ext == ".pmc" || ext == ".pmd") {
    if (RefuseWithoutWindow(path)) return;
    ws_.session.Current(FolderKind::Climate) = FileFolder(path);
    if (OpenClimateFile(ws_, path)) OpenClimateWindow(ws_.session.EtoKind, true);
  } else if (ext == ".ses") {
    ws_.session.Current(FolderKind::Session) = FileFolder(path);
    withoutWindow_.clear();
    OpenSession(ws_, *this, path);
    ReportFilesWithoutWindow();
  } else {
    // Rain, crop, soil and pattern files open with their windows, which come with later work.
    RefuseWithoutWindow(path);
  }
}

void TMainForm::SaveCommandRun(SaveCommand command) {
  Tvskchildform* active = ActiveChild();
  if (auto* chart = qobject_cast<TGraphForm*>(active)) {
    chart->PictureFileDialog();
    return;
  }
  auto* w = qobject_cast<TDataForm*>(active);
  if (!w) return;
  try {
    Commit();
    if (SaveActiveDataWindow(command))
      if (Tvskchildform* now = ActiveChild()) now->Refresh();
  } catch (const std::exception&) {
    ws_.error(Msg::GuiError);
  }
}

void TMainForm::SaveAllCommand() {
  const auto windows = mdi_->subWindowList();
  for (QMdiSubWindow* sub : windows) {
    auto* w = qobject_cast<TDataForm*>(sub);
    if (!w || Window(w->Slot()) != w) continue;
    BringToFront(w);
    w->Commit();
    if (!SaveActiveDataWindow(SaveCommand::SaveAll)) return;
    w->Refresh();
  }
}

void TMainForm::CloseCommand() {
  if (Tvskchildform* w = ActiveChild()) w->close();
}

void TMainForm::EstimateCommand() {
  if (TPMClimateForm* w = OpenPenmanMonteithWindow()) w->EstimateCurrentCell();
}

void TMainForm::SaveDefaultCommand() {
  if (ws_.ui.ask(AskKind::Confirmation, ws_.text(Msg::GuiSaveDefaultConfirm), Buttons::OkCancel) !=
      Answer::Ok)
    return;
  if (!WriteFolders(ws_.SettingsFile, ws_.session, ws_.texts)) ws_.error(Msg::IniWriteError);
  if (!WriteOptions(ws_.SettingsFile, ws_.options, ws_.texts)) ws_.error(Msg::IniWriteError);
}

void TMainForm::LoadDefaultCommand() {
  if (ws_.ui.ask(AskKind::Confirmation, ws_.text(Msg::GuiLoadDefaultConfirm), Buttons::OkCancel) !=
      Answer::Ok)
    return;
  if (!ReadOptions(ws_.SettingsFile, ws_.options, false, false, ws_.texts))
    ws_.error(Msg::IniReadError);
  if (!ReadFolders(ws_.SettingsFile, ws_.session, ws_.texts)) ws_.error(Msg::IniReadError);
}

void TMainForm::CentreWindowCommand() {
  if (Tvskchildform* w = ActiveChild()) w->RestoreDesignSizeAndCentre();
}

void TMainForm::CentreAllCommand() {
  auto windows = mdi_->subWindowList();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    if (auto* w = qobject_cast<Tvskchildform*>(*it)) w->RestoreDesignSizeAndCentre();
}

void TMainForm::TileWindows(bool horizontal) {
  const auto windows = mdi_->subWindowList();
  QList<QMdiSubWindow*> shown;
  for (QMdiSubWindow* w : windows)
    if (!w->isMinimized() && w->isVisible()) shown << w;
  if (shown.isEmpty()) return;
  const QRect area = mdi_->viewport()->rect();
  const int n = static_cast<int>(shown.size());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* w = shown[i];
    if (w->isMaximized()) w->showNormal();
    if (horizontal) {
      const int h = area.height() / n;
      w->setGeometry(0, i * h, area.width(), h);
    } else {
      const int wd = area.width() / n;
      w->setGeometry(i * wd, 0, wd, area.height());
    }
  }
}

void TMainForm::ShowWelcome() {
  welcomeShown_ = true;
  TWelcomeForm dialog(ws_, this);
  dialog.exec();
}

void TMainForm::ShowAbout() {
  TAboutForm dialog(ws_, this);
  dialog.exec();
}

// ---- menus ------------------------------------------------------------------------------

void TMainForm::UpdateFileMenu() {
  Commit();
  const bool any = ChildCount() > 0;
  Action("SaveSessionItem")->setEnabled(any);
  Action("OpenItem")->setEnabled(any && openButton_->isEnabled());
  Action("SaveItem")->setEnabled(any && saveButton_->isEnabled());
  Action("SaveAsItem")->setEnabled(any && saveButton_->isEnabled());
  Action("SaveAllItem")->setEnabled(any && saveButton_->isEnabled());
}

void TMainForm::UpdateEditMenu() {
  Commit();
  for (const char* n : {"UndoItem", "CutItem", "CopyItem", "PasteItem"})
    Action(n)->setEnabled(false);
  if (auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
    Action("UndoItem")->setEnabled(e->isUndoAvailable());
    Action("CutItem")->setEnabled(e->hasSelectedText() && !e->isReadOnly());
    Action("CopyItem")->setEnabled(e->hasSelectedText());
    Action("PasteItem")
        ->setEnabled(!QApplication::clipboard()->text().isEmpty() && !e->isReadOnly());
  }
}

void TMainForm::UpdateCalculationsMenu() {
  Commit();  // the calculation windows come with later work
}

void TMainForm::UpdateChartsMenu() {
  Commit();  // the chart windows come with later work
}

// ---- status -----------------------------------------------------------------------------

void TMainForm::IdleTick() {
  const qint64 second = ticks_.elapsed() / 1000;
  if (second == lastSecond_) return;
  lastSecond_ = second;
  UpdateDataStatus();
}

void TMainForm::ShowStatusField(int field, byte status, const std::string& name) {
  QLabel* f = statusFields_[static_cast<size_t>(field)];
  f->setToolTip(QStd(name));
  if (status == dsNone) {
    f->clear();
    return;
  }
  const QString text = QStd(FileNameOnly(name)).toLower();
  f->setText(text);
  QPalette p = f->palette();
  p.setColor(QPalette::WindowText,
             status == dsChanged ? QColor(Qt::red) : palette().color(QPalette::WindowText));
  f->setPalette(p);
  const bool wide = f->fontMetrics().horizontalAdvance(text) > f->contentsRect().width();
  f->setAlignment((wide ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
}

void TMainForm::UpdateDataStatus() {
  SessionState& s = ws_.session;
  bool cropChanged = false;
  for (size_t i = 0; i < 5; ++i) {
    const DataKind kind = kPanelKinds[i];
    const byte status = s.StatusOf(kind);
    const std::string& name = s.File(kind);
    if (shownValid_[i] && shownStatus_[i] == status && shownName_[i] == name) continue;
    ShowStatusField(kPanelFields[i], status, name);
    if (ModuleButtonDown(kPanelButtons[i])) SetSaveButtons(status != dsNone);
    shownValid_[i] = true;
    shownStatus_[i] = status;
    shownName_[i] = name;
    if (kind == DataKind::Crop) cropChanged = true;
  }
  if (cropChanged) {
    const WindowSlot other[2] = {
        s.CropIsDry ? WindowSlot::RiceSchedule : WindowSlot::CropSchedule,
        s.CropIsDry ? WindowSlot::RiceScheduleGraph : WindowSlot::CropScheduleGraph};
    for (WindowSlot slot : other)
      if (Tvskchildform* w = Window(slot)) w->close();
    s.ScheduleAdjusted = false;
  }
  // Planting date: shown while a crop window is open, red when not yet saved.
  QLabel* planting = statusFields_[4];
  if (Window(WindowSlot::Crop) || Window(WindowSlot::Rice)) {
    planting->setText(QStd(FormatDayMonth(s.PlantingDate)));
    QPalette p = planting->palette();
    p.setColor(QPalette::WindowText, s.PlantingDate != s.SavedPlantingDate
                                         ? QColor(Qt::red)
                                         : palette().color(QPalette::WindowText));
    planting->setPalette(p);
    planting->setAlignment(Qt::AlignCenter);
  } else {
    planting->clear();
  }
  const byte schedStatus = s.StatusOf(DataKind::Schedule);
  const std::string& schedName = s.File(DataKind::Schedule);
  if (!shownScheduleValid_ || schedStatus != shownScheduleStatus_ ||
      schedName != shownScheduleName_) {
    const bool shown = schedName != kUntitled || schedStatus == dsChanged;
    ShowStatusField(6, shown ? schedStatus : static_cast<byte>(dsNone), schedName);
    if (ModuleButtonDown(ModuleButton::Schedule)) SetSaveButtons(true);
    shownScheduleValid_ = true;
    shownScheduleStatus_ = schedStatus;
    shownScheduleName_ = schedName;
  }
  s.UpdateSessionChanged();
  if (!titleValid_ || shownTitleChanged_ != s.SessionChanged ||
      shownTitleName_ != s.SessionFileName) {
    setWindowTitle(QText(ws_, Msg::GuiSessionTitle) + QStd(s.SessionFileName));
    titleValid_ = true;
    shownTitleChanged_ = s.SessionChanged;
    shownTitleName_ = s.SessionFileName;
  }
  UpdateEstimateButton();
}

// ---- shut-down --------------------------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent* event) {
  for (Tvskchildform* w : registry_) {
    auto* data = qobject_cast<TDataForm*>(w);
    if (!data) continue;
    bool canClose = true;
    data->FormCloseQuery(canClose);
    if (!canClose) {
      event->ignore();
      return;
    }
  }
  if (ws_.session.SessionChanged == 1 && ChildCount() > 0) {
    const Answer a =
        ws_.ui.ask(AskKind::Warning, ws_.text(Msg::SesSaveChanges), Buttons::YesNoCancel);
    if (a == Answer::Cancel || (a == Answer::Yes && !SaveSession(ws_, false))) {
      event->ignore();
      return;
    }
  }
  if (!WriteWelcomeFlags(ws_.SettingsFile, ws_.options, ws_.texts)) ws_.error(Msg::IniWriteError);
  shuttingDown_ = true;
  event->accept();
}

}  // namespace vsk
