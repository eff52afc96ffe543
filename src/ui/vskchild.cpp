#include "ui/vskchild.h"

#include <QEvent>
#include <QMdiArea>
#include <QMouseEvent>
#include <QWindowStateChangeEvent>

#include "ui/vskmain.h"

namespace vsk {

Tvskchildform::Tvskchildform(TMainForm& main, WindowSlot slot)
    : QMdiSubWindow(nullptr), main_(main), ws_(main.ws()), slot_(slot) {
  setAttribute(Qt::WA_DeleteOnClose);
  main_.RegisterWindow(this);
}

Tvskchildform::~Tvskchildform() {
  main_.UnregisterWindow(this);
}

void Tvskchildform::FormDeactivate() {
  main_.DisableToolButtons();
}

void Tvskchildform::FormActivate() {}
void Tvskchildform::Refresh() {}
void Tvskchildform::ChartPreview() {}
void Tvskchildform::CopyAsBitmap() {}
void Tvskchildform::CopyAsMetafile() {}

void Tvskchildform::Centre() {
  int left = static_cast<int>((main_.width() - main_.ModulePanelWidth() - width()) * 0.5) - 1;
  int top = static_cast<int>((main_.ModulePanelHeight() - height()) * 0.5) - 1;
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  move(left, top);
}

void Tvskchildform::RestoreDesignSizeAndCentre() {
  if (isMinimized() || isMaximized()) showNormal();
  resize(DesignWidth, DesignHeight);
  Centre();
}

void Tvskchildform::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double click on the title bar keeps the frame's own meaning (maximise); elsewhere on
  // the window it restores the design size.
  if (widget() && widget()->geometry().contains(event->position().toPoint())) {
    RestoreDesignSizeAndCentre();
    event->accept();
    return;
  }
  QMdiSubWindow::mouseDoubleClickEvent(event);
}

void Tvskchildform::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimised = change->oldState() & Qt::WindowMinimized;
    if (isMinimized() && !wasMinimised)
      main_.ChildMinimised(this);
    else if (wasMinimised && !isMinimized())
      main_.ChildRestored(this);
    else if (isMaximized())
      main_.ChildRestored(this);
  }
  QMdiSubWindow::changeEvent(event);
}

}  // namespace vsk
