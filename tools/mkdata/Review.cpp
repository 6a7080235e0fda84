#include "Review.h"

#include <fstream>
#include <stdexcept>

#include "data/IoError.h"
#include "data/TextCodec.h"

namespace vorlane::mkdata {
namespace {

std::vector<std::string_view> tabFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t at = 0;;) {
    std::size_t tab = line.find('\t', at);
    fields.push_back(
        line.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
    if (tab == std::string_view::npos) return fields;
    at = tab + 1;
  }
}

Familiarity familiarityOf(std::string_view field) {
  if (field == "X") return Familiarity::Unfit;
  if (field.size() == 1 && field[0] >= '1' && field[0] <= '5') {
    return static_cast<Familiarity>(field[0] - '0');
  }
  return Familiarity::NotReviewed;
}

}  // namespace

Review::Review(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw IoError(file, toWin1252("Fichier introuvable : ") + file.string());
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!addLine(line)) {
      throw std::runtime_error(
          file.string() + ", line " + std::to_string(number) +
          ": expected word<TAB>1-5 or X<TAB>category or -<TAB>ok, - or a definition");
    }
  }
}

bool Review::addLine(std::string_view utf8Line) {
  if (utf8Line.empty() || utf8Line[0] == '#') return true;
  std::vector<std::string_view> fields = tabFields(utf8Line);
  if (fields.size() != 4 || fields[0].empty() || fields[2].empty() || fields[3].empty()) {
    return false;
  }
  ReviewedWord word{familiarityOf(fields[1]), std::string(), std::string()};
  if (word.familiarity == Familiarity::NotReviewed) return false;
  if (fields[2] != "-") word.category = std::string(fields[2]);
  if (fields[3] != "ok" && fields[3] != "-") word.definition = std::string(fields[3]);
  words_[std::string(fields[0])] = std::move(word);
  return true;
}

const ReviewedWord* Review::find(const std::string& spelling) const {
  auto found = words_.find(win1252ToUtf8(spelling));
  return found == words_.end() ? nullptr : &found->second;
}

std::vector<std::string> Review::unfitWords() const {
  std::vector<std::string> unfit;
  for (const auto& [word, review] : words_) {
    if (review.familiarity == Familiarity::Unfit) unfit.push_back(word);
  }
  return unfit;
}

}  // namespace vorlane::mkdata
