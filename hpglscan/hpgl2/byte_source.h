// Where the HP-GL/2 reader takes its bytes from: a file read in blocks, or
// text in memory for callers that already hold it. Both read only forwards
// and answer kEnd past the last byte.
#pragma once

#include <cstddef>
#include <string_view>

#include "support/buffered_file.h"

namespace kw::hpglscan {

class ByteSource {
 public:
  static constexpr int kEnd = kw::BufferedFile::kEnd;
  virtual ~ByteSource() = default;
  virtual int Get() = 0;
};

class FileBytes : public ByteSource {
 public:
  explicit FileBytes(kw::BufferedFile& file) : file_(file) {}
  int Get() override { return file_.Get(); }

 private:
  kw::BufferedFile& file_;
};

class TextBytes : public ByteSource {
 public:
  explicit TextBytes(std::string_view text) : text_(text) {}
  int Get() override { return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_++]) : kEnd; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace kw::hpglscan
