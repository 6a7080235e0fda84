#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "controls/Tkeybt.h"
#include "game/PictureButton.h"
#include "game/TForm1.h"
#include "prefs/Tprefer.h"

namespace vorlane {
namespace {

bool isModifierKey(int key) {
  return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
         key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

bool ctrlAndAltWithoutShift(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ControlModifier) && (modifiers & Qt::AltModifier) &&
         !(modifiers & Qt::ShiftModifier);
}

}  // namespace

void TForm1::connectEvents() {
  connectKeyboards();
  connectPictureButtons();
  connectRows();
  for (QRadioButton* mode : {entrain_, compet_})
    connect(mode, &QRadioButton::clicked, this, &TForm1::entrainClick);
  for (QRadioButton* level : {junior_, senior_})
    connect(level, &QRadioButton::clicked, this, &TForm1::JuniorClick);
  connect(timer1_, &QTimer::timeout, this, [this] { run([this] { engine_->Timer1Timer(); }); });
  connect(button1_, &QPushButton::clicked, this,
          [this] { run([this] { engine_->Button1Click(); }); });
  qApp->installEventFilter(this);
}

void TForm1::connectKeyboards() {
  connect(keyb1_, &Tkeybt::OnMouseMove, this, [this](Qt::KeyboardModifiers, int x, int y) {
    const bool prefsVisible = prefer_ && prefer_->isVisible();
    run([&] { engine_->keyb1MouseMove(x, y, keyb1_->height(), prefsVisible); });
  });
  connect(keyb1_, &Tkeybt::OnMouseUp, this,
          [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            run([&] { engine_->keyb1MouseUp(x, y, keyb1_->height()); });
          });
  connect(keyb1_, &Tkeybt::OnKeyPress, this,
          [this](char& ch) { run([&] { engine_->keyb1KeyPress(ch); }); });
  connect(keyb2_, &Tkeybt::OnMouseMove, this, [this](Qt::KeyboardModifiers, int x, int y) {
    run([&] { engine_->keyb2MouseMove(x, y, keyb2_->height()); });
  });
  connect(keyb2_, &Tkeybt::OnMouseUp, this,
          [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            run([&] { engine_->keyb2MouseUp(x, y, keyb2_->height()); });
          });
  connect(keyb2_, &Tkeybt::OnKeyPress, this,
          [this](char& ch) { run([&] { engine_->keyb2KeyPress(ch); }); });
}

void TForm1::connectPictureButtons() {
  imageMOT_->onPress([this](QMouseEvent*) { pressMot(imageMOT_, imageOeil_, true); });
  imageOeil_->onPress([this](QMouseEvent*) { pressMot(imageMOT_, imageOeil_, true); });
  imageFIN_->onPress([this](QMouseEvent*) { pressMot(imageFIN_, imageoeilFin_, false); });
  imageoeilFin_->onPress([this](QMouseEvent*) { pressMot(imageFIN_, imageoeilFin_, false); });
  imageMOT_->onRelease([this](QMouseEvent*) { releaseMot(imageMOT_, imageOeil_); });
  imageOeil_->onRelease([this](QMouseEvent*) { releaseMot(imageMOT_, imageOeil_); });
  imageFIN_->onRelease([this](QMouseEvent*) { releaseMot(imageFIN_, imageoeilFin_); });
  imageoeilFin_->onRelease([this](QMouseEvent*) { releaseMot(imageFIN_, imageoeilFin_); });
  imageTETE_->onPress([this](QMouseEvent*) { imageTETE_->setPressed(true); });
  imageTETE_->onRelease([this](QMouseEvent*) {
    imageTETE_->setPressed(false);
    run([this] { engine_->ImageTETEClick(); });
  });
  imageTETE_->onMove([this](QMouseEvent*) { run([this] { engine_->showHelpText("ImageTETE"); }); });
}

void TForm1::connectRows() {
  for (int k = 1; k <= kRowCount; ++k) {
    PictureButton* book = rows_[k - 1].image;
    book->onPress([this, k](QMouseEvent*) { run([&] { engine_->SpeedButtonMouseDown(k); }); });
    book->onRelease([this, k](QMouseEvent*) { run([&] { engine_->SpeedButtonMouseUp(k); }); });
    book->onMove([this](QMouseEvent*) { run([this] { engine_->showHelpText("image1"); }); });
  }
}

void TForm1::pressMot(PictureButton* picture, PictureButton* eye, bool hourglass) {
  picture->setPressed(true);
  eye->setPressed(true);
  if (hourglass) setCursor(Qt::WaitCursor);
}

void TForm1::releaseMot(PictureButton* picture, PictureButton* eye) {
  picture->setPressed(false);
  eye->setPressed(false);
  repaint();
  run([this] { engine_->Button1Click(); });
}

bool TForm1::belongsHere(QObject* watched) const {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  return widget && widget->window() == this;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (!belongsHere(watched)) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      return filterKey(watched, static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
      return filterMouse(watched, static_cast<QMouseEvent*>(event));
    default:
      return false;
  }
}

// The window sees every key before the focused control. A key that a control ignored and
// that travels on to its parents (no longer accepted) has been seen already.
bool TForm1::filterKey(QObject*, QKeyEvent* key) {
  if (!key->isAccepted() || isModifierKey(key->key())) return false;
  const bool withCtrlOrAlt = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
  bool toggled = false;
  run([&] { toggled = engine_->FormKeyDown(key->modifiers() == Qt::AltModifier); });
  // A shortcut that closed the enlarged definition has done its work; a letter or Enter
  // goes on to the game.
  if ((toggled && withCtrlOrAlt) || triggerShortcut(*key)) return true;
  if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !withCtrlOrAlt) {
    button1_->click();
    return true;
  }
  return false;
}

bool TForm1::filterMouse(QObject* watched, QMouseEvent* mouse) {
  const bool press = mouse->type() == QEvent::MouseButtonPress;
  if (press && mouse->button() == Qt::RightButton && mouse->isAccepted()) {
    if (ctrlAndAltWithoutShift(mouse->modifiers())) installation_->setVisible(true);
    showPopup(mouse->globalPosition().toPoint());
    return true;
  }
  if (mouse->type() == QEvent::MouseMove) {
    const QString name = watched->objectName();
    if (name == QLatin1String("Junior") || name == QLatin1String("Senior"))
      run([&] { engine_->showHelpText(name.toLower().toStdString()); });
    else if (name == QLatin1String("entrain") || name == QLatin1String("compet"))
      run([&] { engine_->showHelpText(name.toStdString()); });
    return false;
  }
  if (watched == image_ && press && mouse->button() == Qt::LeftButton &&
      ctrlAndAltWithoutShift(mouse->modifiers())) {
    comboBoxAna_->setVisible(!comboBoxAna_->isVisible());
    return true;
  }
  if (watched == statusbar_ && press) run([this] { engine_->Memo1MouseDown(); });
  for (int k = 1; k <= kRowCount; ++k) {
    if (watched != rows_[k - 1].memo) continue;
    run([&] { press ? engine_->Memo1MouseDown() : engine_->MemoMouseUp(k); });
    return true;
  }
  return false;
}

// Only the window's own background shows its help: a move over a control without help of
// its own (status bar, value panel, mode box frame) reaches here too and changes nothing.
void TForm1::mouseMoveEvent(QMouseEvent* event) {
  if (!childAt(event->position().toPoint())) run([this] { engine_->showHelpText("Form1"); });
  QWidget::mouseMoveEvent(event);
}

void TForm1::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (prefer_ && prefer_->isVisible()) prefer_->hide();
    run([this] { engine_->FormClick(); });
  }
  QWidget::mousePressEvent(event);
}

}  // namespace vorlane
