#pragma once
#include <ostream>

#include "MessageBox.h"

namespace keldo {

// Message boxes of a headless run: each text on a line of its own (a "\n"
// inside a message stays as it is); questions are answered with "Ja".
class StreamMessageBox : public IMessageBox {
public:
    explicit StreamMessageBox(std::ostream& out) : m_out(out) {}
    void Show(const std::string& text) override { m_out << text << '\n' << std::flush; }
    bool AskYesNo(const std::string& text) override
    {
        m_out << text << '\n' << std::flush;
        return true;
    }

private:
    std::ostream& m_out;
};

} // namespace keldo
