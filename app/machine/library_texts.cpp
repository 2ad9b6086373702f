#include "machine/library_texts.h"

#include <array>

#include "machine/language_files.h"

namespace kw {
namespace {

struct LibraryTextEntry {
  std::string_view key;
  std::string_view chinese;
  std::string_view english;  // empty: the library has only the Chinese wording
};

// As the libraries word them, byte for byte. Three progress steps share one
// English wording; it finds the first of them.
constexpr std::array<LibraryTextEntry, 13> kLibraryTexts{{
    {"DxfVersion", "该DXF文件必须为AutoCAD R12 或 AutoCAD R14 或AutoCAD 2000格式!",
     "This document musts be the AutoCAD R12 or AutoCAD R14 or AutoCAD 2000 format!"},
    {"PltOpenFailed", "打开失败！", ""},
    {"ProgressWorkData", "正在生成数据", ""},
    {"ProgressNesting", "内外排序", "In And Out Order"},
    {"ProgressNestingOrder", "内外排序-顺序判断", ""},
    {"ProgressRebuild", "重新整理", ""},
    {"ProgressFindEdge", "寻找边框", "Find edge"},
    {"ProgressDistanceOrder", "距离排序", "Distance Order"},
    {"ProgressDistanceOrderPass", "距离排序-顺序判断", ""},
    {"ProgressDistanceOrderRebuild", "距离排序-重新整理", ""},
    {"ProgressExplode", "打散成线段", "Explode To Lines"},
    {"ProgressMerge", "合并可连接线段", "Merge"},
    {"ProgressSmooth", "光滑化", "Smooth"},
}};

}  // namespace

std::optional<std::string_view> LibraryTextKey(std::string_view text) {
  if (text.empty()) return std::nullopt;
  for (const auto& entry : kLibraryTexts) {
    if (text == entry.chinese || text == entry.english) return entry.key;
  }
  return std::nullopt;
}

std::string LibraryText(std::string_view text) {
  if (const auto key = LibraryTextKey(text)) {
    if (std::string translated = LanguageText("LIBRARY", *key); !translated.empty()) return translated;
  }
  return std::string(text);
}

}  // namespace kw
