#include "state/matrix4.hpp"

namespace zelkor {

Matrix4 IdentityMatrix4() {
    Matrix4 m{};
    for (std::size_t i = 0; i < 4; ++i) m[i][i] = 1.0;
    return m;
}

}  // namespace zelkor
