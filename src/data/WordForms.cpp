#include "data/WordForms.h"

#include <algorithm>

#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/RecordFile.h"

namespace vorlane {
namespace {

bool isFormKey(std::string_view text) {
  return text.size() == kWordFormRecordSize &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

}  // namespace

bool WordForms::isWordForm(std::string_view word) const {
  if (!isFormKey(word)) return false;
  try {
    if (!folder_.existsInDataFolder(kWordFormsFile)) return false;
    RecordFile file = folder_.open(kWordFormsFile, kWordFormRecordSize, RecordFile::Mode::Read);
    const std::int64_t count = file.recordCount();
    if (count * static_cast<std::int64_t>(kWordFormRecordSize) !=
        static_cast<std::int64_t>(std::filesystem::file_size(file.path()))) {
      return false;  // cut short or lengthened: not a list of forms any more
    }
    std::int64_t lo = 0;
    std::int64_t hi = count;
    while (lo < hi) {
      const std::int64_t mid = lo + (hi - lo) / 2;
      const std::string key = file.read(mid);
      if (key == word) return true;
      if (key < word) {
        lo = mid + 1;
      } else {
        hi = mid;
      }
    }
  } catch (const IoError&) {
    return false;
  } catch (const std::filesystem::filesystem_error&) {
    return false;
  }
  return false;
}

std::size_t writeWordForms(const std::filesystem::path& file, std::vector<std::string> forms) {
  std::erase_if(forms, [](const std::string& form) { return !isFormKey(form); });
  std::sort(forms.begin(), forms.end());
  forms.erase(std::unique(forms.begin(), forms.end()), forms.end());
  RecordFile out(file, kWordFormRecordSize, RecordFile::Mode::Create);
  std::string bytes;
  bytes.reserve(forms.size() * kWordFormRecordSize);
  for (const std::string& form : forms) bytes += form;
  out.writeBytesAt(0, bytes);
  return forms.size();
}

}  // namespace vorlane
