// A 1-based list that grows when an index past its end is written, for the few
// program-wide lists that must never run out of slots (the files to delete).
// Reading past the end gives an empty value and never grows the list.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/array1.h"

namespace platform {

template <class T>
class List {
 public:
  T& operator()(long index) {
    if (index < 1) arrayIndexFault(index, static_cast<long>(items_.size()));
    if (static_cast<std::size_t>(index) > items_.size()) items_.resize(static_cast<std::size_t>(index));
    return items_[static_cast<std::size_t>(index - 1)];
  }
  const T& operator()(long index) const {
    static const T empty{};
    if (index < 1) arrayIndexFault(index, static_cast<long>(items_.size()));
    if (static_cast<std::size_t>(index) > items_.size()) return empty;
    return items_[static_cast<std::size_t>(index - 1)];
  }
  long size() const { return static_cast<long>(items_.size()); }
  void clear() { items_.clear(); }

 private:
  std::vector<T> items_;
};

}  // namespace platform
