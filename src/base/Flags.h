// Bitwise operators for the scoped enums whose enumerators are single bits, so that a set
// of them reads `SlideField::Picture | SlideField::Caption`. An enum takes part by saying
// so next to its declaration: `template <> inline constexpr bool kIsFlagEnum<E> = true;`.
#pragma once

#include <type_traits>

namespace lrw {

template <typename E>
inline constexpr bool kIsFlagEnum = false;

template <typename E>
concept FlagEnum = std::is_enum_v<E> && kIsFlagEnum<E>;

// The number behind an enum, for the places where it crosses a boundary (a file, a toolkit).
template <typename E>
requires std::is_enum_v<E>
constexpr std::underlying_type_t<E> ToUnderlying(E e) {
  return static_cast<std::underlying_type_t<E>>(e);
}

template <FlagEnum E>
constexpr E operator|(E a, E b) {
  return static_cast<E>(ToUnderlying(a) | ToUnderlying(b));
}

template <FlagEnum E>
constexpr E operator&(E a, E b) {
  return static_cast<E>(ToUnderlying(a) & ToUnderlying(b));
}

template <FlagEnum E>
constexpr E& operator|=(E& a, E b) {
  return a = a | b;
}

// Whether `set` holds any of the bits of `flags`.
template <FlagEnum E>
constexpr bool HasAny(E set, E flags) {
  return ToUnderlying(set & flags) != 0;
}

}  // namespace lrw
