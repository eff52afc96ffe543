#include "core/vskworkspace.h"

namespace vsk {

Workspace::Workspace(Ui& ui_, CalendarDate today) : ui(ui_), DefaultDate(DefaultDateFor(today)) {
  session.StartUp(options);
}

}  // namespace vsk
