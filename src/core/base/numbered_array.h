#pragma once
// A fixed array numbered as the program numbers things: photo-folder slots
// 1..3, panorama panes 1..4, strip cells 1..47. Indexing takes the number
// itself, so callers need no casts and no unused element 0; a number outside
// the range is a fault of the program and throws std::out_of_range.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace lumetta {

template <typename T, std::int32_t First, std::int32_t Last>
class NumberedArray {
  static_assert(First <= Last);

 public:
  static constexpr std::int32_t kFirst = First;
  static constexpr std::int32_t kLast = Last;
  static constexpr std::size_t kCount = static_cast<std::size_t>(Last - First + 1);
  using value_type = T;
  using iterator = typename std::array<T, kCount>::iterator;
  using const_iterator = typename std::array<T, kCount>::const_iterator;

  constexpr NumberedArray() = default;
  // The elements First..Last in order; exactly kCount of them.
  constexpr NumberedArray(std::initializer_list<T> values) {
    if (values.size() != kCount) throw std::length_error("a numbered array needs all of its elements");
    std::copy(values.begin(), values.end(), items_.begin());
  }

  // Whether number names an element.
  static constexpr bool Holds(std::int32_t number) { return number >= First && number <= Last; }

  constexpr T& operator[](std::int32_t number) { return items_[Index(number)]; }
  constexpr const T& operator[](std::int32_t number) const { return items_[Index(number)]; }

  // The elements in number order.
  constexpr iterator begin() { return items_.begin(); }
  constexpr iterator end() { return items_.end(); }
  constexpr const_iterator begin() const { return items_.begin(); }
  constexpr const_iterator end() const { return items_.end(); }

  bool operator==(const NumberedArray&) const = default;

 private:
  static constexpr std::size_t Index(std::int32_t number) {
    if (!Holds(number)) {
      throw std::out_of_range("number " + std::to_string(number) + " outside " + std::to_string(First) + ".." +
                              std::to_string(Last));
    }
    return static_cast<std::size_t>(number - First);
  }

  std::array<T, kCount> items_{};
};

// Numbered 1..N.
template <typename T, std::int32_t N>
using OneBasedArray = NumberedArray<T, 1, N>;

}  // namespace lumetta
