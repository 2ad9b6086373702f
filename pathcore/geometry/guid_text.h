// New random document identifiers (RFC 4122 version 4 GUIDs) in text form.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kw::pathcore {

// A new GUID as braced upper-case text: "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
std::string NewGuidText();

// Writes the 32 hexadecimal digits of a new GUID, without braces or dashes, as
// ANSI codes into bytes[0..31]; the rest of bytes is left alone. Throws
// std::invalid_argument when bytes holds fewer than 32 elements.
void GuidBytes(std::span<uint8_t> bytes);

}  // namespace kw::pathcore
