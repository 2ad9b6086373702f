// The controller's command codes: the first byte of a request's data part.
// One table for the link and the simulated controller, grouped by range as
// the controller sorts them.
#pragma once

#include <cstdint>

namespace kw::axisnet::command {

// 0x00-0x0F: inputs, outputs, marks and limits.
inline constexpr uint8_t kVersion = 0x00;         // reply: firmware version word
inline constexpr uint8_t kConnect = 0x01;         // data: 1
inline constexpr uint8_t kDisconnect = 0x02;
inline constexpr uint8_t kSetMarkB = 0x03;        // data: word
inline constexpr uint8_t kGetMarkB = 0x04;        // reply: word
inline constexpr uint8_t kSetOutput = 0x05;       // data: output, value
inline constexpr uint8_t kGetInputs = 0x06;       // reply: word
inline constexpr uint8_t kGetOutputs = 0x07;      // reply: word
inline constexpr uint8_t kSetCapture = 0x08;      // data: 4 bytes
inline constexpr uint8_t kGetCapture = 0x09;      // data: axis; reply: long
inline constexpr uint8_t kSetRegisterA = 0x0A;    // data: word
inline constexpr uint8_t kSetLimitMode = 0x0B;    // data: 16 bytes

// 0x10-0x3F: motion and status.
inline constexpr uint8_t kMove = 0x10;            // data: axis, distance, start speed, acceleration, speed
inline constexpr uint8_t kDecelerateStop = 0x11;  // data: axis
inline constexpr uint8_t kSuddenStop = 0x12;      // data: axis
inline constexpr uint8_t kLimitDisable = 0x13;    // data: flag
inline constexpr uint8_t kSetPosition = 0x20;     // data: axis, long
inline constexpr uint8_t kGetPositions = 0x30;    // reply: four longs and a trailing word
inline constexpr uint8_t kMotionStatus = 0x31;    // reply: word of busy bits
inline constexpr uint8_t kSynData = 0x32;         // reply: long, records still queued
inline constexpr uint8_t kJoystick = 0x33;        // reply: key byte, value word

// 0x40-0x7F: batches.
inline constexpr uint8_t kSegments = 0x40;        // data: encoded segments; reply: count taken
inline constexpr uint8_t kSettings = 0x41;        // data: batch settings longs
inline constexpr uint8_t kRecords = 0x42;         // data: encoded records; reply: count taken
inline constexpr uint8_t kBufferMark = 0x43;      // data: 0 batch begins, 1 everything handed over
inline constexpr uint8_t kBatchStart = 0x55;
inline constexpr uint8_t kBatchStop = 0x56;
inline constexpr uint8_t kBeginPoint = 0x57;      // data: begin point longs

// 0x80-0xFF: configuration.
inline constexpr uint8_t kSynAxisConfig = 0x80;   // data: four longs
inline constexpr uint8_t kSynOutputConfig = 0x81; // data: 6 bytes
inline constexpr uint8_t kStartIoConfig = 0x82;   // data: 3 bytes
inline constexpr uint8_t kRecordInfo = 0x83;      // data: byte
inline constexpr uint8_t kGetRecordInfo = 0x84;   // reply: byte, four positions, records queued
inline constexpr uint8_t kSetAddress = 0x85;      // data: 4 octets

}  // namespace kw::axisnet::command
