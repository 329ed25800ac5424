/// @file
/// Core::Object and Core::SmartPtr<T>: intrusive reference counting for the
/// few shared objects of the library (colours, languages).
#pragma once

#include "platform/Export.h"

#include <atomic>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "platform/Exception.h"

/// The Core library: strings, vectors, reference counting, number reading and
/// formatting, dates, exceptions and the log.
namespace Core {

/// A reference-counted object, held through SmartPtr. The count is atomic, so
/// holders on several threads may share one object.
class XMLATTR_API Object {
  public:
    /// A new object, with no references yet.
    Object() noexcept = default;
    /// A copy is a new object: it starts with no references of its own.
    Object(const Object&) noexcept {}
    /// Assignment leaves the reference count alone.
    Object& operator=(const Object&) noexcept { return *this; }
    virtual ~Object() = default;

    /// Takes one reference; returns the new count.
    int AddRef() const noexcept { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }
    /// Gives one reference back; the last one calls OnFinalRelease. Returns the
    /// references left.
    int Release() const {
        const int left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            const_cast<Object*>(this)->OnFinalRelease();
        return left;
    }
    /// The references held now.
    int getRefCount() const noexcept { return refs_.load(std::memory_order_relaxed); }

  protected:
    /// Destroys the object; subclasses may pool or trace instead.
    virtual void OnFinalRelease() { delete this; }

  private:
    mutable std::atomic<int> refs_{0};
};

/// A pointer to an Object that holds one reference to it for as long as it
/// points there. T is Object or a class derived from it.
template <class T>
class XMLATTR_API SmartPtr {
  public:
    /// The empty pointer.
    ///@{
    SmartPtr() noexcept = default;
    SmartPtr(std::nullptr_t) noexcept {}  // NOLINT(google-explicit-constructor)
    ///@}
    /// Points to object (which may be null) and takes a reference to it.
    SmartPtr(T* object) noexcept : p_(object) { acquire(); }  // NOLINT(google-explicit-constructor)
    /// Points where other points, with a reference of its own.
    SmartPtr(const SmartPtr& other) noexcept : p_(other.p_) { acquire(); }
    /// Takes over other's reference; other is left empty.
    SmartPtr(SmartPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    /// Points where a pointer to a derived class points, with a reference of its own.
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    SmartPtr(const SmartPtr<U>& other) noexcept : p_(other.get()) {  // NOLINT
        acquire();
    }
    /// Gives the reference back.
    ~SmartPtr() { release(); }

    /// Points where other points; the reference held before is given back.
    SmartPtr& operator=(const SmartPtr& other) {
        SmartPtr(other).swap(*this);  // safe for self-assignment
        return *this;
    }
    /// Takes over other's reference; the reference held before is given back.
    SmartPtr& operator=(SmartPtr&& other) noexcept {
        SmartPtr(std::move(other)).swap(*this);
        return *this;
    }
    /// Points to object; the reference held before is given back.
    SmartPtr& operator=(T* object) {
        SmartPtr(object).swap(*this);
        return *this;
    }

    /// The object, or null.
    T* get() const noexcept { return p_; }
    /// The object; raises NullPointerException when the pointer is empty.
    ///@{
    T* operator->() const {
        if (p_ == nullptr)
            raise<NullPointerException>("SmartPtr", 118);
        return p_;
    }
    T& operator*() const {
        if (p_ == nullptr)
            raise<NullPointerException>("SmartPtr", 124);
        return *p_;
    }
    ///@}
    /// True when the pointer is not empty.
    explicit operator bool() const noexcept { return p_ != nullptr; }

    /// Exchanges the objects of the two pointers; no count changes.
    void swap(SmartPtr& other) noexcept { std::swap(p_, other.p_); }

    /// Identity: two pointers are equal when they hold the same object.
    friend bool operator==(const SmartPtr& a, const SmartPtr& b) noexcept { return a.p_ == b.p_; }

  private:
    void acquire() noexcept {
        if (p_ != nullptr)
            p_->AddRef();
    }
    void release() noexcept {
        if (p_ != nullptr)
            std::exchange(p_, nullptr)->Release();
    }

    T* p_ = nullptr;
};

}  // namespace Core
