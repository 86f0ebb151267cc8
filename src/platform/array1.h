// 1-based fixed-bound arrays for the program-wide variables.
// Every index runs from 1 to its bound, as the engineering procedures are written.
// An index out of range is a programming fault: the test build aborts at once so the
// fault is found; a release build throws, so a bad file ends in a message, not in
// silently corrupted pressures.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace platform {

[[noreturn]] inline void arrayIndexFault(long index, long bound) {
#ifdef QUELDAR_CHECKED_ARRAYS
  std::fprintf(stderr, "array index %ld outside 1..%ld\n", index, bound);
  std::abort();
#else
  throw std::out_of_range("array index " + std::to_string(index) + " outside 1.." +
                          std::to_string(bound));
#endif
}

template <class T, int... Bounds>
class Array {
  static_assert(sizeof...(Bounds) >= 1, "an array needs at least one dimension");
  static constexpr std::array<int, sizeof...(Bounds)> kBounds{Bounds...};
  static constexpr std::size_t kTotal = (static_cast<std::size_t>(Bounds) * ...);

 public:
  static constexpr int rank = sizeof...(Bounds);
  template <int D = 0>
  static constexpr int bound() { return kBounds[D]; }

  template <class... I>
  T& operator()(I... index) {
    static_assert(sizeof...(I) == sizeof...(Bounds), "wrong number of indexes");
    return data_[offset(static_cast<long>(index)...)];
  }
  template <class... I>
  const T& operator()(I... index) const {
    static_assert(sizeof...(I) == sizeof...(Bounds), "wrong number of indexes");
    return data_[offset(static_cast<long>(index)...)];
  }

  void fill(const T& value) { data_.fill(value); }
  T* data() { return data_.data(); }
  const T* data() const { return data_.data(); }
  static constexpr std::size_t size() { return kTotal; }

 private:
  template <class... I>
  static std::size_t offset(I... index) {
    const long idx[] = {index...};
    std::size_t flat = 0;
    for (std::size_t d = 0; d < sizeof...(I); ++d) {
      if (idx[d] < 1 || idx[d] > kBounds[d]) arrayIndexFault(idx[d], kBounds[d]);
      flat = flat * static_cast<std::size_t>(kBounds[d]) + static_cast<std::size_t>(idx[d] - 1);
    }
    return flat;
  }

  std::array<T, kTotal> data_{};
};

}  // namespace platform
