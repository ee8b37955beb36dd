// Bounds-checked reading of a file image for the legacy decoders: every read past
// the end raises DecodeError, so a truncated file can never be read out of range.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "import/DecodedPicture.h"
#include "import/formats/DecodeError.h"

namespace lrw::formats {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  size_t Position() const { return pos_; }
  size_t Size() const { return data_.size(); }
  size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ >= data_.size(); }

  void Seek(size_t pos) {
    if (pos > data_.size()) Truncated();
    pos_ = pos;
  }
  void Skip(size_t n) {
    if (n > Remaining()) Truncated();
    pos_ += n;
  }
  uint8_t U8() {
    if (pos_ >= data_.size()) Truncated();
    return data_[pos_++];
  }
  uint16_t U16LE() {
    const uint16_t lo = U8();
    return static_cast<uint16_t>(lo | (U8() << 8));
  }
  uint16_t U16BE() {
    const uint16_t hi = U8();
    return static_cast<uint16_t>((hi << 8) | U8());
  }
  uint32_t U32BE() {
    const uint32_t hi = U16BE();
    return (hi << 16) | U16BE();
  }
  std::span<const uint8_t> Bytes(size_t n) {
    if (n > Remaining()) Truncated();
    const auto s = data_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  // The next n bytes as text (for chunk identifiers).
  std::string Tag(size_t n) {
    const auto b = Bytes(n);
    return std::string(b.begin(), b.end());
  }

  [[noreturn]] static void Truncated() { throw DecodeError("the file is truncated"); }

 private:
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

}  // namespace lrw::formats
