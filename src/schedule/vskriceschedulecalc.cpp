#include "schedule/vskriceschedulecalc.h"

#include <algorithm>
#include <cmath>

namespace vsk {

namespace {

int LengthOrZero(int length) {
  return length == MissingInt || length < 0 ? 0 : length;
}

// Month and day of the date `offset` days after `date` on the 365-day calendar, so a season
// that runs over several years never meets a 29 February.
void CalendarDayAfter(DateSerial date, int offset, int& month, int& day) {
  const MonthDay md = AddCalendarDays(MonthDayOf(date), offset);
  month = md.month;
  day = md.day;
}

// One run of the balance. A schedule run and a land-preparation run each have their own
// object, counter and event tables, so they never see each other's state.
class RiceBalance {
 public:
  RiceBalance(Workspace& ws, const Options& options, const TCropRecord& crop, DateSerial planting,
              const RiceEtcTables& etc, bool landPrepOnly, bool replayEvents,
              IrrigationEvents& events, std::vector<RiceScheduleRow>& rows,
              std::vector<RiceChartPoint>* points, double lastUserDepth)
      : ws_(ws),
        o_(options),
        crop_(crop),
        soil_(ws.soil),
        etc_(etc),
        planting_(planting),
        landPrepOnly_(landPrepOnly),
        replay_(replayEvents),
        events_(events),
        rows_(rows),
        points_(points),
        lastUserDepth_(lastUserDepth) {}

  void Run();

  const RiceTotals& Totals() const { return totals_; }
  int IrrCount() const { return irrCount_; }
  double LastUserDepth() const { return lastUserDepth_; }

 private:
  void Initialise();
  double ChooseEtc(int day) const;
  char StageOfDay(int day);
  double DayRain() const;
  void RainOfDay();
  double LandPrepKs() const;
  double MainFieldKs(int day, char stage);
  double PercolationRate(int day, char stage);
  double PercolationOfDay(double rate) const;
  void ApplyLosses(int day, double perc, double eta);
  void ApplyWater(double water, double& overflow);
  RiceChartPoint Point(int day) const;
  bool IrrigationDue(int day, char stage, const RiceScheduleRow& row) const;
  bool EventDue(int day) const;
  void Irrigate(int day, char stage, RiceScheduleRow& row);
  double MainFieldDepth(int stageIndex);
  void NextDay();
  void Warn(Msg id) const { ws_.ui.message(ws_.text(id)); }

  Workspace& ws_;
  const Options& o_;
  const TCropRecord& crop_;
  const TSoilRecord& soil_;
  const RiceEtcTables& etc_;
  DateSerial planting_;
  bool landPrepOnly_;
  bool replay_;
  IrrigationEvents& events_;
  std::vector<RiceScheduleRow>& rows_;
  std::vector<RiceChartPoint>* points_;
  double lastUserDepth_;

  // Record and soil values.
  int L_ = 0, P_ = 0;
  double puddleDepth_ = 0;  // m
  double tam_ = 0;          // mm/m
  double porosity_ = 0;     // % by volume
  double maxWaterDepth_ = 0;

  // Stores, mm.
  double deplSat_ = 0, deplSm_ = 0;
  double satPuddle_ = 0, tamPuddle_ = 0;
  double satRootzone_ = 0, tamRootzone_ = 0, ramRootzone_ = 0, satPotential_ = 0;
  double soakDepth_ = 0;                                         // m
  double percNonPuddled_ = 0, percPuddled_ = 0, percDecay_ = 0;  // mm/day, 1/day
  // Rooting depths, m.
  double rootDepth_ = 0, rootMax_ = 0, rootIncrement_ = 0;
  double p_ = 0;  // critical depletion fraction of the day

  bool puddleOk_ = false;
  int lastIrrigationDay_ = 0;
  int irrCount_ = 0;
  int stored_ = 0;  // computed events written to the tables
  RiceTotals totals_;

  // Calendar counters: month, decade of the month 0..2, day within the decade.
  int month_ = 1, decade_ = 0, dayInDecade_ = 1;
  int dateMonth_ = 1, dateDay_ = 1;
};

void RiceBalance::Initialise() {
  L_ = LengthOrZero(crop_.StageLength[6]);
  P_ = LengthOrZero(crop_.StageLength[7]);
  puddleDepth_ = crop_.PuddleDepth;
  tam_ = soil_.TotalAvailMoisture;
  porosity_ = soil_.DrainablePorosity;
  maxWaterDepth_ = soil_.MaxWaterDepth;

  if (!landPrepOnly_) {
    const double soilMax = soil_.MaxRootDepth / 100.0;
    rootMax_ = std::min(crop_.RootDepth[3], soilMax);
    const double rootIni = std::min(crop_.RootDepth[2], soilMax);
    rootDepth_ = crop_.RootDepth[2];
    const int growDays = crop_.StageLength[1] + crop_.StageLength[2];
    rootIncrement_ = growDays > 0 ? (rootMax_ - rootIni) / growDays : 0;
  }

  percNonPuddled_ = soil_.MaxInfiltration;
  if (o_.maxpercopt == 1)
    percPuddled_ = PowerOf(percNonPuddled_, 1.0 / 3.0);
  else
    percPuddled_ =
        percNonPuddled_ >= o_.userdefpuddlepercrate ? o_.userdefpuddlepercrate : percNonPuddled_;
  // A soil without percolation keeps the rate 0 through puddling (the ratio is undefined).
  if (P_ != 0 && percNonPuddled_ > 0)
    percDecay_ = std::log(percPuddled_ / percNonPuddled_) * (1.0 / P_);

  soakDepth_ = o_.soakbelowpuddledepth / 100.0 + puddleDepth_;
  satPuddle_ = porosity_ * puddleDepth_ * 10;
  satPotential_ = satPuddle_;
  tamPuddle_ = puddleDepth_ * tam_;
  satRootzone_ = tamRootzone_ = ramRootzone_ = 0;

  deplSat_ = satPuddle_;
  deplSm_ = soil_.InitialDepletion * tamPuddle_ / 100;

  totals_ = RiceTotals();
  irrCount_ = 0;
  stored_ = 0;
  if (!replay_) {
    for (int k = 1; k <= kMaxEvents; ++k) {
      events_.IrrEventDay[k] = MissingInt;
      events_.IrrEventDepth[k] = MissingReal;
    }
  }

  int dom = 1;
  CalendarDayAfter(planting_, -L_, month_, dom);
  decade_ = dom <= 10 ? 0 : dom <= 20 ? 1 : 2;
  dayInDecade_ = dom - 10 * decade_;

  lastIrrigationDay_ = 0;
  puddleOk_ = false;
  rows_.clear();
  if (points_) {
    points_->clear();
    points_->push_back(Point(-L_));
  }
}

// ETc of the day from the state at its start: wet on a saturated or flooded field, dry below
// field capacity, interpolated on the share of the SAT layer that has drained.
double RiceBalance::ChooseEtc(int day) const {
  const int col = etc_.Daily ? dateDay_ : decade_ + 1;
  const int mon = etc_.Daily ? dateMonth_ : month_;
  const double wet = etc_.EtcWet[mon][col];
  const double dry = etc_.EtcDry[mon][col];
  if (deplSat_ <= 0) return wet;
  if (deplSm_ != 0) return dry;
  double s = satPuddle_;
  if (day >= 1 && satRootzone_ != 0) {
    s = satRootzone_;
    if (deplSat_ > satRootzone_ && !landPrepOnly_) Warn(Msg::RiceEtcChoiceError);
  }
  return wet + (dry - wet) * deplSat_ / s;
}

char RiceBalance::StageOfDay(int day) {
  if (day <= 0) {
    if (day == -P_ + 2) puddleOk_ = true;  // the puddle forms on the second puddling day
    return day <= -P_ ? kRiceStagePrePuddling : kRiceStagePuddling;
  }
  if (day <= etc_.StageEnd[1]) return 'A';
  if (day <= etc_.StageEnd[2]) return 'B';
  if (day <= etc_.StageEnd[3]) return 'C';
  return 'D';
}

// Total rain of the day: the daily value, or half the decade total on the 3rd and the 7th day
// of each decade.
double RiceBalance::DayRain() const {
  const TRainData& rain = ws_.rain.Data;
  if (ws_.session.RainKind == 1) return rain.DayRain[dateMonth_][dateDay_];
  if (dayInDecade_ == 3 || dayInDecade_ == 7) return rain.DecadeRain[month_][decade_ + 1] / 2;
  return 0;
}

void RiceBalance::RainOfDay() {
  const double rain = DayRain();
  if (rain > 0) {
    totals_.TotRain += rain;
    double overflow = 0;
    ApplyWater(rain, overflow);
    totals_.TotRainLoss += overflow;
  }
}

// Land preparation: stress against a fixed 250 mm/m over the puddling depth.
double RiceBalance::LandPrepKs() const {
  const double t = puddleDepth_ * 250;
  if (deplSm_ < 0.33 * t) return 1;
  const double span = t - 0.33 * t;
  if (span <= 0) return 0;
  return std::max(0.0, (t - deplSm_) / span);
}

// Main field: critical depletion of the day, root growth under the puddle limit, the root-zone
// stores and Ks.
double RiceBalance::MainFieldKs(int day, char stage) {
  const int* len = crop_.StageLength;
  const double* cd = crop_.CritDepletion;
  const double limit = puddleOk_ ? std::min(puddleDepth_, rootMax_) : rootMax_;
  switch (stage) {
    case 'A':
      p_ = cd[1];
      break;
    case 'B':
      p_ = cd[1] + (cd[3] - cd[1]) * (day - len[1]) / len[2];
      break;
    case 'C':
      p_ = cd[3];
      break;
    default:
      p_ = cd[3] + (cd[4] - cd[3]) * (day - len[1] - len[2] - len[3]) / len[4];
      break;
  }
  if (stage == 'A' || stage == 'B') {
    rootDepth_ += rootIncrement_;
    if (rootDepth_ > limit) rootDepth_ = limit;
  }
  tamRootzone_ = rootDepth_ * tam_;
  ramRootzone_ = p_ * tamRootzone_;
  satRootzone_ = porosity_ * rootDepth_ * 10;
  if (satPuddle_ > satRootzone_)
    satPotential_ = satPuddle_;
  else
    satPotential_ = satPuddle_ = satRootzone_;
  if (tamRootzone_ > tamPuddle_) tamPuddle_ = tamRootzone_;
  const double span = tamRootzone_ - ramRootzone_;
  if (span <= 0) return deplSm_ > 0 ? 0 : 1;
  return std::clamp((tamRootzone_ - deplSm_) / span, 0.0, 1.0);
}

double RiceBalance::PercolationRate(int day, char stage) {
  if (stage == kRiceStagePrePuddling) {
    puddleOk_ = false;
    return percNonPuddled_;
  }
  if (stage == kRiceStagePuddling) {
    if (deplSm_ > 0 && day > -P_ + 1 && puddleOk_) {
      puddleOk_ = false;
      if (!landPrepOnly_) ws_.ui.warning(ws_.text(Msg::RicePuddleBreaks));
    }
    if (!puddleOk_) return percNonPuddled_;
    if (o_.changeinpercopt == 1) return percNonPuddled_ * std::exp((P_ + day - 1) * percDecay_);
    return percNonPuddled_ - (percNonPuddled_ - percPuddled_) / P_ * (P_ + day);
  }
  if (puddleOk_ && deplSm_ > soil_.CrackDepletion * tamPuddle_) puddleOk_ = false;
  return puddleOk_ ? percPuddled_ : percNonPuddled_;
}

double RiceBalance::PercolationOfDay(double rate) const {
  double d;
  if (deplSat_ >= satPotential_)
    d = 0;
  else if (deplSat_ <= 0)
    d = rate;
  else
    d = (1 - deplSat_ / satPotential_) * rate;
  if (deplSat_ + d > satPotential_) d = satPotential_ - deplSat_;
  return d;
}

void RiceBalance::ApplyLosses(int day, double perc, double eta) {
  if (day <= 0) {
    deplSat_ += perc + eta;
    if (deplSat_ > satPuddle_) {
      deplSm_ += deplSat_ - satPuddle_;
      deplSat_ = satPuddle_;
    }
    if (deplSm_ > tamPuddle_) {
      Warn(Msg::RicePuddleDeplError);
      deplSm_ = tamPuddle_;
    }
  } else {
    deplSat_ += perc;
    if (deplSat_ > satPotential_) {
      Warn(Msg::RiceSatDeplError);
      deplSat_ = satPotential_;
    }
    if (deplSat_ < satRootzone_) {
      deplSat_ += eta;
      if (deplSat_ > satRootzone_) {
        deplSm_ += deplSat_ - satRootzone_;
        deplSat_ = satRootzone_;
      }
    } else {
      deplSm_ += eta;
      if (deplSm_ > tamRootzone_) Warn(Msg::RiceRootDeplError);
    }
  }
  totals_.TotPercolation += perc;
}

// Water fills the soil below field capacity first, then the SAT layer, then stands on the
// field up to the maximum water depth; the rest overflows.
void RiceBalance::ApplyWater(double water, double& overflow) {
  deplSm_ -= water;
  if (deplSm_ < 0) {
    const double surplus = -deplSm_;
    deplSm_ = 0;
    if (surplus > 0) {
      deplSat_ -= surplus;
      if (deplSat_ < -maxWaterDepth_) {
        overflow = -deplSat_ - maxWaterDepth_;
        deplSat_ = -maxWaterDepth_;
      }
    }
  }
}

RiceChartPoint RiceBalance::Point(int day) const {
  return {day, satPuddle_, satRootzone_, deplSat_, tamPuddle_, tamRootzone_, ramRootzone_, deplSm_};
}

bool RiceBalance::EventDue(int day) const {
  const int k = irrCount_ + 1;
  return events_.DayAt(k) <= day && events_.DepthAt(k) != MissingReal;
}

bool RiceBalance::IrrigationDue(int day, char stage, const RiceScheduleRow& row) const {
  if (replay_) return EventDue(day);
  if (stage == kRiceStagePrePuddling) {
    if (day == -L_ + 1 && o_.prepuddlingtimopt != 10) return true;
    switch (o_.prepuddlingtimopt) {
      case 1:
        return deplSat_ >= o_.prepuddletdesat / 100.0 * satPuddle_;
      case 2:
        return deplSm_ >= o_.prepuddletdepl / 100.0 * tamPuddle_;
      case 10:
        return EventDue(day);
      default:
        return false;
    }
  }
  if (stage == kRiceStagePuddling) {
    switch (o_.puddlingtimopt) {
      case 1:
        return deplSat_ >= -o_.puddletwd;
      case 2:
        return deplSat_ >= o_.puddletdesat / 100.0 * satPuddle_;
      case 10:
        return EventDue(day);
      default:
        return false;
    }
  }
  const int s = stage - 'A' + 1;
  switch (o_.ricetimopt) {
    case 1: {
      const int userDay = ws_.userTables.DayAt(irrCount_ + 1);
      return userDay != MissingInt && userDay <= day;
    }
    case 2:
      return deplSat_ >= -o_.ricetwd;
    case 3:
      return deplSat_ >= o_.ricetdesat / 100.0 * satPotential_;
    case 4:
      return deplSm_ >= o_.ricetdepl / 100.0 * ramRootzone_;
    case 5: {
      const int v = o_.ricetfixedany1[s];
      switch (o_.ricetfixedany2[s]) {
        case 1:
          return deplSat_ >= -v;
        case 2:
          return deplSat_ >= v / 100.0 * satPotential_;
        case 3:
          return deplSm_ >= v / 100.0 * ramRootzone_;
        default:
          return false;
      }
    }
    case 6:
      return day >= lastIrrigationDay_ + o_.ricetfixedint[s];
    case 7:
      return row.CumETc != 0 && row.CumETa / row.CumETc <= 1 - o_.ricetetred[s] / 100.0;
    case 9:
      return true;
    default:
      return false;  // 8 has no criterion; 10 is rainfed
  }
}

double RiceBalance::MainFieldDepth(int s) {
  if (o_.ricetimopt == 9) return o_.ricecontinuous;
  switch (o_.riceapplopt) {
    case 1: {
      const int depth = ws_.userTables.DepthAt(irrCount_);
      if (depth != MissingInt) lastUserDepth_ = depth;
      return lastUserDepth_;
    }
    case 2:
      return o_.riceawd + deplSat_;
    case 3:
      return deplSat_ - (100 - o_.riceasat) / 100.0 * satPotential_;
    case 4:
      return deplSm_ - (100 - o_.riceafc) / 100.0 * ramRootzone_;
    case 5: {
      const int v = o_.riceafixedany1[s];
      switch (o_.riceafixedany2[s]) {
        case 1:
          return v + deplSat_;
        case 2:
          return deplSat_ - (100 - v) / 100.0 * satPotential_;
        case 3:
          return deplSm_ - (100 - v) / 100.0 * ramRootzone_;
        default:
          return 0;
      }
    }
    case 6:
      return o_.riceafixeddepth;
    default:
      return 0;
  }
}

void RiceBalance::Irrigate(int day, char stage, RiceScheduleRow& row) {
  irrCount_ += 1;
  lastIrrigationDay_ = day;
  const int k = irrCount_;
  double net = 0;
  if (replay_) {
    net = events_.DepthAt(k);
  } else if (stage == kRiceStagePrePuddling) {
    if (day == -L_ + 1 && o_.prepuddlingapplopt != 10) {
      // Saturate the puddle layer and wet the soil down to the soaking depth.
      net = puddleDepth_ > 0 ? deplSat_ + deplSm_ * soakDepth_ / puddleDepth_ : deplSat_;
    } else {
      switch (o_.prepuddlingapplopt) {
        case 1:
          net = o_.prepuddleafixeddepth;
          break;
        case 2:
          net = deplSat_ - (100 - o_.prepuddleasat) / 100.0 * satPuddle_;
          break;
        case 10:
          net = events_.DepthAt(k);
          break;
        default:
          net = 0;
          break;
      }
    }
  } else if (stage == kRiceStagePuddling) {
    switch (o_.puddlingapplopt) {
      case 1:
        net = o_.puddleawd + deplSat_;
        break;
      case 2:
        net = deplSat_ - (100 - o_.puddleasat) / 100.0 * satPuddle_;
        break;
      case 3:
        net = o_.puddleafixeddepth;
        break;
      case 10:
        net = events_.DepthAt(k);
        break;
      default:
        net = 0;
        break;
    }
  } else {
    net = MainFieldDepth(stage - 'A' + 1);
  }

  if (net < 0) {
    row.NetIrr = 0;  // nothing given; the counter and the interval have moved on
    return;
  }
  row.NetIrr = net;
  row.GrossIrr = net / o_.riceappleff * 100;
  totals_.TotNetIrr += net;
  row.Loss = 0;
  ApplyWater(net, row.Loss);
  totals_.TotIrrLoss += row.Loss;
  if (points_) points_->back() = Point(day);
  // A replayed event is written back in its own place. A computed one goes to the next free
  // place: an irrigation that gave nothing leaves no hole, which would end the list early
  // (in a schedule file and in a replay).
  const int slot = replay_ ? k : ++stored_;
  if (slot <= kMaxEvents) {
    events_.IrrEventDay[slot] = day;
    events_.IrrEventDepth[slot] = net;
  }
}

void RiceBalance::NextDay() {
  ++dayInDecade_;
  if (dayInDecade_ > DecadeLength(month_, decade_ + 1)) {
    dayInDecade_ = 1;
    if (++decade_ > 2) {
      decade_ = 0;
      month_ = month_ == 12 ? 1 : month_ + 1;
    }
  }
}

void RiceBalance::Run() {
  Initialise();
  const int lastDay = landPrepOnly_ ? 0 : etc_.StageEnd[4];
  rows_.reserve(static_cast<size_t>(L_ + std::max(lastDay, 0)));
  if (points_) points_->reserve(rows_.capacity() + 1);
  for (int day = -L_ + 1;; ++day) {
    if (landPrepOnly_ && day > 0) break;
    CalendarDayAfter(planting_, day - 1, dateMonth_, dateDay_);
    // The ETc is chosen before the day is known to be the harvest day, so the harvest day too
    // reports an inconsistent interpolation.
    const double etc = ChooseEtc(day);

    if (!landPrepOnly_ && day >= 1 && day >= lastDay) {
      // The harvest day: its rain, then the closing row.
      totals_.MoistDeficitAtHarvest = deplSm_;
      RainOfDay();
      RiceScheduleRow row;
      row.Stage = 'D';
      row.PuddleState = puddleOk_ ? kPuddleOk : kPuddleBroken;
      row.DayNumber = day;
      row.Month = dateMonth_;
      row.Day = dateDay_;
      row.DeplSm = 0;
      row.Ks = rows_.empty() ? 0 : rows_.back().Ks;
      rows_.push_back(row);
      break;
    }

    const char stage = StageOfDay(day);
    RainOfDay();

    double ks;
    if (landPrepOnly_)
      ks = 1;
    else if (day <= 0)
      ks = LandPrepKs();
    else
      ks = MainFieldKs(day, stage);
    const double eta = ks * etc;

    const double rate = PercolationRate(day, stage);
    const double perc = PercolationOfDay(rate);
    ApplyLosses(day, perc, eta);

    if (points_) points_->push_back(Point(day));

    RiceScheduleRow row;
    row.Day = dateDay_;
    row.Month = dateMonth_;
    row.DayNumber = day;
    row.Stage = stage;
    row.Ks = ks;
    row.ETa = eta;
    row.ETc = etc;
    row.Rain = DayRain();
    row.Percolation = perc;
    if (!landPrepOnly_) {
      row.DeplSm = deplSm_;
      row.DeplSat = deplSat_;
      if (rows_.empty() || rows_.back().NetIrr != 0) {
        row.CumETa = eta;
        row.CumETc = etc;
      } else {
        row.CumETa = rows_.back().CumETa + eta;
        row.CumETc = rows_.back().CumETc + etc;
      }
    }
    row.PuddleState = puddleOk_ ? kPuddleOk : day >= -P_ + 2 ? kPuddleBroken : kPuddleNotFormed;
    if (!landPrepOnly_ && day >= 1) {
      const int s = stage - 'A' + 1;
      totals_.StageETa[s] += eta;
      totals_.StageETc[s] += etc;
    }

    if (IrrigationDue(day, stage, row)) Irrigate(day, stage, row);
    rows_.push_back(row);
    NextDay();
  }
}

}  // namespace

bool CheckRiceUserLists(Workspace& ws) {
  if (ws.options.ricetimopt == 1 && ws.userTables.UserIrrDay[1] == MissingInt) {
    ws.error(Msg::RiceNoUserTiming);
    return false;
  }
  if (ws.options.riceapplopt == 1 && ws.userTables.UserIrrDepth[1] == MissingInt) {
    ws.error(Msg::RiceNoUserApplication);
    return false;
  }
  return true;
}

void RunRiceSchedule(Workspace& ws, const RiceEtcTables& etc, RiceScheduleResult& out) {
  RiceBalance run(ws, ws.options, ws.crop, ws.session.PlantingDate, etc, false,
                  ws.session.ScheduleAdjusted, ws.events, out.Rows, &out.Points, out.LastUserDepth);
  run.Run();
  out.Totals = run.Totals();
  out.IrrCount = run.IrrCount();
  out.LastUserDepth = run.LastUserDepth();
  ws.events.IrrCount = run.IrrCount();
}

void RunLandPrepBalance(Workspace& ws, const Options& options, const TCropRecord& crop,
                        DateSerial planting, const RiceEtcTables& etc,
                        std::vector<RiceScheduleRow>& rows) {
  IrrigationEvents ownEvents;
  RiceBalance run(ws, options, crop, planting, etc, true, false, ownEvents, rows, nullptr, 0);
  run.Run();
}

RiceScheduleSummary SummariseRiceSchedule(const RiceScheduleResult& result, const TCropRecord& crop,
                                          const Options& options) {
  const RiceTotals& t = result.Totals;
  RiceScheduleSummary s;
  s.TotalGrossIrr = t.TotNetIrr * 100 / options.riceappleff;
  s.TotalNetIrr = t.TotNetIrr;
  s.TotalIrrLoss = t.TotIrrLoss;
  s.TotalRain = t.TotRain;
  s.EffectiveRain = t.TotRain - t.TotRainLoss;
  s.TotalRainLoss = t.TotRainLoss;
  s.TotalPercolation = t.TotPercolation;
  for (int k = 1; k <= 4; ++k) {
    s.ActualWaterUse += t.StageETa[k];
    s.PotentialWaterUse += t.StageETc[k];
  }
  s.MoistDeficitAtHarvest = t.MoistDeficitAtHarvest;
  s.ActualIrrReq = s.PotentialWaterUse - t.TotRain + t.TotRainLoss;
  if (t.TotNetIrr != 0) s.EfficiencyIrrPercent = (t.TotNetIrr - t.TotIrrLoss) / t.TotNetIrr * 100;
  if (t.TotRain != 0) s.EfficiencyRainPercent = (t.TotRain - t.TotRainLoss) / t.TotRain * 100;
  if (s.PotentialWaterUse != 0)
    s.DeficiencyIrrPercent = 100 - s.ActualWaterUse / s.PotentialWaterUse * 100;

  // Reduction in ETc r = 1 - ETa/ETc, yield reduction y = Ky r, cumulative 1 - prod(1 - y).
  double remaining = 1;  // product of (1 - y) so far
  bool cumulativeKnown = true;
  for (int k = 1; k <= 5; ++k) {
    const double eta = k <= 4 ? t.StageETa[k] : s.ActualWaterUse;
    const double etc = k <= 4 ? t.StageETc[k] : s.PotentialWaterUse;
    const double ky = crop.YieldResponse[k];
    s.YieldResponse[k] = ky;
    double y = MissingReal;
    if (etc != 0) {
      const double r = 1 - eta / etc;
      s.EtcReductionPercent[k] = r * 100;
      if (ky != MissingReal) {
        y = ky * r;
        s.YieldReductionPercent[k] = y * 100;
      }
    }
    if (k <= 4) {
      if (y == MissingReal) cumulativeKnown = false;
      if (cumulativeKnown) {
        remaining *= 1 - y;
        s.CumYieldReductionPercent[k] = (1 - remaining) * 100;
      }
    }
  }
  return s;
}

}  // namespace vsk
