#pragma once
// A growable array of trivially copyable values kept in one malloc block. Growing uses
// realloc, which moves a large block by remapping its pages: the old and the new block
// never take memory at the same time, so a big table peaks at its own size.
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "platform/memory.h"

namespace vx {

template <typename T>
class RawArray {
  static_assert(std::is_trivially_copyable_v<T>);

 public:
  RawArray() = default;
  RawArray(const RawArray& other) { Append(other.data_, other.size_); }
  RawArray(RawArray&& other) noexcept { Swap(other); }
  RawArray& operator=(RawArray other) noexcept {
    Swap(other);
    return *this;
  }
  ~RawArray() { std::free(data_); }

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const T* data() const { return data_; }
  const T& operator[](size_t i) const { return data_[i]; }
  T& back() { return data_[size_ - 1]; }

  void push_back(const T& value) {
    if (size_ == capacity_) Grow(size_ + 1);
    data_[size_++] = value;
  }
  void Append(const T* values, size_t count) {
    if (count == 0) return;
    if (size_ + count > capacity_) Grow(size_ + count);
    std::memcpy(data_ + size_, values, count * sizeof(T));
    size_ += count;
  }
  // Makes room for count values ahead of filling; when the memory cannot be had, nothing
  // changes and growing happens as it goes. Untouched room takes no memory.
  void Reserve(size_t count) {
    if (count <= capacity_) return;
    if (void* grown = std::realloc(data_, count * sizeof(T))) {
      data_ = static_cast<T*>(grown);
      capacity_ = count;
      if (capacity_ * sizeof(T) >= kLargeBlock) PreferLargePages(data_, capacity_ * sizeof(T));
    }
  }
  // Forgets the contents and gives the memory back.
  void Release() {
    std::free(data_);
    data_ = nullptr;
    size_ = capacity_ = 0;
  }

 private:
  void Grow(size_t needed) {
    size_t capacity = capacity_ ? capacity_ : 64;
    while (capacity < needed) capacity += capacity / 2 + 64;
    void* grown = std::realloc(data_, capacity * sizeof(T));
    if (!grown) throw std::bad_alloc();
    data_ = static_cast<T*>(grown);
    capacity_ = capacity;
    if (capacity * sizeof(T) >= kLargeBlock) PreferLargePages(data_, capacity * sizeof(T));
  }
  void Swap(RawArray& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
  }

  static constexpr size_t kLargeBlock = size_t{4} << 20;

  T* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

}  // namespace vx
