#pragma once
#include <ostream>
#include <string>
#include <utility>

#include "MessageBox.h"

namespace keldo {

// Message boxes of a run without a desktop (keldo-batch, the picture tools):
// each text on a line of its own, after `prefix` (a "\n" inside a message
// stays as it is); questions as HeadlessMessageBox answers them.
class StreamMessageBox : public HeadlessMessageBox {
public:
    explicit StreamMessageBox(std::ostream& out, std::string prefix = {}) : m_out(out), m_prefix(std::move(prefix)) {}
    void Show(const std::string& text) override
    {
        m_out << m_prefix << text << '\n' << std::flush;
        ++m_shown;
    }
    // How many texts were written, questions included.
    int Shown() const { return m_shown; }

private:
    std::ostream& m_out;
    std::string m_prefix;
    int m_shown = 0;
};

} // namespace keldo
