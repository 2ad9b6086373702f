/* Axisnet: the controller link library. Every function is one or more UDP
 * request/reply transactions with the motion controller, or a batch operation
 * fed by the library's own worker thread. Status results are 0 for success and
 * -1 for failure; outputs are written only on success. Functions marked "no
 * batch" refuse while a batch runs. One controller per process. */
#ifndef KERFWRIGHT_AXISNET_H
#define KERFWRIGHT_AXISNET_H

#include <stdint.h>

#if defined(AXISNET_BUILDING)
#define AXISNET_API __attribute__((visibility("default")))
#else
#define AXISNET_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Link (no batch for OpenPort, ClosePort, LinkConnect, LinkDisConnect). */
AXISNET_API int32_t OpenPort(const char* address, int32_t port);
AXISNET_API void ClosePort(void);
AXISNET_API int32_t LinkConnect(void);
AXISNET_API int32_t LinkDisConnect(void);
AXISNET_API int16_t GetLinkStatus(void);
AXISNET_API int32_t GetTimeOut(void);
AXISNET_API void SetTimeOut(uint32_t milliseconds);
AXISNET_API int16_t GetReSend(void);
AXISNET_API void SetReSend(int16_t count);
AXISNET_API int32_t GetErrPack(void);
AXISNET_API void SetErrPack(int32_t value);
AXISNET_API int32_t GetTimePack(void);
AXISNET_API void SetTimePack(int32_t value);
AXISNET_API int32_t Set_IPAddress(const uint8_t* octets);

/* Motion: positions and distances in pulses, speeds in pulses/s,
 * accelerations in pulses/s². Axes 1 to 4. */
AXISNET_API int32_t Pmove(int16_t axis, int32_t distance, int32_t start_speed, int32_t acceleration,
                          int32_t speed);
AXISNET_API int32_t dec_stop(int16_t axis);
AXISNET_API int32_t sudden_stop(int16_t axis);
AXISNET_API int32_t SetPosDev(int16_t axis, int32_t position);
AXISNET_API int32_t GetPosDev(int32_t* pos1, int32_t* pos2, int32_t* pos3, int32_t* pos4);
AXISNET_API int32_t GetMotionStatus(int32_t* status);
AXISNET_API int32_t GetSynData(int32_t* value);
AXISNET_API int32_t SynAxisConfig(int32_t a, int32_t b, int32_t c, int32_t d);
AXISNET_API int32_t Lmt_Disable(int32_t flag);
AXISNET_API int32_t SetLmtMode(int32_t b1, int32_t b2, int32_t b3, int32_t b4, int32_t b5, int32_t b6,
                               int32_t b7, int32_t b8, int32_t b9, int32_t b10, int32_t b11, int32_t b12,
                               int32_t b13, int32_t b14, int32_t b15, int32_t b16);

/* Batch. BatchBegin answers -1 when its worker thread cannot be started (no
 * batch runs then). A worker that fails ends its batch: BatchCmdAdd then
 * answers -1 instead of 1 (full), and BatchEnd answers -1, once. */
AXISNET_API void SetLayoutMode(int16_t mode);
AXISNET_API int16_t GetLayoutMode(void);
AXISNET_API int16_t BatchSetting(int32_t start_speed, int32_t acceleration, int32_t third_setting);
AXISNET_API int16_t BatchCmdClr(void);
AXISNET_API int32_t BatchBegin(int32_t x, int32_t y, int32_t z);
AXISNET_API int16_t BatchCmdAdd(int32_t x, int32_t y, int32_t z, int32_t speed, int32_t auxiliary);
AXISNET_API void SetBufOk(void);
AXISNET_API int32_t BatchEnd(void);
AXISNET_API int16_t GetBatchMode(void);

/* Inputs and outputs. */
AXISNET_API int32_t SetGpOut(int32_t output, int32_t value);
AXISNET_API int32_t GetGpOut(int32_t* bits);
AXISNET_API int32_t GetGpIn(int32_t* bits);
AXISNET_API int32_t SynGPOUTConfig(int32_t value, int32_t b, int32_t c);
AXISNET_API int32_t Start_IOConfig(int32_t a, int32_t b, int32_t c);

/* Capture, mark and record. */
AXISNET_API int32_t SetCapUnit(int32_t a, int32_t b, int32_t c, int32_t d);
AXISNET_API int32_t GetCapPos(int32_t channel, int32_t* position);
AXISNET_API int32_t SetModRegA(int16_t value);
AXISNET_API int32_t SetPCMarkB(int16_t value);
AXISNET_API int32_t GetPCMarkB(int16_t* value);
AXISNET_API int32_t RecordInfo(int32_t value);
AXISNET_API int32_t GetRecordInfo(int16_t* kind, int32_t* v1, int32_t* v2, int32_t* v3, int32_t* v4,
                                  int32_t* v5);

/* Status and version. */
AXISNET_API int32_t GetSysVerDev(int16_t* version);
AXISNET_API int32_t GetJoyData(uint8_t* key, int16_t* value);

/* Where the library's trace lines go (stderr when sink is null). Not one of
 * the controller functions: a hook for logs and tests. */
typedef void (*AxisnetTraceSink)(const char* line, void* context);
AXISNET_API void AxisnetSetTraceSink(AxisnetTraceSink sink, void* context);

#ifdef __cplusplus
}
#endif

#endif
