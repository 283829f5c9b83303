#pragma once

// The player's files (the saved settings, the recordings and the best
// flights) have just changed: after Save, and when a recorded flight joins
// the table. On the desktop they are on disk already and nothing more is
// done; the browser build keeps them in the browser's storage and shows the
// table on the page anew (web/WebPage.cpp).
void PlayerFilesChanged();
