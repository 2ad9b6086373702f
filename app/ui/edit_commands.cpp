#include "edit_commands.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <exception>

#include "dialogs/f_about.h"
#include "dialogs/f_mm.h"
#include "dialogs/f_op.h"
#include "dialogs/set_m.h"
#include "dialogs/tool_setting.h"
#include "document_events.h"
#include "file_commands.h"
#include "frm_main.h"
#include "machine/cydkz.h"
#include "machine/layer_tables.h"
#include "machine/machine_settings.h"
#include "pathcore/path_obj.h"
#include "pic_tools.h"
#include "pic_view.h"
#include "transform_commands.h"
#include "weeding_commands.h"
#include "widgets/language_ui.h"

namespace kw {

using kw::pathcore::CPathObj;

bool EditCommands::Run(std::string_view name) {
  return RunSelection(name) || RunEdit(name) || RunLong(name) || RunView(name) || RunDialogs(name) ||
         RunTransform(w_, name) || RunWeeding(w_, name);
}

bool EditCommands::RunSelection(std::string_view n) {
  if (n == "mnuAll") Selection([](CPathObj& d) { d.SelAll(); });
  else if (n == "mnuInv") Selection([](CPathObj& d) { d.SelInv(); });
  else if (n == "mnuSingal") Selection([](CPathObj& d) { d.SelSingal(); });
  else if (n == "mnuUnFb") Selection([](CPathObj& d) { d.SelUnFb(); });
  // With no path there is no first or last one to select.
  else if (n == "numSelA") Selection([](CPathObj& d) { if (d.Count() > 0) d.SelX(1, false); });
  else if (n == "numSelZ") Selection([](CPathObj& d) { if (d.Count() > 0) d.SelX(d.Count(), false); });
  else if (n == "numSelP") Selection([](CPathObj& d) { d.SelP(false); });
  else if (n == "numSelN") Selection([](CPathObj& d) { d.SelN(false); });
  else if (n == "mnuEditUndo") Selection([](CPathObj& d) { d.DocUndo(); });
  else if (n == "mnuEditRedo") Selection([](CPathObj& d) { d.DocRedo(); });
  else return false;
  return true;
}

bool EditCommands::RunEdit(std::string_view n) {
  if (n == "CPDel") Edit([](CPathObj& d) { d.DelObj(); });
  else if (n == "mnuDel") { if (w_.Control("CPDel") && qobject_cast<QWidget*>(w_.Control("CPDel"))->isEnabled()) Run("CPDel"); }
  else if (n == "Cback" || n == "mnuBack") Edit([](CPathObj& d) { d.BackFx(); });
  else if (n == "CTop") Edit([](CPathObj& d) { d.PxA(); });
  else if (n == "CBolow") Edit([](CPathObj& d) { d.PxZ(); });
  else if (n == "CUp") Edit([](CPathObj& d) { d.PxN(); });
  else if (n == "CDown") Edit([](CPathObj& d) { d.PxP(); });
  else if (n == "CSetDk") Edit([](CPathObj& d) { d.SetDkObj(); });
  else if (n == "CUnSetDk") Edit([](CPathObj& d) { d.SetUnDkObj(); });
  else if (n == "CSetDrill") Edit([](CPathObj& d) { d.SetDrillObj(); });
  else if (n == "CUnSetDrill") Edit([](CPathObj& d) { d.SetUnDrillObj(); });
  else if (n == "munToCenter") MoveSelectionToOrigin();
  else if (n == "mnuStart" || n == "CSetStartP") w_.MouseTool = 5;
  else if (n == "AutoSX" || n == "AutoSY" || n == "mnuSetLayer") {}
  else return false;
  return true;
}

bool EditCommands::RunLong(std::string_view n) {
  const float hb = Settings().HbWc, fb = Settings().FbWc;
  if (n == "AutoS") Long([](CPathObj& d) { d.AutoS(); });
  else if (n == "AutoNW") Long([](CPathObj& d) { d.AutoTree(); });
  else if (n == "CHb") Long([hb](CPathObj& d) { d.Hb(hb); });
  else if (n == "Cds") Long([](CPathObj& d) { d.DaSan(); });
  else if (n == "mnuHb") Long([hb](CPathObj& d) { if (d.SelCount() == 0) d.SelAll(); d.Hb(hb); });
  else if (n == "CFb") Long([](CPathObj& d) { d.SetFb(); });
  else if (n == "CAFb") Long([fb](CPathObj& d) { d.AutoFb(fb); });
  else if (n == "CSmooth") Long([](CPathObj& d) { d.SmoothObj(); });
  else if (n == "CAutoYH") Long([hb, fb](CPathObj& d) {
    d.SelAll();
    d.Hb(hb);
    d.AutoFb(fb);
    d.AutoTree();
    d.AutoTree();
  });
  else if (n == "mnuEdgeCut" || n == "mnuEdgePlot") {
    const int16_t layer = n == "mnuEdgeCut" ? 1 : 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Edit([fb, layer](CPathObj& d) {
      d.SelectEdge(fb);
      d.SetSelObjLayer(layer);
    });
    QApplication::restoreOverrideCursor();
  } else {
    return false;
  }
  return true;
}

bool EditCommands::RunView(std::string_view n) {
  if (n == "mnuViewShowIn") w_.MouseTool = 1;
  else if (n == "mnuViewShowOut") w_.MouseTool = 2;
  else if (n == "mnuViewShowMove") w_.MouseTool = 3;
  else if (n == "mnuViewShowAll") w_.Pic().ShowAll();
  else if (n == "mnuViewShowTable") w_.Pic().ShowTable();
  else return false;
  return true;
}

bool EditCommands::RunDialogs(std::string_view n) {
  if (n == "mnuViewOptions") {
    if (!AskMaintenancePassword(&w_)) return true;
    FOp options(&w_);
    options.RedrawMain = [this] { w_.RefreshPic(); };
    options.exec();
    if (options.CoK) w_.RefreshPic();
  } else if (n == "numDeviceParameter") {
    if (AskMaintenancePassword(&w_)) ShowMachineParameters(&w_);
  } else if (n == "numSettingTools") {
    // The window's wrapper, so that a controller that stops answering counts as lost here too.
    if (AskMaintenancePassword(&w_)) ShowToolSettings(&w_, w_.Ydkz());
  } else if (n == "mnuHelpAbout") {
    FAbout(&w_).exec();
  } else if (n == "mnuFileExit") {
    w_.close();
  } else {
    return false;
  }
  return true;
}

bool EditCommands::ScaleWithDialog(double kx, double ky, int16_t center, bool lock) {
  return kw::ScaleWithDialog(w_, kx, ky, center, lock);
}

void EditCommands::RunToolbarKey(std::string_view key) {
  static const std::pair<std::string_view, std::string_view> kSameAs[] = {
      {"UNDO", "mnuEditUndo"},  {"REDO", "mnuEditRedo"},   {"SelA", "numSelA"},         {"SelZ", "numSelZ"},
      {"SelP", "numSelP"},      {"SelN", "numSelN"},       {"ZOOMIN", "mnuViewShowIn"}, {"ZOOMOUT", "mnuViewShowOut"},
      {"ZOOMHAND", "mnuViewShowMove"}, {"ZOOMALL", "mnuViewShowAll"}, {"ZOOMTABLE", "mnuViewShowTable"},
      {"BLOCKRORATE", "mnuSpin"}, {"BLOCKMOVE", "mnuMove"}, {"BLOCKARRAY", "mnuZl"}, {"BLOCKMIRROR", "mnuMirror"},
      {"TOCENTER", "munToCenter"}};
  for (const auto& [k, control] : kSameAs) {
    if (k == key) {
      Run(control);
      return;
    }
  }
  if (key == "NEW") w_.Files().New();
  else if (key == "OPEN") w_.Files().Open();
  else if (key == "SAVE") w_.Files().Save();
  else if (key == "Winzoom") {
    w_.MouseTool = 4;
    w_.Tools().ResetBand();
  }
  else if (key == "MOVESHOW") {
    w_.MainDoc().SMove(w_.TbButton("MOVESHOW")->isChecked());
    w_.RefreshPic();
  } else if (key == "SETPEN") SetLayerOfSelection(0);
  else if (key == "SETCUT") SetLayerOfSelection(1);
  else if (key == "SETHALFCUT") SetLayerOfSelection(2);
}

void EditCommands::RunLayerButton(std::string_view key) {
  if (!key.starts_with("Layer")) return;
  const std::string digits(key.substr(5));
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 3) return;
  const int n = std::stoi(digits);
  const int32_t type = LayerMap().LayerType(static_cast<int16_t>(n - 1));
  if (n >= 1 && type >= 0 && type <= 2) w_.MainDoc().SetSelObjLayer(static_cast<int16_t>(n - 1));
  w_.SetModified(true);
  w_.FaceChange();
  // The new layer's colour shows at once rather than at the next redraw.
  w_.RefreshPic();
}

void EditCommands::Selection(const DocOp& op) {
  op(w_.MainDoc());
  w_.MainDoc().ZLSelLmt();
  w_.RefreshPic();
  w_.FaceChange();
}

void EditCommands::Edit(const DocOp& op) {
  op(w_.MainDoc());
  w_.MainDoc().ZLSelLmt();
  w_.CommitEdit();
}

void EditCommands::Long(const DocOp& op) {
  WDocBinding binding(w_);
  w_.ShowProgress("0%", true);
  Edit(op);
}

void EditCommands::SetLayerOfSelection(int16_t layer) {
  w_.MainDoc().SetSelObjLayer(layer);
  w_.CommitEdit();
}

void EditCommands::MoveSelectionToOrigin() {
  auto& d = w_.MainDoc();
  if (d.SelCount() == 0) return;
  Edit([](CPathObj& doc) {
    doc.Block_Move(static_cast<float>(-doc.SelXMin()), static_cast<float>(-doc.SelYMax()));
  });
}


}  // namespace kw
