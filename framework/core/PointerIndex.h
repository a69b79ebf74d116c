// PointerIndex: the index an archive gave each object or class it wrote.
// An open-addressing table: writing a job looks up every field object, so
// this is on the hot path of saving.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class PointerIndex {
public:
    // The index stored for p, or 0 when p has none (indexes start at 1).
    std::uint32_t Find(const void* p) const;
    void Insert(const void* p, std::uint32_t index);
    void Clear();

private:
    struct Slot {
        const void* key = nullptr;
        std::uint32_t index = 0;
    };
    size_t SlotOf(const void* p) const;
    void Grow();

    std::vector<Slot> m_slots;
    size_t m_count = 0;
};
