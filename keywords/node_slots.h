#pragma once
// Memory for the keyword tree's nodes. A tree may hold a hundred thousand of them, all made when a
// tab is shown and all freed when the next one is: slots of the node's one size, carved from
// large blocks and kept on a free list, are taken and given back in a few steps and carry no heap
// bookkeeping each. The blocks stay with the program for the next tree. Only the user-interface
// thread makes and frees nodes.
#include <cstddef>

// A slot for an object of size bytes (one size only: the first asked; any other comes from the
// heap), aligned for any object of at most 8-byte alignment.
void* takeNodeSlot(std::size_t size);
// Gives back what takeNodeSlot gave for the same size.
void giveNodeSlot(void* slot, std::size_t size);

// What the slots hold: the blocks taken from the heap, and the slots of them in use (bytes).
struct NodeSlotUse {
    std::size_t blockBytes = 0;
    std::size_t bytesInUse = 0;
};
NodeSlotUse nodeSlotUse();
