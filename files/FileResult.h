#pragma once
#include <string>
#include <utility>

namespace keldo {

// What came of reading or writing a file: success, or a German message for
// the user that names the file and says what went wrong. The file layer
// never shows it and never refreshes a view; the program shows it in a
// message box, keldo-batch on standard error.
class [[nodiscard]] FileResult {
public:
    static FileResult Success() { return FileResult(true, {}); }
    static FileResult Failure(std::string message) { return FileResult(false, std::move(message)); }

    bool Succeeded() const { return m_succeeded; }
    explicit operator bool() const { return m_succeeded; }
    // Empty after success.
    const std::string& Message() const { return m_message; }

private:
    FileResult(bool succeeded, std::string message) : m_succeeded(succeeded), m_message(std::move(message)) {}

    bool m_succeeded;
    std::string m_message;
};

} // namespace keldo
