#pragma once

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace vorlane {

struct MessageLines;
class TGoToWeb;

// The game's own message window: three centred lines, OK (the default button), "Annuler"
// for the questions, a blinking icon, and the two check boxes of the welcome. Every
// message is modal; a message asked while one is open is dropped and `messageResult`
// keeps its value.
class TFormMessage : public QDialog {
 public:
  enum Result { None = 0, Ok = 1, Cancel = 2 };

  explicit TFormMessage(QWidget* mainWindow);

  // Windows hidden while a message shows (preferences, about box, score window).
  void setHiddenOnShow(std::vector<QWidget*> windows) { hiddenOnShow_ = std::move(windows); }

  // `selector`: "dans les six", "dans les six training" or empty; any other shows nothing.
  void showEndOfGame(const std::string& selector, int score);
  void showLetterCost(int level, const std::string& cost);
  void showLevelUp(const std::string& points, const std::string& newLevel);
  void askQuit();
  // The two answers of the welcome: install the Start-menu group, show the read-me topic.
  struct WelcomeChoice {
    bool startMenuGroup = false;
    bool readMe = false;
  };
  // Nothing is chosen when a message was already open.
  WelcomeChoice showWelcome();

  int messageResult() const { return messageResult_; }

  // The web-link component that the main window's web and e-mail entries use.
  TGoToWeb* GoToWeb1() const { return goToWeb1_; }

  // Escape and the window's close answer "Annuler" when it shows, OK otherwise.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildLines();
  void buildButtons();
  void buildIcons();
  // Shows the lines modally unless a message is open; false when dropped.
  bool showMessage(const MessageLines& message);
  void OKClick();
  void annulerClick();

  QWidget* mainWindow_;
  std::vector<QWidget*> hiddenOnShow_;
  std::array<QLabel*, 3> panels_{};
  QPushButton* ok_ = nullptr;
  QPushButton* annuler_ = nullptr;
  QLabel* image1_ = nullptr;
  QLabel* image2_ = nullptr;
  QTimer* timer1_ = nullptr;
  QCheckBox* checkMenu_ = nullptr;
  QCheckBox* checkLisez_ = nullptr;
  TGoToWeb* goToWeb1_ = nullptr;
  int messageResult_ = None;
};

}  // namespace vorlane
