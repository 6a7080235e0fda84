#include "install/InstallationModel.h"

#include "data/DataFolder.h"
#include "data/TextCodec.h"
#include "install/CopyList.h"
#include "install/FolderSearch.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

// Places of the explanation area on the first page and on the folder page.
constexpr int kWelcomeMemoTop = 13;
constexpr int kWelcomeMemoHeight = 150;
constexpr int kFolderMemoTop = 64;
constexpr int kFolderMemoHeight = 100;

std::vector<MemoLine> lines(std::initializer_list<const char*> utf8) {
  std::vector<MemoLine> memo;
  for (const char* line : utf8) memo.push_back({toWin1252(line), {}});
  return memo;
}

std::vector<MemoLine> welcomeTexts() {
  return lines(
      {"Vous venez de lancer Vorlane.exe version 1.3"
       " à partir d'un disque protégé en écriture: il n'y aura pas de sauvegarde des "
       "préférences ou scores, l'exécution sera ralentie.",
       "",
       "L'installation se contente de recopier le répertoire contenant l'application et "
       "ses fichiers sur votre disque dur. Aucun fichier ne sera créé hors de ce "
       "répertoire, il vous suffira donc de le supprimer si le logiciel ne vous agrée. ",
       "", "(Cliquez sur Mettre à jour si vous possédez une version antérieure.)"});
}

std::vector<MemoLine> installTexts() {
  return lines(
      {"L'installation va créer dans le répertoire ci-dessus un dossier nommé Vorlane qui "
       "contiendra l'application et ses fichiers.",
       "",
       "Pour sélectionner un autre répertoire d'installation, cliquez sur le bouton de "
       "droite."});
}

std::vector<MemoLine> updateTexts(bool found) {
  if (found) {
    return lines({"", "Le répertoire sélectionné contient une précédente version de l'application.",
                  "Cliquez maintenant sur Mettre à jour ou sélectionnez un autre répertoire."});
  }
  return lines({"Recherche automatique infructueuse.",
                "Le répertoire sélectionné ne contient pas de précédente version.",
                "Sélectionnez un autre répertoire."});
}

}  // namespace

InstallationModel::InstallationModel(fs::path programFolder, fs::path homeFolder,
                                     InstallationPort& port)
    : programFolder_(std::move(programFolder)), homeFolder_(std::move(homeFolder)), port_(port) {
  showWelcomePage();
}

// Each page has its own caption: the installation folder named after a copy that failed
// does not stay on the next page.
void InstallationModel::setPage(Page page) {
  page_ = page;
  view_.captionFolder.clear();
  switch (page) {
    case Page::Welcome:
      view_.caption = "Bienvenue !";
      break;
    case Page::Installation:
      view_.caption = "Installation dans";
      break;
    case Page::Update:
      view_.caption = toWin1252("Mise à jour dans");
      break;
    case Page::Searching:
      view_.caption = toWin1252("Recherche d'une version antérieure...");
      break;
  }
}

void InstallationModel::showWelcomePage() {
  view_.memo = welcomeTexts();
  view_.memoTop = kWelcomeMemoTop;
  view_.memoHeight = kWelcomeMemoHeight;
  setPage(Page::Welcome);
  view_.panelVisible = view_.gaugeVisible = view_.browseVisible = view_.shortcutVisible = false;
  view_.button1Caption = "Installer";
  view_.button1Enabled = true;
  view_.button2Caption = "Plus tard";
  view_.majCaption = toWin1252("Mettre à jour");
}

void InstallationModel::showFolderPage() {
  view_.button2Caption = "Annuler";
  view_.panelFolder = homeFolder_;
  view_.panelVisible = view_.shortcutVisible = view_.browseVisible = true;
  // Only a running copy holds the box still; after a failed copy it may be changed again.
  view_.shortcutEnabled = true;
  view_.majCaption = "Retour";
  view_.memoTop = kFolderMemoTop;
  view_.memoHeight = kFolderMemoHeight;
}

void InstallationModel::showInstallTexts() {
  setPage(Page::Installation);
  view_.button1Caption = "Installer";
  view_.button1Enabled = true;
  view_.memo = installTexts();
}

void InstallationModel::showUpdateTexts(const fs::path& found) {
  setPage(Page::Update);
  view_.button1Caption = toWin1252("Mettre à jour");
  view_.memo = updateTexts(!found.empty());
  view_.button1Enabled = !found.empty();
}

void InstallationModel::checkTarget(bool search) {
  showInstallTexts();
  const fs::path target = view_.panelFolder;
  if (holdsEarlierCopy(target, programFolder_)) showUpdateTexts(target);
  if (!search) return;
  view_.memo = {{"Recherche en cours dans ", target}};
  showUpdateTexts(runSearch(target));
}

fs::path InstallationModel::runSearch(const fs::path& start) {
  busy_ = true;
  searchCancelled_ = false;
  setPage(Page::Searching);
  const SearchHooks hooks{[this](const fs::path& folder) {
                            view_.panelFolder = folder;
                            port_.refresh();
                          },
                          [this] {
                            port_.letEventsRun();
                            return searchCancelled_;
                          }};
  const SearchResult result = searchPreviousVersion(start, hooks, programFolder_);
  busy_ = false;
  if (result.cancelled) {
    port_.playSound("ding.wav");
    return {};
  }
  view_.panelFolder = result.found ? *result.found : start;
  return result.found.value_or(fs::path());
}

void InstallationModel::Button1Click() {
  if (busy_ || !view_.button1Enabled) return;
  if (page_ == Page::Welcome) {
    showFolderPage();
    checkTarget(false);
    return;
  }
  copyAndHandOver();
}

void InstallationModel::copyAndHandOver() {
  busy_ = true;
  const CopyList list =
      buildCopyList(programFolder_, view_.panelFolder, [this] { port_.letEventsRun(); });
  const std::optional<fs::path> folder = installationFolder(list);
  if (!folder) {
    busy_ = false;
    port_.reportFailure();
    return;
  }
  const bool freshInstallation = page_ == Page::Installation;
  view_.captionFolder = *folder;
  view_.panelVisible = view_.browseVisible = false;
  view_.shortcutEnabled = false;
  view_.gaugeVisible = true;
  view_.gaugeMaximum = static_cast<int>(list.size()) - 1;
  port_.refresh();
  const bool copied = copyFiles(list, [this](std::size_t index) {
    view_.gaugePosition = static_cast<int>(index);
    port_.refresh();
  });
  busy_ = false;
  if (!copied) {
    port_.reportFailure();
    return;
  }
  port_.handOver(*folder / kProgramFileName, handOffWord(freshInstallation, view_.shortcutChecked),
                 *folder);
}

void InstallationModel::Button2Click() { searchCancelled_ = true; }

void InstallationModel::majClick() {
  if (busy_) return;
  if (page_ == Page::Welcome) {
    showFolderPage();
    port_.refresh();
    checkTarget(true);
    return;
  }
  showWelcomePage();
}

void InstallationModel::folderChosen(const fs::path& folder) {
  if (busy_) return;
  const bool search = page_ == Page::Update;
  view_.panelFolder = folder;
  checkTarget(search);
}

// A disabled "Mettre à jour" stays disabled: after a search that found nothing, or that
// was cancelled, the target shown holds no copy, and enabling the button there would
// install into whatever folder the search last looked at. The browse button or "Retour"
// lead on.
bool InstallationModel::FormActivate() { return view_.button1Enabled; }

}  // namespace vorlane
