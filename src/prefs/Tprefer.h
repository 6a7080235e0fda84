#pragma once

#include <QDialog>

#include "data/Settings.h"
#include "prefs/Preferences.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vorlane {

class TForm1;
class TForm2;
class ThumbnailGrid;

// The screen as the preferences see it, with the background window's `largeFonts`.
ScreenFacts screenFactsFor(const TForm2& background);

// The preferences window "Préférences": the colours of the main window, of the background
// and of the definitions, the background that hides the desktop, the two sizes of the
// main window, its centring and the proper nouns. It shows and hides any number of times;
// the options are written at each close, the colours at the end of the program.
class Tprefer : public QDialog {
 public:
  Tprefer(TForm1& form1, TForm2& form2, const ScreenFacts& screen);
  // `FormDestroy`: the colours are saved.
  ~Tprefer() override;

  const PreferenceChoices& choices() const { return choices_; }
  const PatternNames& patternNames() const { return patternNames_; }
  // The check boxes "Grande police" and "Largeur maximum".
  LayoutPreferences layoutPreferences() const { return choices_.layout; }

  // "Init", also the first start of an installation: the default configuration, then the
  // window closes, which saves.
  void resetPreferences();
  // "Toujours centrée" switched on from outside (a write-protected data folder).
  void setCentred(bool on);

  // Components, by their names in the game.
  QListWidget* colorcombo() const { return colorcombo_; }
  QLabel* panelEdit() const { return panelEdit_; }
  QLabel* panel1() const { return panel1_; }
  ThumbnailGrid* thumbs() const { return thumbs_; }
  QCheckBox* checkfond() const { return checkfond_; }
  QCheckBox* checkTailleMax() const { return checkTailleMax_; }
  QCheckBox* checklargeurMax() const { return checklargeurMax_; }
  QCheckBox* checkcentree() const { return checkcentree_; }
  QCheckBox* checkNP() const { return checkNP_; }
  QPushButton* initButton() const { return button1_; }
  QPushButton* okButton() const { return ok_; }

  // Escape closes the window as its close box does.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildComponents();
  QCheckBox* newCheckBox(const char* name, const QString& caption, QPoint place);
  void connectEvents();
  void FormCreate();
  void FormShow();
  void Colorcombo1Change(int row);
  void refreshChoice();
  void applyVisibility();
  void applySwatch(Colour colour);
  void showThumbnailCaption();
  void applyBackground();
  void PanelEditClick();
  void ThumbsMouseDown(int index);
  void CheckfondMouseUp();
  void CheckTailleMaxMouseUp();
  void CheckcentreeMouseUp();
  void CheckNPMouseUp();
  void relayoutWhenRowsShow();
  void centreMainWindow();
  void savePreferences();
  QPixmap loadPattern(int index) const;

  TForm1& form1_;
  TForm2& form2_;
  Settings settings_;
  ScreenFacts screen_;
  bool colourFileAtStart_;      // a colour file was there, damaged or not: written at the end
  ColourTable coloursAtStart_;  // the colours as the game started with them
  PatternNames patternNames_;
  PreferenceChoices choices_;

  QListWidget* colorcombo_ = nullptr;
  QLabel* panelEdit_ = nullptr;
  QLabel* panel1_ = nullptr;
  ThumbnailGrid* thumbs_ = nullptr;
  QCheckBox* checkfond_ = nullptr;
  QCheckBox* checkTailleMax_ = nullptr;
  QCheckBox* checklargeurMax_ = nullptr;
  QCheckBox* checkcentree_ = nullptr;
  QCheckBox* checkNP_ = nullptr;
  QPushButton* button1_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace vorlane
