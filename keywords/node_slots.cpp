#include "keywords/node_slots.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr std::size_t kSlotsPerBlock = 4096;

struct FreeSlot {
    FreeSlot* next;
};

struct Slots {
    std::size_t slotSize = 0;
    FreeSlot* freed = nullptr;
    std::byte* unused = nullptr;  // the newest block's slots never taken yet
    std::byte* blockEnd = nullptr;
    std::size_t inUse = 0;
    std::vector<std::unique_ptr<std::byte[]>> blocks;
};

Slots& nodePool()
{
    static Slots pool;
    return pool;
}

// The sanitizer build keeps every node a heap allocation of its own, so that a node used after
// it was freed is still caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooled = false;
#else
constexpr bool kPooled = true;
#endif

std::size_t slotSizeFor(std::size_t size) { return (std::max(size, sizeof(FreeSlot)) + 7) / 8 * 8; }

// Whether an object of size bytes lives in a slot (else on the heap).
bool inSlot(const Slots& pool, std::size_t size) { return kPooled && slotSizeFor(size) == pool.slotSize; }

}  // namespace

void* takeNodeSlot(std::size_t size)
{
    Slots& pool = nodePool();
    if (pool.slotSize == 0)
        pool.slotSize = slotSizeFor(size);
    if (!inSlot(pool, size))
        return ::operator new(size);
    ++pool.inUse;
    if (FreeSlot* slot = pool.freed) {
        pool.freed = slot->next;
        return slot;
    }
    if (pool.unused == pool.blockEnd) {
        pool.blocks.push_back(std::make_unique_for_overwrite<std::byte[]>(kSlotsPerBlock * pool.slotSize));
        pool.unused = pool.blocks.back().get();
        pool.blockEnd = pool.unused + kSlotsPerBlock * pool.slotSize;
    }
    void* slot = pool.unused;
    pool.unused += pool.slotSize;
    return slot;
}

void giveNodeSlot(void* slot, std::size_t size)
{
    Slots& pool = nodePool();
    if (!inSlot(pool, size)) {
        ::operator delete(slot);
        return;
    }
    --pool.inUse;
    pool.freed = new (slot) FreeSlot{pool.freed};
}

NodeSlotUse nodeSlotUse()
{
    const Slots& pool = nodePool();
    return {pool.blocks.size() * kSlotsPerBlock * pool.slotSize, pool.inUse * pool.slotSize};
}
