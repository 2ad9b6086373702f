// The About box "FAbout": the program, its version and licence, its maker,
// and the maker's web address, which opens in the browser when clicked.
#pragma once

#include <QDialog>

namespace kw {

// The project's web address, as the About box shows it.
inline constexpr const char* kHomeAddress = "https://kerfwright.org/";

class FAbout : public QDialog {
  Q_OBJECT
 public:
  explicit FAbout(QWidget* parent = nullptr);
  Q_INVOKABLE void ReLanguage();
};

}  // namespace kw
