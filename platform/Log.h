// Core::Log: the engine's log. Messages go to standard error unless a handler
// is installed, which is how an engine (or a test) captures them.
#pragma once

#include "platform/Export.h"

#include <functional>

#include "platform/String.h"

namespace Core {

class XMLATTR_API Log {
  public:
    enum class Level { Error, Warning };
    using Handler = std::function<void(Level, const String&)>;

    static void warning(const String& message);
    static void error(const String& message);

    // Installs handler and returns the previous one; an empty handler restores
    // the standard-error destination.
    static Handler setHandler(Handler handler);
};

}  // namespace Core
