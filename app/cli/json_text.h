// JSON text as the command line writes it: ", " between items, ": " after
// keys, numbers in the program's default text form (15 significant digits,
// 7 for values the document holds in single precision) and null for numbers
// that are not finite.
#pragma once

#include <functional>
#include <nlohmann/json_fwd.hpp>
#include <set>
#include <string>

namespace kw::cli {

// Keys whose numbers, and every number in the arrays and objects under them,
// are written as single-precision values.
using SingleKeys = std::set<std::string, std::less<>>;

std::string JsonText(const nlohmann::ordered_json& value, const SingleKeys& singleKeys = {});

}  // namespace kw::cli
