#pragma once

#include <map>
#include <optional>
#include <utility>

namespace td {

// Hands out values in the order their positions were awaited, whatever the
// order they arrive in: a value that comes early is held until every position
// before it has been released.
template <class T> class InOrderRelease
{
public:
    // Awaits a value for `position`; positions are awaited in increasing order.
    void await(int position) { m_slots.emplace(position, std::nullopt); }
    // A value for a position not awaited (or already released) is dropped.
    void arrive(int position, T value)
    {
        const auto it = m_slots.find(position);
        if (it != m_slots.end() && !it->second)
            it->second = std::move(value);
    }
    // The value of the first awaited position, once it has arrived.
    std::optional<std::pair<int, T>> take()
    {
        if (m_slots.empty() || !m_slots.begin()->second)
            return std::nullopt;
        auto node = m_slots.extract(m_slots.begin());
        return std::pair<int, T>{node.key(), std::move(*node.mapped())};
    }
    // Awaited positions whose value has not arrived yet.
    int outstanding() const
    {
        int count = 0;
        for (const auto& [position, value] : m_slots)
            count += int(!value);
        return count;
    }
    // True while `position` is awaited and not yet released.
    bool awaits(int position) const { return m_slots.count(position) > 0; }
    bool isEmpty() const { return m_slots.empty(); }
    void clear() { m_slots.clear(); }

private:
    std::map<int, std::optional<T>> m_slots;
};

} // namespace td
