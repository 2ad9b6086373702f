// The functions of the controller link library that this program calls, with
// their C signatures: X(result, name, (parameters), (arguments)). Integers are
// 32-bit, shorts 16-bit; byte arguments travel as the low 8 bits of an int;
// out-parameters are pointers to the caller's variables.
#pragma once

#include <cstdint>

#define KW_AXISNET_FUNCTIONS(X)                                                                  \
  X(int, OpenPort, (const char* address, int port), (address, port))                             \
  X(void, ClosePort, (), ())                                                                     \
  X(int, LinkConnect, (), ())                                                                    \
  X(int, LinkDisConnect, (), ())                                                                 \
  X(int, SetPosDev, (short axis, int position), (axis, position))                                \
  X(int, Pmove, (short axis, int distance, int startSpeed, int acceleration, int speed),         \
    (axis, distance, startSpeed, acceleration, speed))                                           \
  X(short, BatchSetting, (int startSpeed, int acceleration, int third),                          \
    (startSpeed, acceleration, third))                                                           \
  X(int, GetMotionStatus, (int* status), (status))                                               \
  X(int, GetPosDev, (int* pos1, int* pos2, int* pos3, int* pos4), (pos1, pos2, pos3, pos4))      \
  X(int, GetSynData, (int* value), (value))                                                      \
  X(int, GetSysVerDev, (short* version), (version))                                              \
  X(int, BatchEnd, (), ())                                                                       \
  X(int, Lmt_Disable, (int flag), (flag))                                                        \
  X(int, dec_stop, (short axis), (axis))                                                         \
  X(int, sudden_stop, (short axis), (axis))                                                      \
  X(short, BatchCmdAdd, (int x, int y, int z, int speed, int aux), (x, y, z, speed, aux))        \
  X(short, BatchCmdClr, (), ())                                                                  \
  X(int, BatchBegin, (int x, int y, int z), (x, y, z))                                           \
  X(int, GetTimeOut, (), ())                                                                     \
  X(void, SetTimeOut, (unsigned int milliseconds), (milliseconds))                               \
  X(short, GetReSend, (), ())                                                                    \
  X(void, SetReSend, (short count), (count))                                                     \
  X(short, GetLinkStatus, (), ())                                                                \
  X(int, GetErrPack, (), ())                                                                     \
  X(void, SetErrPack, (int value), (value))                                                      \
  X(int, GetTimePack, (), ())                                                                    \
  X(void, SetTimePack, (int value), (value))                                                     \
  X(short, GetBatchMode, (), ())                                                                 \
  X(short, GetLayoutMode, (), ())                                                                \
  X(void, SetLayoutMode, (short mode), (mode))                                                   \
  X(int, GetCapPos, (int channel, int* position), (channel, position))                           \
  X(void, SetBufOk, (), ())                                                                      \
  X(int, SynAxisConfig, (int a, int b, int c, int d), (a, b, c, d))                              \
  X(int, GetGpIn, (int* bits), (bits))                                                           \
  X(int, GetGpOut, (int* bits), (bits))                                                          \
  X(int, SetGpOut, (int output, int value), (output, value))                                     \
  X(int, SetLmtMode,                                                                             \
    (int b1, int b2, int b3, int b4, int b5, int b6, int b7, int b8, int b9, int b10, int b11,   \
     int b12, int b13, int b14, int b15, int b16),                                               \
    (b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12, b13, b14, b15, b16))                     \
  X(int, SetCapUnit, (int a, int b, int c, int d), (a, b, c, d))                                 \
  X(int, SetModRegA, (short value), (value))                                                     \
  X(int, SetPCMarkB, (short value), (value))                                                     \
  X(int, GetPCMarkB, (short* value), (value))                                                    \
  X(int, GetJoyData, (uint8_t* key, short* value), (key, value))                                 \
  X(int, GetRecordInfo, (short* kind, int* v1, int* v2, int* v3, int* v4, int* v5),              \
    (kind, v1, v2, v3, v4, v5))                                                                  \
  X(int, RecordInfo, (int value), (value))                                                       \
  X(int, Set_IPAddress, (const uint8_t* octets), (octets))
