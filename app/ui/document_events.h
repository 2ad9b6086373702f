// The window's handlers of the document's events ("WDoc"): progress in the
// status bar, the cut-layer question, and the document's own messages. They
// reach the window only while a long operation or a file read runs.
#pragma once

#include <QString>
#include <chrono>
#include <string>

#include "pathcore/path_obj_events.h"

namespace kw {

class frmMain;

class DocumentEvents : public kw::pathcore::CPathObjEvents {
 public:
  explicit DocumentEvents(frmMain& window) : window_(window) {}

  void Jd(int32_t All, int32_t Dq, const std::string& MS) override;
  void Finish() override;
  void GetCutLayer(int16_t LayerN, bool& Enabled) override;
  void Message(const std::string& Text) override;

 private:
  // The step's name in the user's language: the library words it in its own.
  const QString& StepText(const std::string& MS);

  frmMain& window_;
  std::chrono::steady_clock::time_point lastRepaint_{};
  std::string stepMs_;
  int16_t stepLanguage_ = -1;
  QString stepText_;
};

// Binds the document's events to the window for as long as it lives: the
// "WDoc = MainDoc ... WDoc = Nothing" of a long operation.
class WDocBinding {
 public:
  explicit WDocBinding(frmMain& window);
  ~WDocBinding();
  WDocBinding(const WDocBinding&) = delete;
  WDocBinding& operator=(const WDocBinding&) = delete;

 private:
  frmMain& window_;
};

}  // namespace kw
