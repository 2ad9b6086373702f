// CDst: the reader of Tajima DST embroidery files. Each run of stitches
// becomes a polyline in millimetres.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kw::pathcore {

class CDstEvents {
 public:
  virtual ~CDstEvents() = default;
  // Points at 1..n (element 0 unused), millimetres.
  virtual void OutPolyLine(std::vector<double>& X, std::vector<double>& Y) { (void)X, (void)Y; }
  // After the last polyline of the file.
  virtual void OutEnd() {}
};

class CDst {
 public:
  static constexpr size_t kHeaderBytes = 512;  // not interpreted
  static constexpr double kMmPerStep = 0.1;

  void SetEvents(CDstEvents* sink) { events_ = sink; }

  // 0 when the file was read to the end, -1 on a file error.
  int16_t DstInput(const std::string& FileName);

  // Reads the records after the header. A last record cut short by the end of
  // the file is ignored.
  void ReadRecords(std::span<const uint8_t> file);

 private:
  void RaiseIfLine();

  CDstEvents* events_ = nullptr;
  std::vector<double> X, Y;
};

// The move of one record in 0.1 mm steps, by the Tajima bit assignment.
void DstRecordMove(uint8_t b1, uint8_t b2, uint8_t b3, int32_t& dx, int32_t& dy);

}  // namespace kw::pathcore
