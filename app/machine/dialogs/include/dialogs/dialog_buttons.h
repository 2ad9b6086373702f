// OK and Cancel as the desktop has them (Enter accepts, Esc cancels), named
// "OKButton" and "CancelButton" so the language file gives their captions.
#pragma once

class QDialog;
class QDialogButtonBox;

namespace kw {

QDialogButtonBox* AddOkCancel(QDialog& dialog);

}  // namespace kw
