#pragma once

#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "data/DataFolder.h"
#include "data/Random.h"
#include "data/Settings.h"
#include "data/WordLists.h"
#include "game/DefinitionMemo.h"
#include "game/GameEngine.h"
#include "game/MainWindowLayout.h"
#include "game/Startup.h"
#include "game/TForm1Port.h"
#include "platform/FreedesktopMenu.h"
#include "platform/Sound.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vorlane {

class HelpViewer;
class PictureButton;
class TForm2;
class TFormMessage;
class TFormscore;
class TInstallation;
class Tdlg;
class Tprefer;
class Tkey_in;
class Tkeybt;

// The main game window. It runs the start-up of the data folder and of the game, shows
// the engine's view model after every event, forwards the player's events to the engine
// and carries out the engine's port. It decides nothing about the game itself.
class TForm1 : public QWidget {
 public:
  // Where the window finds the world at start-up.
  struct Surroundings {
    std::filesystem::path programFolder;  // holds "Zari666" and the help file
    std::string handOffWord;              // first command-line parameter; empty when none
    std::filesystem::path interfaces{"/sys/class/net"};  // where the network test looks
    // The data folder lies on a write-protected medium (tests run as root, which a
    // read-only file does not stop).
    bool writeProtected = false;
    // The data folder's files may be written, but it takes no new file.
    bool takesNoNewFile = false;
  };

  TForm1(const Surroundings& surroundings, SoundOutput& soundOutput);
  ~TForm1() override;

  // False when the start-up check found a required data file missing: the program ends.
  bool dataFilesOk() const { return dataFilesOk_; }

  // The background window, created right after this one, then the preferences window.
  void attachBackground(TForm2* background);
  void attachPreferences(Tprefer* preferences);
  // Runs `step` once the window has been painted, from the event loop, after the sound
  // devices are known; at once if that has already happened. The program makes the windows
  // this one does not need for its first picture there.
  void afterFirstPaint(std::function<void()> step);
  // The windows created after those, in the start-up order.
  void attachWindows(TFormscore* scores, TFormMessage* message, Tdlg* about);
  // The installation window, reached by the menu entry "Installation".
  void attachInstaller(TInstallation* installation) { installer_ = installation; }
  // The welcome of an installation's first start, when the program was not handed over
  // by the installer: the window shows, the message window welcomes, the start is recorded
  // and the read-me topic opens when asked.
  void welcomeAtFirstStart(bool handedOver);

  GameEngine& engine() { return *engine_; }
  const DataFolder& folder() const { return folder_; }
  const MainWindowLayout& layout() const { return layout_; }
  // `colourTable`, read at start-up: window, background, definition text, fourth slot.
  const ColourTable& colourTable() const { return colourTable_; }
  // Sets a colour of the table; the window's own and the definitions' show it at once.
  void setColour(int index, Colour colour);

  // Components, by their names in the game; rows k are 1..14.
  Tkeybt* keyb1() const { return keyb1_; }
  Tkeybt* keyb2() const { return keyb2_; }
  Tkey_in* keybt(int k) const { return rows_[k - 1].keybt; }
  QLabel* valuePanel(int k) const { return rows_[k - 1].panel; }
  PictureButton* bookButton(int k) const { return rows_[k - 1].image; }
  DefinitionMemo* memo(int k) const { return rows_[k - 1].memo; }
  DefinitionMemo* memo15() const { return memo15_; }
  PictureButton* imageMOT() const { return imageMOT_; }
  PictureButton* imageFIN() const { return imageFIN_; }
  PictureButton* imageTETE() const { return imageTETE_; }
  QLabel* statusBar() const { return statusbar_; }
  QLabel* clockPanel() const { return clock_; }
  QLabel* totalPanel() const { return total_; }
  QLabel* bigTotalPanel() const { return bigTotal_; }
  QGroupBox* modeBox() const { return modeBox_; }
  QRadioButton* entrain() const { return entrain_; }
  QRadioButton* compet() const { return compet_; }
  QRadioButton* junior() const { return junior_; }
  QRadioButton* senior() const { return senior_; }
  QComboBox* comboBoxAna() const { return comboBoxAna_; }
  QLabel* solutionSwitch() const { return image_; }
  QTimer* timer1() const { return timer1_; }
  QMenu* popupMenu() const { return popupMenu1_; }
  QAction* installationEntry() const { return installation_; }
  QAction* contactEntry() const { return contact_; }
  QAction* webEntry() const { return web_; }
  HelpViewer* helpViewer();

  // Shows the engine's view model.
  void render();

  // Port services (TForm1Port forwards here). Without arguments, the relayout takes the
  // preferences' "Grande police" and "Largeur maximum".
  void relayoutMainWindow();
  void relayoutMainWindow(LayoutPreferences preferences);
  void repositionMainWindow();
  int definitionLineCount(int row, const std::string& text) const;
  TFormMessage* messageWindow() const { return message_; }
  TFormscore* scoreWindow() const { return scores_; }
  void reportDataError(const std::string& text);

  // The popup menu's entries and the window events (TForm1Menu.cpp, TForm1.cpp).
  void QuitterClick();
  void entrainClick();
  void JuniorClick();
  void openHelp(const std::string& topic);
  // The "Vorlane" group of the applications menu, rebuilt through the desktop's link.
  void createStartMenuGroup();
  void playSound(std::string_view name) { sounds_.playSound(name); }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Inner margin of a definition box, in pixels.
  static constexpr int kDefinitionMargin = 2;
  // Characters of the status text, in pixels: the usual size and the least it shrinks to.
  static constexpr int kStatusTextPixels = 11;
  static constexpr int kSmallestStatusTextPixels = 8;

  struct Row {
    Tkey_in* keybt = nullptr;
    QLabel* panel = nullptr;
    PictureButton* image = nullptr;
    DefinitionMemo* memo = nullptr;
  };

  // TForm1.cpp: the start-up steps.
  void FormCreate(const std::string& handOffWord, const std::filesystem::path& interfaces);
  void showHandOff(const std::string& handOffWord);
  void readModeAndClass(const StartupSettings& startup);
  void placeAtStartup(const StartupSettings& startup);
  void FormShow();
  void detectSound();
  void runAfterFirstPaint();
  void FormDestroy();
  // Runs one engine call and shows the result; a file failure is reported and the event
  // loop goes on.
  void run(const std::function<void()>& call);

  // TForm1Build.cpp
  void buildComponents();
  void buildPictures();
  void buildModeBox();
  void buildKeyboards();
  void buildRows();
  void buildStatusBar();
  void buildHiddenParts();
  void applyLayout();
  void applyColours();
  void applyWindowColour();
  void applyDefinitionColour();
  DefinitionMemo* newDefinitionBox();

  // TForm1Menu.cpp
  void buildMenu();
  QAction* addEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                    void (TForm1::*handler)());
  void showPopup(const QPoint& globalPos);
  void AProposClick();
  void PreferencesClick();
  void LisezMoiClick();
  void ScoresClick();
  void CoordonneesClick();
  void RaccourciClick();
  void CourrierClick();
  void SiteWebClick();
  // Minimises the game when the browser started, else says the connection failed.
  void afterWebLink(bool started);
  void def1Click();
  void montredef1Click();
  void lettreClick();
  void InstallationClick();
  bool triggerShortcut(const QKeyEvent& key);

  // TForm1Render.cpp
  void renderRows(const MainViewModel& view);
  void renderRow(int k, const RowView& row);
  void renderDefinition(DefinitionMemo* box, const DefinitionBox& definition);
  void renderKeyboards(const MainViewModel& view);
  void renderButtons(const MainViewModel& view);
  void renderStatus(const MainViewModel& view);
  void fitStatusText();
  void renderMenu(const MainViewModel& view);
  void renderEnlarged(const MainViewModel& view);

  // TForm1Events.cpp
  void connectEvents();
  void connectKeyboards();
  void connectPictureButtons();
  void connectRows();
  bool filterKey(QObject* watched, QKeyEvent* key);
  bool filterMouse(QObject* watched, QMouseEvent* mouse);
  void pressMot(PictureButton* picture, PictureButton* eye, bool hourglass);
  void releaseMot(PictureButton* picture, PictureButton* eye);
  bool belongsHere(QObject* watched) const;

  DataFolder folder_;
  Settings settings_;
  Sounds sounds_;
  std::unique_ptr<WordLists> words_;
  RecentDraws recentDraws_;
  Random random_;
  TForm1Port port_;
  std::unique_ptr<GameEngine> engine_;
  MainWindowLayout layout_;
  ColourTable colourTable_{};
  bool dataFilesOk_ = false;
  bool shownOnce_ = false;
  bool firstPaintQueued_ = false;
  bool firstPaintDone_ = false;
  std::function<void()> afterFirstPaint_;
  // The read-only start's sound, played once the devices are known.
  bool readOnlySoundDue_ = false;
  bool quitting_ = false;

  TForm2* background_ = nullptr;
  Tprefer* prefer_ = nullptr;
  TFormscore* scores_ = nullptr;
  TFormMessage* message_ = nullptr;
  Tdlg* about_ = nullptr;
  TInstallation* installer_ = nullptr;
  HelpViewer* help_ = nullptr;

  PictureButton* imageMOT_ = nullptr;
  PictureButton* imageOeil_ = nullptr;
  PictureButton* imageFIN_ = nullptr;
  PictureButton* imageoeilFin_ = nullptr;
  PictureButton* imageTETE_ = nullptr;
  QGroupBox* modeBox_ = nullptr;
  QRadioButton* entrain_ = nullptr;
  QRadioButton* compet_ = nullptr;
  QGroupBox* niveauBox_ = nullptr;
  QRadioButton* junior_ = nullptr;
  QRadioButton* senior_ = nullptr;
  Tkeybt* keyb1_ = nullptr;
  Tkeybt* keyb2_ = nullptr;
  std::array<Row, kRowCount> rows_{};
  DefinitionMemo* memo15_ = nullptr;
  QLabel* statusbar_ = nullptr;
  QLabel* clock_ = nullptr;
  QLabel* total_ = nullptr;
  QLabel* bigTotal_ = nullptr;
  QPushButton* button1_ = nullptr;
  QLabel* image_ = nullptr;
  QComboBox* comboBoxAna_ = nullptr;
  QTimer* timer1_ = nullptr;

  QMenu* popupMenu1_ = nullptr;
  QAction* definition_ = nullptr;
  QAction* enlarge_ = nullptr;
  QAction* letter_ = nullptr;
  QAction* quitter_ = nullptr;
  QAction* installation_ = nullptr;
  QAction* contact_ = nullptr;
  QAction* web_ = nullptr;

  // The link to the desktop's program-group service (the menu group), closed until the
  // first group creation.
  FreedesktopMenu ddeClientConv1_;
};

}  // namespace vorlane
