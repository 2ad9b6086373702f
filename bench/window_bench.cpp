// File Open through the main window until its view has drawn the drawing
// once: what the user waits for between choosing a file and seeing it. On the
// corpus's nesting plot of 31,834 paths; a smoke run (KW_BENCH_SMOKE set)
// opens a small drawing of ours instead.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "frm_main.h"
#include "qt_bench_main.h"
#include "pathcore/app_path.h"
#include "pathcore/path_obj.h"
#include "pic_view.h"

namespace {

std::filesystem::path DrawingToOpen() {
  if (std::getenv("KW_BENCH_SMOKE")) return std::filesystem::path(KW_TESTDATA_DIR) / "plt/pens.plt";
  const std::filesystem::path corpus = KW_CORPUS_DIR;
  return corpus.empty() ? corpus : corpus / "plt/fabric-nesting_S_Fabric_Nesting.plt";
}

// A program folder of its own: the document's undo snapshots go there, not
// beside the benchmark.
class TempProgramFolder {
 public:
  TempProgramFolder()
      : folder_(std::filesystem::temp_directory_path() / ("kw_window_bench_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(folder_);
    kw::pathcore::SetAppPath(folder_);
  }
  ~TempProgramFolder() { std::filesystem::remove_all(folder_); }

 private:
  std::filesystem::path folder_;
};

void BM_FileOpenUntilDrawn(benchmark::State& state) {
  const std::filesystem::path file = DrawingToOpen();
  if (file.empty()) {
    state.SkipWithError("KW_CORPUS_DIR was not set at configure time: the nesting plot is not at hand");
    return;
  }
  // A missing file would stop the run on the window's modal error message.
  if (!std::filesystem::is_regular_file(file)) {
    state.SkipWithError(("not found: " + file.string()).c_str());
    return;
  }
  TempProgramFolder folder;
  kw::frmMain window;
  window.resize(1400, 950);
  window.show();
  QApplication::processEvents();
  const QString name = QString::fromStdString(file.string());
  for (auto _ : state) {
    window.mFileOpen(name, 0);
    window.Pic().repaint();
    // The rest of the window's updates, as the event loop would do them next.
    QApplication::processEvents();
  }
  state.counters["paths"] = window.MainDoc().Count();
}
BENCHMARK(BM_FileOpenUntilDrawn)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return kw::bench::RunWithQt(argc, argv); }
