// SaveToDat and OpenToDat: bare point lists as text, one "X,Y" pair a line.
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "support/file_replace.h"
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "support/basic_text.h"

namespace kw::pathcore {
namespace {

bool IsSeparator(char c) { return c == ',' || std::isspace(static_cast<unsigned char>(c)); }

bool StartsLikeNumber(std::string_view field) {
  const char c = field.front();
  return std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.';
}

// The numbers of a point list, separated by commas, blanks or line ends.
// Nothing when a field is not a number.
std::optional<std::vector<double>> ParseNumbers(std::string_view text) {
  std::vector<double> numbers;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSeparator(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && !IsSeparator(text[i])) ++i;
    if (start == i) break;
    const auto field = text.substr(start, i - start);
    if (!StartsLikeNumber(field)) return std::nullopt;
    numbers.push_back(kw::Val(field));
  }
  return numbers;
}

}  // namespace

int16_t CPathObj::SaveToDat(const std::string& FileName) {
  std::string text;
  for (int32_t i = 1; i <= S.PointN; ++i) {
    text += kw::TextOfSingle(S.PointX[i]);
    text += ',';
    text += kw::TextOfSingle(S.PointY[i]);
    text += "\r\n";
  }
  return WriteFileReplacing(FileName, std::string_view(text)) ? 0 : -1;
}

int16_t CPathObj::OpenToDat(const std::string& FileName) {
  const auto bytes = ReadWholeFile(FileName);
  if (!bytes) return -1;
  const auto numbers = ParseNumbers(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  // A lone number at the end has no partner: the list is not a point list.
  if (!numbers || numbers->empty() || numbers->size() % 2 != 0) return -1;
  std::vector<float> X{0.0f}, Y{0.0f};
  for (size_t i = 0; i < numbers->size(); i += 2) {
    X.push_back(static_cast<float>((*numbers)[i]));
    Y.push_back(static_cast<float>((*numbers)[i + 1]));
  }
  S.AddPath(X, Y, 0);
  S.ZL();
  return 0;
}

}  // namespace kw::pathcore
