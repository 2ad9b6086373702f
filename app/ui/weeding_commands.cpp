#include "weeding_commands.h"

#include <optional>
#include <utility>

#include "dialogs/f_weed_box.h"
#include "dialogs/f_weed_lines.h"
#include "field_reader.h"
#include "frm_main.h"
#include "pathcore/path_obj.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"

namespace kw {
namespace {

using kw::pathcore::CPathObj;

void Tell(frmMain& w, const char* section, const char* key, const char* english) {
  ShowMessageText(&w, LanguageQTextOr(section, key, english));
}

// A positive number from the field, or nothing after telling the user why not.
std::optional<double> PositiveField(frmMain& w, const RfText& box, const char* section) {
  FieldReader fields;
  const double value = fields.Read<double>(box);
  if (!fields.Accepted(w)) return std::nullopt;
  if (value > 0) return value;
  Tell(w, section, "NotPositive", "The value must be more than 0 mm.");
  return std::nullopt;
}

void WeedBox(frmMain& w) {
  FWeedBox f(&w);
  f.exec();
  if (!f.CoK) return;
  const auto margin = PositiveField(w, f.RfMargin(), "FWeedBox");
  if (margin && w.MainDoc().AddWeedBox(*margin)) w.CommitEdit();
}

void WeedLines(frmMain& w) {
  FWeedLines f(&w);
  f.exec();
  if (!f.CoK || !(f.Horizontal() || f.Vertical())) return;
  const auto spacing = PositiveField(w, f.RfSpacing(), "FWeedLines");
  if (!spacing) return;
  const int32_t added = w.MainDoc().AddWeedLines(*spacing, f.Horizontal(), f.Vertical());
  if (added > 0) {
    w.CommitEdit();
  } else if (added == CPathObj::kNoWeedBox) {
    Tell(w, "FWeedLines", "NoBox",
         "Select the weed box first: one rectangle, or nothing when the box goes around the whole drawing.");
  } else if (added == CPathObj::kBadWeedSpacing) {
    Tell(w, "FWeedLines", "TooFine", "The spacing is too fine for the weed box.");
  } else {
    Tell(w, "FWeedLines", "NoLine", "No weed line fits in the box at this spacing.");
  }
}

}  // namespace

bool RunWeeding(frmMain& window, std::string_view name) {
  using Command = void (*)(frmMain&);
  static const std::pair<std::string_view, Command> kCommands[] = {{"mnuWeedBox", WeedBox},
                                                                   {"mnuWeedLines", WeedLines}};
  for (const auto& [control, command] : kCommands) {
    if (control != name) continue;
    // With no path there is nothing to weed: said rather than an item that does nothing.
    if (window.MainDoc().Count() == 0) Tell(window, "frmMain", "NothingToWeed", "There are no paths to weed.");
    else command(window);
    return true;
  }
  return false;
}

}  // namespace kw
