#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "controls/ColorRef.h"
#include "controls/Tkey_in.h"
#include "controls/Tkeybt.h"
#include "game/DefinitionMemo.h"
#include "game/PictureButton.h"
#include "game/Pictures.h"
#include "game/TForm1.h"
#include "platform/GameFonts.h"

namespace vorlane {
namespace {

constexpr QSize kMotSize(33, 33);
constexpr QSize kSmallPictureSize(17, 17);
constexpr int kKeyboardTileSize = 40;
constexpr int kTimerPeriodMs = 1000;
constexpr int kPanelTextPixels = 12;
// Off the window: the default button only receives Enter.
constexpr int kOffScreenLeft = 1500;

PictureButton* newPicture(QWidget* parent, const char* name, const QString& picture, QRect place) {
  auto* button = new PictureButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->place(place);
  button->setPicture(picture);
  return button;
}

}  // namespace

void TForm1::buildComponents() {
  // A fixed border: a minimise button and the close box, never a maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setAutoFillBackground(true);
  setMouseTracking(true);
  // The icon and the pictures first: they need no font, while the font database is read on
  // its warm-up thread.
  setWindowIcon(gameIcon());
  buildPictures();
  setFont(arialFont(kStatusTextPixels + 1, true));
  buildModeBox();
  buildKeyboards();
  buildRows();
  buildStatusBar();
  buildHiddenParts();
  buildMenu();
  connectEvents();
  layout_ = vorlane::relayoutMainWindow({}, kSmallScreenWidth, kFormWidth, false);
  // The start-up size comes before any file is read: a damaged settings file leaves the
  // window as it opens.
  setFixedSize(kFormWidth, kBaseHeight);
  applyLayout();
}

void TForm1::buildPictures() {
  imageOeil_ = newPicture(this, "ImageOeil", QStringLiteral("oeil"), {QPoint(16, 32), kMotSize});
  imageMOT_ = newPicture(this, "ImageMOT", QStringLiteral("mot"), {QPoint(48, 32), kMotSize});
  imageoeilFin_ =
      newPicture(this, "ImageoeilFin", QStringLiteral("oeilfin"), {QPoint(16, 32), kMotSize});
  imageFIN_ = newPicture(this, "ImageFIN", QStringLiteral("fin"), {QPoint(48, 32), kMotSize});
  imageTETE_ =
      newPicture(this, "ImageTETE", QStringLiteral("tete"), {QPoint(16, 122), kSmallPictureSize});
  for (PictureButton* hidden : {imageoeilFin_, imageFIN_, imageTETE_}) hidden->hide();
  imageOeil_->setAccessibleName(QStringLiteral("MOT ! (œil)"));
  imageMOT_->setAccessibleName(QStringLiteral("MOT !"));
  imageoeilFin_->setAccessibleName(QStringLiteral("FIN ! (œil)"));
  imageFIN_->setAccessibleName(QStringLiteral("FIN !"));
  imageTETE_->setAccessibleName(QStringLiteral("Obtenir une lettre"));
}

void TForm1::buildModeBox() {
  modeBox_ = new QGroupBox(QStringLiteral("Mode"), this);
  modeBox_->setObjectName(QStringLiteral("modeBox"));
  modeBox_->setGeometry(136, 32, 257, 81);
  entrain_ = new QRadioButton(QStringLiteral("Entraînement"), modeBox_);
  entrain_->setObjectName(QStringLiteral("entrain"));
  entrain_->setGeometry(10, 22, 110, 20);
  compet_ = new QRadioButton(QStringLiteral("Normal"), modeBox_);
  compet_->setObjectName(QStringLiteral("compet"));
  compet_->setGeometry(10, 48, 110, 20);
  niveauBox_ = new QGroupBox(modeBox_);
  niveauBox_->setObjectName(QStringLiteral("NiveauBox"));
  niveauBox_->setAccessibleName(QStringLiteral("Niveau"));
  niveauBox_->setGeometry(128, 12, 120, 62);
  junior_ = new QRadioButton(QStringLiteral("Junior"), niveauBox_);
  junior_->setObjectName(QStringLiteral("Junior"));
  junior_->setGeometry(10, 8, 100, 20);
  senior_ = new QRadioButton(QStringLiteral("Senior"), niveauBox_);
  senior_->setObjectName(QStringLiteral("Senior"));
  senior_->setGeometry(10, 34, 100, 20);
  // The class buttons lie inside the mode box: without groups of their own, a click on the
  // checked mode would find the checked class and uncheck itself.
  for (auto [first, second] : {std::pair{entrain_, compet_}, std::pair{junior_, senior_}}) {
    auto* group = new QButtonGroup(modeBox_);
    group->addButton(first);
    group->addButton(second);
  }
  entrain_->setChecked(true);
  junior_->setChecked(true);
  for (QRadioButton* button : {entrain_, compet_, junior_, senior_}) button->setMouseTracking(true);
}

void TForm1::buildKeyboards() {
  keyb1_ = new Tkeybt(this);
  keyb1_->setObjectName(QStringLiteral("keyb1"));
  keyb2_ = new Tkeybt(this);
  keyb2_->setObjectName(QStringLiteral("keyb2"));
  keyb1_->setAccessibleName(QStringLiteral("Lettres du tirage"));
  keyb2_->setAccessibleName(QStringLiteral("Mot composé"));
  keyb1_->move(96, 24);
  keyb2_->move(96, 72);
  for (Tkeybt* keyboard : {keyb1_, keyb2_}) {
    keyboard->setTileSize(kKeyboardTileSize);
    keyboard->setCursor(Qt::ArrowCursor);
    keyboard->setMouseTracking(true);
    keyboard->hide();
  }
}

DefinitionMemo* TForm1::newDefinitionBox() {
  auto* box = new DefinitionMemo(this, kDefinitionMargin);
  box->hide();
  return box;
}

void TForm1::buildRows() {
  for (int k = 1; k <= kRowCount; ++k) {
    Row& row = rows_[k - 1];
    row.keybt = new Tkey_in(this);
    row.keybt->setObjectName(QStringLiteral("keybt%1").arg(k));
    row.keybt->setAccessibleName(QStringLiteral("Mot %1").arg(k));
    row.keybt->setCursor(Qt::ArrowCursor);
    row.panel = new QLabel(this);
    row.panel->setObjectName(QStringLiteral("Panel%1").arg(k + 2));
    row.panel->setAlignment(Qt::AlignCenter);
    row.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    row.panel->hide();
    row.image = newPicture(this, "", QStringLiteral("liv"), {QPoint(176, 146), kSmallPictureSize});
    row.image->setObjectName(QStringLiteral("Image%1").arg(k));
    row.image->setAccessibleName(QStringLiteral("Définition du mot %1").arg(k));
    row.image->hide();
    row.memo = newDefinitionBox();
    row.memo->setObjectName(QStringLiteral("Memo%1").arg(k));
    row.memo->setAccessibleName(QStringLiteral("Texte de la définition du mot %1").arg(k));
  }
  memo15_ = newDefinitionBox();
  memo15_->setObjectName(QStringLiteral("Memo15"));
  memo15_->setAccessibleName(QStringLiteral("Définition agrandie"));
  memo15_->setFrameShape(QFrame::Box);
}

void TForm1::buildStatusBar() {
  statusbar_ = new QLabel(this);
  statusbar_->setObjectName(QStringLiteral("statusbar"));
  // Its name is the text it shows.
  statusbar_->setAccessibleDescription(QStringLiteral("Barre d'état"));
  statusbar_->setFont(arialFont(kStatusTextPixels, false));
  statusbar_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  statusbar_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  statusbar_->setAutoFillBackground(true);
  statusbar_->setMouseTracking(true);
  auto newPanel = [this](const char* name, const QString& caption, const QString& hint) {
    auto* panel = new QLabel(caption, statusbar_);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setToolTip(hint);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFont(arialFont(kStatusTextPixels, true));
    // A long status text runs under the panels: they cover it.
    panel->setAutoFillBackground(true);
    return panel;
  };
  clock_ = newPanel("clock", QStringLiteral("00:00"), QStringLiteral("temps passé"));
  clock_->hide();
  total_ = newPanel("total", QStringLiteral("66"), QStringLiteral("réserve temps"));
  bigTotal_ = newPanel("bigTotal", QStringLiteral("0"), QStringLiteral("score"));
  bigTotal_->setStyleSheet(QStringLiteral("color: red;"));
}

void TForm1::buildHiddenParts() {
  button1_ = new QPushButton(QStringLiteral("Button1"), this);
  button1_->setObjectName(QStringLiteral("Button1"));
  button1_->setAccessibleName(QStringLiteral("Entrée : MOT ! ou FIN !"));
  button1_->setGeometry(kOffScreenLeft, 0, 75, 25);
  image_ = new QLabel(this);
  image_->setObjectName(QStringLiteral("Image"));
  image_->setGeometry(328, 0, 9, 10);
  comboBoxAna_ = new QComboBox(this);
  comboBoxAna_->setObjectName(QStringLiteral("ComboBoxAna"));
  comboBoxAna_->setAccessibleName(QStringLiteral("Mots du tirage"));
  comboBoxAna_->setGeometry(410, 88, 100, 22);
  comboBoxAna_->hide();
  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(kTimerPeriodMs);
}

void TForm1::applyColours() {
  applyWindowColour();
  applyDefinitionColour();
  QPalette captions = modeBox_->palette();
  captions.setColor(QPalette::WindowText, colorFromRef(colourTable_[2]));
  for (QWidget* widget : {static_cast<QWidget*>(modeBox_), static_cast<QWidget*>(niveauBox_),
                          static_cast<QWidget*>(entrain_), static_cast<QWidget*>(compet_),
                          static_cast<QWidget*>(junior_), static_cast<QWidget*>(senior_)})
    widget->setPalette(captions);
  QPalette bar = statusbar_->palette();
  bar.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  bar.setColor(QPalette::WindowText, Qt::black);
  statusbar_->setPalette(bar);
}

void TForm1::setColour(int index, Colour colour) {
  colourTable_[static_cast<std::size_t>(index)] = colour;
  if (index == 0) applyWindowColour();
  if (index == 2) applyDefinitionColour();
}

// The window's colour, under the definition boxes too: they have no border of their own.
void TForm1::applyWindowColour() {
  QPalette window = palette();
  window.setColor(QPalette::Window, colorFromRef(colourTable_[0]));
  setPalette(window);
  for (DefinitionMemo* box : findChildren<DefinitionMemo*>()) {
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, window.color(QPalette::Window));
    box->setPalette(colours);
  }
}

// The definitions' text colour.
void TForm1::applyDefinitionColour() {
  const QColor definitionText = colorFromRef(colourTable_[2]);
  for (DefinitionMemo* box : findChildren<DefinitionMemo*>()) {
    QPalette colours = box->palette();
    colours.setColor(QPalette::Text, definitionText);
    box->setPalette(colours);
  }
}

void TForm1::applyLayout() {
  for (int k = 1; k <= kRowCount; ++k) {
    const RowGeometry& geometry = layout_.rows[k - 1];
    Row& row = rows_[k - 1];
    row.keybt->setTileSize(layout_.tileSize);
    row.keybt->move(geometry.inputBox.left, geometry.inputBox.top);
    const Rect& panel = geometry.valuePanel;
    row.panel->setGeometry(panel.left, panel.top, panel.width, panel.height);
    row.panel->setFont(arialFont(layout_.panelTextSize * 4 / 3, true));
    const Rect& book = geometry.bookButton;
    row.image->place(QRect(book.left, book.top, book.width, book.height));
    const Rect& box = geometry.definitionBox;
    row.memo->setGeometry(box.left, box.top, box.width, box.height);
    row.memo->setFont(arialFont(layout_.definitionTextSize * 4 / 3, false));
    row.memo->showOneLine();
  }
  memo15_->setFont(arialFont(layout_.definitionTextSize * 4 / 3, false));
  statusbar_->setGeometry(0, height() - kStatusBarHeight, width(), kStatusBarHeight);
  const StatusPanels panels = statusPanels(width());
  clock_->setGeometry(panels.clock.left, panels.clock.top, panels.clock.width, panels.clock.height);
  total_->setGeometry(panels.total.left, panels.total.top, panels.total.width, panels.total.height);
  bigTotal_->setGeometry(panels.bigTotal.left, panels.bigTotal.top, panels.bigTotal.width,
                         panels.bigTotal.height);
  fitStatusText();
}

}  // namespace vorlane
