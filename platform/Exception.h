/// @file
/// Core exceptions: raised for programming errors (never for bad text), each
/// carrying the code location that raised it and logged before it is thrown.
#pragma once

#include "platform/Export.h"

#include <exception>

namespace Core {

/// The base of the library's exceptions; what() gives the class name.
class XMLATTR_API Exception : public std::exception {
  public:
    Exception() = default;

    /// Records where the error was raised: a source base name and a line.
    void initCodeLocation(const char* file, int line) {
        file_ = file;
        line_ = line;
    }
    /// Writes one error line naming the exception and its location to the log.
    void logError() const;

    /// The location given to initCodeLocation; "" and 0 before it.
    ///@{
    const char* getFile() const { return file_; }
    int getLine() const { return line_; }
    ///@}
    /// The qualified class name, such as "Core::NullPointerException".
    const char* what() const noexcept override { return name(); }

  protected:
    /// The qualified class name; each exception class gives its own.
    virtual const char* name() const noexcept { return "Core::Exception"; }

  private:
    const char* file_ = "";
    int line_ = 0;
};

/// Raised on access through an empty pointer.
class XMLATTR_API NullPointerException : public Exception {
  protected:
    const char* name() const noexcept override { return "Core::NullPointerException"; }
};

/// Raised where the code meets a case it does not handle: a value outside its
/// enumeration, or a length in ex converted to pixels.
class XMLATTR_API UnreacheableCodeException : public Exception {
  protected:
    const char* name() const noexcept override { return "Core::UnreacheableCodeException"; }
};

/// Sets the location, logs and throws: the one way the library raises.
template <class E>
[[noreturn]] void raise(const char* file, int line) {
    E error;
    error.initCodeLocation(file, line);
    error.logError();
    throw error;
}

}  // namespace Core
