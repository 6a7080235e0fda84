#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "FuzzFolder.h"
#include "platform/HelpViewer.h"

// The help file "vorlane.hlp" loaded by the help viewer at both of its topics. Input: the
// file's bytes.
namespace {

QApplication* application = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  application = new QApplication(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const vorlane::fuzz::FuzzFolder folder;
  const std::filesystem::path helpFile = folder.path() / "vorlane.hlp";
  std::ofstream(helpFile, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  vorlane::HelpViewer viewer(helpFile);
  for (const char* topic : {"sommaire", "coord"}) {
    if (!viewer.showTopic(topic)) vorlane::fuzz::broken("the help file was not found");
  }
  viewer.hide();
  QApplication::processEvents();
  return 0;
}
