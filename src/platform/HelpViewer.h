#pragma once

#include <QWidget>

#include <filesystem>
#include <string>

class QTextBrowser;

namespace vorlane {

// The game's help file, beside the program.
inline constexpr const char* kHelpFileName = "vorlane.hlp";

// The help viewer: the help file "vorlane.hlp" (HTML) of the application folder shown at
// a topic, an anchor of the file ("sommaire", "coord"). It reports a missing file itself.
class HelpViewer : public QWidget {
 public:
  explicit HelpViewer(std::filesystem::path helpFile, QWidget* parent = nullptr);

  // Shows the window at `topic`; false (after telling the player) when the file is absent.
  bool showTopic(const std::string& topic);

  QTextBrowser* browser() const { return browser_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::filesystem::path helpFile_;
  QTextBrowser* browser_;
};

}  // namespace vorlane
