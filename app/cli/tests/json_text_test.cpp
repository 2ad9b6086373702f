#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "json_text.h"

namespace {

using nlohmann::ordered_json;

TEST(JsonText, KeepsOrderSeparatorsAndTheDefaultNumberForms) {
  const ordered_json value{
      {"paths", 17},
      {"bounds", {{"xmin", 0.1}, {"xmax", static_cast<double>(0.1f)}, {"big", 1e15}}},
      {"layers", {{"0", 3}, {"-1", 0}}},
      {"empty", ordered_json::array()},
      {"name", "a\"b"},
  };
  EXPECT_EQ(kw::cli::JsonText(value),
            R"({"paths": 17, "bounds": {"xmin": 0.1, "xmax": 0.100000001490116, "big": 1E+15}, )"
            R"("layers": {"0": 3, "-1": 0}, "empty": [], "name": "a\"b"})");
}

TEST(JsonText, SingleKeysUseSevenDigitsDownTheWholeTree) {
  const ordered_json value{
      {"cut", 0.1f},
      {"order", {{0.1f, 12345678.0f}, {-2.5e-5f, 0.0f}}},
      {"other", 0.1f},
      {"gone", std::nan("")},
  };
  EXPECT_EQ(kw::cli::JsonText(value, {"cut", "order"}),
            R"({"cut": 0.1, "order": [[0.1, 1.234568E+07], [-2.5E-05, 0]], "other": 0.100000001490116, "gone": null})");
}

}  // namespace
