/// @file
/// Core::Log: the engine's log. Messages go to standard error unless a handler
/// is installed, which is how an engine (or a test) captures them.
#pragma once

#include "platform/Export.h"

#include <functional>
#include <string>
#include <vector>

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

    /// One message as logged, in UTF-8.
    struct Message {
        Level level;
        std::string text;
    };

    /// While it lives, collects every message logged instead of letting it go
    /// to its destination (a handler of its own); the previous handler comes
    /// back when it ends.
    class XMLATTR_API Capture {
      public:
        Capture();
        ~Capture();
        Capture(const Capture&) = delete;
        Capture& operator=(const Capture&) = delete;

        /// The messages collected since the last take.
        std::vector<Message> take();

      private:
        Handler previous_;
        std::vector<Message> messages_;
    };

    /// While it lives, the messages logged on the thread that made it go to
    /// handler instead of the process-wide destination (an empty handler drops
    /// them); scopes nest. It takes no lock, so a caller can quiet the library
    /// around each call without disturbing other threads.
    class XMLATTR_API ThreadScope {
      public:
        explicit ThreadScope(const Handler& handler);
        ~ThreadScope();
        ThreadScope(const ThreadScope&) = delete;
        ThreadScope& operator=(const ThreadScope&) = delete;

      private:
        const Handler* previous_;
    };
};

}  // namespace Core
