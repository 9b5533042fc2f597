// The small linear algebra of drawing in space: points and 4x4 matrices for
// row vectors in a left-handed frame (x right, y up, z away from the eye).
// A point is the row (x, y, z, 1) multiplied on the left; the translation
// sits in the last row; A * B applies A first.
#pragma once

struct Vector3D {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

Vector3D operator+(const Vector3D& a, const Vector3D& b);
Vector3D operator-(const Vector3D& a, const Vector3D& b);
Vector3D operator*(const Vector3D& a, float k);
float Punt(const Vector3D& a, const Vector3D& b);
Vector3D Creu(const Vector3D& a, const Vector3D& b);
float Longitud(const Vector3D& a);
// The vector divided by its length; the zero vector stays zero.
Vector3D Normalitza(const Vector3D& a);

struct Matriz3D {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    float& operator()(int fila, int columna) { return m[fila * 4 + columna]; }
    float operator()(int fila, int columna) const { return m[fila * 4 + columna]; }

    static Matriz3D Identitat() { return Matriz3D(); }
    static Matriz3D Escala(float x, float y, float z);
    static Matriz3D Translacio(float x, float y, float z);
    // The rotation of a yaw about y, a pitch about x and a roll about z, in
    // that order of application: roll first, then pitch, then yaw.
    static Matriz3D RotacioYawPitchRoll(float yaw, float pitch, float roll);
    // A left-handed view from `ull` towards `objectiu` with that up vector
    // (another up when it runs along the view); the identity when the eye
    // and the target coincide.
    static Matriz3D Mirada(const Vector3D& ull, const Vector3D& objectiu, const Vector3D& amunt);
    // A left-handed perspective: field of view along y, aspect width /
    // height, near and far planes.
    static Matriz3D Perspectiva(float fov, float aspecte, float prop, float lluny);

    // The point (x, y, z, 1) through the matrix, divided by nothing.
    Vector3D Transforma(const Vector3D& p) const;
    // The inverse of a rigid transform (rotation and translation).
    Matriz3D InversaRigida() const;
};

Matriz3D operator*(const Matriz3D& a, const Matriz3D& b);
