// Reading a whole picture file into memory, with the errors a user can act on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lrw {

// The file's bytes. Raises DecodeError when it cannot be opened, is empty or is
// larger than kMaxPictureFileBytes.
std::vector<uint8_t> ReadPictureFile(const std::string& path);

}  // namespace lrw
