#include "command_line.h"

#include <string_view>

namespace kw {

std::string JoinArguments(const std::vector<std::string>& arguments) {
  std::string line;
  for (const auto& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += argument;
  }
  return line;
}

CommandLineRequest ReadCommandLine(const std::string& line) {
  constexpr std::string_view kCorel = "corelout ", kAutocad = "autocadout ";
  CommandLineRequest request;
  if (line.starts_with("debug")) {
    request.debug = true;
  } else if (line.starts_with(kCorel)) {
    request.file = line.substr(kCorel.size());
    request.openMode = 1;
  } else if (line.starts_with(kAutocad)) {
    request.file = line.substr(kAutocad.size());
    request.openMode = 2;
  } else {
    request.file = line;
  }
  return request;
}

}  // namespace kw
