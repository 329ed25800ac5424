/// @file
/// Core::Log: the engine's log. Messages go to standard error unless a handler
/// is installed, which is how an engine (or a test) captures them.
#pragma once

#include "platform/Export.h"

#include <functional>

#include "platform/String.h"

namespace Core {

/// The log's entry points; every function is static and safe to call from
/// several threads.
class XMLATTR_API Log {
  public:
    /// How serious a message is.
    enum class Level { Error, Warning };
    /// Receives every message in place of standard error.
    using Handler = std::function<void(Level, const String&)>;

    /// Writes message at Level::Warning.
    static void warning(const String& message);
    /// Writes message at Level::Error.
    static void error(const String& message);

    /// Installs handler and returns the previous one; an empty handler restores
    /// the standard-error destination.
    static Handler setHandler(Handler handler);
};

}  // namespace Core
