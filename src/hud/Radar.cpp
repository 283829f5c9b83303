#include "hud/Radar.h"

#include "hud/Sector.h"

#include "actors/Car.h"
#include "actors/Fries.h"
#include "actors/Ped.h"
#include "base/Settings.h"
#include "bird/Camera.h"
#include "geometry/Angle.h"
#include "geometry/Matrix.h"
#include "legacygl/Gl.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr float blipSize = 5.0f;
constexpr float discStep = 0.2f;
constexpr float discEnd = 6.59733870039463f; // a little over one turn, so the fan closes
constexpr float depthStep = 0.1f;
constexpr float nameOffsetX = -13.0f;
constexpr float nameOffsetY = 45.0f;
constexpr float northOffset = 1.7f; // places the north marker near the rim
constexpr float northInset = 2.0f;

} // namespace

void Radar::UpdateRadar(const PedList& pedList, const CarList& carList, const FriesList& friesList,
                        const Camera& bird) {
    peds = &pedList;
    cars = &carList;
    fries = &friesList;
    centre.Set(bird.GetEyeX(), bird.GetEyeY(), 0.0f);
    heading = bird.GetDirection();
}

void Radar::SetName(const char* text) {
    std::snprintf(name, sizeof name, "%s", text != nullptr ? text : "");
}

void Radar::SetZoomFactor(const float z) {
    if (z > minZoomFactor && z < maxZoomFactor) {
        zoomFactor = z;
    }
}

void Radar::DecreaseZoomDistance(const float d) {
    if (zoomDistance > d) {
        zoomDistance -= d;
    }
}

bool Radar::BlipPosition(const Point& position, float& screenX, float& screenY) const {
    screenX = x;
    screenY = y;
    if (!(mapExtentX > 0.0f && mapExtentY > 0.0f)) {
        return false; // no city yet
    }
    const float theta =
        static_cast<float>(90.0 - std::atan2(heading.GetY(), heading.GetX()) * radiansToDegrees);
    Matrix toCentre;
    toCentre.SetTranslation(centre.GetX(), centre.GetY(), 0.0f);
    Matrix turn;
    turn.SetRotationZ(theta);
    Matrix fromCentre;
    fromCentre.SetTranslation(-centre.GetX(), -centre.GetY(), 0.0f);
    const Point turned = toCentre * turn * fromCentre * position;
    const float dx = (turned.GetX() - centre.GetX()) * zoomDistance * 2.0f / mapExtentX;
    const float dy = (turned.GetY() - centre.GetY()) * zoomDistance * 2.0f / mapExtentY;
    screenX = x + dx;
    screenY = y - dy;
    return std::sqrt(dx * dx + dy * dy) < Radius() - 1.0f;
}

void Radar::DrawBlip(const Point& position, const float r, const float g, const float b) const {
    float screenX = 0.0f;
    float screenY = 0.0f;
    if (!BlipPosition(position, screenX, screenY)) {
        return;
    }
    gl::Color3f(r, g, b);
    gl::Begin(GL_POINTS);
    gl::Vertex2f(screenX, screenY);
    gl::End();
}

void Radar::DrawDisc() const {
    const float r = Radius();
    gl::PushMatrix();
    gl::Translatef(0.0f, 0.0f, -depthStep);
    gl::Enable(GL_BLEND);
    gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl::Color4f(0.0f, 0.5f, 0.0f, 0.4f);
    DrawSector(x, y, r, 0.0f, discEnd, discStep);
    gl::Color3f(0.0f, 1.0f, 0.0f);
    gl::Disable(GL_BLEND);
    gl::PopMatrix();
}

void Radar::DrawRadar() const {
    constexpr float scaredGrey = 0.5f;
    if (settings.lighting) {
        gl::Disable(GL_LIGHTING);
    }
    gl::PointSize(blipSize);
    DrawDisc();
    gl::Color3f(1.0f, 1.0f, 1.0f);
    gl::RasterPos2f(x + nameOffsetX, y + nameOffsetY);
    for (const char* c = name; *c != '\0'; ++c) {
        glut::BitmapCharacter(glut::Helvetica12, *c);
    }
    if (peds != nullptr) {
        for (const auto& ped : *peds) {
            if (ped->GetHitCount() != 0) {
                DrawBlip(ped->GetPosition(), scaredGrey, scaredGrey, scaredGrey);
            } else {
                DrawBlip(ped->GetPosition(), 0.7f, 1.0f, 0.7f);
            }
        }
    }
    if (cars != nullptr) {
        for (const auto& car : *cars) {
            if (car->GetHitCount() != 0) {
                DrawBlip(car->GetPosition(), scaredGrey, scaredGrey, scaredGrey);
            } else {
                DrawBlip(car->GetPosition(), 0.7f, 0.7f, 1.0f);
            }
        }
    }
    if (fries != nullptr) {
        for (const auto& portion : *fries) {
            DrawBlip(portion->GetPosition(), 1.0f, 0.2f, 0.2f);
        }
    }
    gl::Color3f(0.0f, 0.0f, 0.0f);
    gl::Begin(GL_POINTS);
    gl::Vertex2f(x, y);
    gl::End();
    const Point north(centre.GetX(),
                      centre.GetY() + (zoomFactor + northOffset) * zoomDistance - northInset, 0.0f);
    DrawBlip(north, 1.0f, 1.0f, 1.0f);
    gl::Color3f(1.0f, 1.0f, 1.0f);
    gl::PointSize(1.0f);
    gl::LineWidth(1.0f);
    if (settings.lighting) {
        gl::Enable(GL_LIGHTING);
    }
}
