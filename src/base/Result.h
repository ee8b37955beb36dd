// The one way an operation fails: it returns a Result that holds either its value or an
// Error. The interface is std::expected's (C++23), so the day the compiler offers it this
// header becomes a pair of aliases and no caller changes.
#pragma once

#include <cassert>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace lrw {

// What a caller may branch on. Most callers only show the text; a kind is added here
// only when some caller acts differently on it.
enum class ErrorKind {
  Failed,        // anything else: the text says what
  CannotOpen,    // the file is missing or unreadable
  NotAShowFile,  // no show file signature
  Damaged,       // read up to damage (the value, where there is one, says how far)
  NotHandled,    // not a format this reader knows; no text for the user
  TooLarge,      // refused before decoding: it would need more memory than allowed
  Refused,       // the input breaks a rule the user can fix (a name, an option)
  Cancelled,     // the user stopped it; nothing to report
};

struct Error {
  ErrorKind kind = ErrorKind::Failed;
  std::string message;  // for the user, exactly as shown (UTF-8); may be empty for NotHandled

  Error() = default;
  explicit Error(std::string text) : message(std::move(text)) {}
  Error(ErrorKind k, std::string text) : kind(k), message(std::move(text)) {}
  bool operator==(const Error&) const = default;
};

// std::unexpected's counterpart.
template <typename E>
class Unexpected {
 public:
  explicit Unexpected(E e) : error_(std::move(e)) {}
  const E& error() const& { return error_; }
  E&& error() && { return std::move(error_); }

 private:
  E error_;
};

inline Unexpected<Error> Fail(std::string text) {
  return Unexpected<Error>(Error(std::move(text)));
}
inline Unexpected<Error> Fail(ErrorKind kind, std::string text = {}) {
  return Unexpected<Error>(Error(kind, std::move(text)));
}
inline Unexpected<Error> Fail(Error error) {
  return Unexpected<Error>(std::move(error));
}

template <typename T, typename E = Error>
class [[nodiscard]] Result {
 public:
  using value_type = T;
  using error_type = E;

  Result() requires std::is_default_constructible_v<T> : state_(std::in_place_index<0>) {}
  Result(const T& value) : state_(std::in_place_index<0>, value) {}
  Result(T&& value) : state_(std::in_place_index<0>, std::move(value)) {}
  template <typename U>
  requires(std::is_constructible_v<T, U&&> && !std::is_same_v<std::remove_cvref_t<U>, T> &&
           !std::is_same_v<std::remove_cvref_t<U>, Result>) Result(U&& value)
      : state_(std::in_place_index<0>, std::forward<U>(value)) {}
  template <typename G>
  Result(Unexpected<G> failure) : state_(std::in_place_index<1>, std::move(failure).error()) {}

  bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }

  T& value() & { return *Checked(); }
  const T& value() const& { return *Checked(); }
  T&& value() && { return std::move(*Checked()); }
  T& operator*() & { return *Checked(); }
  const T& operator*() const& { return *Checked(); }
  T&& operator*() && { return std::move(*Checked()); }
  T* operator->() { return Checked(); }
  const T* operator->() const { return Checked(); }
  template <typename U>
  T value_or(U&& fallback) const& {
    return has_value() ? std::get<0>(state_) : static_cast<T>(std::forward<U>(fallback));
  }

  const E& error() const& {
    assert(!has_value());
    return std::get<1>(state_);
  }
  E& error() & {
    assert(!has_value());
    return std::get<1>(state_);
  }
  E&& error() && {
    assert(!has_value());
    return std::get<1>(std::move(state_));
  }

 private:
  T* Checked() {
    assert(has_value());
    return &std::get<0>(state_);
  }
  const T* Checked() const {
    assert(has_value());
    return &std::get<0>(state_);
  }
  std::variant<T, E> state_;
};

template <typename E>
class [[nodiscard]] Result<void, E> {
 public:
  using value_type = void;
  using error_type = E;

  Result() = default;
  template <typename G>
  Result(Unexpected<G> failure) : error_(std::move(failure).error()), failed_(true) {}

  bool has_value() const { return !failed_; }
  explicit operator bool() const { return has_value(); }
  void value() const { assert(has_value()); }

  const E& error() const& {
    assert(failed_);
    return error_;
  }
  E&& error() && {
    assert(failed_);
    return std::move(error_);
  }

 private:
  E error_{};
  bool failed_ = false;
};

}  // namespace lrw
