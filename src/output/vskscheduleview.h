// The schedule windows' view of a balance run: the day rows and totals of the dry-crop or
// rice balance as the tables, reports and the command line show them.
#pragma once

#include "output/vskscheduletable.h"
#include "schedule/vskcropschedulecalc.h"
#include "schedule/vskricescheduledata.h"

namespace vsk {

ScheduleView DryScheduleView(const DryScheduleResults& results, bool irrigationFormat);
ScheduleView RiceScheduleView(const RiceScheduleResult& results, bool irrigationFormat);

}  // namespace vsk
