#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ProgramManagerLink.h"
#include "platform/XdgDirectories.h"

namespace vorlane {

// The document type that opens every menu file of the freedesktop desktops: the menu
// readers go by the root element's name and never fetch a document type definition.
inline constexpr const char* kMenuDoctype = "<!DOCTYPE Menu>\n";
// The game's icon in the desktop's icon theme (the package installs it in hicolor): the
// submenu and each of its items show it.
inline constexpr const char* kMenuIconName = "vorlane";

// The program-group service of the freedesktop desktops: each group is a submenu of the
// applications menu, written as
//   $XDG_CONFIG_HOME/menus/applications-merged/vorlane-<group>.menu  (the submenu),
//   $XDG_DATA_HOME/desktop-directories/vorlane-<group>.directory     (its name),
//   $XDG_DATA_HOME/applications/vorlane-<group>-<n>.desktop          (item n, from 1),
// <group> being the group's name in lower case with anything but letters, digits, "-"
// and "_" written "_". "DeleteGroup" removes exactly these files; "CreateGroup" makes the
// group the one "AddItem" adds to. The program's own item is named "Vorlane", as the
// program is called here. An item's command line is mapped to what opens it here:
// the program itself runs; a help file (".hlp") opens in the program's own help viewer
// (`program --aide file`); a web shortcut (".url") opens the game's home page through the
// browser (`program --web`); any other document (the read-me) opens with the desktop's
// viewer (`xdg-open`), a Windows document name standing for its ".txt" twin here.
class FreedesktopMenu : public ProgramManagerLink {
 public:
  // `program`: the game's executable, which the items' command lines run.
  explicit FreedesktopMenu(std::filesystem::path program);

  // Takes the folders from the environment; no answer without a home folder.
  bool open() override;
  bool isOpen() const override { return open_; }
  void close() override { open_ = false; }
  bool execute(const std::string& command) override;

  // The files a group of this name is made of, in the order they are written, for the
  // items that exist.
  std::vector<std::filesystem::path> groupFiles(const std::string& group) const;

 private:
  bool deleteGroup(const std::string& group);
  bool createGroup(const std::string& group);
  bool addItem(const std::string& commandLine, const std::string& title);
  bool writeMenu(const std::string& group) const;
  std::vector<std::string> itemCommand(const std::string& commandLine) const;

  std::filesystem::path menuFile(const std::string& group) const;
  std::filesystem::path directoryFile(const std::string& group) const;
  std::filesystem::path itemFile(const std::string& group, int item) const;
  // Numbers of the group's items on the disk, in order.
  std::vector<int> items(const std::string& group) const;

  std::filesystem::path program_;
  XdgDirectories folders_;
  bool open_ = false;
  std::string activeGroup_;
};

}  // namespace vorlane
