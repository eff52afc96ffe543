#include "ui/vskpmclimate.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/vskglobal.h"
#include "core/vskworkspace.h"
#include "output/vskclimatetable.h"
#include "ui/vskmain.h"
#include "ui/vskqtext.h"
#include "ui/vsktablemodel.h"

namespace vsk {

namespace {

// Rows of the table that the window shows without scrolling.
int VisibleRows(int etoKind) {
  return etoKind == kClimateMonthWindow ? 14 : 20;
}

QLineEdit* NumberEdit(QWidget* parent, int maxLength, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaxLength(maxLength);
  e->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.\\-]*")), e));
  e->setAlignment(Qt::AlignRight);
  e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 8);
  return e;
}

}  // namespace

TPMClimateForm::TPMClimateForm(TMainForm& main, WindowSlot slot, int etoKind)
    : TEtoDataForm(main, slot, etoKind) {
  auto* body = new QWidget;
  auto* outer = new QVBoxLayout(body);
  outer->setContentsMargins(6, 6, 6, 6);
  auto* station = new QGridLayout;
  station->setHorizontalSpacing(6);
  auto label = [&](Msg id) { return new QLabel(QText(ws_, id), body); };
  country_ = new QLineEdit(body);
  country_->setObjectName(QStringLiteral("CountryEdit"));
  country_->setMaxLength(20);
  station_ = new QLineEdit(body);
  station_->setObjectName(QStringLiteral("StationEdit"));
  station_->setMaxLength(20);
  altitude_ = NumberEdit(body, 6, "AltitudeRealEdit");
  latitude_ = NumberEdit(body, 5, "LatRealEdit");
  longitude_ = NumberEdit(body, 5, "LongRealEdit");
  latList_ = new QComboBox(body);
  latList_->setObjectName(QStringLiteral("LatComboBox"));
  latList_->addItems({QText(ws_, Msg::OutNorth), QText(ws_, Msg::OutSouth)});
  longList_ = new QComboBox(body);
  longList_->setObjectName(QStringLiteral("LongComboBox"));
  longList_->addItems({QText(ws_, Msg::OutEast), QText(ws_, Msg::OutWestText)});
  station->addWidget(label(Msg::OutCountry), 0, 0);
  station->addWidget(country_, 0, 1, 1, 3);
  station->addWidget(label(Msg::OutStation), 0, 4);
  station->addWidget(station_, 0, 5, 1, 4);
  station->addWidget(label(Msg::OutAltitude), 1, 0);
  auto* alt = new QHBoxLayout;
  alt->addWidget(altitude_);
  alt->addWidget(label(Msg::OutAltitudeUnit));
  station->addLayout(alt, 1, 1);
  station->addWidget(label(Msg::OutLatitude), 1, 2);
  station->addWidget(latitude_, 1, 3);
  station->addWidget(latList_, 1, 4);
  station->addWidget(label(Msg::OutLongitude), 1, 5);
  station->addWidget(longitude_, 1, 6);
  station->addWidget(longList_, 1, 7);
  if (etoKind == kClimateDayWindow) {
    year_ = NumberEdit(body, 4, "EtoYearIntEdit");
    station->addWidget(label(Msg::OutYear), 0, 9);
    station->addWidget(year_, 0, 10);
  }
  station->setColumnStretch(11, 1);
  outer->addLayout(station);

  if (etoKind == kClimateDayWindow) {
    tabs_ = new QTabBar(body);
    tabs_->setObjectName(QStringLiteral("dayetopmtabcontrol"));
    for (int m = 1; m <= 12; ++m) tabs_->addTab(QStd(MonthName(ws_.texts, m).substr(0, 3)));
    tabs_->addTab(QText(ws_, Msg::OutYear));
    tabs_->setExpanding(false);
    outer->addWidget(tabs_);
    connect(tabs_, &QTabBar::currentChanged, this, [this] {
      Commit();
      ShowTable();
      main_.UpdateEstimateButton();
    });
  }

  table_ = new ContentTableView(body);
  table_->setObjectName(QStringLiteral("ClimateAliGrid"));
  model_ = new TableContentModel(table_);
  delegate_ = new TableEntryDelegate(table_);
  table_->setModel(model_);
  table_->setItemDelegate(delegate_);
  delegate_->maxLength = [this](int, int column) { return ClimateEntryLength(ws_, column); };
  delegate_->onBeginEdit = [this](const QString& text) {
    main_.RememberedCellText = text.toStdString();
  };
  model_->onEdit = [this](int row, int column, const QString& text) {
    CellEdited(row, column, text);
  };
  connect(table_, &ContentTableView::currentCellChanged, this,
          [this] { main_.UpdateEstimateButton(); });
  connect(table_, &QTableView::doubleClicked, this, [this] { RestoreDesignSizeAndCentre(); });
  outer->addWidget(table_, 1);
  setWidget(body);

  for (QLineEdit* e : {country_, station_, altitude_, latitude_, longitude_, year_}) {
    if (!e) continue;
    e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this, [this] { ws_.session.UserEdited(DataKind::Climate); });
    connect(e, &QLineEdit::editingFinished, this, [this, e] { StationExit(e); });
    connect(e, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
  }
  connect(latList_, &QComboBox::currentIndexChanged, this, [this] { ListChanged(latList_); });
  connect(longList_, &QComboBox::currentIndexChanged, this, [this] { ListChanged(longList_); });

  FixEstimatedWind(ws_, etoKind);
  Refresh();
  table_->FitColumns();
  table_->setMinimumSize(table_->SizeFor(VisibleRows(etoKind)) +
                         QSize(table_->verticalScrollBar()->sizeHint().width(), 0));
}

TPMClimateForm::~TPMClimateForm() {
  // The fields and the table go down after this object stopped being a TPMClimateForm: a
  // field that loses the focus then must not reach the exit handling any more.
  for (QObject* child : findChildren<QObject*>()) {
    child->disconnect(this);
    child->removeEventFilter(this);
  }
  model_->onEdit = nullptr;
  delegate_->onBeginEdit = nullptr;
  delegate_->maxLength = nullptr;
}

QLineEdit* TPMClimateForm::Field(StationField field) const {
  switch (field) {
    case StationField::Country:
      return country_;
    case StationField::Station:
      return station_;
    case StationField::Altitude:
      return altitude_;
    case StationField::Latitude:
      return latitude_;
    case StationField::Longitude:
      return longitude_;
  }
  return nullptr;
}

QWidget* TPMClimateForm::CellEditor() const {
  return delegate_->Editor();
}

int TPMClimateForm::CurrentTab() const {
  return tabs_ ? tabs_->currentIndex() + 1 : 1;
}

std::string TPMClimateForm::SaveFilter() const {
  switch (etoKind_) {
    case kClimateDayWindow:
      return std::string(ws_.text(Msg::GuiSaveFilterDayPM));
    case kClimateDecadeWindow:
      return std::string(ws_.text(Msg::GuiSaveFilterDecPM));
    default:
      return std::string(ws_.text(Msg::GuiSaveFilterMonthPM));
  }
}

void TPMClimateForm::ShowStation() {
  const TClimateData& d = ws_.climate.Data;
  filling_ = true;
  country_->setText(QBytes(d.Country));
  station_->setText(QBytes(d.Station));
  altitude_->setText(QStd(RealToText(0, d.Altitude)));
  latitude_->setText(QStd(RealToText(2, d.Latitude)));
  longitude_->setText(QStd(RealToText(2, d.Longitude)));
  latList_->setCurrentIndex(d.South ? 1 : 0);
  longList_->setCurrentIndex(d.West ? 1 : 0);
  if (year_)
    year_->setText(ws_.climate.EToYear == MissingInt ? QString()
                                                     : QStd(IntToText(ws_.climate.EToYear)));
  for (QLineEdit* e : {country_, station_, altitude_, latitude_, longitude_, year_})
    if (e) e->setModified(false);
  filling_ = false;
}

void TPMClimateForm::ShowTable() {
  PrepareClimateDisplay(ws_);
  const int tab = CurrentTab();
  TableContent content = etoKind_ == kClimateMonthWindow    ? MonthEToPMTable(ws_)
                         : etoKind_ == kClimateDecadeWindow ? DecEToPMTable(ws_)
                                                            : DayEToPMTable(ws_, tab);
  model_->SetContent(std::move(content));
  table_->ShowHeadingRows();
}

void TPMClimateForm::Refresh() {
  ShowStation();
  const int columns = model_->columnCount();
  ShowTable();
  if (columns != model_->columnCount()) table_->FitColumns();
  setWindowTitle(CaptionText());
}

void TPMClimateForm::CellEdited(int row, int column, const QString& text) {
  const std::string typed = text.toStdString();
  ClimateCellEdited(ws_, etoKind_, CurrentTab(), row, column, typed, main_.RememberedCellText);
  main_.RememberedCellText = typed;
  ShowTable();
  setWindowTitle(CaptionText());
  main_.UpdateEstimateButton();
}

void TPMClimateForm::StationExit(QLineEdit* edit) {
  if (filling_ || !edit->isModified()) return;
  edit->setModified(false);
  const std::string text = edit->text().toStdString();
  bool clear = false;
  if (edit == country_)
    StationTextEdited(ws_, StationField::Country, text);
  else if (edit == station_)
    StationTextEdited(ws_, StationField::Station, text);
  else if (edit == altitude_)
    clear = StationNumberEdited(ws_, StationField::Altitude, text);
  else if (edit == latitude_)
    clear = StationNumberEdited(ws_, StationField::Latitude, text);
  else if (edit == longitude_)
    clear = StationNumberEdited(ws_, StationField::Longitude, text);
  else if (edit == year_)
    clear = EtoYearEdited(ws_, text);
  if (clear) edit->clear();
  if (edit != country_ && edit != station_ && edit != year_) Refresh();
}

void TPMClimateForm::ListChanged(QComboBox* list) {
  if (filling_) return;
  HemisphereChanged(ws_, list == latList_ ? StationField::Latitude : StationField::Longitude,
                    list->currentIndex() == 1);
  Refresh();
}

bool TPMClimateForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    // A station field is filled again from the record when it receives the focus.
    auto* e = qobject_cast<QLineEdit*>(watched);
    if (e && !e->isModified()) {
      const TClimateData& d = ws_.climate.Data;
      filling_ = true;
      if (e == country_) e->setText(QBytes(d.Country));
      if (e == station_) e->setText(QBytes(d.Station));
      if (e == altitude_) e->setText(QStd(RealToText(0, d.Altitude)));
      if (e == latitude_) e->setText(QStd(RealToText(2, d.Latitude)));
      if (e == longitude_) e->setText(QStd(RealToText(2, d.Longitude)));
      e->setModified(false);
      filling_ = false;
    }
  }
  return TEtoDataForm::eventFilter(watched, event);
}

void TPMClimateForm::Commit() {
  if (delegate_->Editing()) {
    delegate_->CommitOpenEditor();
    return;
  }
  if (auto* e = qobject_cast<QLineEdit*>(focusWidget())) StationExit(e);
}

bool TPMClimateForm::EstimateAvailable() const {
  if (!table_->hasFocus() && !delegate_->Editing()) return false;
  const QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return false;
  return ClimateCellEstimable(ws_, etoKind_, CurrentTab(), current.row(), current.column());
}

void TPMClimateForm::EstimateCurrentCell() {
  Commit();
  const QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return;
  if (EstimateClimateCell(ws_, etoKind_, CurrentTab(), current.row(), current.column())) {
    ShowTable();
    setWindowTitle(CaptionText());
  }
}

TMonthEToPMForm::TMonthEToPMForm(TMainForm& main)
    : TPMClimateForm(main, WindowSlot::MonthEToPM, kClimateMonthWindow) {}

TDecEToPMForm::TDecEToPMForm(TMainForm& main)
    : TPMClimateForm(main, WindowSlot::DecEToPM, kClimateDecadeWindow) {}

TDayEToPMForm::TDayEToPMForm(TMainForm& main)
    : TPMClimateForm(main, WindowSlot::DayEToPM, kClimateDayWindow) {}

}  // namespace vsk
