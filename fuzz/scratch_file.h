// A private temporary file for readers that only take a file name: each input
// is written over it, and it is removed when the process ends.
#pragma once

#include <string>

#include "fuzz/fuzz_targets.h"

namespace kw::fuzz {

class ScratchFile {
 public:
  // suffix is the name's extension, for readers that choose by it.
  explicit ScratchFile(const std::string& suffix);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // Replaces the file's contents with input and returns its name.
  const std::string& Write(Bytes input);
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

}  // namespace kw::fuzz
