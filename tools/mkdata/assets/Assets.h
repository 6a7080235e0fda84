#pragma once

#include <filesystem>
#include <string>

// The non-word files of the data folder "Zari666": wave sounds, background patterns and
// the factory copies. Every file is generated, and the same call writes the same bytes.
// A file that cannot be written throws vorlane::IoError.
namespace vorlane::mkdata {

// The 9 wave sounds of the game ("bip.wav" .. "joker.wav"): PCM 16-bit mono, 22050 Hz.
void writeSounds(const std::filesystem::path& dataFolder);

// The 14 background patterns ("blue.bmp" .. "violet.bmp"): 24-bit bitmaps of 64 × 64
// pixels that tile without a visible seam.
void writePatterns(const std::filesystem::path& dataFolder);

// The first-run settings "Nsco.666", the factory score names "Nscostx.666", and
// "Nazniv.666" holding `sourcesNotice` (UTF-8) in Windows-1252.
void writeFactoryFiles(const std::filesystem::path& dataFolder, const std::string& sourcesNotice);

}  // namespace vorlane::mkdata
