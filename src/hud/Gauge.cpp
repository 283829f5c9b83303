#include "hud/Gauge.h"

#include "hud/Sector.h"

#include "geometry/Angle.h"

#include "base/Settings.h"
#include "legacygl/Gl.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr int blinkPeriod = 5;  // frames in one blink cycle
constexpr int blinkShown = 3;   // frames of the cycle on which the gauge shows
constexpr float barLow = 10.0f; // a horizontal bar stands 10 to 30 pixels above its label
constexpr float columnLeft = 15.0f;
constexpr float columnRight = 35.0f;
constexpr float columnBottom = 9.0f;
constexpr float columnTop = 13.0f;
constexpr float valueGap = 3.0f;
constexpr float halfTurn = static_cast<float>(pi);
constexpr float coneHalfWidth = halfTurn / 8.0f;
constexpr float coneStep = 0.05f;
constexpr float endPointSize = 5.0f;
constexpr float depthStep = 0.1f;

void CopyText(char* field, const char* text) {
    std::snprintf(field, Gauge::textSize, "%s", text != nullptr ? text : "");
}

} // namespace

void Gauge::SetLabel(const char* text) {
    CopyText(label, text);
}
void Gauge::SetAlarmText(const char* text) {
    CopyText(alarmText, text);
}
void Gauge::SetUnitText(const char* text) {
    CopyText(unitText, text);
}

int Gauge::SliceCount() const {
    if (value < minimum || !(maximum > 0.0f)) {
        return 0;
    }
    const float percent = value / maximum * 100.0f;
    if (!(percent > 0.0f)) {
        return 0;
    }
    if (percent >= static_cast<float>(maxSlices)) {
        return maxSlices;
    }
    return static_cast<int>(std::ceil(percent));
}

void Gauge::FormatValueText(char* buffer, const int size) const {
    if (size <= 0) {
        return;
    }
    buffer[0] = '\0';
    if (labelOnly || value < minimum) {
        return;
    }
    // A text too long for the buffer is cut; a failed format leaves it empty.
    const int written =
        maximum == 0.0f ? std::snprintf(buffer, static_cast<size_t>(size), "%.0f %s",
                                        static_cast<double>(value), unitText)
                        : std::snprintf(buffer, static_cast<size_t>(size), "%.0f / %.0f",
                                        static_cast<double>(value), static_cast<double>(maximum));
    if (written < 0) {
        buffer[0] = '\0';
    }
}

float Gauge::ValueTextX() const {
    return x + charWidth * static_cast<float>(std::strlen(label)) + valueGap;
}

void Gauge::ConeSector(float& angle, float& length) const {
    float dx = pointA.GetX() - pointB.GetX();
    const float dy = pointA.GetY() - pointB.GetY();
    length = std::sqrt(dx * dx + dy * dy);
    if (length == 0.0f) {
        length = 1.0f;
    }
    float offset = 0.0f;
    if (dx < 0.0f && dy < 0.0f) {
        dx = -dx;
        offset = halfTurn;
    } else if (dx >= 0.0f && dy <= 0.0f) {
        dx = -dx;
        offset = -halfTurn;
    }
    angle = std::asin(dx / length) + offset;
    while (angle < 0.0f) {
        angle += 2.0f * halfTurn;
    }
}

void Gauge::Draw(const BarStyle barStyle) {
    if (settings.lighting) {
        gl::Disable(GL_LIGHTING);
    }
    gl::Enable(GL_BLEND);
    gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (visible) {
        if (blinking) {
            ++blinkCounter;
        }
        // The alarm texts stay unseen, as they always have in this game: they
        // are kept with the gauges but not drawn.
        if (blinkCounter % blinkPeriod < blinkShown) {
            switch (kind) {
            case GaugeKind::Text:
                DrawTextGauge();
                break;
            case GaugeKind::HorizontalBar:
                DrawBar(true, barStyle);
                break;
            case GaugeKind::VerticalBar:
                DrawBar(false, barStyle);
                break;
            case GaugeKind::Cone:
                DrawCone();
                break;
            case GaugeKind::Flash:
                DrawFlash();
                break;
            case GaugeKind::Unset:
            case GaugeKind::None:
                break;
            }
        }
    }
    gl::Color4f(1.0f, 1.0f, 1.0f, 1.0f);
    gl::Disable(GL_BLEND);
    if (settings.lighting) {
        gl::Enable(GL_LIGHTING);
    }
}

void Gauge::DrawText(const float atX, const float atY, const char* text) const {
    gl::Color4f(textColor.r, textColor.g, textColor.b, textColor.a);
    gl::RasterPos2f(atX, atY);
    for (const char* c = text; *c != '\0'; ++c) {
        glut::BitmapCharacter(glut::Fixed8By13, *c);
    }
}

void Gauge::DrawTextGauge() const {
    DrawText(x, y, label);
    char valueText[textSize];
    FormatValueText(valueText, textSize);
    if (valueText[0] != '\0') {
        DrawText(ValueTextX(), y, valueText);
    }
}

void Gauge::DrawBar(const bool horizontal, const BarStyle barStyle) const {
    DrawText(x, y, label);
    const int slices = SliceCount();
    const bool oneDraw = barStyle == BarStyle::OneDraw;
    if (oneDraw) {
        gl::Begin(GL_QUADS);
    }
    for (int i = 0; i < slices; ++i) {
        const Color c = startColor.Blend(endColor, static_cast<float>(i) / maximum * 100.0f);
        gl::Color4f(c.r, c.g, c.b, c.a);
        const float step = sliceWidth * static_cast<float>(i);
        if (!oneDraw) {
            gl::Begin(GL_POLYGON);
        }
        if (horizontal) {
            const float right = x + step + sliceWidth;
            gl::Vertex2f(right, y - barLow);
            gl::Vertex2f(right, y - barLow - sliceHeight);
            gl::Vertex2f(right - sliceWidth, y - barLow - sliceHeight);
            gl::Vertex2f(right - sliceWidth, y - barLow);
        } else {
            const float bottom = y - columnBottom - step;
            const float top = y - columnTop - step;
            gl::Vertex2f(x + columnRight, bottom);
            gl::Vertex2f(x + columnRight, top);
            gl::Vertex2f(x + columnLeft, top);
            gl::Vertex2f(x + columnLeft, bottom);
        }
        if (!oneDraw) {
            gl::End();
        }
    }
    if (oneDraw) {
        gl::End();
    }
}

void Gauge::DrawCone() const {
    const float ax = pointA.GetX();
    const float ay = pointA.GetY();
    const float bx = pointB.GetX();
    const float by = pointB.GetY();
    gl::Color3f(endColor.r, endColor.g, endColor.b);
    gl::Begin(GL_LINES);
    gl::Vertex2f(ax, ay);
    gl::Vertex2f(bx, by);
    gl::End();
    gl::PointSize(endPointSize);
    gl::Begin(GL_POINTS);
    gl::Vertex2f(bx, by);
    gl::Vertex2f(ax, ay);
    gl::End();
    gl::PointSize(1.0f);

    float angle = 0.0f;
    float length = 0.0f;
    ConeSector(angle, length);
    gl::PushMatrix();
    gl::Translatef(0.0f, 0.0f, -depthStep);
    gl::Color4f(startColor.r, startColor.g, startColor.b, startColor.a);
    DrawSector(bx, by, length, angle - coneHalfWidth, angle + coneHalfWidth, coneStep);
    gl::Color3f(0.0f, 1.0f, 0.0f);
    gl::PopMatrix();
}

void Gauge::DrawFlash() const {
    gl::Color4f(startColor.r, startColor.g, startColor.b, startColor.a);
    gl::Begin(GL_POLYGON);
    gl::Vertex2f(0.0f, -y);
    gl::Vertex2f(0.0f, y);
    gl::Vertex2f(x, y);
    gl::Vertex2f(x, -y);
    gl::End();
}
