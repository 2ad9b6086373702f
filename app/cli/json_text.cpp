#include "json_text.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "support/basic_text.h"

namespace kw::cli {
namespace {

using nlohmann::ordered_json;

// The default text forms ("0.1", "1E+08") are valid JSON numbers.
std::string NumberText(double v, bool single) {
  if (!std::isfinite(v)) return "null";
  return single ? kw::TextOfSingle(static_cast<float>(v)) : kw::TextOfDouble(v);
}

std::string Scalar(const ordered_json& value) {
  return value.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
}

void Write(const ordered_json& value, bool single, const SingleKeys& singleKeys, std::string& out) {
  switch (value.type()) {
    case ordered_json::value_t::object: {
      out += '{';
      const char* separator = "";
      for (const auto& [key, item] : value.items()) {
        out += separator + Scalar(ordered_json(key)) + ": ";
        Write(item, single || singleKeys.contains(key), singleKeys, out);
        separator = ", ";
      }
      out += '}';
      break;
    }
    case ordered_json::value_t::array: {
      out += '[';
      const char* separator = "";
      for (const auto& item : value) {
        out += separator;
        Write(item, single, singleKeys, out);
        separator = ", ";
      }
      out += ']';
      break;
    }
    case ordered_json::value_t::number_float: out += NumberText(value.get<double>(), single); break;
    default: out += Scalar(value); break;
  }
}

}  // namespace

std::string JsonText(const nlohmann::ordered_json& value, const SingleKeys& singleKeys) {
  std::string text;
  Write(value, false, singleKeys, text);
  return text;
}

}  // namespace kw::cli
