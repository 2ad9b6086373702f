// The scale dialog "FScale": factors in X and Y, or the resulting width and
// height of the selection, kept in step with each other as the boxes are
// left; lock boxes keep X and Y proportional, and Op0..Op4 choose the point
// that stays where it is.
#pragma once

#include <array>
#include <cstdint>

#include "dialogs/transform_dialog.h"

class QCheckBox;

namespace kw {

class FScale : public TransformDialog {
  Q_OBJECT
  Q_PROPERTY(float W READ W WRITE SetW)
  Q_PROPERTY(float H READ H WRITE SetH)

 public:
  explicit FScale(QWidget* parent = nullptr);
  ~FScale() override;

  // Width and height of the selection in mm, set before the dialog is shown.
  float W() const { return w_; }
  void SetW(float value) { w_ = value; }
  float H() const { return h_; }
  void SetH(float value) { h_ = value; }

  RfText& RBlX() const { return *rBlX_; }
  RfText& RBlY() const { return *rBlY_; }
  RfText& RfW() const { return *rfW_; }
  RfText& RfH() const { return *rfH_; }
  QCheckBox& CkLock(int i) const { return *ckLock_.at(static_cast<size_t>(i)); }
  QRadioButton& Op(int i) const { return *op_.at(static_cast<size_t>(i)); }
  // The Center code of the first chosen fixed point, -1 when none is.
  int16_t SelectedOp() const;
  bool Locked() const;

  // Fills the dialog for a scale already dragged out: factors kx, ky about
  // fixed point center, the lock on when lock; W and H must be set first.
  void Preset(double kx, double ky, int16_t center, bool lock);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // One direction of the scaling: its factor box, its size box, and the
  // selection's extent in it.
  struct Axis {
    RfText* factor;
    RfText* size;
    float extent;
  };
  Axis X() const { return {rBlX_, rfW_, w_}; }
  Axis Y() const { return {rBlY_, rfH_, h_}; }

  void BuildFactors();
  void BuildSizes();
  void Activate();
  void FactorLeft(const Axis& own, const Axis& other);
  void SizeLeft(const Axis& own, const Axis& other);
  void LockClicked(int i);
  void ShowSize(const Axis& axis);

  float w_ = 0;
  float h_ = 0;
  RfText* rBlX_ = nullptr;
  RfText* rBlY_ = nullptr;
  RfText* rfW_ = nullptr;
  RfText* rfH_ = nullptr;
  std::array<QCheckBox*, 2> ckLock_{};
  std::array<QRadioButton*, 5> op_{};
};

}  // namespace kw
