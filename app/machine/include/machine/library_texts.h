// The fixed texts the document libraries raise themselves (their Message
// events and progress steps), in the user's language: the host looks each up
// in section "LIBRARY" of the language file in use.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kw {

// The language-file key of a library text, in its Chinese or its English
// wording ("DxfVersion", "PltOpenFailed", ...); nothing for any other text.
std::optional<std::string_view> LibraryTextKey(std::string_view text);

// The text in the language in use. A text the libraries do not raise, or one
// the language file lacks, comes back as it was given.
std::string LibraryText(std::string_view text);

}  // namespace kw
