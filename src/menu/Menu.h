#pragma once

// Menu: placeholder declaration of a menu panel, completed with the toolkit.
class Menu {
public:
    void Show() { visible = 1; }
    void Hide() { visible = 0; }
    int IsVisible() const { return visible; }
    void SetTitle(const char* text);
    void SetMessage(const char* text);
    void SetX(int x);
    void SetY(int y);
    // The mouse as the shell last saw it, in the overlay frame.
    void SetMousePosition(float x, float y);
    void SetMouseFlags(int button, int down, int up);
    void HandleMouse();
    void Draw();

private:
    int visible = 0;
};
