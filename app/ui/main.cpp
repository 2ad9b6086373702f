// kerfwright: the program's window.
#include <QApplication>
#include <string>
#include <vector>

#include "frm_main.h"
#include "start_up.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  const auto window = kw::StartUp(arguments);
  return QApplication::exec();
}
