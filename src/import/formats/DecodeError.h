// How our own decoders fail inside: they read deep into a file through ByteReader, and a
// failure anywhere leaves by this exception. It never passes a decoder's public entry,
// which turns it into an Error with Guarded; nothing outside import/formats sees it.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

#include "base/Result.h"

namespace lrw::formats {

// What() is the reason, written for the user.
class DecodeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A check's failure as the decoder's own.
inline void Require(const Result<void>& check) {
  if (!check) throw DecodeError(check.error().message);
}

// The value `decode` gives, or the reason it raised.
template <typename Decode>
auto Guarded(Decode&& decode) -> Result<decltype(decode())> {
  try {
    return std::forward<Decode>(decode)();
  } catch (const DecodeError& e) {
    return Fail(e.what());
  }
}

}  // namespace lrw::formats
