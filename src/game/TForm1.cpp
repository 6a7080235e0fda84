#include "game/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <utility>

#include "app/IoErrorReport.h"
#include "controls/TForm2.h"
#include "data/DataFiles.h"
#include "data/IoError.h"
#include "game/Startup.h"
#include "messages/StartMenuGroup.h"
#include "messages/TFormMessage.h"
#include "messages/Tdlg.h"
#include "platform/HelpViewer.h"
#include "platform/Network.h"
#include "platform/QtText.h"
#include "prefs/Tprefer.h"
#include "scores/TFormscore.h"

namespace vorlane {
namespace {

Size screenSize(const QWidget& widget) {
  const QScreen* screen = widget.screen();
  if (!screen) return {kFormWidth, kBaseHeight};
  return {screen->geometry().width(), screen->geometry().height()};
}

}  // namespace

TForm1::TForm1(const Surroundings& surroundings, SoundOutput& soundOutput)
    : folder_(surroundings.programFolder),
      settings_(folder_),
      sounds_(folder_, soundOutput),
      port_(*this, sounds_),
      ddeClientConv1_(folder_.programFolder() / kProgramFileName) {
  words_ = std::make_unique<WordLists>(folder_, [this](const std::string& text) {
    QMessageBox::warning(this, QStringLiteral("Vorlane"), toQString(text));
  });
  engine_ = std::make_unique<GameEngine>(folder_, *words_, recentDraws_, random_, port_);
  setObjectName(QStringLiteral("Form1"));
  buildComponents();
  folder_.setWriteProtected(surroundings.writeProtected);
  folder_.setTakesNoNewFile(surroundings.takesNoNewFile);
  // A settings file that cannot be read is reported; the window starts with what it has.
  run([&] { FormCreate(surroundings.handOffWord, surroundings.interfaces); });
}

TForm1::~TForm1() {
  qApp->removeEventFilter(this);
  timer1_->stop();
  FormDestroy();
}

void TForm1::FormCreate(const std::string& handOffWord, const std::filesystem::path& interfaces) {
  dataFilesOk_ = checkDataFiles(folder_);
  if (!dataFilesOk_) {
    QMessageBox::critical(nullptr, toQString(kDataFilesFailureTitle),
                          toQString(dataFilesFailureMessage(folder_)), QMessageBox::Ok);
    return;
  }
  // A damaged settings file is told as it is, and nothing is saved: it is not the
  // write-protected medium that the read-only mode and the installer are for.
  const std::optional<IoError> trouble = settingsFileTrouble(folder_);
  if (trouble) folder_.setUnsavedReason(pathText(trouble->file()) + " : " + trouble->what());
  folder_.setWritable(!trouble && testDataFolderWritable(folder_));
  engine_->setDataFolderWritable(folder_.writable());
  showHandOff(handOffWord);
  installation_->setVisible(false);
  if (trouble) {
    reportIoError(IoError(trouble->file(), trouble->what() + nothingSavedNotice()));
  } else if (!folder_.writable()) {
    readOnlySoundDue_ = true;
    installation_->setVisible(true);
  }
  // Each step runs even when an earlier read failed: a damaged file is reported and the
  // game plays what its buttons show.
  run([this] { recentDraws_.loadRecentDraws(folder_); });
  run([this] {
    for (int i = 0; i < static_cast<int>(colourTable_.size()); ++i)
      colourTable_[static_cast<std::size_t>(i)] = settings_.readColour(i);
  });
  // The colours read before a failure show.
  applyColours();
  StartupSettings startup;
  run([&] { startup = readStartupSettings(settings_); });
  readModeAndClass(startup);
  placeAtStartup(startup);
  const bool modem = modemPresent(interfaces);
  contact_->setEnabled(modem);
  web_->setEnabled(modem);
}

void TForm1::showHandOff(const std::string& handOffWord) {
  const std::optional<HandOff> handOff = handOffFor(handOffWord);
  if (!handOff) return;
  if (handOff->createStartMenuGroup) createStartMenuGroup();
  sounds_.playSound("gagne.wav");
  QMessageBox::information(nullptr, QStringLiteral("Vorlane"), toQString(handOff->welcome));
}

void TForm1::readModeAndClass(const StartupSettings& startup) {
  (startup.trainingMode ? entrain_ : compet_)->setChecked(true);
  (startup.juniorClass ? junior_ : senior_)->setChecked(true);
  engine_->setTrainingMode(startup.trainingMode);
  engine_->setJuniorClass(startup.juniorClass);
  engine_->setAlwaysCentred(startup.alwaysCentred);
  engine_->setNoProperNouns(startup.noProperNouns);
}

void TForm1::placeAtStartup(const StartupSettings& startup) {
  const Point place = startupPlacement(startup.savedPlace, {kFormWidth, kBaseHeight},
                                       screenSize(*this), startup.alwaysCentred);
  move(place.left, place.top);
}

void TForm1::attachBackground(TForm2* background) { background_ = background; }

void TForm1::attachPreferences(Tprefer* preferences) { prefer_ = preferences; }

void TForm1::attachWindows(TFormscore* scores, TFormMessage* message, Tdlg* about) {
  scores_ = scores;
  message_ = message;
  about_ = about;
  message_->setHiddenOnShow({prefer_, about_, scores_});
}

void TForm1::welcomeAtFirstStart(bool handedOver) {
  if (handedOver || !message_ || !isFirstStart(settings_)) return;
  show();
  button1_->setFocus();
  run([this] {
    if (prefer_) prefer_->resetPreferences();
    const TFormMessage::WelcomeChoice choice = message_->showWelcome();
    recordFirstStart(settings_);
    if (choice.startMenuGroup) createStartMenuGroup();
    if (choice.readMe) openHelp("sommaire");
  });
}

// The sound library takes longer to load than the window takes to show: the devices are
// asked once the window has been painted, before the player can act, and then the step the
// program gave runs.
bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::Paint && !firstPaintQueued_) {
    firstPaintQueued_ = true;
    QTimer::singleShot(0, this, &TForm1::runAfterFirstPaint);
  }
  return QWidget::event(event);
}

void TForm1::afterFirstPaint(std::function<void()> step) {
  if (firstPaintDone_)
    step();
  else
    afterFirstPaint_ = std::move(step);
}

void TForm1::runAfterFirstPaint() {
  detectSound();
  firstPaintDone_ = true;
  if (afterFirstPaint_) std::exchange(afterFirstPaint_, nullptr)();
}

void TForm1::detectSound() {
  sounds_.detectOutputDevices();
  engine_->setSoundAvailable(sounds_.soundAvailable());
  if (readOnlySoundDue_) sounds_.playSound("gagne.wav");
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  run([this] { FormShow(); });
}

void TForm1::FormShow() {
  const Point place = formShowPlacement({x(), y()});
  move(place.left, place.top);
  if (!folder_.writable() && folder_.unsavedReason().empty()) {
    if (prefer_) prefer_->setCentred(true);
    engine_->setAlwaysCentred(true);
    repositionMainWindow();
  }
}

void TForm1::QuitterClick() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
  if (quitting_ || !message_) {
    event->accept();
    return;
  }
  message_->askQuit();
  if (message_->messageResult() != TFormMessage::Ok) {
    event->ignore();
    return;
  }
  quitting_ = true;
  // The recent draws are saved even when the end of the game met a damaged file.
  run([this] { engine_->endGame(true); });
  run([this] { recentDraws_.saveRecentDraws(folder_); });
  timer1_->stop();
  event->accept();
}

void TForm1::FormDestroy() {
  if (!dataFilesOk_) return;
  try {
    settings_.writeSetting(setting::kWindowTop, y());
    settings_.writeSetting(setting::kWindowLeft, x());
  } catch (const IoError& error) {
    reportIoError(error);
  }
}

void TForm1::entrainClick() {
  run([this] {
    // The game plays what the buttons show, even when the choice cannot be saved.
    const bool training = entrain_->isChecked();
    engine_->setTrainingMode(training);
    settings_.writeSetting(setting::kTrainingMode, training ? 1 : 0);
  });
}

void TForm1::JuniorClick() {
  run([this] {
    const bool junior = junior_->isChecked();
    engine_->setJuniorClass(junior);
    if (scores_) {
      scores_->setJuniorClass(junior);
      scores_->loadScores(junior, true);
    }
    settings_.writeSetting(setting::kJuniorClass, junior ? 1 : 0);
  });
}

void TForm1::relayoutMainWindow() {
  relayoutMainWindow(prefer_ ? prefer_->layoutPreferences() : LayoutPreferences{});
}

void TForm1::relayoutMainWindow(LayoutPreferences preferences) {
  const bool largeFonts = background_ && background_->largeFonts();
  layout_ = vorlane::relayoutMainWindow(preferences, screenSize(*this).width, width(), largeFonts);
  applyLayout();
  engine_->setLayout(layout_);
  repositionMainWindow();
}

void TForm1::repositionMainWindow() {
  const Size window{layout_.windowWidth, engine_->view().windowHeight};
  // The rule gives the outer height, title bar and frame included; the width is the client's.
  const int frameHeight = frameGeometry().height() - geometry().height();
  setFixedSize(window.width, window.height - frameHeight);
  const Point place = vorlane::repositionMainWindow({x(), y()}, window, screenSize(*this),
                                                    engine_->state().alwaysCentred);
  move(place.left, place.top);
  applyLayout();
}

int TForm1::definitionLineCount(int row, const std::string& text) const {
  if (row == kEnlargedRow) return memo15_->lineCountFor(toQString(text), layout_.enlargedWidth);
  return rows_[row - 1].memo->lineCountFor(toQString(text), layout_.rows[0].definitionBox.width);
}

void TForm1::reportDataError(const std::string& text) {
  QMessageBox::critical(this, QStringLiteral("Vorlane"), toQString(text));
}

void TForm1::openHelp(const std::string& topic) { helpViewer()->showTopic(topic); }

// Made when first asked for: the first frame of the game does not show it.
HelpViewer* TForm1::helpViewer() {
  // A window of its own, owned by the main window so that it never keeps the game running.
  if (!help_) help_ = new HelpViewer(folder_.inProgramFolder(kHelpFileName), this);
  return help_;
}

void TForm1::createStartMenuGroup() {
  vorlane::createStartMenuGroup(ddeClientConv1_, folder_.programFolder() / kProgramFileName);
}

void TForm1::run(const std::function<void()>& call) {
  try {
    call();
  } catch (const IoError& error) {
    reportIoError(error);
  }
  render();
}

}  // namespace vorlane
