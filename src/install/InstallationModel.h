#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

// What the installation window does for its rules: the platform's side of the search, the
// copy and the hand-off.
class InstallationPort {
 public:
  virtual ~InstallationPort() = default;
  // Shows the window's state (the model's view) and repaints it at once.
  virtual void refresh() = 0;
  // Lets pending window events run (they may cancel a search).
  virtual void letEventsRun() = 0;
  virtual void playSound(std::string_view name) = 0;
  // "Echec de l'installation." in a plain message box.
  virtual void reportFailure() = 0;
  // Ends the running program and starts `program` with `handOffWord` as its argument and
  // `folder` as its working folder.
  virtual void handOver(const std::filesystem::path& program, std::string_view handOffWord,
                        const std::filesystem::path& folder) = 0;
};

// One line of the explanation area: Windows-1252 text, followed by a folder when one is
// named (folders are shown as the system spells them).
struct MemoLine {
  std::string text;
  std::filesystem::path folder;
  bool operator==(const MemoLine&) const = default;
};

// Everything the installation window shows.
struct InstallationView {
  std::string caption;                  // Windows-1252: the page or the mode
  std::filesystem::path captionFolder;  // the installation folder, once the copy has started
  std::filesystem::path panelFolder;    // `Panel1`: the target folder, or the folder searched
  std::vector<MemoLine> memo;
  int memoTop = 13;
  int memoHeight = 150;
  bool panelVisible = false;
  bool browseVisible = false;    // `SpeedButton1`
  bool shortcutVisible = false;  // `raccourci`
  bool shortcutEnabled = true;
  bool shortcutChecked = true;
  bool gaugeVisible = false;
  int gaugeMaximum = 0;
  int gaugePosition = 0;
  std::string button1Caption;  // "Installer" / "Mettre à jour"
  bool button1Enabled = true;
  std::string button2Caption;  // "Plus tard" / "Annuler"
  std::string majCaption;      // "Mettre à jour" / "Retour"
  bool operator==(const InstallationView&) const = default;
};

// The rules of the installation window `TInstallation`: its pages, the search for an
// earlier copy, the copy of the distribution and the hand-off to the installed copy. The
// window forwards its events here and shows `view()`.
class InstallationModel {
 public:
  // `programFolder` is the running copy's folder; `homeFolder` is where the folder page
  // and the search start.
  InstallationModel(std::filesystem::path programFolder, std::filesystem::path homeFolder,
                    InstallationPort& port);

  const InstallationView& view() const { return view_; }
  // A search or a copy is running (the window's buttons wait for it).
  bool busy() const { return busy_; }

  // Window events.
  void Button1Click();
  // "Plus tard" / "Annuler": stops a running search; the window hides itself.
  void Button2Click();
  void majClick();
  // The browse button's dialog confirmed `folder`.
  void folderChosen(const std::filesystem::path& folder);
  void setShortcutChecked(bool checked) { view_.shortcutChecked = checked; }
  // `FormActivate`: true when `Button1` takes the focus; a disabled one stays disabled.
  bool FormActivate();

 private:
  enum class Page { Welcome, Installation, Update, Searching };

  void showWelcomePage();
  void showFolderPage();
  void showInstallTexts();
  void showUpdateTexts(const std::filesystem::path& found);
  void checkTarget(bool search);
  std::filesystem::path runSearch(const std::filesystem::path& start);
  void copyAndHandOver();
  void setPage(Page page);

  std::filesystem::path programFolder_;
  std::filesystem::path homeFolder_;
  InstallationPort& port_;
  InstallationView view_;
  Page page_ = Page::Welcome;
  bool searchCancelled_ = false;
  bool busy_ = false;
};

}  // namespace vorlane
