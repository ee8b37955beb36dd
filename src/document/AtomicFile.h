// Replacing a file so that a failure never leaves it half written.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lrw {

// Writes `bytes` to a new file beside `path`, flushes it to the disk and renames it
// over `path`. On any failure the old file (if any) is untouched, the temporary file
// is removed, and the user-facing error text is returned. A replaced file keeps its
// permission bits; a symbolic link is followed and its target replaced.
std::optional<std::string> WriteFileAtomically(const std::string& path,
                                               std::span<const uint8_t> bytes);

}  // namespace lrw
