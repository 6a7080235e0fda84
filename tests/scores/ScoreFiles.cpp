#include "scores/ScoreFiles.h"

#include <vector>

namespace vorlane::test {

std::string nameRecordBytes(const std::string& name) {
  std::string record(kScoreNameRecordSize, '\0');
  record[0] = static_cast<char>(name.size());
  record.replace(1, name.size(), name);
  return record;
}

std::string namesBytes(const ScoreNames& senior, const ScoreNames& junior) {
  std::string bytes = nameRecordBytes("unused");
  for (const std::string& name : senior) bytes += nameRecordBytes(name);
  for (const std::string& name : junior) bytes += nameRecordBytes(name);
  return bytes;
}

std::string settingsBytes(const ScorePoints& senior, const ScorePoints& junior, int count) {
  std::vector<std::int32_t> records(static_cast<std::size_t>(count), 7);
  auto put = [&](int record, std::int32_t value) {
    if (record < count) records[static_cast<std::size_t>(record)] = value;
  };
  for (std::size_t r = 0; r < kScoreRows; ++r) {
    put(setting::kSeniorScores + static_cast<int>(r), senior[r]);
    put(setting::kJuniorScores + static_cast<int>(r), junior[r]);
  }
  std::string bytes;
  for (std::int32_t value : records) {
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  return bytes;
}

}  // namespace vorlane::test
