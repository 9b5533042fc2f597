#include "engine/graphics/Matriz3D.h"

#include <cmath>

Vector3D operator+(const Vector3D& a, const Vector3D& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vector3D operator-(const Vector3D& a, const Vector3D& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector3D operator*(const Vector3D& a, float k) { return {a.x * k, a.y * k, a.z * k}; }
float Punt(const Vector3D& a, const Vector3D& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3D Creu(const Vector3D& a, const Vector3D& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Longitud(const Vector3D& a) { return std::sqrt(Punt(a, a)); }

Vector3D Normalitza(const Vector3D& a)
{
    float l = Longitud(a);
    if (!(l > 0.0f) || !std::isfinite(l)) return {};
    return a * (1.0f / l);
}

Matriz3D operator*(const Matriz3D& a, const Matriz3D& b)
{
    Matriz3D r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            float s = 0.0f;
            for (int k = 0; k < 4; ++k) s += a(i, k) * b(k, j);
            r(i, j) = s;
        }
    return r;
}

Matriz3D Matriz3D::Escala(float x, float y, float z)
{
    Matriz3D r;
    r(0, 0) = x;
    r(1, 1) = y;
    r(2, 2) = z;
    return r;
}

Matriz3D Matriz3D::Translacio(float x, float y, float z)
{
    Matriz3D r;
    r(3, 0) = x;
    r(3, 1) = y;
    r(3, 2) = z;
    return r;
}

Matriz3D Matriz3D::RotacioYawPitchRoll(float yaw, float pitch, float roll)
{
    const float cy = std::cos(yaw), sy = std::sin(yaw);
    const float cp = std::cos(pitch), sp = std::sin(pitch);
    const float cr = std::cos(roll), sr = std::sin(roll);
    Matriz3D z, x, y;
    z(0, 0) = cr;
    z(0, 1) = sr;
    z(1, 0) = -sr;
    z(1, 1) = cr;
    x(1, 1) = cp;
    x(1, 2) = sp;
    x(2, 1) = -sp;
    x(2, 2) = cp;
    y(0, 0) = cy;
    y(0, 2) = -sy;
    y(2, 0) = sy;
    y(2, 2) = cy;
    return z * x * y;
}

Matriz3D Matriz3D::Mirada(const Vector3D& ull, const Vector3D& objectiu, const Vector3D& amunt)
{
    const Vector3D eixZ = Normalitza(objectiu - ull);
    if (Longitud(eixZ) == 0.0f) return Matriz3D();
    Vector3D eixX = Normalitza(Creu(amunt, eixZ));
    // Looking along the up vector: the nearest other up that is not.
    if (Longitud(eixX) == 0.0f) eixX = Normalitza(Creu(Vector3D{0.0f, 0.0f, 1.0f}, eixZ));
    if (Longitud(eixX) == 0.0f) eixX = Normalitza(Creu(Vector3D{1.0f, 0.0f, 0.0f}, eixZ));
    const Vector3D eixY = Creu(eixZ, eixX);
    Matriz3D r;
    r(0, 0) = eixX.x;
    r(1, 0) = eixX.y;
    r(2, 0) = eixX.z;
    r(0, 1) = eixY.x;
    r(1, 1) = eixY.y;
    r(2, 1) = eixY.z;
    r(0, 2) = eixZ.x;
    r(1, 2) = eixZ.y;
    r(2, 2) = eixZ.z;
    r(3, 0) = -Punt(eixX, ull);
    r(3, 1) = -Punt(eixY, ull);
    r(3, 2) = -Punt(eixZ, ull);
    return r;
}

Matriz3D Matriz3D::Perspectiva(float fov, float aspecte, float prop, float lluny)
{
    const float escalaY = 1.0f / std::tan(fov / 2.0f);
    const float escalaX = escalaY / aspecte;
    Matriz3D r;
    r(0, 0) = escalaX;
    r(1, 1) = escalaY;
    r(2, 2) = lluny / (lluny - prop);
    r(2, 3) = 1.0f;
    r(3, 2) = -prop * lluny / (lluny - prop);
    r(3, 3) = 0.0f;
    return r;
}

Vector3D Matriz3D::Transforma(const Vector3D& p) const
{
    const Matriz3D& a = *this;
    return {p.x * a(0, 0) + p.y * a(1, 0) + p.z * a(2, 0) + a(3, 0),
            p.x * a(0, 1) + p.y * a(1, 1) + p.z * a(2, 1) + a(3, 1),
            p.x * a(0, 2) + p.y * a(1, 2) + p.z * a(2, 2) + a(3, 2)};
}

Matriz3D Matriz3D::InversaRigida() const
{
    const Matriz3D& a = *this;
    Matriz3D r;
    // The rotation's inverse is its transpose; the translation goes back
    // through it.
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r(i, j) = a(j, i);
    for (int j = 0; j < 3; ++j) r(3, j) = -(a(3, 0) * r(0, j) + a(3, 1) * r(1, j) + a(3, 2) * r(2, j));
    return r;
}
