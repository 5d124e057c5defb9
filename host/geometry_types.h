#pragma once

// A point or direction in the host's world or view space.
struct Vec3 {
    float x;
    float y;
    float z;
};

// Row-major 4x4 matrix for row vectors: element [r][c] is m[r][c], the
// translation sits in row 3. The host hands its matrices over in this layout.
struct Mat4 {
    float m[4][4];
};
