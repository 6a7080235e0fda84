#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

#include "scores/ScoreTable.h"

class QLabel;
class QPushButton;

namespace vorlane {

class DataFolder;
class TLetterTiles;
class Tkey_in;

// The score window: the top six of one class, shown free-floating from the menu entry
// "Scores" or modally at the end of a Normal game to take the player's name. It only shows
// the state of its ScoreTable and forwards the player's actions to it. It closes itself
// when it loses activation, and any close commits a pending entry.
class TFormscore : public QDialog {
 public:
  // Loads the table of `juniorClass` at once. The window is placed beside `mainWindow`
  // (which may be null) each time it is shown, and makes it visible after a commit.
  TFormscore(const DataFolder& folder, QWidget* mainWindow, bool juniorClass);

  // For the main window's class change: setJuniorClass, then loadScores(junior, true).
  // A record that cannot be read is reported once the table shows what could be read.
  void loadScores(bool junior, bool setButtonCaption);
  // `juniorClass`: the class played, whose table the window commits, clears and shows
  // when the class button is released.
  void setJuniorClass(bool junior);
  bool juniorClass() const { return table_.juniorClass(); }

  // End of a game: places the score and lays the name entry over its row; 1..6, or 0.
  int insertScore(std::int32_t score);
  // The row insertScore would give; nothing changes.
  int rankOf(std::int32_t points) const { return table_.rankOf(points); }

  // The menu entry "Scores": shows the window and brings it to the front, not modal.
  void showScores();
  // End of a Normal game whose score was placed: modal, with "Effacer" hidden until it
  // returns. Returns the modal result.
  int showModalForName();

  const ScoreTable& table() const { return table_; }

  // Components, row 1..6.
  Tkey_in* nameBox(int row) const;
  QLabel* pointsPanel(int row) const;
  QPushButton* modeButton() const { return mode_; }
  QPushButton* clearButton() const { return effacebtn_; }
  QPushButton* okButton() const { return ok_; }
  TLetterTiles* nameEntry() const { return tilesEntre_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildRows();
  void buildButtons();
  void render();
  // Runs a change of the table, shows the table, and reports a file failure.
  void changeTable(const std::function<void()>& change);
  void FormShow();
  void FormDeactivate();
  void okClick();
  void EffacebtnClick();
  void modeMouseDown();
  void modeMouseUp();
  // The commit's pause on the completed table, then the window gives way to the game.
  void showCompletedTable();
  void showReadOnlyNotice();
  bool askClearConfirmation();

  ScoreTable table_;
  QWidget* mainWindow_;
  std::array<Tkey_in*, kScoreRows> keyIn_{};
  std::array<QLabel*, kScoreRows> panels_{};
  QPushButton* mode_ = nullptr;
  QPushButton* effacebtn_ = nullptr;
  QPushButton* ok_ = nullptr;
  TLetterTiles* tilesEntre_ = nullptr;
  // While the window asks the player something, losing activation to the question box
  // does not close it.
  bool asking_ = false;
};

}  // namespace vorlane
