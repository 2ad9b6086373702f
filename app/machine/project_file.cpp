#include "machine/project_file.h"

#include <algorithm>
#include <array>
#include <optional>

#include "support/byte_reader.h"
#include "support/byte_writer.h"
#include "support/file_replace.h"

namespace kw {
namespace {

constexpr std::array<uint8_t, 4> kMagic{0x57, 0x45, 0x4C, 0x00};  // "WEL\0"
constexpr int32_t kWrittenVersion = 3;
constexpr int32_t kDocumentOnlyVersion = 2;

void PutBlock(ByteWriter& out, const std::vector<uint8_t>& block, int32_t size) {
  out.I32(size);
  if (size > 0) out.Bytes(std::span(block).first(std::min(static_cast<size_t>(size), block.size())));
}

// The blocks of a project, empty where absent.
struct ProjectBlocks {
  std::span<const uint8_t> document, cutLayers, layerMap;
};

std::span<const uint8_t> TakeBlock(ByteReader& in) {
  const int32_t length = in.I32();
  if (length <= 0) return {};
  return in.Bytes(static_cast<uint64_t>(length));
}

// A file shorter than the magic is still "not a project" when the bytes it
// has differ from it; only a true beginning of a project counts as cut short.
bool StartsLikeProject(std::span<const uint8_t> bytes) {
  const size_t n = std::min(bytes.size(), kMagic.size());
  return std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n), kMagic.begin());
}

// Nothing for a wrong magic or version; throws ReadPastEnd when the file ends
// before a length field or a block does.
std::optional<ProjectBlocks> SplitProject(std::span<const uint8_t> bytes) {
  if (!StartsLikeProject(bytes)) return std::nullopt;
  ByteReader in(bytes);
  in.Skip(kMagic.size());
  const int32_t version = in.I32();
  if (version != kDocumentOnlyVersion && version != kWrittenVersion) return std::nullopt;
  ProjectBlocks blocks;
  blocks.document = TakeBlock(in);
  if (version == kWrittenVersion) {
    blocks.cutLayers = TakeBlock(in);
    blocks.layerMap = TakeBlock(in);
  }
  return blocks;
}

// True when the document refused its block.
bool DocumentRefuses(kw::pathcore::CPathObj& doc, std::span<const uint8_t> block) {
  std::vector<uint8_t> image(block.begin(), block.end());
  return doc.SetBin(image, static_cast<int32_t>(image.size())) != 0;
}

// True when a layer table refused its block; the tables answer True for a refusal.
template <typename Table>
bool TableRefuses(Table& table, std::span<const uint8_t> block) {
  return !block.empty() && table.SetBin(block, static_cast<int32_t>(block.size()));
}

}  // namespace

std::vector<uint8_t> ProjectImage(kw::pathcore::CPathObj& doc, const CCutLayer& cutLayers, const CLayerMap& layerMap) {
  ByteWriter out;
  out.Bytes(kMagic);
  out.I32(kWrittenVersion);
  std::vector<uint8_t> block;
  int32_t size = 0;
  doc.GetBin(block, size);
  PutBlock(out, block, size);
  cutLayers.GetBin(block, size);
  PutBlock(out, block, size);
  layerMap.GetBin(block, size);
  PutBlock(out, block, size);
  return out.Take();
}

ProjectRead LoadProjectImage(std::span<const uint8_t> bytes, kw::pathcore::CPathObj& doc, CCutLayer& cutLayers,
                             CLayerMap& layerMap) {
  std::optional<ProjectBlocks> blocks;
  try {
    blocks = SplitProject(bytes);
  } catch (const ReadPastEnd&) {
    return ProjectRead::Truncated;
  }
  if (!blocks) return ProjectRead::NotAProject;
  if (!blocks->document.empty() && DocumentRefuses(doc, blocks->document)) return ProjectRead::BlockRefused;
  const bool refused = TableRefuses(cutLayers, blocks->cutLayers) || TableRefuses(layerMap, blocks->layerMap);
  // A refused table still leaves a loaded document behind, whose selection
  // bounds must match what it now holds.
  doc.ZLSelLmt();
  return refused ? ProjectRead::BlockRefused : ProjectRead::Loaded;
}

bool WriteProject(const std::filesystem::path& file, kw::pathcore::CPathObj& doc, const CCutLayer& cutLayers,
                  const CLayerMap& layerMap) {
  return WriteFileReplacing(file, ProjectImage(doc, cutLayers, layerMap));
}

ProjectRead ReadProject(const std::filesystem::path& file, kw::pathcore::CPathObj& doc, CCutLayer& cutLayers,
                        CLayerMap& layerMap) {
  const auto bytes = ReadWholeFile(file);
  if (!bytes) return ProjectRead::CannotRead;
  return LoadProjectImage(*bytes, doc, cutLayers, layerMap);
}

}  // namespace kw
