#include "cli/vskcli.h"

#include <functional>

#include "cli/vskcliargs.h"
#include "cli/vskclijson.h"
#include "cli/vskcliui.h"
#include "climate/vskclimatefile.h"
#include "climate/vskclimaterecalc.h"
#include "core/vskdatafile.h"
#include "core/vsksession.h"
#include "core/vsksettings.h"
#include "core/vskworkspace.h"
#include "crop/vskcropsoilcalc.h"
#include "cwr/vskcwrcalc.h"
#include "output/vskclimatetable.h"
#include "output/vskcwrtable.h"
#include "output/vskraintable.h"
#include "output/vskreport.h"
#include "output/vskscheduletable.h"
#include "output/vskscheduleview.h"
#include "output/vskschemetable.h"
#include "rain/vskraincalc.h"
#include "rain/vskrainrecalc.h"
#include "schedule/vskcropschedulecalc.h"
#include "schedule/vskricecwr.h"
#include "schedule/vskriceschedulecalc.h"
#include "schedule/vskriceschedulefile.h"
#include "schedule/vskschedulefile.h"
#include "scheme/vskpatterncalc.h"
#include "scheme/vskschemecalc.h"
#include "scheme/vsksessionloader.h"

namespace vsk::cli {

namespace {

// What a command prints on success: the report section, the table(s) for csv, the JSON keys.
struct CommandOutput {
  ReportSection report;
  std::vector<TableContent> tables;
  std::function<void(JsonWriter&)> json;
};

// The session loader with the located detail of a data file that failed to read added to
// the reader's message.
class CliSessionLoader : public SessionLoader {
 public:
  CliSessionLoader(Workspace& ws, CliUi& ui) : SessionLoader(ws), ui_(ui) {}
  bool ReadDataFile(DataKind kind, const std::string& path) override {
    if (SessionLoader::ReadDataFile(kind, path)) return true;
    if (!FailureDetail(kind).empty()) ui_.AddDetailToLastError(FailureDetail(kind));
    return false;
  }

 private:
  CliUi& ui_;
};

class Runner {
 public:
  explicit Runner(const CliArgs& args) : a_(args), ws_(ui_) {}

  CliOutput Run() {
    CommandOutput output;
    const bool ok = LoadSettings() && Load() && Compute(output);
    CliOutput result;
    if (!ok) {
      std::string error = ui_.LastError();
      result.exitCode = kExitDataError;
      if (a_.format == Format::Json) result.out = ErrorJson(error, ui_.Messages()) + "\n";
      result.err = ui_.StandardErrorText();
      return result;
    }
    switch (a_.format) {
      case Format::Text:
        result.out = JoinLines(SectionLines(output.report));
        break;
      case Format::Csv:
        for (size_t i = 0; i < output.tables.size(); ++i) {
          if (i > 0) result.out += "\n";
          result.out += TableToCsv(output.tables[i]);
        }
        break;
      case Format::Json: {
        JsonWriter json;
        json.BeginObject();
        output.json(json);
        WriteMessages(json, ui_.Messages());
        json.EndObject();
        result.out = json.Text() + "\n";
        break;
      }
    }
    result.err = ui_.StandardErrorText();
    return result;
  }

 private:
  // The options of the settings file; a file that does not exist gives the built-in defaults.
  // One that exists but cannot be read ends the run: the results would silently rest on other
  // options than the ones asked for.
  bool LoadSettings() {
    if (!a_.settings) return true;
    ws_.SettingsFile = *a_.settings;
    if (!DataFileExists(*a_.settings)) return true;
    if (!ReadFolders(*a_.settings, ws_.session, ws_.texts) ||
        !ReadOptions(*a_.settings, ws_.options, false, false, ws_.texts)) {
      ws_.error(Msg::IniReadError);
      return false;
    }
    ws_.session.StartUp(ws_.options);
    return true;
  }

  // The session, or the files of the command line in session order (the first failure ends
  // the run); then the positional file of eto and rain.
  bool Load() {
    if (a_.session) {
      // As opening the session in the desktop program: a listed file that is missing is
      // skipped (the question is answered No), one that fails to read leaves its message.
      CliSessionLoader loader(ws_, ui_);
      if (!OpenSession(ws_, loader, *a_.session)) return false;
    } else {
      if (a_.climate && !OpenClimate(*a_.climate)) return false;
      if (a_.rain && !OpenRain(*a_.rain)) return false;
      if (a_.soil && !OpenSoil(*a_.soil)) return false;
      if (a_.pattern && !ReadPatternFile(ws_, *a_.pattern)) return false;
      if (a_.crop && !OpenCrop(*a_.crop)) return false;
      if (a_.planting) ws_.session.PlantingDate = *a_.planting;
    }
    if (a_.events && !OpenEvents(*a_.events)) return false;
    if (a_.command == Command::Eto && !OpenClimate(a_.file)) return false;
    if (a_.command == Command::Rain && !OpenRain(a_.file)) return false;
    return true;
  }

  // The climate/ETo window right after opening: ETo and radiation recomputed, monthly
  // summaries and averages.
  bool OpenClimate(const std::string& path) {
    if (!ReadClimate(path)) return false;
    ShowAsOpened(DataKind::Climate);
    return true;
  }

  bool ReadClimate(const std::string& path) {
    std::string detail;
    if (OpenClimateFile(ws_, path, &detail)) return true;
    ui_.AddDetailToLastError(detail);
    return false;
  }

  // The rain window right after opening: sums, effective rain and totals.
  bool OpenRain(const std::string& path) {
    if (!ReadRain(path)) return false;
    ShowAsOpened(DataKind::Rain);
    return true;
  }

  bool ReadRain(const std::string& path) {
    RainFileDiagnostic diag;
    if (OpenRainFile(ws_, path, &diag)) return true;
    AddDetail(diag.line, diag.token, "");
    return false;
  }

  // What the input window of a kind computes when it opens on new data.
  void ShowAsOpened(DataKind kind) {
    if (kind == DataKind::Climate) RecomputeClimateTables(ws_);
    if (kind == DataKind::Rain) RecomputeRain(ws_);
  }

  // A schedule file replays its irrigations (the dry-crop or rice reader by the crop).
  bool OpenEvents(const std::string& path) {
    return ws_.session.CropIsDry ? ReadScheduleFile(ws_, path) : ReadRiceScheduleFile(ws_, path);
  }

  bool OpenSoil(const std::string& path) {
    CropSoilDiagnostic diag;
    if (!OpenSoilFile(ws_, path, &diag)) {
      AddDetail(diag.line, diag.token, diag.reason);
      return false;
    }
    return true;
  }

  bool OpenCrop(const std::string& path) {
    CropSoilDiagnostic diag;
    if (!OpenCropFile(ws_, path, &diag)) {
      AddDetail(diag.line, diag.token, diag.reason);
      return false;
    }
    return true;
  }

  void AddDetail(int line, const std::string& token, const std::string& reason) {
    if (line <= 0) return;
    ui_.AddDetailToLastError(
        reason.empty()
            ? FormatText(ws_.text(Msg::CliFileLine), {std::to_string(line), token})
            : FormatText(ws_.text(Msg::CliFileLineReason), {std::to_string(line), token, reason}));
  }

  bool Compute(CommandOutput& output) {
    const ReportOptions report;
    switch (a_.command) {
      case Command::Eto:
        output.report = ClimateReport(ws_, report);
        if (ws_.session.EtoKind == kEtoDayPM) {
          for (int tab = 1; tab <= 13; ++tab) output.tables.push_back(DayEToPMTable(ws_, tab));
        } else {
          output.tables = {ClimateTable(ws_)};
        }
        output.json = [this](JsonWriter& json) { WriteEtoJson(json, ws_); };
        return true;
      case Command::Rain:
        output.report = RainReport(ws_, report);
        output.tables = {RainTable(ws_)};
        output.json = [this](JsonWriter& json) { WriteRainJson(json, ws_); };
        return true;
      case Command::Cwr:
        if (!ComputeCwrWindow()) return false;
        output.report = CwrReport(ws_, report);
        output.tables = {CwrTable(ws_)};
        output.json = [this](JsonWriter& json) { WriteCwrJson(json, ws_); };
        return true;
      case Command::Schedule:
        if (!ComputeScheduleWindow()) return false;
        output.report = ScheduleReport(ws_, view_, report);
        output.tables = {view_.rice ? RiceScheduleTable(ws_, view_) : DryScheduleTable(ws_, view_)};
        output.json = [this](JsonWriter& json) { WriteScheduleJson(json, ws_, view_); };
        return true;
      case Command::Scheme: {
        int count = 0;
        if (!SchemeSupply(ws_, count)) return false;
        scheme_ = SchemeResultsOf(ws_, count);
        output.report = SchemeReport(ws_, scheme_, report);
        output.tables = {SchemeTable(ws_, scheme_)};
        output.json = [this](JsonWriter& json) { WriteSchemeJson(json, ws_, scheme_); };
        return true;
      }
      default:
        return false;
    }
  }

  // The crop water requirements window: the data check (for rice also the schedule's), then
  // the dry-crop or the rice calculation.
  bool ComputeCwrWindow() {
    const DateSerial planting = ws_.session.PlantingDate;
    const DateSerial harvest = HarvestDate(ws_.crop, planting);
    if (!CwrDataOk(ws_, false, false, ws_.crop, planting, harvest)) return false;
    if (ws_.session.CropIsDry) {
      ComputeCwr(ws_);
    } else {
      if (!CwrDataOk(ws_, true, false, ws_.crop, planting, harvest)) return false;
      RiceCwrResult rice;
      RiceCwr(ws_, ws_.crop, planting, rice);
    }
    StoreCorrectedKc(planting);
    return true;
  }

  // The climate-corrected mid-season and end Kc of the run (Kc[7], Kc[8]), which the
  // calculation derives on its own copy of the crop: the same correction on the session crop.
  void StoreCorrectedKc(DateSerial planting) {
    TCropRecord crop = ws_.crop;
    CorrectKcForClimate(ws_, crop, planting, KcStage::MidSeason);
    if (crop.Kc[4] > 0.45)
      CorrectKcForClimate(ws_, crop, planting, KcStage::LateSeason);
    else
      crop.Kc[8] = crop.Kc[4];
    ws_.crop.Kc[7] = crop.Kc[7];
    ws_.crop.Kc[8] = crop.Kc[8];
  }

  // The schedule window of the crop's kind.
  bool ComputeScheduleWindow() {
    const DateSerial planting = ws_.session.PlantingDate;
    const DateSerial harvest = HarvestDate(ws_.crop, planting);
    if (!CwrDataOk(ws_, true, false, ws_.crop, planting, harvest)) return false;
    if (ws_.session.CropIsDry) {
      ComputeCwr(ws_);
      view_ = DryScheduleView(ComputeDrySchedule(ws_), !a_.dailyTable);
      return true;
    }
    if (!CheckRiceUserLists(ws_)) return false;
    RiceEtcTables etc;
    ComputeRiceEtc(ws_, ws_.crop, planting, true, etc);
    RiceScheduleResult result;
    RunRiceSchedule(ws_, etc, result);
    view_ = RiceScheduleView(result, !a_.dailyTable);
    return true;
  }

  CliArgs a_;
  CliUi ui_;
  Workspace ws_;
  ScheduleView view_;
  SchemeResults scheme_;
};

}  // namespace

CliOutput RunCli(const std::vector<std::string>& args) {
  Texts texts;
  const ParsedArgs parsed = ParseArgs(args, texts);
  CliOutput result;
  if (!parsed.ok) {
    result.exitCode = kExitUsage;
    result.err = "veskaro-cli: " + parsed.error + "\n" + std::string(texts(Msg::CliUsage)) + "\n";
    return result;
  }
  if (parsed.args.command == Command::Help) {
    result.out = std::string(texts(Msg::CliHelp));
    return result;
  }
  if (parsed.args.command == Command::Version) {
    result.out = std::string(texts(Msg::CliVersion)) + "\n";
    return result;
  }
  return Runner(parsed.args).Run();
}

}  // namespace vsk::cli
