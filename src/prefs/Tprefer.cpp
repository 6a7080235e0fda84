#include "prefs/Tprefer.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "app/IoErrorReport.h"
#include "controls/BackgroundRules.h"
#include "controls/ColorRef.h"
#include "controls/TForm2.h"
#include "data/IoError.h"
#include "game/TForm1.h"
#include "platform/GameFonts.h"
#include "platform/QtText.h"
#include "prefs/ColourDialog.h"
#include "prefs/ThumbnailGrid.h"

namespace vorlane {
namespace {

constexpr int kPlacementOffset = 15;
constexpr std::string_view kColourFileName = "color.ini";
// The window's small sans-serif text, which lets the list show its four lines at once.
constexpr int kTextPixels = 11;

}  // namespace

ScreenFacts screenFactsFor(const TForm2& background) {
  const QScreen* screen = background.screen();
  if (!screen) return {kSmallScreenWidth, 24, background.largeFonts()};
  return {screen->geometry().width(), screen->depth(), background.largeFonts()};
}

Tprefer::Tprefer(TForm1& form1, TForm2& form2, const ScreenFacts& screen)
    : QDialog(&form1, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      form1_(form1),
      form2_(form2),
      settings_(form1.folder()),
      screen_(screen),
      colourFileAtStart_(form1.folder().existsInDataFolder(kColourFileName) ||
                         form1.folder().existsInProgramFolder(kColourFileName)),
      coloursAtStart_(form1.colourTable()) {
  setObjectName(QStringLiteral("prefer"));
  setWindowTitle(QStringLiteral("Préférences"));
  setFixedSize(297, 125);
  setFont(arialFont(kTextPixels, false));
  buildComponents();
  connectEvents();
  try {
    FormCreate();
  } catch (const IoError& error) {
    reportIoError(error);
  }
  refreshChoice();
  applySwatch(swatchColour(choices_, form1_.colourTable()));
}

// The colours are written at every end of the program, changed or not, so that a damaged
// colour file is repaired by the next end instead of being reported at every start. Only
// where no colour file was found and none was chosen is nothing written: a folder that
// takes no new file then keeps its factory colours without an error.
Tprefer::~Tprefer() {
  const ColourTable& colours = form1_.colourTable();
  if (!colourFileAtStart_ && colours == coloursAtStart_) return;
  try {
    settings_.saveColours(colours[kWindowLine], form2_.windowColour(), colours[kDefinitionLine]);
  } catch (const IoError& error) {
    reportIoError(error);
  }
}

QCheckBox* Tprefer::newCheckBox(const char* name, const QString& caption, QPoint place) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(QString::fromLatin1(name));
  box->move(place);
  box->adjustSize();
  return box;
}

void Tprefer::buildComponents() {
  colorcombo_ = new QListWidget(this);
  colorcombo_->setObjectName(QStringLiteral("colorcombo"));
  colorcombo_->setGeometry(152, 8, 137, 57);
  colorcombo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  colorcombo_->addItems({QStringLiteral("fenêtre"), QStringLiteral("fond"),
                         QStringLiteral("police définitions"), QStringLiteral("dictionnaire")});
  panelEdit_ = new QLabel(QStringLiteral("Définir une couleur"), this);
  panelEdit_->setObjectName(QStringLiteral("PanelEdit"));
  panelEdit_->setGeometry(8, 8, 129, 25);
  panel1_ = new QLabel(this);
  panel1_->setObjectName(QStringLiteral("Panel1"));
  panel1_->setGeometry(8, 34, 129, 16);
  for (QLabel* panel : {panelEdit_, panel1_}) {
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
  }
  panelEdit_->setCursor(Qt::PointingHandCursor);
  thumbs_ = new ThumbnailGrid(this);
  thumbs_->setGeometry(8, 50, 129, 67);
  thumbs_->setPictureSource([this](int index) { return loadPattern(index); });
  form2_.setPatternSource([this](int index) { return loadPattern(index); });
  checkfond_ = newCheckBox("Checkfond", QStringLiteral("Masquer le bureau"), {152, 66});
  checkTailleMax_ = newCheckBox("CheckTailleMax", QStringLiteral("Grande police"), {12, 98});
  checkTailleMax_->hide();
  checklargeurMax_ = newCheckBox("ChecklargeurMax", QStringLiteral("Largeur maximum"), {12, 54});
  checkcentree_ = newCheckBox("Checkcentree", QStringLiteral("Toujours centrée"), {12, 75});
  checkNP_ = newCheckBox("CheckNP", QStringLiteral("Sans noms propres"), {8, 10});
  button1_ = new QPushButton(QStringLiteral("Init"), this);
  button1_->setObjectName(QStringLiteral("Button1"));
  button1_->setToolTip(QStringLiteral("Configuration d'origine"));
  button1_->setGeometry(176, 92, 49, 25);
  button1_->setAutoDefault(false);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("OK"));
  ok_->setGeometry(246, 92, 43, 25);
  ok_->setDefault(true);
}

void Tprefer::connectEvents() {
  connect(colorcombo_, &QListWidget::currentRowChanged, this, &Tprefer::Colorcombo1Change);
  panelEdit_->installEventFilter(this);
  thumbs_->onCellPressed([this](int index) { ThumbsMouseDown(index); });
  connect(checkfond_, &QCheckBox::clicked, this, &Tprefer::CheckfondMouseUp);
  connect(checkTailleMax_, &QCheckBox::clicked, this, &Tprefer::CheckTailleMaxMouseUp);
  connect(checklargeurMax_, &QCheckBox::clicked, this, &Tprefer::CheckTailleMaxMouseUp);
  connect(checkcentree_, &QCheckBox::clicked, this, &Tprefer::CheckcentreeMouseUp);
  connect(checkNP_, &QCheckBox::clicked, this, &Tprefer::CheckNPMouseUp);
  connect(button1_, &QPushButton::clicked, this, &Tprefer::resetPreferences);
  connect(ok_, &QPushButton::clicked, this, &QWidget::close);
}

void Tprefer::FormCreate() {
  const GameState& game = form1_.engine().state();
  choices_ = readPreferences(settings_, screen_, game.alwaysCentred, game.noProperNouns);
  choices_.patternIndex = form2_.patternIndex();
  choices_.backgroundShown = form2_.isVisible();
  patternNames_ = findPatternsAtStartup(form1_.folder());
  form1_.relayoutMainWindow(choices_.layout);
}

QPixmap Tprefer::loadPattern(int index) const {
  const auto file = patternFile(form1_.folder(), patternNames_, index);
  if (!file) return {};
  // A pattern is a Windows bitmap, read as such: left to guess, Qt would first load every
  // image plugin to ask whether the file is theirs.
  QImageReader reader(QString::fromStdString(file->string()), "bmp");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

void Tprefer::Colorcombo1Change(int row) {
  if (row < 0) return;
  choices_.line = row;
  refreshChoice();
}

// The selected line decides what shows; the boxes show the choices.
void Tprefer::refreshChoice() {
  {
    const QSignalBlocker blocker(colorcombo_);
    colorcombo_->setCurrentRow(choices_.line);
  }
  panel1_->setText(toQString(informationText(choices_.line, screen_.bits)));
  checkTailleMax_->setChecked(choices_.layout.largeTiles);
  checklargeurMax_->setChecked(choices_.layout.widestWindow);
  checkcentree_->setChecked(choices_.centred);
  checkNP_->setChecked(choices_.noProperNouns);
  checkfond_->setChecked(choices_.backgroundShown);
  applyVisibility();
  if (choices_.line != kDictionaryLine)
    applySwatch(swatchColour(choices_, form1_.colourTable()));
}

void Tprefer::applyVisibility() {
  const ChoiceVisibility shown =
      choiceVisibility(choices_.line, choices_.backgroundShown, screen_);
  checkTailleMax_->setVisible(shown.largeTiles);
  checklargeurMax_->setVisible(shown.widestWindow);
  checkcentree_->setVisible(shown.widestWindow);
  checkNP_->setVisible(shown.noProperNouns);
  checkfond_->setVisible(shown.backgroundBox);
  thumbs_->setVisible(shown.thumbs);
  panel1_->setVisible(shown.panels);
  panelEdit_->setVisible(shown.panels);
  if (shown.thumbs) {
    thumbs_->selectCell(choices_.patternIndex);
    thumbs_->update();
    showThumbnailCaption();
  }
}

void Tprefer::applySwatch(Colour colour) {
  QPalette colours = panelEdit_->palette();
  colours.setColor(QPalette::Window, colorFromRef(colour));
  colours.setColor(QPalette::WindowText, colorFromRef(swatchTextColour(colour)));
  panelEdit_->setPalette(colours);
}

// What the thumbnails write on the information line when they are drawn.
void Tprefer::showThumbnailCaption() {
  if (const auto caption = thumbnailCaption(choices_.patternIndex, patternNames_))
    panel1_->setText(toQString(*caption));
}

void Tprefer::applyBackground() {
  form2_.setPatternIndex(choices_.patternIndex);
  form2_.update();
}

void Tprefer::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void Tprefer::FormShow() {
  move(form1_.x() + kPlacementOffset, form1_.y() + kPlacementOffset);
  panel1_->setText(toQString(informationText(choices_.line, screen_.bits)));
  applyVisibility();
}

bool Tprefer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panelEdit_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    PanelEditClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void Tprefer::PanelEditClick() {
  const QColor start = panelEdit_->palette().color(QPalette::Window);
  const std::optional<QColor> chosen = chooseColour(this, start, screen_.bits);
  if (!chosen) return;
  const Colour colour = colorToRef(*chosen);
  applySwatch(colour);
  switch (choices_.line) {
    case kWindowLine:
      form1_.setColour(kWindowLine, colour);
      break;
    case kBackgroundLine:
      form1_.setColour(kBackgroundLine, colour);
      form2_.setWindowColour(colour);
      choices_.patternIndex = kPlainColour;
      panel1_->setText(toQString(plainColourCaption()));
      applyBackground();
      break;
    case kDefinitionLine:
      form1_.setColour(kDefinitionLine, colour);
      break;
    default:
      break;
  }
}

void Tprefer::ThumbsMouseDown(int index) {
  if (choices_.line != kBackgroundLine) return;
  applySwatch(kSilver);
  form1_.setColour(kBackgroundLine, kSilver);
  choices_.patternIndex = index;
  applyBackground();
  thumbs_->selectCell(index);
  showThumbnailCaption();
}

void Tprefer::CheckfondMouseUp() {
  choices_.backgroundShown = checkfond_->isChecked();
  if (choices_.backgroundShown) {
    form2_.show();
    form1_.raise();
    raise();
    applyVisibility();
    activateWindow();
  } else {
    form2_.hide();
    applyVisibility();
  }
}

void Tprefer::CheckTailleMaxMouseUp() {
  choices_.layout = {checkTailleMax_->isChecked(), checklargeurMax_->isChecked()};
  relayoutWhenRowsShow();
  centreMainWindow();
}

// With rows shown the main window takes its new size at once; else at the next draw.
void Tprefer::relayoutWhenRowsShow() {
  if (form1_.engine().state().rowCount > 0) form1_.relayoutMainWindow(choices_.layout);
}

void Tprefer::centreMainWindow() {
  form1_.move(centredLeft(screen_.width, form1_.frameGeometry().width()), form1_.y());
}

void Tprefer::CheckcentreeMouseUp() {
  choices_.centred = checkcentree_->isChecked();
  form1_.engine().setAlwaysCentred(choices_.centred);
  form1_.repositionMainWindow();
}

void Tprefer::CheckNPMouseUp() {
  choices_.noProperNouns = checkNP_->isChecked();
  form1_.engine().setNoProperNouns(choices_.noProperNouns);
}

void Tprefer::setCentred(bool on) {
  choices_.centred = on;
  checkcentree_->setChecked(on);
}

void Tprefer::resetPreferences() {
  ColourTable colours = form1_.colourTable();
  vorlane::resetPreferences(choices_, colours);
  form1_.setColour(kWindowLine, colours[kWindowLine]);
  form1_.setColour(kDefinitionLine, colours[kDefinitionLine]);
  form2_.hide();
  // The background shows the default pattern when it is shown again.
  applyBackground();
  relayoutWhenRowsShow();
  centreMainWindow();
  refreshChoice();
  savePreferences();
  hide();
}

void Tprefer::savePreferences() {
  try {
    vorlane::savePreferences(settings_, choices_);
  } catch (const IoError& error) {
    reportIoError(error);
  }
}

void Tprefer::closeEvent(QCloseEvent* event) {
  savePreferences();
  event->accept();
}

void Tprefer::reject() { close(); }

}  // namespace vorlane
