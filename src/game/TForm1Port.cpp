#include "game/TForm1Port.h"

#include <QApplication>
#include <QCursor>

#include "app/IoErrorReport.h"
#include "game/TForm1.h"
#include "messages/TFormMessage.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "scores/TFormscore.h"

namespace vorlane {

void TForm1Port::playSound(std::string_view fileName) { sounds_.playSound(fileName); }

void TForm1Port::waitMilliseconds(int milliseconds) { vorlane::waitMilliseconds(milliseconds); }

void TForm1Port::repaint() {
  form_.render();
  form_.repaint();
}

void TForm1Port::setCursor(CursorShape cursor) {
  form_.setCursor(cursor == CursorShape::hourglass ? Qt::WaitCursor : Qt::ArrowCursor);
}

int TForm1Port::definitionLineCount(int row, const std::string& text) {
  return form_.definitionLineCount(row, text);
}

int TForm1Port::messageResult() const {
  return form_.messageWindow() ? form_.messageWindow()->messageResult() : TFormMessage::None;
}

int TForm1Port::showEndOfGame(std::string_view selector, int score) {
  if (TFormMessage* message = form_.messageWindow())
    message->showEndOfGame(std::string(selector), score);
  return messageResult();
}

int TForm1Port::showLevelUp(const std::string& points, const std::string& level) {
  if (TFormMessage* message = form_.messageWindow()) message->showLevelUp(points, level);
  return messageResult();
}

int TForm1Port::showLetterCost(const std::string& price, int level) {
  if (TFormMessage* message = form_.messageWindow()) message->showLetterCost(level, price);
  return messageResult();
}

int TForm1Port::insertScore(int score) {
  return form_.scoreWindow() ? form_.scoreWindow()->insertScore(score) : 0;
}

int TForm1Port::rankOf(int points) {
  return form_.scoreWindow() ? form_.scoreWindow()->rankOf(points) : 0;
}

void TForm1Port::showScoresModal() {
  TFormscore* scores = form_.scoreWindow();
  if (!scores) return;
  scores->showModalForName();
  // The name entry closes with the keyboard: the game takes the keys back, so that Enter
  // starts the next game.
  form_.activateWindow();
}

bool TForm1Port::scoreWindowVisible() {
  return form_.scoreWindow() && form_.scoreWindow()->isVisible();
}

void TForm1Port::relayoutMainWindow() { form_.relayoutMainWindow(); }

void TForm1Port::repositionMainWindow() { form_.repositionMainWindow(); }

void TForm1Port::reportDataError(const std::string& text) { form_.reportDataError(text); }

void TForm1Port::reportIoError(const IoError& error) { vorlane::reportIoError(error); }

}  // namespace vorlane
