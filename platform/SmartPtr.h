// Core::Object and Core::SmartPtr<T>: intrusive reference counting for the
// few shared objects of the library (colours, languages).
#pragma once

#include "platform/Export.h"

#include <atomic>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "platform/Exception.h"

namespace Core {

class XMLATTR_API Object {
  public:
    Object() noexcept = default;
    // A copy is a new object: it starts with no references of its own.
    Object(const Object&) noexcept {}
    Object& operator=(const Object&) noexcept { return *this; }
    virtual ~Object() = default;

    int AddRef() const noexcept { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }
    // Gives one reference back; the last one calls OnFinalRelease.
    int Release() const {
        const int left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            const_cast<Object*>(this)->OnFinalRelease();
        return left;
    }
    int getRefCount() const noexcept { return refs_.load(std::memory_order_relaxed); }

  protected:
    // Destroys the object; subclasses may pool or trace instead.
    virtual void OnFinalRelease() { delete this; }

  private:
    mutable std::atomic<int> refs_{0};
};

template <class T>
class XMLATTR_API SmartPtr {
  public:
    SmartPtr() noexcept = default;
    SmartPtr(std::nullptr_t) noexcept {}                      // NOLINT(google-explicit-constructor)
    SmartPtr(T* object) noexcept : p_(object) { acquire(); }  // NOLINT(google-explicit-constructor)
    SmartPtr(const SmartPtr& other) noexcept : p_(other.p_) { acquire(); }
    SmartPtr(SmartPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    SmartPtr(const SmartPtr<U>& other) noexcept : p_(other.get()) {  // NOLINT
        acquire();
    }
    ~SmartPtr() { release(); }

    SmartPtr& operator=(const SmartPtr& other) {
        SmartPtr(other).swap(*this);  // safe for self-assignment
        return *this;
    }
    SmartPtr& operator=(SmartPtr&& other) noexcept {
        SmartPtr(std::move(other)).swap(*this);
        return *this;
    }
    SmartPtr& operator=(T* object) {
        SmartPtr(object).swap(*this);
        return *this;
    }

    T* get() const noexcept { return p_; }
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
    explicit operator bool() const noexcept { return p_ != nullptr; }

    void swap(SmartPtr& other) noexcept { std::swap(p_, other.p_); }

    // Identity: two pointers are equal when they hold the same object.
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
