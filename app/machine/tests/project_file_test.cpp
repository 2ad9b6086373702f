#include "machine/project_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "machine_test_support.h"
#include "support/byte_reader.h"
#include "support/byte_writer.h"
#include "support/file_replace.h"
#include "testsupport/temp_app_path.h"

namespace {

using Bytes = std::vector<uint8_t>;
using kw::ProjectRead;
using kw::pathcore::CPathObj;

Bytes ImageOf(CPathObj& doc) {
  Bytes dat;
  int32_t size = 0;
  doc.GetBin(dat, size);
  return dat;
}

template <typename Table>
Bytes BlockOf(const Table& table) {
  Bytes dat;
  int32_t size = 0;
  table.GetBin(dat, size);
  return dat;
}

Bytes FileBytes(const std::filesystem::path& file) { return kw::ReadWholeFile(file).value_or(Bytes{}); }

void PutI32(Bytes& bytes, size_t at, int32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

int32_t I32At(const Bytes& bytes, size_t at) {
  kw::ByteReader in(bytes);
  in.Skip(at);
  return in.I32();
}

class ProjectFileTest : public kw::test::ProgramFolderTest {
 protected:
  void SetUp() override {
    kw::test::ProgramFolderTest::SetUp();
    kw::test::Add(source, {{0, 0}, {30, 0}, {30, 20}, {0, 0}}, 1);
    kw::test::Add(source, {{5, 5}, {12, 9}}, 0);
    source.ZL();
    source.SelX(2, false);
    source.ZLSelLmt();
    for (int16_t i = 0; i <= 14; ++i) {
      cut.Speed(i, 40.0f + i);
      cut.LineIn(i, 0.5f * i);
      cut.Enabled(i, i % 2 == 0);
    }
    map.LayerType(1, 2);
    map.SortChange(0, 14);
  }

  // A document with other contents, and fresh tables, to load into.
  void FillTarget() {
    kw::test::Add(target, {{-7, -7}, {-1, -3}, {-2, 8}}, 0);
    target.ZL();
  }

  CPathObj source, target;
  kw::CCutLayer cut, targetCut;
  kw::CLayerMap map, targetMap;
};

TEST_F(ProjectFileTest, SavedProjectHasMagicVersionAndTheBlockLengths) {
  const auto file = InFolder("job.rpt");
  ASSERT_TRUE(kw::WriteProject(file, source, cut, map));
  const Bytes bytes = FileBytes(file);
  ASSERT_GE(bytes.size(), 12u);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), (Bytes{0x57, 0x45, 0x4C, 0x00, 0x03, 0x00, 0x00, 0x00}));
  const Bytes document = ImageOf(source);
  ASSERT_EQ(I32At(bytes, 8), static_cast<int32_t>(document.size()));
  const size_t n1 = document.size();
  EXPECT_EQ(I32At(bytes, 12 + n1), 516);
  EXPECT_EQ(I32At(bytes, 16 + n1 + 516), 94);
  EXPECT_EQ(bytes.size(), 20 + n1 + 516 + 94);
  EXPECT_EQ(Bytes(bytes.begin() + 12, bytes.begin() + 12 + static_cast<std::ptrdiff_t>(n1)), document);
  EXPECT_FALSE(std::filesystem::exists(InFolder("job.rpt.part")));
}

TEST_F(ProjectFileTest, SaveAndReopenGivesTheSameBytes) {
  const auto file = InFolder("job.rpt");
  ASSERT_TRUE(kw::WriteProject(file, source, cut, map));
  ASSERT_EQ(kw::ReadProject(file, target, targetCut, targetMap), ProjectRead::Loaded);
  EXPECT_EQ(target.Count(), 2);
  EXPECT_EQ(target.SelCount(), 1);
  EXPECT_FLOAT_EQ(target.SelXmax(), 12.0f);  // the selection bounds follow the loaded document
  EXPECT_FLOAT_EQ(targetCut.Speed(9), 49.0f);
  EXPECT_FALSE(targetCut.Enabled(3));
  EXPECT_EQ(targetMap.LayerType(1), 2);
  EXPECT_EQ(targetMap.LayerSort(0), 14);
  const auto again = InFolder("again.rpt");
  ASSERT_TRUE(kw::WriteProject(again, target, targetCut, targetMap));
  EXPECT_EQ(FileBytes(again), FileBytes(file));
}

TEST_F(ProjectFileTest, VersionTwoLoadsTheDocumentAndLeavesTheTablesAlone) {
  kw::ByteWriter out;
  const Bytes document = ImageOf(source);
  out.Bytes(Bytes{0x57, 0x45, 0x4C, 0x00});
  out.I32(2);
  out.I32(static_cast<int32_t>(document.size()));
  out.Bytes(document);
  const Bytes cutBefore = BlockOf(cut), mapBefore = BlockOf(map);
  EXPECT_EQ(kw::LoadProjectImage(out.Data(), target, cut, map), ProjectRead::Loaded);
  EXPECT_EQ(ImageOf(target), document);
  EXPECT_EQ(BlockOf(cut), cutBefore);
  EXPECT_EQ(BlockOf(map), mapBefore);
}

TEST_F(ProjectFileTest, WrongMagicOrVersionChangesNothing) {
  FillTarget();
  const Bytes before = ImageOf(target), cutBefore = BlockOf(targetCut);
  const Bytes good = kw::ProjectImage(source, cut, map);
  for (const auto& [at, value] : std::vector<std::pair<size_t, uint8_t>>{{0, 0x58}, {3, 0x01}, {4, 1}, {4, 4}, {7, 3}}) {
    Bytes bad = good;
    bad[at] = value;
    EXPECT_EQ(kw::LoadProjectImage(bad, target, targetCut, targetMap), ProjectRead::NotAProject) << at;
  }
  EXPECT_EQ(kw::LoadProjectImage(Bytes{'X', 'Y'}, target, targetCut, targetMap), ProjectRead::NotAProject);
  EXPECT_EQ(ImageOf(target), before);
  EXPECT_EQ(BlockOf(targetCut), cutBefore);
}

// Every beginning of a valid project, and lengths that reach past the end:
// the layout is checked first, so nothing is half loaded.
TEST_F(ProjectFileTest, ShortFilesAndOverlongBlocksChangeNothing) {
  FillTarget();
  const Bytes before = ImageOf(target), cutBefore = BlockOf(targetCut), mapBefore = BlockOf(targetMap);
  const Bytes good = kw::ProjectImage(source, cut, map);
  for (size_t length = 0; length < good.size(); ++length) {
    const std::span<const uint8_t> prefix(good.data(), length);
    ASSERT_EQ(kw::LoadProjectImage(prefix, target, targetCut, targetMap), ProjectRead::Truncated) << length;
  }
  const size_t n1 = ImageOf(source).size();
  for (const size_t at : {size_t{8}, 12 + n1, 16 + n1 + 516}) {
    Bytes overlong = good;
    PutI32(overlong, at, 0x7FFFFFFF);
    EXPECT_EQ(kw::LoadProjectImage(overlong, target, targetCut, targetMap), ProjectRead::Truncated) << at;
  }
  EXPECT_EQ(ImageOf(target), before);
  EXPECT_EQ(BlockOf(targetCut), cutBefore);
  EXPECT_EQ(BlockOf(targetMap), mapBefore);
}

TEST_F(ProjectFileTest, LengthsOfZeroOrLessMeanAbsentBlocks) {
  FillTarget();
  const Bytes before = ImageOf(target), cutBefore = BlockOf(targetCut);
  kw::ByteWriter out;
  out.Bytes(Bytes{0x57, 0x45, 0x4C, 0x00});
  out.I32(3);
  out.I32(0);
  out.I32(-5);
  const Bytes mapBlock = BlockOf(map);
  out.I32(static_cast<int32_t>(mapBlock.size()));
  out.Bytes(mapBlock);
  EXPECT_EQ(kw::LoadProjectImage(out.Data(), target, targetCut, targetMap), ProjectRead::Loaded);
  EXPECT_EQ(ImageOf(target), before);
  EXPECT_EQ(BlockOf(targetCut), cutBefore);
  EXPECT_EQ(BlockOf(targetMap), mapBlock);
}

TEST_F(ProjectFileTest, ARefusedBlockEndsTheLoadWithWhatCameBefore) {
  FillTarget();
  const Bytes before = ImageOf(target), cutBefore = BlockOf(targetCut), mapBefore = BlockOf(targetMap);
  const Bytes good = kw::ProjectImage(source, cut, map);
  const size_t n1 = ImageOf(source).size();

  Bytes badDocument = good;  // a block whose length agrees with the file but holds half an image
  badDocument.erase(badDocument.begin() + 12 + static_cast<std::ptrdiff_t>(n1 / 2),
                    badDocument.begin() + 12 + static_cast<std::ptrdiff_t>(n1));
  PutI32(badDocument, 8, static_cast<int32_t>(n1 / 2));
  EXPECT_EQ(kw::LoadProjectImage(badDocument, target, targetCut, targetMap), ProjectRead::BlockRefused);
  EXPECT_EQ(ImageOf(target), before);
  EXPECT_EQ(BlockOf(targetCut), cutBefore);

  Bytes badMap = good;
  badMap[20 + n1 + 516] = 2;  // layer-map version 2
  EXPECT_EQ(kw::LoadProjectImage(badMap, target, targetCut, targetMap), ProjectRead::BlockRefused);
  EXPECT_EQ(ImageOf(target), ImageOf(source));
  EXPECT_EQ(target.SelCount(), 1);  // the loaded document's selection is counted all the same
  EXPECT_EQ(BlockOf(targetCut), BlockOf(cut));
  EXPECT_EQ(BlockOf(targetMap), mapBefore);

  kw::CCutLayer freshCut;
  Bytes badCut = good;
  badCut[16 + n1] = 2;  // cut-layer version 2: the map after it is not read either
  EXPECT_EQ(kw::LoadProjectImage(badCut, target, freshCut, targetMap), ProjectRead::BlockRefused);
  EXPECT_EQ(BlockOf(freshCut), cutBefore);
  EXPECT_EQ(BlockOf(targetMap), mapBefore);
}

TEST_F(ProjectFileTest, UnreadableFilesAreReported) {
  EXPECT_EQ(kw::ReadProject(InFolder("missing.rpt"), target, targetCut, targetMap), ProjectRead::CannotRead);
  std::filesystem::create_directory(InFolder("folder.rpt"));
  EXPECT_EQ(kw::ReadProject(InFolder("folder.rpt"), target, targetCut, targetMap), ProjectRead::CannotRead);
  EXPECT_EQ(target.Count(), 0);
}

// A failed save reports failure and never harms the file it was to replace.
TEST_F(ProjectFileTest, FailedSavesReturnFalseAndKeepTheOldFile) {
  const auto file = InFolder("job.rpt");
  ASSERT_TRUE(kw::WriteProject(file, target, cut, map));
  const Bytes old = FileBytes(file);
  std::filesystem::create_directory(InFolder("job.rpt.part"));  // the temporary file cannot be made
  EXPECT_FALSE(kw::WriteProject(file, source, cut, map));
  EXPECT_EQ(FileBytes(file), old);
  std::filesystem::remove(InFolder("job.rpt.part"));

  EXPECT_FALSE(kw::WriteProject(InFolder("no-such-folder") / "job.rpt", source, cut, map));
  EXPECT_FALSE(std::filesystem::exists(InFolder("no-such-folder")));
  std::filesystem::create_directory(InFolder("taken.rpt"));
  EXPECT_FALSE(kw::WriteProject(InFolder("taken.rpt"), source, cut, map));
  EXPECT_TRUE(std::filesystem::is_directory(InFolder("taken.rpt")));
  EXPECT_FALSE(std::filesystem::exists(InFolder("taken.rpt.part")));
}

TEST_F(ProjectFileTest, AReadOnlyFolderRefusesTheSave) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const auto locked = InFolder("locked");
  std::filesystem::create_directory(locked);
  ASSERT_TRUE(kw::WriteProject(locked / "job.rpt", target, cut, map));
  const Bytes old = FileBytes(locked / "job.rpt");
  chmod(locked.c_str(), 0555);
  EXPECT_FALSE(kw::WriteProject(locked / "job.rpt", source, cut, map));
  chmod(locked.c_str(), 0755);
  EXPECT_EQ(FileBytes(locked / "job.rpt"), old);
}

}  // namespace
