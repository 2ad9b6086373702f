#include "document/progress_text.h"

namespace kw::pathcore {
namespace {

struct StepTexts {
  const char* chinese;
  const char* english;
};

StepTexts TextsOf(ProgressStep step) {
  switch (step) {
    case ProgressStep::WorkData: return {"正在生成数据", nullptr};
    case ProgressStep::RegionNesting: return {"内外排序", "In And Out Order"};
    case ProgressStep::RegionNestingOrder: return {"内外排序-顺序判断", "In And Out Order"};
    case ProgressStep::Rebuild: return {"重新整理", "In And Out Order"};
    case ProgressStep::EdgeSearch: return {"寻找边框", "Find edge"};
    case ProgressStep::DistanceOrder: return {"距离排序", "Distance Order"};
    case ProgressStep::DistanceOrderPass: return {"距离排序-顺序判断", "Distance Order"};
    case ProgressStep::DistanceOrderRebuild: return {"距离排序-重新整理", "Distance Order"};
    case ProgressStep::Explode: return {"打散成线段", "Explode To Lines"};
    case ProgressStep::Merge: return {"合并可连接线段", "Merge"};
    case ProgressStep::Smooth: return {"光滑化", "Smooth"};
  }
  return {nullptr, nullptr};
}

}  // namespace

std::optional<std::string> ProgressText(ProgressStep step, int16_t language) {
  const StepTexts texts = TextsOf(step);
  // Work data always reports in Chinese; exploding reports in every language,
  // in English for all but Chinese; the rest only in Chinese and English.
  if (step == ProgressStep::WorkData || language == 0) return std::string(texts.chinese);
  if (step == ProgressStep::Explode || language == 1) return std::string(texts.english);
  return std::nullopt;
}

}  // namespace kw::pathcore
