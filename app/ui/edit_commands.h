// The editing, selection, ordering and view commands of the main window's
// menus, buttons and toolbars, dispatched by the control's name or the
// toolbar button's key.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace kw::pathcore {
class CPathObj;
}

namespace kw {

class frmMain;

class EditCommands {
 public:
  explicit EditCommands(frmMain& window) : w_(window) {}

  // Runs the command of the named control; false when it has none here.
  bool Run(std::string_view name);
  // A main toolbar button by its key.
  void RunToolbarKey(std::string_view key);
  // A layer toolbar button by its key ("Layer1".."Layer15").
  void RunLayerButton(std::string_view key);
  // The scale dialog after a Ctrl + drag on a handle of the selection:
  // factors kx, ky about fixed point center (Block_Scale's Center code: 0 the
  // centre, 1 top-left, 2 top-right, 3 bottom-left, 4 bottom-right), lock boxes
  // ticked when lock. On OK the selection is scaled and its bounds recomputed.
  // True when nothing was scaled (cancelled, or a field not a number); on false
  // the caller runs CommitEdit.
  bool ScaleWithDialog(double kx, double ky, int16_t center, bool lock);

 private:
  using DocOp = std::function<void(kw::pathcore::CPathObj&)>;

  bool RunSelection(std::string_view name);
  bool RunEdit(std::string_view name);
  bool RunLong(std::string_view name);
  bool RunView(std::string_view name);
  bool RunDialogs(std::string_view name);

  // The selection changed: bounds of the selection, redraw, enabled states.
  void Selection(const DocOp& op);
  // The document changed: bounds of the selection, then CommitEdit.
  void Edit(const DocOp& op);
  // A long operation: its events reach the status bar while it runs.
  void Long(const DocOp& op);
  void SetLayerOfSelection(int16_t layer);
  void MoveSelectionToOrigin();

  frmMain& w_;
};

}  // namespace kw
