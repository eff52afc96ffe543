// The desktop program driven offscreen: command line, File > Open, cell edits, Estimate,
// saving, closing with unsaved data, the status panel, the title and shut-down.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <clocale>
#include <filesystem>
#include <memory>

#include "core/vskini.h"
#include "core/vskworkspace.h"
#include "output/vsktablecontent.h"
#include "qtscriptedui.h"
#include "support/testfiles.h"
#include "ui/vskapplication.h"
#include "ui/vskdialogs.h"
#include "ui/vskmain.h"
#include "ui/vskpmclimate.h"
#include "ui/vskrecent.h"
#include "ui/vsktablemodel.h"

using namespace vsk;
using vsk::test::QtScriptedUi;
using vsk::test::TempDir;

namespace {

// An object whose events fail, as an unexpected error in a command would.
class FailingObject : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Disk on fire");
    return QObject::event(e);
  }
};

std::string Fixture(const std::string& name) {
  return std::string(VESKARO_TEST_DATA) + "/ui/" + name;
}

std::vector<std::string> Strings(std::initializer_list<const char*> list) {
  return std::vector<std::string>(list.begin(), list.end());
}

// Monthly table: row of a month, columns of the min/max layout.
constexpr int kTMin = 1, kTMax = 2, kHum = 3, kETo = 7;

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> home_;
  std::unique_ptr<QtScriptedUi> ui_;
  std::unique_ptr<Workspace> ws_;
  std::unique_ptr<TMainForm> main_;

  TPMClimateForm* Climate(WindowSlot slot = WindowSlot::MonthEToPM) {
    return qobject_cast<TPMClimateForm*>(main_->Window(slot));
  }
  std::string Cell(TPMClimateForm* w, int row, int column) {
    return w->Model()->Content().Text(row, column);
  }
  // Types into a cell through the table's own editor and ends the edit.
  void Type(TPMClimateForm* w, int row, int column, const QString& text) {
    const QModelIndex index = w->Model()->index(row, column);
    w->Table()->setFocus();
    w->Table()->setCurrentIndex(index);
    w->Table()->edit(index);
    auto* editor = qobject_cast<QLineEdit*>(w->CellEditor());
    QVERIFY(editor);
    editor->setText(text);
    w->Commit();
  }
  // Copies a fixture into the test folder (saves must not touch the fixtures).
  std::string Copy(const std::string& name, const std::string& as = {}) {
    const std::string target = home_->File(as.empty() ? name : as);
    std::filesystem::copy_file(Fixture(name), target,
                               std::filesystem::copy_options::overwrite_existing);
    return target;
  }
  void OpenMonthly() {
    main_->OpenCommandLineFile(Copy("tarvessa.PEM"));
    QVERIFY(Climate());
  }

 private slots:
  void init() {
    home_ = std::make_unique<TempDir>();
    ui_ = std::make_unique<QtScriptedUi>();
    ws_ = std::make_unique<Workspace>(*ui_, CalendarDate{2026, 12, 10});
    ws_->SettingsFile = home_->File("VESKARO.INI");
    test::WriteText(ws_->SettingsFile, "[Climate/ETo options]\r\nshowgeneralinfo=0\r\n");
    main_ = std::make_unique<TMainForm>(*ws_);
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
  }

  void cleanup() {
    main_.reset();
    QVERIFY2(ui_->unexpected.empty(), ui_->unexpected.empty() ? "" : ui_->unexpected[0].c_str());
    ws_.reset();
    ui_.reset();
    home_.reset();
  }

  void startUpLeavesEveryKindEmpty() {
    for (int k = 0; k < kDataKindCount; ++k) {
      QCOMPARE(int(ws_->session.Status[size_t(k)]), int(dsNone));
      QCOMPARE(ws_->session.FileName[size_t(k)], std::string("untitled"));
    }
    QCOMPARE(int(ws_->session.EtoKind), 0);
    QVERIFY(!main_->ToolButton("SaveToolButton")->isEnabled());
    QVERIFY(!main_->EstimateShown());
    QVERIFY(ui_->shown.empty());
    main_->UpdateDataStatus();
    QCOMPARE(main_->windowTitle(), QStringLiteral("VESKARO - Session: "));
  }

  void commandLineJoinsArgumentsWithBlanks() {
    bool splash = true;
    QCOMPARE(CommandLineFile(Strings({"/data/my", "station", "file.PEM"}), splash),
             std::string("/data/my station file.PEM"));
    QVERIFY(splash);
    QCOMPARE(CommandLineFile(Strings({"--no-splash", "a.pem"}), splash), std::string("a.pem"));
    QVERIFY(!splash);
  }

  void commandLineOpensEachPenmanMonteithKind() {
    QFETCH(QString, file);
    QFETCH(int, slot);
    QFETCH(int, kind);
    const std::string path =
        Copy(file.toStdString(), "my station." + file.section('.', 1).toStdString());
    main_->OpenCommandLineFile(path);
    auto* w = Climate(static_cast<WindowSlot>(slot));
    QVERIFY(w);
    QCOMPARE(int(ws_->session.EtoKind), kind);
    QCOMPARE(ws_->session.File(DataKind::Climate), path);
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Climate)), int(dsSaved));
    QVERIFY(w->windowTitle().endsWith(QString::fromStdString(" - " + path)));
    QCOMPARE(w->Field(StationField::Station)->text(), QStringLiteral("Tarvessa"));
    QVERIFY(ui_->shown.empty());
  }
  void commandLineOpensEachPenmanMonteithKind_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("kind");
    QTest::newRow("monthly") << "tarvessa.PEM" << int(WindowSlot::MonthEToPM) << 3;
    QTest::newRow("decade") << "tarvessa.PEC" << int(WindowSlot::DecEToPM) << 2;
    QTest::newRow("daily") << "tarvessa.PED" << int(WindowSlot::DayEToPM) << 1;
  }

  void commandLineIgnoresOtherFiles() {
    const std::string schedule = home_->File("plan.sch");
    test::WriteText(schedule, "VESKARO 8.0 Schedule\r\n");
    main_->OpenCommandLineFile(schedule);
    main_->OpenCommandLineFile(home_->File("missing.PEM"));
    QCOMPARE(main_->ChildCount(), 0);
    QVERIFY(ui_->shown.empty());
    // A file that fails to read shows the reader's message and opens no window.
    const std::string bad = home_->File("bad.PEM");
    test::WriteText(bad, "VESKARO 8.0 Climate data\r\n 0   3\r\nX\r\nY\r\nabc\r\n");
    main_->OpenCommandLineFile(bad);
    QCOMPARE(main_->ChildCount(), 0);
    QCOMPARE(ui_->TextsOf("error").size(), size_t(1));
  }

  // Files whose windows this program does not have yet are not read, and the user is told:
  // on the command line, through File > Open (the climate window stays as it was) and in a
  // session (named together once).
  void filesWithoutAWindowAreNamedAndLeftAlone() {
    const std::string rain = home_->File("river.CRC");
    std::filesystem::copy_file(std::string(VESKARO_TEST_DATA) + "/rain/riverbend.crc", rain);
    main_->OpenCommandLineFile(rain);
    QCOMPARE(main_->ChildCount(), 0);
    QCOMPARE(ui_->TextsOf("information"),
             Strings({"This version of the program has no window for river.CRC; not opened"}));
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Rain)), int(dsNone));

    OpenMonthly();
    const std::string climate = ws_->session.File(DataKind::Climate);
    const std::string measured = home_->File("measured.PMM");
    test::WriteText(measured, "not even read");
    ui_->shown.clear();
    ui_->dialogAnswers.push_back(measured);
    main_->OpenCommand();
    QVERIFY(Climate());
    QCOMPARE(ws_->session.File(DataKind::Climate), climate);
    QCOMPARE(Cell(Climate(), 2, kTMin), std::string("14.2"));
    QCOMPARE(ui_->TextsOf("information"),
             Strings({"This version of the program has no window for measured.PMM; not opened"}));

    const std::string soil = home_->File("loam.SOI");
    test::WriteText(soil, "not even read");
    const std::string session = home_->File("work.ses");
    test::WriteText(session, "[Session files]\r\nClimate/ETo file=" + climate +
                                 "\r\nRain file=" + rain + "\r\nSoil file=" + soil +
                                 "\r\nPlanting date=15/03/2026\r\n");
    main_->CloseAllWindows();
    ui_->shown.clear();
    ui_->answers = {Answer::No, Answer::No, Answer::No};
    main_->OpenCommandLineFile(session);
    QVERIFY(Climate());
    QCOMPARE(ui_->TextsOf("information"),
             Strings({"This version of the program has no window for river.CRC, loam.SOI; "
                      "not opened"}));
  }

  void dailyWindowShowsMonthTabsAndTheYear() {
    main_->OpenCommandLineFile(Copy("tarvessa.PED"));
    auto* w = Climate(WindowSlot::DayEToPM);
    QVERIFY(w);
    QCOMPARE(w->Tabs()->count(), 13);
    QCOMPARE(w->Tabs()->tabText(12), QStringLiteral("Year"));
    w->Tabs()->setCurrentIndex(1);  // February: days 29 to 31 grey and closed
    const TableContent& feb = w->Model()->Content();
    QVERIFY(feb.At(29, kTMin).editable);
    QVERIFY(!feb.At(30, kTMin).editable);
    QCOMPARE(int(feb.At(31, kTMin).shade), int(CellShade::Unused));
    w->Tabs()->setCurrentIndex(12);
    const TableContent& year = w->Model()->Content();
    for (int r = 0; r < year.RowCount(); ++r)
      for (int c = 0; c < year.ColumnCount(); ++c) QVERIFY(!year.At(r, c).editable);
  }

  void fileOpenReplacesTheNewWindow() {
    main_->ClimateButtonCommand();
    auto* fresh = Climate();
    QVERIFY(fresh);
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Climate)), int(dsNone));
    QVERIFY(main_->ModuleButtonDown(ModuleButton::Climate));
    QVERIFY(main_->ToolButton("OpenToolButton")->isEnabled());
    const std::string path = Copy("tarvessa.PEM");
    ui_->dialogAnswers.push_back(path);
    main_->OpenCommand();
    QCOMPARE(ui_->dialogRequests.size(), size_t(1));
    QCOMPARE(ui_->dialogRequests[0].filterIndex, 7);
    QVERIFY(Climate());
    QCOMPARE(ws_->session.File(DataKind::Climate), path);
    QCOMPARE(Cell(Climate(), 2, kTMin), std::string("14.2"));
    QCOMPARE(main_->Recent(RecentKind::Climate).Entries(), std::vector<std::string>{path});
    QCOMPARE(main_->ChildCount(), 1);
  }

  void cellEditsAreCheckedAndRecomputed() {
    OpenMonthly();
    auto* w = Climate();
    Type(w, 2, kTMax, "45");
    QVERIFY(ui_->shown.empty());
    Type(w, 2, kTMin, "45");
    QCOMPARE(ui_->TextsOf("message"), Strings({"Value out of range"}));
    QCOMPARE(Cell(w, 2, kTMin), std::string());
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Climate)), int(dsChanged));
    ui_->shown.clear();
    Type(w, 2, kTMin, "40");
    QVERIFY(ui_->shown.empty());
    QCOMPARE(Cell(w, 2, kTMin), std::string("40.0"));
    Type(w, 3, kTMin, "33");  // February's maximum is 32.4
    QCOMPARE(ui_->TextsOf("message"),
             Strings({"Minimum temp should be smaller than maximum temp"}));
    QCOMPARE(Cell(w, 3, kTMin), std::string());
    QCOMPARE(Cell(w, 3, kETo), std::string());
  }

  void keyboardEntryGoesThroughTheCellEditor() {
    OpenMonthly();
    auto* w = Climate();
    w->Table()->setFocus();
    w->Table()->setCurrentIndex(w->Model()->index(4, kHum));
    QTest::keyClick(w->Table(), Qt::Key_1);
    auto* editor = qobject_cast<QLineEdit*>(w->CellEditor());
    QVERIFY(editor);
    QTest::keyClicks(editor, "0x0.");  // letters are refused, humidity takes two characters
    QCOMPARE(editor->text(), QStringLiteral("10"));
    QTest::keyClick(editor, Qt::Key_Return);  // the table stores the edit from its event loop
    QTRY_VERIFY(!w->CellEditor());
    QCOMPARE(Cell(w, 4, kHum), std::string("10"));
    QCOMPARE(ws_->climate.Data.Month[3].Humidity, 10.0);
    QVERIFY(ui_->shown.empty());
  }

  void januaryEditChangesFebruaryAndDecember() {
    OpenMonthly();
    auto* w = Climate();
    std::vector<std::string> before;
    for (int m = 1; m <= 12; ++m) before.push_back(Cell(w, m + 1, kETo));
    Type(w, 2, kTMax, "36");
    QVERIFY(Cell(w, 2, kETo) != before[0]);
    QVERIFY(Cell(w, 3, kETo) != before[1]);
    QVERIFY(Cell(w, 13, kETo) != before[11]);
    QCOMPARE(Cell(w, 7, kETo), before[5]);
  }

  void latitudeChangeRecomputesEveryMonth() {
    OpenMonthly();
    auto* w = Climate();
    std::vector<std::string> before;
    for (int m = 1; m <= 12; ++m) before.push_back(Cell(w, m + 1, kETo));
    QLineEdit* lat = w->Field(StationField::Latitude);
    lat->setFocus();
    lat->setText(QStringLiteral("45"));
    lat->setModified(true);
    emit lat->editingFinished();
    for (int m = 1; m <= 12; ++m) QVERIFY2(Cell(w, m + 1, kETo) != before[size_t(m - 1)], "month");
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Climate)), int(dsChanged));
    // The hemisphere list recomputes too.
    const std::string january = Cell(w, 2, kETo);
    w->LatitudeList()->setCurrentIndex(1);
    QVERIFY(ws_->climate.Data.South);
    QVERIFY(Cell(w, 2, kETo) != january);
  }

  void estimateButtonFollowsTheCurrentCell() {
    OpenMonthly();
    auto* w = Climate();
    QToolButton* estimate = main_->ToolButton("EstimateSButton");
    w->Table()->setFocus();
    w->Table()->setCurrentIndex(w->Model()->index(2, kTMin));
    main_->UpdateEstimateButton();
    QVERIFY(main_->EstimateShown());
    QVERIFY(!estimate->isEnabled());
    w->Table()->setCurrentIndex(w->Model()->index(15, kHum));  // the average row
    main_->UpdateEstimateButton();
    QVERIFY(!estimate->isEnabled());
    ws_->climate.Data.Month[4].Humidity = MissingReal;
    w->Table()->setCurrentIndex(w->Model()->index(5, kHum));
    main_->UpdateEstimateButton();
    QVERIFY(estimate->isEnabled());
    estimate->click();
    QVERIFY(ws_->climate.Data.Month[4].Humidity != MissingReal);
    QVERIFY(!Cell(w, 5, kHum).empty());
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Climate)), int(dsChanged));
    // Hidden when the active child is no climate window or the data are estimated.
    ws_->options.estimateall = true;
    main_->UpdateEstimateButton();
    QVERIFY(!main_->EstimateShown());
  }

  void saveAsWithAWrongExtensionAsksAgain() {
    OpenMonthly();
    Type(Climate(), 2, kTMax, "31");
    const std::string wrong = home_->File("copy.txt");
    const std::string bare = home_->File("copy");
    ui_->dialogAnswers = {wrong, bare};
    main_->SaveCommandRun(SaveCommand::SaveAs);
    QCOMPARE(ui_->TextsOf("error"), Strings({"File extension for this file type should be .PEM"}));
    QCOMPARE(ui_->TextsOf("save").size(), size_t(2));
    QCOMPARE(ui_->dialogRequests[0].proposedName, std::string("tarvessa.PEM"));
    const std::string saved = bare + ".PEM";
    QVERIFY(std::filesystem::exists(saved));
    QVERIFY(!std::filesystem::exists(wrong));
    QCOMPARE(ws_->session.File(DataKind::Climate), saved);
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Climate)), int(dsSaved));
    QCOMPARE(main_->Recent(RecentKind::Climate).Entries(), std::vector<std::string>{saved});
    QVERIFY(Climate()->windowTitle().endsWith(QString::fromStdString(saved)));
    // Save again: the file has a name, so no dialog.
    Type(Climate(), 2, kTMax, "32");
    main_->SaveCommandRun(SaveCommand::Save);
    QCOMPARE(ui_->TextsOf("save").size(), size_t(2));
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Climate)), int(dsSaved));
  }

  void oldFormatIsSavedUnderTheMonthlyExtension() {
    main_->OpenCommandLineFile(Copy("oldstyle.PEN"));
    QVERIFY(Climate());
    QCOMPARE(Climate()->Field(StationField::Country)->text(), QStringLiteral("Lomaria"));
    const std::string target = home_->File("oldstyle.PEm");
    ui_->dialogAnswers = {target};
    main_->SaveCommandRun(SaveCommand::Save);  // a .PEN file always asks for a name
    QCOMPARE(ui_->dialogRequests.size(), size_t(1));
    QCOMPARE(ui_->dialogRequests[0].proposedName, std::string("oldstyle.PEm"));
    QCOMPARE(ui_->dialogRequests[0].filter,
             std::string("Monthly ETo Penman Monteith (*.pem)|*.PEM"));
    QCOMPARE(test::ReadText(target).substr(0, 24), std::string("VESKARO 8.0 Climate data"));
    QCOMPARE(ws_->session.File(DataKind::Climate), target);
  }

  void closingWithUnsavedChangesAsks() {
    OpenMonthly();
    Type(Climate(), 2, kTMax, "31");
    ui_->answers = {Answer::Cancel};
    QVERIFY(!Climate()->close());
    QVERIFY(Climate());
    QVERIFY(ws_->session.CloseCancelled);
    QCOMPARE(ui_->TextsOf("ask"), Strings({"Save changes to current climate/ETo data ?"}));
    // Close All stops at the refusing window.
    ui_->answers = {Answer::Cancel};
    QVERIFY(!main_->CloseAllWindows());
    QVERIFY(Climate());
    // No: closes and drops the data.
    ui_->answers = {Answer::No};
    QVERIFY(Climate()->close());
    QVERIFY(!Climate());
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Climate)), int(dsNone));
    QCOMPARE(int(ws_->session.EtoKind), 0);
    QVERIFY(!main_->ToolButton("SaveToolButton")->isEnabled());
  }

  void closingWithYesSavesFirst() {
    OpenMonthly();
    const std::string path = ws_->session.File(DataKind::Climate);
    Type(Climate(), 2, kTMax, "31.5");
    ui_->answers = {Answer::Yes};
    QVERIFY(Climate()->close());
    QVERIFY(test::ReadText(path).find("  31.5") != std::string::npos);
    // Without changes nothing is asked.
    OpenMonthly();
    ui_->shown.clear();
    QVERIFY(Climate()->close());
    QVERIFY(ui_->TextsOf("ask").empty());
  }

  void statusPanelShowsTheFileInRedWhileChanged() {
    OpenMonthly();
    main_->UpdateDataStatus();
    QLabel* field = main_->StatusField(0);
    QCOMPARE(field->text(), QStringLiteral("tarvessa.pem"));
    QCOMPARE(field->toolTip(), QString::fromStdString(ws_->session.File(DataKind::Climate)));
    QVERIFY(field->font().bold());
    QVERIFY(field->palette().color(QPalette::WindowText) != QColor(Qt::red));
    Type(Climate(), 2, kTMax, "31");
    main_->UpdateDataStatus();
    QCOMPARE(field->palette().color(QPalette::WindowText), QColor(Qt::red));
    ui_->answers = {Answer::No};
    Climate()->close();
    main_->UpdateDataStatus();
    QCOMPARE(field->text(), QString());
  }

  void titleFollowsTheSession() {
    OpenMonthly();
    main_->UpdateDataStatus();
    QCOMPARE(int(ws_->session.SessionChanged), 1);
    const std::string session = home_->File("work.ses");
    ui_->dialogAnswers = {session};
    main_->SaveSessionCommand(false);
    main_->UpdateDataStatus();
    QCOMPARE(main_->windowTitle(), QString::fromStdString("VESKARO - Session: " + session));
  }

  void shutDownWithAnUnsavedSession() {
    OpenMonthly();
    main_->UpdateDataStatus();
    ui_->answers = {Answer::Cancel};
    QVERIFY(!main_->close());
    QCOMPARE(ui_->TextsOf("ask"), Strings({"Save changes to this session?"}));
    QVERIFY(Climate());
    // Yes, then a cancelled session dialog: nothing saved, the program stays.
    ui_->answers = {Answer::Yes};
    ui_->dialogAnswers = {std::nullopt};
    QVERIFY(!main_->close());
    QVERIFY(Climate());
    ui_->answers = {Answer::No};
    ws_->options.showetoinfo = false;
    QVERIFY(main_->close());
    IniFile ini;
    QVERIFY(ini.Load(ws_->SettingsFile));
    QCOMPARE(ini.ReadString("Climate/ETo options", "showetoinfo", "?"), std::string("0"));
  }

  void welcomeFlagIsStoredAtOnce() {
    ws_->options.showgeneralinfo = true;
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<TWelcomeForm*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Welcome to VESKARO"));
      dialog->NoShowBox()->setChecked(true);
      dialog->OkButton()->click();
    });
    main_->ShowWelcome();
    QVERIFY(main_->WelcomeShown());
    QVERIFY(!ws_->options.showgeneralinfo);
    IniFile ini;
    QVERIFY(ini.Load(ws_->SettingsFile));
    QCOMPARE(ini.ReadString("Climate/ETo options", "showgeneralinfo", "?"), std::string("0"));
  }

  void unexpectedErrorsReachTheApplicationHandler() {
    FailingObject failing;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&failing, &event);
    QCOMPARE(ui_->TextsOf("error"),
             Strings({"Disk on fire\rAn error occurred. Please report this error to KELD"}));
  }

  void newMenuSwitchesTheKind() {
    OpenMonthly();
    Type(Climate(), 2, kTMax, "31");
    ui_->answers = {Answer::Cancel};
    main_->NewClimateKind(2);
    QVERIFY(Climate());
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Climate)), int(dsChanged));
    ui_->answers = {Answer::No};
    main_->NewClimateKind(2);
    QVERIFY(!Climate());
    auto* decade = Climate(WindowSlot::DecEToPM);
    QVERIFY(decade);
    QCOMPARE(main_->ChildCount(), 1);
    QCOMPARE(int(ws_->options.newetotype), 2);
    QCOMPARE(int(ws_->session.EtoKind), 2);
    QCOMPARE(int(ws_->session.StatusOf(DataKind::Climate)), int(dsNone));
    QCOMPARE(decade->windowTitle(), QStringLiteral("Decade ETo Penman-Monteith - untitled"));
    QCOMPARE(decade->Model()->Content().Text(5, 0), std::string("Month"));
    QVERIFY(!main_->ToolButton("SaveToolButton")->isEnabled());
  }

  void minimisedWindowLeavesTheButtonsOff() {
    OpenMonthly();
    QVERIFY(main_->ToolButton("SaveToolButton")->isEnabled());
    Climate()->showMinimized();
    QVERIFY(!main_->ToolButton("SaveToolButton")->isEnabled());
    QVERIFY(!main_->ToolButton("NewToolButton")->isEnabled());
    QVERIFY(!main_->ModuleButtonDown(ModuleButton::Climate));
    Climate()->showNormal();
    QVERIFY(main_->ToolButton("SaveToolButton")->isEnabled());
    QVERIFY(main_->ModuleButtonDown(ModuleButton::Climate));
  }

  void centreRestoresTheDesignSize() {
    OpenMonthly();
    auto* w = Climate();
    const QSize design(w->DesignWidth, w->DesignHeight);
    w->resize(design.width() + 120, design.height() - 80);
    w->move(0, 0);
    main_->CentreWindowCommand();
    QCOMPARE(w->size(), design);
    const int left =
        std::max(0, int((main_->width() - main_->ModulePanelWidth() - w->width()) * 0.5) - 1);
    QCOMPARE(w->x(), left);
  }

  void defaultsAreSavedAndLoaded() {
    ws_->session.Default(FolderKind::Climate) = "/data/climate";
    ws_->options.windaskmday = false;
    ui_->answers = {Answer::Ok};
    main_->SaveDefaultCommand();
    ws_->options.windaskmday = true;
    ws_->session.Default(FolderKind::Climate).clear();
    ui_->answers = {Answer::Cancel};
    main_->LoadDefaultCommand();
    QVERIFY(ws_->options.windaskmday);
    ui_->answers = {Answer::Ok};
    main_->LoadDefaultCommand();
    QVERIFY(!ws_->options.windaskmday);
    QCOMPARE(ws_->session.Default(FolderKind::Climate), std::string("/data/climate"));
    QCOMPARE(ui_->TextsOf("ask"),
             Strings({"This will save the current settings for options and file locations",
                      "This will load default settings for options and file locations",
                      "This will load default settings for options and file locations"}));
    QVERIFY(ui_->TextsOf("error").empty());
  }

  void recentListKeepsItsOrder() {
    RecentFileList list;
    for (int i = 8; i >= 1; --i) list.Add("f" + std::to_string(i));
    QCOMPARE(list.Entries().front(), std::string("f1"));
    list.Add("f3");  // among the first seven: nothing moves
    QCOMPARE(list.Entries()[2], std::string("f3"));
    list.Add("f8");  // the eighth comes first
    QCOMPARE(list.Entries().front(), std::string("f8"));
    QCOMPARE(list.Entries().size(), size_t(8));
    QCOMPARE(list.Entries().back(), std::string("f7"));
    list.Add("new");
    QCOMPARE(list.Entries().front(), std::string("new"));
    QCOMPARE(list.Entries().back(), std::string("f6"));
  }
};

int main(int argc, char** argv) {
  VskApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  MainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow.moc"
