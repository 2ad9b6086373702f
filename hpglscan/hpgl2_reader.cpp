#include "hpglscan/hpgl2_reader.h"

#include "hpgl2/byte_source.h"
#include "hpgl2/interpreter.h"
#include "support/buffered_file.h"

namespace kw::hpglscan {

namespace {
// Out of memory for a giant plot: the read ends with what was delivered.
void Interpret(ByteSource& bytes, const Hpgl2Sink& sink) {
  try {
    Interpreter(bytes, sink).Run();
  } catch (const std::bad_alloc&) {
  }
}
}  // namespace

bool ReadHpgl2File(const std::string& FileName, const Hpgl2Sink& sink) {
  kw::BufferedFile file;
  if (!file.Open(FileName)) return false;
  FileBytes bytes(file);
  Interpret(bytes, sink);
  return true;
}

void ReadHpgl2Text(std::string_view text, const Hpgl2Sink& sink) {
  TextBytes bytes(text);
  Interpret(bytes, sink);
}

}  // namespace kw::hpglscan
