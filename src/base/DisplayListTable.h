#pragma once

#include <cstdint>
#include <vector>

// DisplayListTable: the two GLUT windows and the display-list names reserved
// for each. Every GLUT window has its own GL context, so each static map
// object owns one list per window; the object keeps a list index and asks the
// table for the name that index has in the window that is current.
//
// Names are reserved in blocks, one row per window. A city that needs more
// indices than a block holds gets a further block in every window that has
// one, so every map object always has a list.
class DisplayListTable {
public:
    static constexpr int windowCount = 2;
    static constexpr uint32_t listsPerBlock = 2000;

    // Reserves the first block of names in the current window's context.
    void GenerateLists();
    void SetWindowId(int slot, int id);
    int GetWindowId(int slot) const { return windowIds[slot]; }
    // Makes the slot's window current (glutSetWindow) and selects its row.
    void SelectWindow(int slot);
    int GetCurrent() const { return current; }
    // The list name of an index in the current window's row, or 0 if the
    // current window has no name for it.
    uint32_t ListFor(uint32_t index) const;
    // Hands out the next index, starting at 1; index 0 is never used.
    uint32_t NextListIndex();
    uint32_t GetNextIndex() const { return nextIndex; }

private:
    // Makes sure the current window's row reaches the given index.
    void Reserve(uint32_t index);

    std::vector<uint32_t> blocks[windowCount]; // first name of each block
    int windowIds[windowCount] = {0, -1};
    uint32_t nextIndex = 0;
    int current = 0;
};

// The game's one table, defined with the other process-wide objects.
extern DisplayListTable displayListTable;
