// Core::Allocator and Core::Vector<T>: the growable array of the Core library.
#pragma once

#include "platform/Export.h"

#include <cstddef>
#include <initializer_list>
#include <new>
#include <type_traits>
#include <utility>

namespace Core {

struct XMLATTR_API Allocator {
    static void* alloc(std::size_t size);
    static void free(void* block) noexcept;
};

// A contiguous array with value semantics. Storage comes from Allocator and
// grows geometrically; indices and sizes are int like the rest of Core.
template <class T>
class XMLATTR_API Vector {
  public:
    using value_type = T;
    using iterator = T*;
    using const_iterator = const T*;

    Vector() noexcept = default;
    Vector(std::initializer_list<T> items) {
        reserve(static_cast<int>(items.size()));
        for (const T& item : items)
            push_back(item);
    }
    Vector(const Vector& other) {
        reserve(other.size_);
        for (const T& item : other)
            push_back(item);
    }
    Vector(Vector&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)),
          size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    ~Vector() { release(); }

    Vector& operator=(const Vector& other) {
        if (this != &other) {
            Vector copy(other);
            swap(copy);
        }
        return *this;
    }
    Vector& operator=(Vector&& other) noexcept {
        if (this != &other) {
            release();
            data_ = std::exchange(other.data_, nullptr);
            size_ = std::exchange(other.size_, 0);
            capacity_ = std::exchange(other.capacity_, 0);
        }
        return *this;
    }

    int size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    int capacity() const noexcept { return capacity_; }
    T& operator[](int i) noexcept { return data_[i]; }
    const T& operator[](int i) const noexcept { return data_[i]; }
    T& front() noexcept { return data_[0]; }
    const T& front() const noexcept { return data_[0]; }
    T& back() noexcept { return data_[size_ - 1]; }
    const T& back() const noexcept { return data_[size_ - 1]; }
    T* data() noexcept { return data_; }
    const T* data() const noexcept { return data_; }
    iterator begin() noexcept { return data_; }
    iterator end() noexcept { return data_ + size_; }
    const_iterator begin() const noexcept { return data_; }
    const_iterator end() const noexcept { return data_ + size_; }

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

    void push_back(const T& item) { emplace_back(item); }
    void push_back(T&& item) { emplace_back(std::move(item)); }

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

    void pop_back() noexcept { data_[--size_].~T(); }

    void clear() noexcept {
        for (int i = 0; i < size_; ++i)
            data_[i].~T();
        size_ = 0;
    }

    void swap(Vector& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
    }

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
