#pragma once

// GaugeKind: what a HUD gauge draws. A gauge whose kind is still Unset draws
// nothing at all.
enum class GaugeKind : int {
    Unset = 0,
    None = 1,          // nothing of its own
    Text = 2,          // label, then the value text
    HorizontalBar = 3, // label with a bar of 1-percent slices above it
    VerticalBar = 4,   // label with a column of slices right of it
    Cone = 5,          // steering line and sector from point B toward point A
    Flash = 6,         // a filled rectangle over the window
};
