#include "ui/vskdialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/vsksettings.h"
#include "core/vskworkspace.h"
#include "ui/vskqtext.h"
#include "ui/vskqtui.h"

namespace vsk {

TWelcomeForm::TWelcomeForm(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
  setObjectName(QStringLiteral("WelcomeForm"));
  setWindowTitle(QText(ws_, Msg::GuiWelcomeCaption));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QPlainTextEdit(this);
  text->setReadOnly(true);
  text->setPlainText(MessageText(ws_.text(Msg::GuiWelcomeText)));
  text->setMinimumSize(520, 260);
  layout->addWidget(text);
  noShow_ = new QCheckBox(QText(ws_, Msg::GuiWelcomeNoShow), this);
  noShow_->setChecked(!ws_.options.showgeneralinfo);
  layout->addWidget(noShow_);
  ok_ = new QPushButton(QText(ws_, Msg::GuiOk), this);
  ok_->setDefault(true);
  layout->addWidget(ok_, 0, Qt::AlignRight);
  connect(ok_, &QPushButton::clicked, this, &TWelcomeForm::OkClicked);
  ok_->setFocus();
}

void TWelcomeForm::OkClicked() {
  ws_.options.showgeneralinfo = !noShow_->isChecked();
  if (!WriteWelcomeFlags(ws_.SettingsFile, ws_.options, ws_.texts)) ws_.error(Msg::IniWriteError);
  accept();
}

TAboutForm::TAboutForm(Workspace& ws, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QText(ws, Msg::GuiAbout));
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  const Msg captions[3] = {Msg::GuiAbout, Msg::GuiLegalNotice, Msg::GuiDisclaimer};
  const Msg texts[3] = {Msg::GuiAboutText, Msg::GuiLegalText, Msg::GuiDisclaimerText};
  for (int i = 0; i < 3; ++i) {
    auto* page = new QWidget(pages_);
    auto* v = new QVBoxLayout(page);
    auto* name = new QLabel(QText(ws, Msg::GuiProgramName), page);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    name->setFont(big);
    v->addWidget(name);
    v->addWidget(new QLabel(QText(ws, Msg::GuiVersion), page));
    auto* text = new QPlainTextEdit(page);
    text->setReadOnly(true);
    text->setPlainText(MessageText(ws.text(texts[i])));
    v->addWidget(text);
    pages_->addTab(page, QText(ws, captions[i]));
  }
  pages_->setCurrentIndex(0);
  layout->addWidget(pages_);
  auto* ok = new QPushButton(QText(ws, Msg::GuiOk), this);
  ok->setDefault(true);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  resize(460, 300);
  ok->setFocus();
}

QPixmap SplashPicture(const Workspace& ws) {
  QPixmap pixmap(480, 280);
  QPainter p(&pixmap);
  QLinearGradient sky(0, 0, 0, 280);
  sky.setColorAt(0, QColor(70, 130, 180));
  sky.setColorAt(1, QColor(200, 230, 250));
  p.fillRect(pixmap.rect(), sky);
  // Fields in rows, watered by a canal.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 6; ++i) {
    p.setBrush(i % 2 ? QColor(90, 150, 60) : QColor(120, 175, 70));
    p.drawRect(0, 170 + i * 18, 480, 18);
  }
  p.setBrush(QColor(60, 120, 200));
  p.drawRect(0, 160, 480, 10);
  p.setPen(Qt::white);
  QFont title = p.font();
  title.setPointSize(34);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(0, 30, 480, 60), Qt::AlignCenter, QText(ws, Msg::GuiProgramName));
  QFont sub = p.font();
  sub.setPointSize(12);
  sub.setBold(false);
  p.setFont(sub);
  p.drawText(QRect(0, 95, 480, 30), Qt::AlignCenter, QText(ws, Msg::GuiVersion).trimmed());
  return pixmap;
}

}  // namespace vsk
