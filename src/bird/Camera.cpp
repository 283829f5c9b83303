#include "bird/Camera.h"

#include "legacygl/Gl.h"

#include <cmath>

void Camera::SetEye(const float x, const float y, const float z) {
    eye.Set(x, y, z);
}

void Camera::SetCenter(const float x, const float y, const float z) {
    center.Set(x, y, z);
}

void Camera::SetUp(const float x, const float y, const float z) {
    up.Set(x, y, z);
}

Vector Camera::GetDirection() const {
    return Vector(center.GetX() - eye.GetX(), center.GetY() - eye.GetY(),
                  center.GetZ() - eye.GetZ());
}

void Camera::Move(const float dx, const float dy, const float dz) {
    eye.Set(eye.GetX() + dx, eye.GetY() + dy, eye.GetZ() + dz);
    center.Set(center.GetX() + dx, center.GetY() + dy, center.GetZ() + dz);
}

void Camera::Turn(const float turnInput, const float pitchInput) {
    polarAngle += pitchInput / turnDivisor;
    azimuth -= turnInput / turnDivisor;
    if (polarAngle > pi) {
        polarAngle = polarMax;
    }
    while (azimuth > twoPi) {
        azimuth -= twoPi;
    }
    if (polarAngle < 0.0f) {
        polarAngle = polarMin;
    }
    while (azimuth < 0.0f) {
        azimuth += twoPi;
    }

    // The angles alone decide the direction; only the distance is kept.
    const float r = GetDirection().Length();
    SetCenter(center.GetX() - eye.GetX(), center.GetY() - eye.GetY(), center.GetZ() - eye.GetZ());
    SetCenter(r * std::sin(polarAngle) * std::cos(azimuth),
              r * std::sin(polarAngle) * std::sin(azimuth), r * std::cos(polarAngle));
    SetCenter(center.GetX() + eye.GetX(), center.GetY() + eye.GetY(), center.GetZ() + eye.GetZ());
}

void Camera::Apply() const {
    if (active != 1) {
        return;
    }
    gl::MatrixMode(GL_PROJECTION);
    gl::LoadIdentity();
    if (perspective != 0) {
        glu::Perspective(fieldOfView, aspect, nearPlane, farPlane);
    } else {
        gl::Ortho(orthoLeft, orthoRight, orthoBottom, orthoTop, nearPlane, farPlane);
    }
    glu::LookAt(eye.GetX(), eye.GetY(), eye.GetZ(), center.GetX(), center.GetY(), center.GetZ(),
                up.GetX(), up.GetY(), up.GetZ());
    gl::MatrixMode(GL_MODELVIEW);
}
