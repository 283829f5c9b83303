#pragma once

// Radar: placeholder declaration, completed with the HUD.
class Radar {
public:
    void IncreaseZoomFactor(float d);
    void DecreaseZoomFactor(float d);
    void IncreaseZoomDistance(float d);
    void DecreaseZoomDistance(float d);
    void DrawRadar();
};
