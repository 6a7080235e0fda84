#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/Settings.h"
#include "scores/ScoreTable.h"

// Score files of known bytes for the tests of the top-six tables.
namespace vorlane::test {

using ScorePoints = std::array<std::int32_t, kScoreRows>;
using ScoreNames = std::array<std::string, kScoreRows>;

// One names record: the length byte, the name, zeros up to 151 bytes.
std::string nameRecordBytes(const std::string& name);

// A names file: record 0 "unused", then the Senior rows, then the Junior rows.
std::string namesBytes(const ScoreNames& senior, const ScoreNames& junior);

// A settings file of `count` records: the two tables hold the points given (as far as the
// file reaches), every other record holds 7, so that an untouched record is told from a
// zeroed one.
std::string settingsBytes(const ScorePoints& senior, const ScorePoints& junior,
                          int count = setting::kRecordCount);

}  // namespace vorlane::test
