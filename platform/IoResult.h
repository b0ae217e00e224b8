#pragma once

#include <string>
#include <utility>

namespace veltrano {

// Outcome of one file operation: success, or the operating system's reason in English,
// ready to be quoted in a protocol line.
class IoResult {
  public:
    static IoResult success() { return IoResult(); }
    static IoResult failure(std::string cause) { return IoResult(std::move(cause), true); }
    // Failure described by an errno value, in English whatever the user's locale.
    static IoResult fromErrno(int errorNumber);
    // Failure described by a Windows error code (GetLastError()), in English as well; only
    // the Windows build defines it.
    static IoResult fromWindowsError(unsigned long errorCode);

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const std::string& cause() const { return m_cause; }

  private:
    IoResult() = default;
    IoResult(std::string cause, bool failed) : m_cause(std::move(cause)), m_failed(failed) {}

    std::string m_cause;
    bool m_failed = false;
};

}  // namespace veltrano
