#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

class ProgramManagerLink;

inline constexpr std::string_view kStartMenuGroupName = "Vorlane";
// The link's command buffer: 256 bytes with the terminator.
inline constexpr std::size_t kMaxCommandLength = 255;

// The seven commands that rebuild the "Vorlane" group for the program `executable`, in
// their order, each ending "\r\n": delete the group, create it, then the game, its help
// file, the association's help file, the web shortcut and the read-me. Empty when one
// command would be longer than 255 characters: the whole group is refused rather than an
// item cut or left out.
std::vector<std::string> startMenuCommands(const std::filesystem::path& executable);

// `createStartMenuGroup`: opens the link when it is closed and sends the seven commands,
// without looking at the outcome; the link is closed again when the last one cannot be
// sent. Nothing is reported to the player.
void createStartMenuGroup(ProgramManagerLink& link, const std::filesystem::path& executable);

}  // namespace vorlane
