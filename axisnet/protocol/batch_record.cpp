#include "axisproto/batch_record.h"

#include <stdexcept>

#include "support/byte_reader.h"
#include "support/byte_writer.h"

namespace kw::axisnet {

std::vector<uint8_t> EncodeRecords(std::span<const BatchRecord> records) {
  if (records.size() > kMaxRecordsPerFrame) throw std::length_error("too many records for one frame");
  ByteWriter w;
  w.Reserve(1 + records.size() * kRecordBytes);
  w.U8(static_cast<uint8_t>(records.size()));
  for (const BatchRecord& r : records) {
    w.I32(r.x);
    w.I32(r.y);
    w.I32(r.z);
    w.I32(r.auxiliary);
    w.I32(r.speed);
  }
  return w.Take();
}

std::vector<BatchRecord> DecodeRecords(std::span<const uint8_t> data) {
  ByteReader r(data);
  const uint8_t count = r.U8();
  r.Require(count, kRecordBytes);
  std::vector<BatchRecord> records(count);
  for (BatchRecord& rec : records) {
    rec.x = r.I32();
    rec.y = r.I32();
    rec.z = r.I32();
    rec.auxiliary = r.I32();
    rec.speed = r.I32();
  }
  return records;
}

}  // namespace kw::axisnet
