#pragma once

#include "geometry/Angle.h"
#include "geometry/Point.h"
#include "geometry/Vector.h"

// Camera: a viewer's eye, the point it looks at, its up direction and its
// projection, turned into the OpenGL projection matrix.
//
// The viewing direction comes from two spherical angles (polar from +z,
// azimuth from +x toward +y). Turning recomputes the centre from the angles
// at the eye-to-centre distance it had; moving shifts eye and centre together,
// so that distance never changes in flight. The look-at transform lives in
// the projection matrix; objects load their own model matrix as modelview.
class Camera {
public:
    // Kept in double: as floats both round up past the true values, which would
    // let an angle of exactly float(pi) or float(2 pi) escape the clamp and wrap.
    static constexpr double twoPi = 2.0 * pi;
    static constexpr float polarMin = 0.01f;
    static constexpr float polarMax = 3.1315927f;
    static constexpr float turnDivisor = 5.0f;

    Camera() = default;
    virtual ~Camera() = default;

    void SetEye(float x, float y, float z);
    void SetCenter(float x, float y, float z);
    void SetUp(float x, float y, float z);
    void SetPerspective() { perspective = 1; }
    void SetOrthographic() { perspective = 0; }
    void SetActive(const int value) { active = value; }

    Point GetEye() const { return eye; }
    Point GetCenter() const { return center; }
    float GetEyeX() const { return eye.GetX(); }
    float GetEyeY() const { return eye.GetY(); }
    float GetEyeZ() const { return eye.GetZ(); }
    float GetCenterX() const { return center.GetX(); }
    float GetCenterY() const { return center.GetY(); }
    float GetCenterZ() const { return center.GetZ(); }
    // Centre minus eye, not normalised: its length is the eye-to-centre distance.
    Vector GetDirection() const;

    void Move(float dx, float dy, float dz);
    // Changes the angles by the inputs / 5 (positive turn: clockwise seen from
    // above; positive pitch: nose down) and recomputes the centre.
    void Turn(float turnInput, float pitchInput);

    double GetFieldOfView() const { return fieldOfView; }
    void SetFieldOfView(const double degrees) { fieldOfView = degrees; }
    float GetPolarAngle() const { return polarAngle; }
    float GetAzimuth() const { return azimuth; }
    void SetAngles(const float polar, const float azimuthAngle) {
        polarAngle = polar;
        azimuth = azimuthAngle;
    }

    // Loads projection and look-at into GL_PROJECTION; leaves the modelview.
    void Apply() const;

protected:
    Point eye{0.0f, 0.0f, 10.0f};
    Point center{0.0f, 0.0f, 0.0f};
    Vector up{0.0f, 0.0f, 1.0f};
    int perspective = 1;
    int active = 1;
    double orthoLeft = -300.0;
    double orthoRight = 300.0;
    double orthoBottom = -400.0;
    double orthoTop = 400.0;
    double nearPlane = 10.0;
    double farPlane = 10000.0;
    double fieldOfView = 70.0;
    float aspect = 1.0f;
    float polarAngle = 0.0f;
    float azimuth = 0.0f;
};
