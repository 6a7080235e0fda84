#pragma once

#include <QApplication>

namespace vorlane {

// The application object. Its event dispatch catches the file failures of the game: one
// French error box naming the file, then the current operation ends and the event loop
// goes on.
class VorlaneApplication : public QApplication {
 public:
  VorlaneApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vorlane
