#pragma once

#include "legacygl/Gl.h"

#include <memory>
#include <vector>

class Cloud;

// CloudBatch: the clouds as each draws itself, in the same order and with
// the same transforms, but with their shape compiled once into a display
// list instead of sent anew for every cloud, and without the clouds that lie
// wholly outside the view (which give no pixels). The order stays: the clouds
// are translucent and write depth, so it shapes the picture.
class CloudBatch {
public:
    CloudBatch() = default;
    CloudBatch(const CloudBatch&) = delete;
    CloudBatch& operator=(const CloudBatch&) = delete;

    void Draw(const std::vector<std::unique_ptr<Cloud>>& clouds);

private:
    // The shape's list in the current window, compiled on first use there.
    GLuint ShapeList();

    GLuint list = 0;
    int listWindow = 0;
};
