#include "framework/core/PointerIndex.h"

namespace {
// Fibonacci hashing spreads aligned heap addresses over the table.
size_t Hash(const void* p) {
    const auto v = reinterpret_cast<std::uintptr_t>(p);
    return static_cast<size_t>((static_cast<std::uint64_t>(v >> 3) * 0x9E3779B97F4A7C15ull) >> 20);
}
}  // namespace

size_t PointerIndex::SlotOf(const void* p) const {
    const size_t mask = m_slots.size() - 1;
    size_t i = Hash(p) & mask;
    while (m_slots[i].key && m_slots[i].key != p) i = (i + 1) & mask;
    return i;
}

std::uint32_t PointerIndex::Find(const void* p) const {
    if (m_slots.empty()) return 0;
    return m_slots[SlotOf(p)].index;
}

void PointerIndex::Insert(const void* p, std::uint32_t index) {
    if ((m_count + 1) * 2 > m_slots.size()) Grow();
    Slot& s = m_slots[SlotOf(p)];
    if (!s.key) ++m_count;
    s.key = p;
    s.index = index;
}

void PointerIndex::Grow() {
    std::vector<Slot> old;
    old.swap(m_slots);
    m_slots.resize(old.empty() ? 1024 : old.size() * 2);
    for (const Slot& s : old)
        if (s.key) m_slots[SlotOf(s.key)] = s;
}

void PointerIndex::Clear() {
    m_slots.clear();
    m_count = 0;
}
