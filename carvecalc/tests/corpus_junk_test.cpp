// The readers on the third-party corpus of real drawings and on junk: they
// must never crash, and what they read must scan without faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "carvecalc/carve_setup.h"
#include "carvecalc/carvecalc.h"
#include "temp_files.h"
#include "testsupport/test_drawings.h"

namespace {

using namespace kw::carvecalc;
namespace fs = std::filesystem;

Drawing ReadAny(Carvecalc& calc, const std::string& path) {
  Drawing d;
  ReadDrawing(calc, path, d);
  return d;
}

// Scans the whole drawing with about a thousand rows; returns the crossings.
int ScanAll(Carvecalc& calc, Drawing& d) {
  const DrawingBounds b = BoundsOf(d);
  std::vector<carve> rows;
  CarveDrawing(calc, d, static_cast<float>(std::max((b.ymax - b.ymin) / 1000, 0.01)), 2, rows);
  int n = 0;
  for (const carve& r : rows) n += r.carveXCount;
  return n;
}

std::vector<fs::path> CorpusFiles() {
  std::vector<fs::path> files;
  const fs::path root = kw::test::CorpusDir();
  for (const auto& e : fs::recursive_directory_iterator(root))
    if (e.is_regular_file() && e.path().filename() != "MANIFEST.tsv") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(Corpus, EveryFileReadsThroughEveryReaderAndScans) {
  KW_SKIP_WITHOUT_CORPUS();
  const auto files = CorpusFiles();
  ASSERT_FALSE(files.empty()) << "no drawings in " << kw::test::CorpusDir();
  TempFiles temp;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    Carvecalc calc;
    Drawing dxf, plt;
    calc.opendxf(file.string(), dxf.lines, dxf.polylines, dxf.circles, dxf.ellipses, dxf.entities);
    EXPECT_TRUE(calc.LastError().Ok());
    calc.Openplt(file.string(), plt.polylines, plt.entities);
    EXPECT_TRUE(calc.LastError().Ok());
    std::string src = file.string(), out = temp.Path("out.txt");
    calc.openDST(src, out);
    EXPECT_TRUE(calc.LastError().Ok());
    Drawing d = ReadAny(calc, file.string());
    ScanAll(calc, d);
    EXPECT_TRUE(calc.LastError().Ok()) << calc.LastError().description;
  }
}

TEST(Corpus, KnownDrawingsGiveTheirEntities) {
  KW_SKIP_WITHOUT_CORPUS();
  const fs::path root = kw::test::CorpusDir();
  Carvecalc calc;
  Drawing ae = ReadAny(calc, (root / "dxf/trimesh_ae.r14a.dxf").string());
  EXPECT_EQ(ae.lines.size(), 10u);
  EXPECT_EQ(ae.circles.size(), 3u);     // two arcs and a circle
  EXPECT_EQ(ae.polylines.size(), 4u);   // three splines and a closed polyline
  EXPECT_GT(ScanAll(calc, ae), 100);
  Drawing gear = ReadAny(calc, (root / "dxf/dxfviewer_Gear_Sample-iss4.DXF").string());
  EXPECT_EQ(gear.polylines.size(), 255u);
  Drawing star = ReadAny(calc, (root / "plt/embroidermodder_Star.plt").string());
  ASSERT_GE(star.polylines.size(), 1u);
  EXPECT_GT(star.polylines[0].polycount, 1000);
  TempFiles temp;
  std::string src = (root / "dst/embroidermodder_Star.DST").string(), out = temp.Path("star.txt");
  calc.openDST(src, out);
  const std::string text = TempFiles::Read(out);
  EXPECT_EQ(text.rfind("ST,2567\nEXTENTS,-29.5,29.6,-31.2,31.1\n", 0), 0u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 2566) << "every record but the end";
}

TEST(Junk, ReadersSkipGarbageHugeLinesAndOverflowingNumbers) {
  TempFiles temp;
  std::mt19937 random(7);
  std::string noise(200000, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  const std::string inputs[] = {
      noise,
      std::string(3'000'000, 'P'),                                  // one huge line
      "PU1e999 -1e999;\nPD99999999999999999999 1;\nLT;\n",          // overflowing numbers
      "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1e999\n20\n0\n11\n1\n21\n1\n0\nCIRCLE\n10\n0\n20\n0\n40\n1e400\n",
      "0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n70\n1\n0\nVERTEX\n10\n1\n20\n",  // cut off
      "0\nSECTION\n2\nENTITIES\n0\nSPLINE\n71\n-5\n40\nx\n10\n1\n20\n1\n10\n2\n",
      "999999999999999999999\nSECTION\n\n\n\n",
      std::string("LA:x\rST:99999999999\r") + std::string(600, '\xff'),
      std::string("ST:-5\r", 6),
  };
  int i = 0;
  for (const std::string& bytes : inputs) {
    SCOPED_TRACE(i);
    const std::string base = "junk" + std::to_string(i++);
    for (const char* ext : {".dxf", ".plt"}) {
      Carvecalc calc;
      Drawing d = ReadAny(calc, temp.Write(base + ext, bytes));
      EXPECT_TRUE(calc.LastError().Ok());
      ScanAll(calc, d);
    }
    Carvecalc calc;
    std::string src = temp.Write(base + ".dst", bytes), out = temp.Path(base + ".txt");
    calc.openDST(src, out);
    EXPECT_TRUE(calc.LastError().Ok());
  }
}

}  // namespace
