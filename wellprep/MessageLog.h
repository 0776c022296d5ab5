#pragma once
#include <string>
#include <vector>

#include "MessageBox.h"

namespace keldo {

// The message boxes of one well of a study, kept in their order instead of
// shown; questions as HeadlessMessageBox answers them.
class MessageLog : public HeadlessMessageBox {
public:
    void Show(const std::string& text) override { m_texts.push_back(text); }
    const std::vector<std::string>& Texts() const { return m_texts; }

private:
    std::vector<std::string> m_texts;
};

} // namespace keldo
