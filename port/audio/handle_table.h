// Owning table that hands out 32-bit handles for its entries. A handle carries a
// generation, so a handle of a removed entry never finds the entry that later
// takes its slot.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace port {

template <typename T>
class HandleTable {
public:
    // 0 when the table is full.
    uint32_t Add(std::unique_ptr<T> item)
    {
        size_t index = 0;
        while (index < slots_.size() && slots_[index].item)
            ++index;
        if (index == slots_.size()) {
            if (slots_.size() >= kMaxSlots)
                return 0;
            slots_.emplace_back();
        }
        slots_[index].item = std::move(item);
        return Encode(index, slots_[index].generation);
    }

    T* Find(uint32_t handle) const
    {
        const uint32_t slot = handle & kIndexMask;
        if (slot == 0 || slot > slots_.size())
            return nullptr;
        const Slot& entry = slots_[slot - 1];
        if (!entry.item || entry.generation != handle >> kGenerationShift)
            return nullptr;
        return entry.item.get();
    }

    bool Remove(uint32_t handle)
    {
        if (!Find(handle))
            return false;
        Slot& entry = slots_[(handle & kIndexMask) - 1];
        entry.item.reset();
        entry.generation = entry.generation == kMaxGeneration ? 1 : entry.generation + 1;
        return true;
    }

    void Clear()
    {
        for (size_t index = 0; index < slots_.size(); ++index) {
            if (slots_[index].item)
                Remove(Encode(index, slots_[index].generation));
        }
    }

    // Calls visit(handle, item) for every entry, in slot order.
    template <typename Visit>
    void ForEach(Visit&& visit) const
    {
        for (size_t index = 0; index < slots_.size(); ++index) {
            if (slots_[index].item)
                visit(Encode(index, slots_[index].generation), *slots_[index].item);
        }
    }

private:
    static constexpr uint32_t kGenerationShift = 16;
    static constexpr uint32_t kIndexMask = 0xFFFF;
    static constexpr size_t kMaxSlots = kIndexMask;
    static constexpr uint32_t kMaxGeneration = 0xFFFF;

    struct Slot {
        std::unique_ptr<T> item;
        uint32_t generation = 1;
    };

    static uint32_t Encode(size_t index, uint32_t generation)
    {
        return (generation << kGenerationShift) | static_cast<uint32_t>(index + 1);
    }

    std::vector<Slot> slots_;
};

}  // namespace port
