#include <new>

#include "platform/Vector.h"

namespace Core {

// Global operator new, so allocation counting and sanitizers see every block.
void* Allocator::alloc(std::size_t size) {
    return ::operator new(size == 0 ? 1 : size);
}

void Allocator::free(void* block) noexcept {
    ::operator delete(block);
}

}  // namespace Core
