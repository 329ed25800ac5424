// How the geometry scanners hand a finished list to the attribute that holds
// it. Internal to css/geometry.
#pragma once

#include <utility>

#include "platform/Vector.h"

namespace Xml::detail {

// The scanners reserve for the longest list a text could give, which real
// texts rarely fill. Hand the storage over when at least half of it is used;
// otherwise give the target an exactly sized copy so it does not keep the
// slack, and let the scan's storage go.
template <class T>
void adoptList(Core::Vector<T>& target, Core::Vector<T>&& scanned) {
    if (scanned.size() >= scanned.capacity() / 2) {
        target = std::move(scanned);
    } else {
        target = scanned;
    }
}

}  // namespace Xml::detail
