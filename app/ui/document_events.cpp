#include "document_events.h"

#include <algorithm>
#include <cmath>

#include "frm_main.h"
#include "machine/layer_tables.h"
#include "machine/library_texts.h"
#include "machine/machine_settings.h"
#include "pathcore/path_obj.h"
#include "widgets/message_box.h"

namespace kw {
namespace {

// Often enough to look alive, seldom enough not to slow the operation down.
constexpr auto kRepaintEvery = std::chrono::milliseconds(50);

}  // namespace

void DocumentEvents::Jd(int32_t All, int32_t Dq, const std::string& MS) {
  const int32_t percent = All > 0 ? static_cast<int32_t>(std::floor(std::min(All, Dq) * 100.0 / All)) : 0;
  const auto now = std::chrono::steady_clock::now();
  const bool repaint = now - lastRepaint_ >= kRepaintEvery;
  if (repaint) lastRepaint_ = now;
  window_.ShowProgress(StepText(MS) + " " + QString::number(percent) + "%", repaint);
}

const QString& DocumentEvents::StepText(const std::string& MS) {
  // A step raises many events with one text: look it up once per step.
  const int16_t language = Settings().LanguageI;
  if (MS != stepMs_ || language != stepLanguage_) {
    stepMs_ = MS;
    stepLanguage_ = language;
    stepText_ = QString::fromStdString(LibraryText(MS));
  }
  return stepText_;
}

void DocumentEvents::Finish() { window_.ShowProgress("100%", true); }

void DocumentEvents::GetCutLayer(int16_t LayerN, bool& Enabled) {
  const auto& layers = CutLayers();
  Enabled = layers.Enabled(std::clamp<int16_t>(LayerN, 0, layers.GetCount()));
}

void DocumentEvents::Message(const std::string& Text) {
  ShowMessageText(&window_, QString::fromStdString(LibraryText(Text)));
}

WDocBinding::WDocBinding(frmMain& window) : window_(window) { window_.MainDoc().SetEvents(&window_.WDocEvents()); }

WDocBinding::~WDocBinding() { window_.MainDoc().SetEvents(nullptr); }

}  // namespace kw
