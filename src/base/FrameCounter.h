#pragma once

// Frames drawn in the main window so far; the display callback counts them
// and the HUD's frame-rate gauge reads them.
extern unsigned int frameCounter;
