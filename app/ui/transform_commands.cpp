#include "transform_commands.h"

#include <cfloat>
#include <cmath>

#include "dialogs/f_array.h"
#include "dialogs/f_mirror.h"
#include "dialogs/f_scale.h"
#include "dialogs/f_spin.h"
#include "dialogs/f_tran.h"
#include "field_reader.h"
#include "frm_main.h"
#include "pathcore/path_obj.h"
#include "widgets/rf_text.h"

namespace kw {
namespace {

using kw::pathcore::CPathObj;

float SelWidth(const CPathObj& d) { return static_cast<float>(d.SelXmax() - d.SelXMin()); }
float SelHeight(const CPathObj& d) { return static_cast<float>(d.SelYMax() - d.SelYMin()); }

bool FitsSingle(double v) { return std::abs(v) <= FLT_MAX; }

void Finish(frmMain& w) {
  w.MainDoc().ZLSelLmt();
  w.CommitEdit();
}

// Scales by the dialog's factors and recomputes the selection's bounds; false when a field was refused.
bool ApplyScale(frmMain& w, const FScale& f) {
  FieldReader fields;
  const double kx = fields.Read<double>(f.RBlX());
  const double ky = fields.Read<double>(f.RBlY());
  if (!fields.Accepted(w)) return false;
  if (f.SelectedOp() >= 0) w.MainDoc().Block_Scale(kx, ky, f.SelectedOp());
  w.MainDoc().ZLSelLmt();
  return true;
}

void SetExtent(FScale& f, const CPathObj& d) {
  f.SetW(SelWidth(d));
  f.SetH(SelHeight(d));
}

void Scale(frmMain& w) {
  FScale f(&w);
  SetExtent(f, w.MainDoc());
  f.exec();
  if (f.CoK && ApplyScale(w, f)) w.CommitEdit();
}

void Spin(frmMain& w) {
  FSpin f(&w);
  f.exec();
  if (!f.CoK) return;
  FieldReader fields;
  const double angle = fields.Read<double>(f.Rj());
  if (!fields.Accepted(w)) return;
  if (f.SelectedOp() >= 0) w.MainDoc().Block_Spin(angle, f.SelectedOp());
  Finish(w);
}

void Move(frmMain& w) {
  FTran f(&w);
  f.exec();
  if (!f.CoK) return;
  FieldReader fields;
  const float dx = fields.Read<float>(f.RfTH());
  const float dy = fields.Read<float>(f.RfTS());
  if (!fields.Accepted(w)) return;
  w.MainDoc().Block_Move(dx, dy);
  Finish(w);
}

// The fields hold the gaps between copies; the pitch adds the selection's size.
void Array(frmMain& w) {
  FArray f(&w);
  f.exec();
  if (!f.CoK) return;
  auto& d = w.MainDoc();
  FieldReader fields;
  const double pitchX = fields.Read<double>(f.RfTH()) + SelWidth(d);
  const double pitchY = fields.Read<double>(f.RfTS()) + SelHeight(d);
  const int16_t columns = fields.Read<int16_t>(f.RfTlie());
  const int16_t rows = fields.Read<int16_t>(f.RfThang());
  if (!FitsSingle(pitchX)) fields.Refuse(f.RfTH());
  if (!FitsSingle(pitchY)) fields.Refuse(f.RfTS());
  if (!fields.Accepted(w)) return;
  d.Block_Array(static_cast<float>(pitchX), static_cast<float>(pitchY), columns, rows);
  Finish(w);
}

// Block_Mirror's axis codes: 0..2 mirror X about the middle, left or right
// side; 3..5 mirror Y about the middle, top or bottom side.
void Mirror(frmMain& w) {
  FMirror f(&w);
  f.exec();
  if (!f.CoK) return;
  const int16_t place = f.SelectedOpW();
  if (place >= 0) w.MainDoc().Block_Mirror(static_cast<int16_t>(place + (f.SelectedOpZ() == 0 ? 3 : 0)));
  Finish(w);
}

}  // namespace

bool RunTransform(frmMain& window, std::string_view name) {
  using Command = void (*)(frmMain&);
  static const std::pair<std::string_view, Command> kCommands[] = {
      {"munScale", Scale}, {"mnuSpin", Spin}, {"mnuMove", Move}, {"mnuZl", Array}, {"mnuMirror", Mirror}};
  for (const auto& [control, command] : kCommands) {
    if (control != name) continue;
    if (window.MainDoc().SelCount() != 0) command(window);
    return true;
  }
  return false;
}

bool ScaleWithDialog(frmMain& window, double kx, double ky, int16_t center, bool lock) {
  if (window.MainDoc().SelCount() == 0) return false;
  FScale f(&window);
  SetExtent(f, window.MainDoc());
  f.Preset(kx, ky, center, lock);
  f.exec();
  return !(f.CoK && ApplyScale(window, f));
}

}  // namespace kw
