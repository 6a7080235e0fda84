#include "scores/TFormscore.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "app/IoErrorReport.h"
#include "controls/TLetterTiles.h"
#include "data/IoError.h"
#include "controls/Tkey_in.h"
#include "platform/Clock.h"
#include "platform/GameFonts.h"
#include "platform/QtText.h"

namespace vorlane {
namespace {

constexpr QSize kClientSize(280, 200);
constexpr int kRowLeft = 16;
constexpr int kRowTop = 16;
constexpr int kRowPitch = 24;
constexpr int kNameWidth = 150;
constexpr int kTileSize = 25;
constexpr int kButtonTop = 168;
// Where the name entry rests while no score waits for a name: below the window's edge.
constexpr int kEntryAway = 1000;
constexpr int kPlacementOffset = 15;
// How long the completed table stays on show before the window gives way.
constexpr double kCompletedTablePauseMs = 600;

int rowTop(int r) { return kRowTop + kRowPitch * (r - 1); }

}  // namespace

TFormscore::TFormscore(const DataFolder& folder, QWidget* mainWindow, bool juniorClass)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      table_(folder),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("Formscore"));
  setFixedSize(kClientSize);
  buildRows();
  buildButtons();
  table_.setJuniorClass(juniorClass);
  loadScores(juniorClass, true);
}

void TFormscore::buildRows() {
  for (int r = 1; r <= kScoreRows; ++r) {
    auto* box = new Tkey_in(this);
    box->setObjectName(QStringLiteral("key_in%1").arg(r));
    box->setAccessibleName(QStringLiteral("Nom %1").arg(r));
    box->setFont(arialFont(0, true));
    box->setTileSize(kTileSize);
    box->move(kRowLeft, rowTop(r));
    box->setText(std::string(kScoreRows, ' '));
    keyIn_[static_cast<std::size_t>(r - 1)] = box;

    auto* panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(r));
    panel->setGeometry(190, rowTop(r), 75, 23);
    panel->setFont(arialFont(16, true));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panel->setToolTip(QStringLiteral("total points"));
    panels_[static_cast<std::size_t>(r - 1)] = panel;
  }
  tilesEntre_ = new TLetterTiles(this);
  tilesEntre_->setObjectName(QStringLiteral("TilesEntre"));
  tilesEntre_->setAccessibleName(QStringLiteral("Votre nom"));
  tilesEntre_->setFont(arialFont(0, true));
  tilesEntre_->setTileSize(kTileSize);
  tilesEntre_->setText(std::string(kScoreRows, ' '));
  tilesEntre_->setGeometry(kRowLeft, kEntryAway, kNameWidth, kTileSize);
}

void TFormscore::buildButtons() {
  mode_ = new QPushButton(this);
  mode_->setObjectName(QStringLiteral("mode"));
  mode_->setGeometry(kRowLeft, kButtonTop, 105, 25);
  mode_->setAutoDefault(false);
  mode_->installEventFilter(this);
  effacebtn_ = new QPushButton(QStringLiteral("Effacer"), this);
  effacebtn_->setObjectName(QStringLiteral("Effacebtn"));
  effacebtn_->setGeometry(128, kButtonTop, 75, 25);
  effacebtn_->setAutoDefault(false);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setGeometry(226, kButtonTop, 41, 25);
  ok_->setDefault(true);
  connect(effacebtn_, &QPushButton::clicked, this, &TFormscore::EffacebtnClick);
  connect(ok_, &QPushButton::clicked, this, &TFormscore::okClick);
}

Tkey_in* TFormscore::nameBox(int row) const { return keyIn_.at(static_cast<std::size_t>(row - 1)); }

QLabel* TFormscore::pointsPanel(int row) const {
  return panels_.at(static_cast<std::size_t>(row - 1));
}

void TFormscore::render() {
  setWindowTitle(toQString(table_.title()));
  for (int r = 1; r <= kScoreRows; ++r) {
    const ScoreRow& row = table_.row(r);
    Tkey_in* box = nameBox(r);
    box->setText(row.name);
    // A name of the same length does not repaint by itself.
    box->update();
    pointsPanel(r)->setText(QString::number(row.points));
  }
  mode_->setText(toQString(table_.classButtonCaption()));
  mode_->setVisible(table_.classButtonVisible());
}

void TFormscore::loadScores(bool junior, bool setButtonCaption) {
  tilesEntre_->move(kRowLeft, kEntryAway);
  changeTable([&] { table_.loadScores(junior, setButtonCaption); });
}

void TFormscore::changeTable(const std::function<void()>& change) {
  try {
    change();
  } catch (const IoError& error) {
    render();
    reportIoError(error);
    return;
  }
  render();
}

void TFormscore::setJuniorClass(bool junior) { table_.setJuniorClass(junior); }

int TFormscore::insertScore(std::int32_t score) {
  const int r = table_.insertScore(score);
  if (r > 0) {
    tilesEntre_->setText(table_.entryText());
    tilesEntre_->setTileIndex(0);
    tilesEntre_->move(kRowLeft, rowTop(r));
    tilesEntre_->raise();
  }
  render();
  return r;
}

void TFormscore::showScores() {
  show();
  raise();
  activateWindow();
}

int TFormscore::showModalForName() {
  effacebtn_->hide();
  const int result = exec();
  effacebtn_->show();
  return result;
}

void TFormscore::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TFormscore::FormShow() {
  if (mainWindow_ != nullptr) {
    move(mainWindow_->x() + kPlacementOffset, mainWindow_->y() + kPlacementOffset);
  }
  if (table_.pendingEntry()) tilesEntre_->setFocus();
}

void TFormscore::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) FormDeactivate();
}

void TFormscore::FormDeactivate() {
  if (isVisible() && !asking_) close();
}

void TFormscore::closeEvent(QCloseEvent* event) {
  if (table_.pendingEntry()) okClick();
  QDialog::closeEvent(event);
}

void TFormscore::keyPressEvent(QKeyEvent* event) {
  // The window has no cancel button: Escape neither closes it nor drops the entry.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TFormscore::okClick() {
  // Accepted is the modal result of every way out, the close box included.
  if (!table_.pendingEntry()) {
    done(QDialog::Accepted);
    return;
  }
  table_.setEntryText(tilesEntre_->text());
  const auto outcome = table_.commitEntry([this] { showCompletedTable(); });
  if (outcome == ScoreTable::CommitOutcome::ReadOnly) showReadOnlyNotice();
}

void TFormscore::showCompletedTable() {
  tilesEntre_->move(kRowLeft, kEntryAway);
  render();
  repaint();
  waitMilliseconds(kCompletedTablePauseMs);
  done(QDialog::Accepted);
  mode_->show();
  if (mainWindow_ != nullptr) mainWindow_->show();
}

void TFormscore::showReadOnlyNotice() {
  QMessageBox::information(mainWindow_, QStringLiteral("Information"),
                           toQString(table_.readOnlyNotice()), QMessageBox::Ok);
}

bool TFormscore::askClearConfirmation() {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmation"),
                  toQString(ScoreTable::clearQuestion()), QMessageBox::Yes | QMessageBox::No, this);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
  asking_ = true;
  const int answer = box.exec();
  asking_ = false;
  return answer == QMessageBox::Yes;
}

void TFormscore::EffacebtnClick() {
  if (!askClearConfirmation()) return;
  changeTable([this] { table_.clearScores(); });
}

bool TFormscore::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mode_) {
    if (event->type() == QEvent::MouseButtonPress) modeMouseDown();
    if (event->type() == QEvent::MouseButtonRelease) modeMouseUp();
  }
  return QDialog::eventFilter(watched, event);
}

void TFormscore::modeMouseDown() { loadScores(!table_.juniorClass(), false); }

void TFormscore::modeMouseUp() { loadScores(table_.juniorClass(), false); }

}  // namespace vorlane
