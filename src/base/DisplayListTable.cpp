#include "base/DisplayListTable.h"

#include "legacygl/Gl.h"

void DisplayListTable::GenerateLists() {
    blocks[current].clear();
    Reserve(nextIndex > 0 ? nextIndex : 1);
}

void DisplayListTable::SetWindowId(const int slot, const int id) {
    if (slot < 0 || slot >= windowCount) {
        return;
    }
    windowIds[slot] = id;
    if (id < 0) {
        // The window and its context are gone, and its names with them.
        blocks[slot].clear();
    }
}

void DisplayListTable::SelectWindow(const int slot) {
    if (slot < 0 || slot >= windowCount) {
        return;
    }
    current = slot;
    if (windowIds[slot] > 0) {
        glut::SetWindow(windowIds[slot]);
        if (blocks[slot].empty()) {
            // A window opened after the objects were numbered: give it names
            // for every index handed out so far, in its own context.
            Reserve(nextIndex > 0 ? nextIndex : 1);
        }
    }
}

uint32_t DisplayListTable::ListFor(const uint32_t index) const {
    const std::vector<uint32_t>& row = blocks[current];
    const uint32_t block = index / listsPerBlock;
    if (block >= row.size()) {
        return 0;
    }
    return row[block] + index % listsPerBlock;
}

uint32_t DisplayListTable::NextListIndex() {
    ++nextIndex;
    Reserve(nextIndex);
    return nextIndex;
}

void DisplayListTable::Reserve(const uint32_t index) {
    std::vector<uint32_t>& row = blocks[current];
    while (index / listsPerBlock >= row.size()) {
        const GLuint base = gl::GenLists(listsPerBlock);
        if (base == 0) {
            return; // no context, or GL refused: ListFor answers 0
        }
        row.push_back(base);
    }
}
