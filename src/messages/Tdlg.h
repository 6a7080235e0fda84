#pragma once

#include <QDialog>

namespace vorlane {

// The about box "À propos de Vorlane": shown without blocking, placed beside the main
// window at every show, closed by OK or as soon as it loses activation.
class Tdlg : public QDialog {
 public:
  explicit Tdlg(QWidget* mainWindow);

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void placeBesideMainWindow();

  QWidget* mainWindow_;
};

}  // namespace vorlane
