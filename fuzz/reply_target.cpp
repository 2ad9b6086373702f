// The controller link's side of the wire: replies assembled byte by byte as
// the link receives them, and the same bytes taken as a request frame as the
// simulated controller does.
#include <array>

#include "axisproto/batch_record.h"
#include "axisproto/batch_segment.h"
#include "axisproto/big_endian.h"
#include "axisproto/command_codes.h"
#include "axisproto/frame.h"
#include "fuzz/fuzz_targets.h"
#include "reply_parser.h"
#include "support/byte_reader.h"
#include "value_sink.h"

namespace kw::fuzz {
namespace {

namespace net = kw::axisnet;

// Reads a finished reply's data as the link's getters do: big-endian words
// and longs, which a short reply refuses with ReadPastEnd.
void ReadReplyData(const net::ReplyParser& parser) {
  Keep(parser.Status() + parser.Command());
  kw::ByteReader in(parser.Data());
  try {
    Keep(net::ReadBe16(in));
    while (!in.AtEnd()) Keep(net::ReadBe32(in));
  } catch (const kw::ReadPastEnd&) {
  }
}

// The batch data fields, which a short field refuses with ReadPastEnd.
void DecodeBatchField(uint8_t command, Bytes data) {
  try {
    if (command == net::command::kRecords) {
      for (const auto& r : net::DecodeRecords(data)) KeepAll(std::array{r.x, r.y, r.z, r.auxiliary, r.speed});
    } else if (command == net::command::kSegments) {
      for (const auto& s : net::DecodeSegments(data)) KeepAll(std::array{s.x, s.y, s.z, s.speed_or_length, s.auxiliary});
    }
  } catch (const kw::ReadPastEnd&) {
  }
}

void ReadRequest(Bytes input) {
  if (const auto request = net::ParseRequest(input)) DecodeBatchField(request->command, request->data);
  // The checksum keeps most inputs away from the decoders: they also get the bytes bare.
  if (!input.empty()) DecodeBatchField(input[0] & 1 ? net::command::kRecords : net::command::kSegments, input.subspan(1));
}

}  // namespace

void FuzzReply(Bytes input) {
  net::ReplyParser parser;
  for (uint8_t byte : input) {
    parser.Feed(byte);
    if (!parser.Complete()) continue;
    ReadReplyData(parser);
    parser.Reset();  // the link's next transaction
  }
  ReadRequest(input);
}

}  // namespace kw::fuzz
