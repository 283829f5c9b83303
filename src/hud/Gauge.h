#pragma once

// Gauge: placeholder declaration of a HUD element, completed with the HUD.
class Gauge {
public:
    void Show() { visible = 1; }
    void Hide() { visible = 0; }
    int IsVisible() const { return visible; }
    void SetStartColor(float r, float g, float b, float a);
    void Draw();

private:
    int visible = 1;
};
