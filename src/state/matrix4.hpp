#pragma once

#include <array>

namespace zelkor {

using Matrix4 = std::array<std::array<double, 4>, 4>;

Matrix4 IdentityMatrix4();

}  // namespace zelkor
