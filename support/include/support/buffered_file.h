// Buffered sequential reading of a file, one byte at a time, for the text
// readers: the file is read in blocks so a byte costs no system call.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kw {

class BufferedFile {
 public:
  static constexpr int kEnd = -1;  // Get/Peek result at the end of the file

  explicit BufferedFile(size_t blockSize = size_t{1} << 16) : buf_(blockSize) {}
  ~BufferedFile() { Close(); }
  BufferedFile(const BufferedFile&) = delete;
  BufferedFile& operator=(const BufferedFile&) = delete;

  // Opens a regular file read-only; false for a missing file or a folder.
  bool Open(const std::string& path) {
    Close();
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) {
      Close();
      return false;
    }
    pos_ = len_ = 0;
    failed_ = false;
    return true;
  }

  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

  bool IsOpen() const { return fd_ >= 0; }
  // True after a read error; the file then reads as ended.
  bool Failed() const { return failed_; }

  int Get() { return pos_ < len_ ? buf_[pos_++] : Refill(true); }
  int Peek() { return pos_ < len_ ? buf_[pos_] : Refill(false); }
  bool AtEnd() { return Peek() == kEnd; }

  // The bytes read ahead and not yet taken; empty only at the end of the file.
  // Lets a reader scan a run of bytes without a call per byte.
  std::span<const uint8_t> Window() {
    if (pos_ == len_) Refill(false);
    return std::span<const uint8_t>(buf_.data() + pos_, len_ - pos_);
  }
  // Takes n bytes of the window.
  void Advance(size_t n) { pos_ += std::min(n, len_ - pos_); }

 private:
  int Refill(bool take) {
    if (fd_ < 0 || failed_) return kEnd;
    ssize_t n = 0;
    do {
      n = ::read(fd_, buf_.data(), buf_.size());
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
      failed_ = n < 0;
      pos_ = len_ = 0;
      return kEnd;
    }
    len_ = static_cast<size_t>(n);
    pos_ = take ? 1 : 0;
    return buf_[0];
  }

  std::vector<uint8_t> buf_;
  size_t pos_ = 0;
  size_t len_ = 0;
  int fd_ = -1;
  bool failed_ = false;
};

}  // namespace kw
