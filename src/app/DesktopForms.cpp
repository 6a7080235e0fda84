#include "app/DesktopForms.h"

#include <QApplication>

#include "controls/TGoToWeb.h"
#include "data/DataFolder.h"
#include "platform/HelpViewer.h"

namespace vorlane {
namespace {

int showHelpOnly(const std::filesystem::path& helpFile) {
  HelpViewer viewer(helpFile);
  if (!viewer.showTopic("sommaire")) return 1;
  return QApplication::exec();
}

int openHomePage() {
  TGoToWeb web(nullptr);
  if (web.OpenUrl()) return 0;
  showConnectionFailure(nullptr);
  return 1;
}

}  // namespace

std::optional<int> runDesktopForm(const QStringList& arguments,
                                  const std::filesystem::path& programFolder) {
  if (arguments.size() < 2) return std::nullopt;
  if (arguments[1] == QLatin1String("--aide")) {
    const std::filesystem::path helpFile =
        arguments.size() > 2 ? std::filesystem::path(arguments[2].toStdString())
                             : DataFolder(programFolder).inProgramFolder(kHelpFileName);
    return showHelpOnly(helpFile);
  }
  if (arguments[1] == QLatin1String("--web")) return openHomePage();
  return std::nullopt;
}

}  // namespace vorlane
