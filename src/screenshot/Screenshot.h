#pragma once

#include <ctime>
#include <string>

// Screenshot: the F12 key. The key only asks for a shot; the next frame,
// once drawn and just before it is shown, is read back from the window and
// written as screenshots/gullmar-YYYYMMDD-HHMMSS.png under the working
// directory (with -2, -3, ... added when shots come faster than one a
// second). A shot saved prints one line with the file's name on stdout; a
// shot that cannot be saved prints one line on stderr, and the game goes on.
class Screenshot {
public:
    static constexpr const char* folder = "screenshots";

    // Asks for a shot of the next frame.
    void Request() { requested = true; }
    // Called with the frame drawn into the back buffer, before the swap.
    void TakeIfRequested(int width, int height);

    // Reads the back buffer of the current window (width by height pixels)
    // and writes it to a new file in `directory`, which is made if missing.
    // True and the file's path in `result`, or false and the reason.
    static bool Take(int width, int height, const std::string& directory, const std::tm& now,
                     std::string& result);
    // "gullmar-YYYYMMDD-HHMMSS.png", or "...-N.png" for a number N above 1.
    static std::string FileName(const std::tm& time, int number);

private:
    bool requested = false;
};
