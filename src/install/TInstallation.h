#pragma once

#include <QDialog>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "install/InstallationModel.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace vorlane {

// The installation window: copies the running copy's application folder into the
// player's folder (or updates an earlier copy), then hands over to the installed copy.
// Shown without blocking; it lives until the program ends. The rules are the model's.
class TInstallation : public QDialog, private InstallationPort {
 public:
  // What the window needs of the rest of the program.
  struct Services {
    std::function<void(std::string_view sound)> playSound;
    // Chooses a folder over `parent`, starting at `start`; empty when the player gives up.
    std::function<std::filesystem::path(QWidget* parent, const std::filesystem::path& start)>
        chooseFolder;
    // Starts the installed copy and ends the running program.
    std::function<void(const std::filesystem::path& program, std::string_view handOffWord,
                       const std::filesystem::path& folder)>
        handOver;
  };

  TInstallation(QWidget* mainWindow, const std::filesystem::path& programFolder,
                const std::filesystem::path& homeFolder, Services services);

  // The hand-off of the real program: `QProcess::startDetached`, then the event loop ends.
  static void startInstalledCopy(const std::filesystem::path& program, std::string_view handOffWord,
                                 const std::filesystem::path& folder);

  const InstallationModel& model() const { return model_; }
  // Help topic of the folder dialog's help button (help context 1000).
  static constexpr const char* kHelpTopic = "installation";

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Escape: "Plus tard" / "Annuler".
  void reject() override;

 private:
  void buildControls();
  void render();
  void Button1Click();
  void Button2Click();
  void majClick();
  void SpeedButton1Click();

  // InstallationPort
  void refresh() override;
  void letEventsRun() override;
  void playSound(std::string_view name) override;
  void reportFailure() override;
  void handOver(const std::filesystem::path& program, std::string_view handOffWord,
                const std::filesystem::path& folder) override;

  Services services_;
  InstallationModel model_;
  QLabel* panel1_ = nullptr;
  QToolButton* speedButton1_ = nullptr;
  QProgressBar* gauge1_ = nullptr;
  QCheckBox* raccourci_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* maj_ = nullptr;
  QPushButton* button1_ = nullptr;
  QPushButton* button2_ = nullptr;
};

}  // namespace vorlane
