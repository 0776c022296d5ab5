#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A list in a message that stays readable however long the list: the first
// items, then how many more there are ("DEPT, GR, … und 1990 weitere").
namespace keldo {

// Items a message names before it only counts the rest.
inline constexpr size_t kMostListed = 10;

class ShortList {
public:
    explicit ShortList(size_t most = kMostListed) : m_most(most) {}

    // Only the first `most` items are kept; the others are counted.
    void Add(std::string_view item);
    size_t Count() const { return m_count; }

    // The items joined by ", ", and " … und N weitere" for those beyond
    // `most`; empty for no item.
    std::string Text() const;

private:
    size_t m_most;
    size_t m_count = 0;
    std::vector<std::string> m_items;
};

} // namespace keldo
