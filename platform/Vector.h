/// @file
/// Core::Allocator and Core::Vector<T>: the growable array of the Core library.
#pragma once

#include "platform/Export.h"

#include <cstddef>
#include <initializer_list>
#include <new>
#include <type_traits>
#include <utility>

namespace Core {

/// Where Core containers get their memory: the global operator new and
/// delete, so allocation counters and sanitizers see every block.
struct XMLATTR_API Allocator {
    /// A block of at least size bytes (also for 0); throws std::bad_alloc.
    static void* alloc(std::size_t size);
    /// Gives back a block from alloc; null is allowed.
    static void free(void* block) noexcept;
};

/// A contiguous array with value semantics. Storage comes from Allocator and
/// grows geometrically; indices and sizes are int like the rest of Core.
template <class T>
class XMLATTR_API Vector {
  public:
    using value_type = T;             ///< the element type
    using iterator = T*;              ///< a pointer into the elements
    using const_iterator = const T*;  ///< a pointer into the elements

    /// The empty vector; allocates nothing.
    Vector() noexcept = default;
    /// The items, in order, in storage of exactly their number.
    Vector(std::initializer_list<T> items) {
        reserve(static_cast<int>(items.size()));
        for (const T& item : items)
            push_back(item);
    }
    /// A copy in storage of exactly other's size.
    Vector(const Vector& other) {
        reserve(other.size_);
        for (const T& item : other)
            push_back(item);
    }
    /// Takes over other's storage; other is left empty.
    Vector(Vector&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)),
          size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    ~Vector() { release(); }

    /// Replaces the elements with copies of other's.
    Vector& operator=(const Vector& other) {
        if (this != &other) {
            Vector copy(other);
            swap(copy);
        }
        return *this;
    }
    /// Takes over other's storage; other is left empty.
    Vector& operator=(Vector&& other) noexcept {
        if (this != &other) {
            release();
            data_ = std::exchange(other.data_, nullptr);
            size_ = std::exchange(other.size_, 0);
            capacity_ = std::exchange(other.capacity_, 0);
        }
        return *this;
    }

    /// The number of elements.
    int size() const noexcept { return size_; }
    /// True when there are no elements.
    bool empty() const noexcept { return size_ == 0; }
    /// The number of elements the storage holds without growing.
    int capacity() const noexcept { return capacity_; }
    /// Element i, 0 to size() - 1; not checked.
    ///@{
    T& operator[](int i) noexcept { return data_[i]; }
    const T& operator[](int i) const noexcept { return data_[i]; }
    ///@}
    /// The first element; the vector must not be empty.
    ///@{
    T& front() noexcept { return data_[0]; }
    const T& front() const noexcept { return data_[0]; }
    ///@}
    /// The last element; the vector must not be empty.
    ///@{
    T& back() noexcept { return data_[size_ - 1]; }
    const T& back() const noexcept { return data_[size_ - 1]; }
    ///@}
    /// The elements, contiguous; null before the first allocation.
    ///@{
    T* data() noexcept { return data_; }
    const T* data() const noexcept { return data_; }
    ///@}
    /// The range of the elements, for range-for and the standard algorithms.
    ///@{
    iterator begin() noexcept { return data_; }
    iterator end() noexcept { return data_ + size_; }
    const_iterator begin() const noexcept { return data_; }
    const_iterator end() const noexcept { return data_ + size_; }
    ///@}

    /// Grows the storage to exactly capacity elements when it holds fewer;
    /// never shrinks. Growing moves the elements and invalidates pointers to
    /// them.
    void reserve(int capacity) {
        if (capacity <= capacity_)
            return;
        T* block =
            static_cast<T*>(Allocator::alloc(sizeof(T) * static_cast<std::size_t>(capacity)));
        for (int i = 0; i < size_; ++i) {
            ::new (static_cast<void*>(block + i)) T(std::move_if_noexcept(data_[i]));
            data_[i].~T();
        }
        Allocator::free(data_);
        data_ = block;
        capacity_ = capacity;
    }

    /// Appends a copy of item, or item moved.
    ///@{
    void push_back(const T& item) { emplace_back(item); }
    void push_back(T&& item) { emplace_back(std::move(item)); }
    ///@}

    /// Appends an element built from args and returns it. Full storage
    /// doubles (to 4 at first); args may refer to an element of this vector.
    template <class... Args>
    T& emplace_back(Args&&... args) {
        if (size_ == capacity_) {
            // Build first: args may refer to an element that growing would move.
            T item(std::forward<Args>(args)...);
            reserve(capacity_ < 4 ? 4 : capacity_ * 2);
            ::new (static_cast<void*>(data_ + size_)) T(std::move(item));
        } else {
            ::new (static_cast<void*>(data_ + size_)) T(std::forward<Args>(args)...);
        }
        return data_[size_++];
    }

    /// Destroys the last element; the vector must not be empty.
    void pop_back() noexcept { data_[--size_].~T(); }

    /// Destroys every element; the storage stays.
    void clear() noexcept {
        for (int i = 0; i < size_; ++i)
            data_[i].~T();
        size_ = 0;
    }

    /// Exchanges the contents of the two vectors.
    void swap(Vector& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
    }

    /// Same size and equal elements, in order.
    friend bool operator==(const Vector& a, const Vector& b) {
        if (a.size_ != b.size_)
            return false;
        for (int i = 0; i < a.size_; ++i) {
            if (!(a.data_[i] == b.data_[i]))
                return false;
        }
        return true;
    }

  private:
    void release() noexcept {
        clear();
        Allocator::free(data_);
        data_ = nullptr;
        capacity_ = 0;
    }

    T* data_ = nullptr;
    int size_ = 0;
    int capacity_ = 0;
};

}  // namespace Core
