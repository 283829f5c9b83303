#pragma once

#include "screenshot/PngFile.h"

#include <ctime>
#include <string>

// Screenshot: the F12 key. The key only asks for a shot; the next frame,
// once drawn and just before it is shown, is read back from the window and
// written as screenshots/gullmar-YYYYMMDD-HHMMSS.png under the working
// directory (with -2, -3, ... added when shots come faster than one a
// second). A window of its own inside the main one (the second view) is not
// in the main window's back buffer: while it is open the shot waits for that
// window's frame of the same round, read the same way, and is saved with it
// laid over at its place. A shot saved prints one line with the file's name
// on stdout; a shot that cannot be saved prints one line on stderr, and the
// game goes on.
class Screenshot {
public:
    static constexpr const char* folder = "screenshots";

    // Asks for a shot of the next frame.
    void Request() { requested = true; }
    // Called with the main window's frame in its back buffer, before the
    // swap. With `waitForInset` the shot is held for AddInsetIfPending.
    void TakeIfRequested(int width, int height, bool waitForInset = false);
    // Called with the inner window current and its frame in its back buffer,
    // before its swap; (left, top) is its place in the main window.
    void AddInsetIfPending(int left, int top, int width, int height);
    // Saves a held shot as it is (the inner window closed before it drew).
    void SaveIfPending();

    // Reads the back buffer of the current window (width by height pixels)
    // and writes it to a new file in `directory`, which is made if missing.
    // True and the file's path in `result`, or false and the reason.
    static bool Take(int width, int height, const std::string& directory, const std::tm& now,
                     std::string& result);
    // Writes the picture to a new file in `directory`, as Take does.
    static bool Write(const PngPicture& picture, const std::string& directory, const std::tm& now,
                      std::string& result);
    // The current window's back buffer as RGB rows, top row first.
    static PngPicture ReadBackBuffer(int width, int height);
    // Copies `part` into `into` with its top left corner at (left, top), in
    // pixels from the top left; what falls outside `into` is left out.
    static void Paste(PngPicture& into, const PngPicture& part, int left, int top);
    // "gullmar-YYYYMMDD-HHMMSS.png", or "...-N.png" for a number N above 1.
    static std::string FileName(const std::tm& time, int number);

private:
    // Writes the shot now and prints the line that says how it went.
    static void Save(const PngPicture& picture);

    bool requested = false;
    bool pending = false;
    PngPicture held;
};
