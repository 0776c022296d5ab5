#include "ShortList.h"

namespace keldo {

void ShortList::Add(std::string_view item)
{
    if (m_items.size() < m_most)
        m_items.emplace_back(item);
    ++m_count;
}

std::string ShortList::Text() const
{
    std::string text;
    for (const std::string& item : m_items) {
        if (!text.empty())
            text += ", ";
        text += item;
    }
    if (m_count > m_items.size())
        text += " … und " + std::to_string(m_count - m_items.size()) + " weitere";
    return text;
}

} // namespace keldo
