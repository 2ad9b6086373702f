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
  frmMain& window_;
  std::chrono::steady_clock::time_point lastRepaint_{};
  // The last step's text from the library and its wording in the user's
  // language: looked up once a step, not once an event.
  std::string stepText_;
  int16_t stepLanguage_ = -1;
  QString stepWording_;
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
