// Bounds-checked reading of a file image for the legacy decoders. A read past the end
// gives zeros (an empty span, an empty tag) and leaves the reader failed for good, so a
// truncated file is never read out of range, and a decoder reads a run of fields and
// looks once whether they were all there. Loops driven by the file's data stop on
// Failed(); a decoder that read past the end fails with Truncated(), whatever it made of
// the zeros.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/Result.h"
#include "import/DecodedPicture.h"

namespace lrw::formats {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  std::span<const uint8_t> Data() const { return data_; }
  size_t Position() const { return pos_; }
  size_t Size() const { return data_.size(); }
  size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ >= data_.size(); }
  // Whether some read went past the end.
  bool Failed() const { return failed_; }

  void Seek(size_t pos) {
    if (failed_ || pos > data_.size()) return MarkFailed();
    pos_ = pos;
  }
  void Skip(size_t n) {
    if (n > Remaining()) return MarkFailed();
    pos_ += n;
  }
  uint8_t U8() {
    if (AtEnd()) {
      MarkFailed();
      return 0;
    }
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
    if (n > Remaining()) {
      MarkFailed();
      return {};
    }
    const auto s = data_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  // The next n bytes as text (for chunk identifiers).
  std::string Tag(size_t n) {
    const auto b = Bytes(n);
    return std::string(b.begin(), b.end());
  }

 private:
  // Nothing after the first read past the end is read: the reader stays at the end.
  void MarkFailed() {
    failed_ = true;
    pos_ = data_.size();
  }

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
  bool failed_ = false;
};

// How a decoder fails when its file ends before its data does.
inline Unexpected<Error> Truncated() {
  return lrw::Fail("the file is truncated");
}

// The decoder's result, unless it read past the end of `in`: then the truncation is the
// reason, as it came before anything the decoder concluded from the zeros it read.
template <typename T>
Result<T> Finished(const ByteReader& in, Result<T> decoded) {
  if (in.Failed()) return Truncated();
  return decoded;
}

}  // namespace lrw::formats
