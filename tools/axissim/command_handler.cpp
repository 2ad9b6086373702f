#include "axissim/command_handler.h"

#include <stdexcept>

#include "axisproto/big_endian.h"
#include "axisproto/command_codes.h"

namespace kw::axissim {
namespace {

namespace command = axisnet::command;
using axisnet::PutBe16;
using axisnet::PutBe32;
using axisnet::ReadBe16;
using axisnet::ReadBe32;

struct UnknownCommand : std::runtime_error {
  UnknownCommand() : std::runtime_error("unknown command") {}
};

std::vector<uint8_t> Word(uint16_t value) {
  ByteWriter w;
  PutBe16(w, value);
  return w.Take();
}

std::vector<uint8_t> Long(int32_t value) {
  ByteWriter w;
  PutBe32(w, value);
  return w.Take();
}

template <size_t N>
void ReadBytes(ByteReader& r, std::array<uint8_t, N>& out) {
  for (uint8_t& b : out) b = r.U8();
}

template <size_t N>
void ReadLongs(ByteReader& r, std::array<int32_t, N>& out) {
  for (int32_t& v : out) v = ReadBe32(r);
}

}  // namespace

std::optional<std::vector<uint8_t>> CommandHandler::Handle(const axisnet::Request& request) {
  try {
    std::vector<uint8_t> reply = Dispatch(request);
    ++state_.requests[request.command];
    return reply;
  } catch (const ReadPastEnd&) {
    return std::nullopt;
  } catch (const UnknownCommand&) {
    return std::nullopt;
  }
}

std::vector<uint8_t> CommandHandler::Dispatch(const axisnet::Request& request) {
  ByteReader r(request.data);
  if (request.command < 0x10) return InputsAndMarks(request.command, r);
  if (request.command < 0x40) return Motion(request.command, r);
  if (request.command < 0x80) return Batch(request, r);
  return Configuration(request.command, r);
}

std::vector<uint8_t> CommandHandler::InputsAndMarks(uint8_t command, ByteReader& r) {
  switch (command) {
    case command::kVersion: return Word(version_);
    case command::kConnect: state_.connected = r.U8() == 1; return {};
    case command::kDisconnect: state_.connected = false; return {};
    case command::kSetMarkB: state_.pc_mark_b = static_cast<int16_t>(ReadBe16(r)); return {};
    case command::kGetMarkB: return Word(static_cast<uint16_t>(state_.pc_mark_b));
    case command::kSetOutput: {
      const uint16_t bit = static_cast<uint16_t>(1u << (r.U8() & 0x0F));
      state_.outputs = r.U8() != 0 ? (state_.outputs | bit) : (state_.outputs & ~bit);
      return {};
    }
    case command::kGetInputs: return Word(state_.inputs | machine_.LimitBits());
    case command::kGetOutputs: return Word(state_.outputs);
    case command::kSetCapture: ReadBytes(r, state_.capture_unit); return {};
    case command::kGetCapture: return Long(machine_.Position(r.U8()));
    case command::kSetRegisterA: state_.register_a = ReadBe16(r); return {};
    case command::kSetLimitMode: ReadBytes(r, state_.limit_mode); return {};
    default: throw UnknownCommand();
  }
}

std::vector<uint8_t> CommandHandler::Motion(uint8_t command, ByteReader& r) {
  switch (command) {
    case command::kMove: {
      const uint8_t axis = r.U8();
      std::array<int32_t, 4> v{};  // distance, start speed, acceleration, speed
      ReadLongs(r, v);
      machine_.Move(axis, v[0], v[1], v[2], v[3]);
      return {};
    }
    case command::kDecelerateStop:
    case command::kSuddenStop: machine_.Stop(r.U8()); return {};
    case command::kLimitDisable: machine_.SetLimitsDisabled(r.U8() != 0); return {};
    case command::kSetPosition: {
      const uint8_t axis = r.U8();
      machine_.SetPosition(axis, ReadBe32(r));
      return {};
    }
    case command::kGetPositions: return Positions();
    case command::kMotionStatus: return Word(machine_.MotionBits());
    case command::kSynData: return Long(static_cast<int32_t>(machine_.BatchQueued()));
    case command::kJoystick: {
      ByteWriter w;
      w.U8(state_.pendant_key);
      PutBe16(w, static_cast<uint16_t>(state_.pendant_value));
      return w.Take();
    }
    default: throw UnknownCommand();
  }
}

std::vector<uint8_t> CommandHandler::Batch(const axisnet::Request& request, ByteReader& r) {
  switch (request.command) {
    case command::kSegments:
    case command::kRecords: return TakeBatchFrame(request);
    case command::kSettings:
      ReadLongs(r, state_.batch_settings);
      machine_.SetBatchRamp(state_.batch_settings[0], state_.batch_settings[2]);
      return {};
    case command::kBufferMark:
      if (r.U8() == 0) {
        state_.batch_end_marked = false;
        last_batch_frame_ = {};
        last_batch_taken_ = 0;
      } else {
        state_.batch_end_marked = true;
      }
      return {};
    case command::kBatchStart: state_.batch_open = true; return {};
    case command::kBatchStop: state_.batch_open = false; return {};
    case command::kBeginPoint: ReadLongs(r, state_.batch_begin); return {};
    default: throw UnknownCommand();
  }
}

std::vector<uint8_t> CommandHandler::Configuration(uint8_t command, ByteReader& r) {
  switch (command) {
    case command::kSynAxisConfig: ReadLongs(r, state_.syn_axis_config); return {};
    case command::kSynOutputConfig: r.Skip(6); return {};
    case command::kStartIoConfig: r.Skip(3); return {};
    case command::kRecordInfo: state_.record_info = r.U8(); return {};
    case command::kGetRecordInfo: {
      ByteWriter w;
      w.U8(state_.record_info);
      for (int axis = 1; axis <= 4; ++axis) PutBe32(w, machine_.Position(axis));
      PutBe32(w, static_cast<int32_t>(machine_.BatchQueued()));
      return w.Take();
    }
    case command::kSetAddress: ReadBytes(r, state_.new_address); return {};
    default: throw UnknownCommand();
  }
}

std::vector<uint8_t> CommandHandler::TakeBatchFrame(const axisnet::Request& request) {
  if (last_batch_taken_ > 0 && request.command == last_batch_frame_.command &&
      request.data == last_batch_frame_.data) {
    ++state_.repeats_recognised;
    return {last_batch_taken_};
  }
  size_t taken = 0;
  if (request.command == command::kRecords) {
    const auto records = axisnet::DecodeRecords(request.data);
    taken = machine_.QueueRecords(records);
    state_.records_taken.insert(state_.records_taken.end(), records.begin(), records.begin() + taken);
  } else {
    const auto segments = axisnet::DecodeSegments(request.data);
    taken = machine_.QueueSegments(segments);
    state_.segments_taken.insert(state_.segments_taken.end(), segments.begin(), segments.begin() + taken);
  }
  last_batch_frame_ = request;
  last_batch_taken_ = static_cast<uint8_t>(taken);
  return {last_batch_taken_};
}

std::vector<uint8_t> CommandHandler::Positions() const {
  ByteWriter w;
  for (int axis = 1; axis <= 4; ++axis) PutBe32(w, machine_.Position(axis));
  PutBe32(w, 0);  // the controller's trailing word, ignored by the host
  return w.Take();
}

}  // namespace kw::axissim
