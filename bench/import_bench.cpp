// Throughput of the drawing import: the PLT scanner and the DXF import into a
// document, each on a generated file of about 50 MB.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_size.h"
#include "hpglscan/c_plt.h"
#include "pathcore/app_path.h"
#include "pathcore/path_obj.h"

namespace {

// LINE entities in the DXF file, PU/PD pairs in the PLT file
const int32_t kLines = kw::bench::Size(1'000'000, 2000);

std::filesystem::path TempFile(const char* name) {
  return std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + name);
}

// Writes the file once per run and removes it at exit.
class GeneratedFile {
 public:
  GeneratedFile(const char* name, void (*write)(std::FILE*)) : path_(TempFile(name)) {
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    write(f);
    std::fclose(f);
    bytes_ = static_cast<int64_t>(std::filesystem::file_size(path_));
  }
  ~GeneratedFile() { std::filesystem::remove(path_); }
  std::string Path() const { return path_.string(); }
  int64_t Bytes() const { return bytes_; }

 private:
  std::filesystem::path path_;
  int64_t bytes_ = 0;
};

void WritePlt(std::FILE* f) {
  std::fputs("IN;SP1;", f);
  for (int i = 0; i < kLines; ++i) {
    const int x = i % 40000, y = i / 40;
    std::fprintf(f, "PU%d,%d;PD%d,%d,%d,%d;\n", x, y, x + 250, y + 125, x + 500, y);
  }
}

void WriteDxf(std::FILE* f) {
  std::fputs("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n", f);
  for (int i = 0; i < kLines; ++i) {
    const double x = (i % 1000) * 1.5, y = (i / 1000) * 0.75;
    std::fprintf(f, "  0\nLINE\n  8\nCUT\n 10\n%.2f\n 20\n%.2f\n 11\n%.2f\n 21\n%.2f\n", x, y, x + 1.25, y + 0.5);
  }
  std::fputs("  0\nENDSEC\n  0\nEOF\n", f);
}

class FetchingSink : public kw::hpglscan::CPltEvents {
 public:
  explicit FetchingSink(kw::hpglscan::CPlt& plt) : plt_(plt) {}
  void OutPolyline(int32_t Count, int32_t) override {
    x_.resize(static_cast<size_t>(Count));
    y_.resize(static_cast<size_t>(Count));
    plt_.GetXYData(x_, y_);
    points += Count;
  }
  int64_t points = 0;

 private:
  kw::hpglscan::CPlt& plt_;
  std::vector<int32_t> x_, y_;
};

void BM_PltScan(benchmark::State& state) {
  static const GeneratedFile file("_bench.plt", WritePlt);
  for (auto _ : state) {
    kw::hpglscan::CPlt plt;
    FetchingSink sink(plt);
    plt.Connect(&sink);
    int32_t res = 0;
    plt.OpenFile(file.Path(), res);
    benchmark::DoNotOptimize(sink.points);
  }
  state.SetBytesProcessed(state.iterations() * file.Bytes());
}
BENCHMARK(BM_PltScan)->Unit(benchmark::kMillisecond);

void BM_DxfImport(benchmark::State& state) {
  static const GeneratedFile file("_bench.dxf", WriteDxf);
  // A folder of its own: creating a document clears its instance files there.
  const auto folder = TempFile("_bench_app");
  std::filesystem::create_directories(folder);
  kw::pathcore::SetAppPath(folder);
  for (auto _ : state) {
    state.PauseTiming();  // making and ending a document is not part of the import
    auto doc = std::make_unique<kw::pathcore::CPathObj>();
    state.ResumeTiming();
    doc->DxfInput(file.Path(), "CUT");
    benchmark::DoNotOptimize(doc->Count());
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  std::filesystem::remove_all(folder);
  state.SetBytesProcessed(state.iterations() * file.Bytes());
}
BENCHMARK(BM_DxfImport)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
