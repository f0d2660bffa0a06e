#include "optics/transfer_matrix.hpp"

#include "data/user_number.hpp"

namespace zelkor {

std::array<std::string, 16> IdentityMatrixTexts() {
    std::array<std::string, 16> texts;
    for (std::size_t k = 0; k < texts.size(); ++k) texts[k].assign(1, k / 4 == k % 4 ? '1' : '0');
    return texts;
}

std::optional<Message> ReadTransferMatrix(const std::array<std::string, 16>& texts, TransferMatrix& matrix) {
    TransferMatrix read{};
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const std::string name = kTransferElementNames[k];
        if (texts[k].empty()) return ErrorMessage("Missing value " + name);
        const auto value = ParseUserReal(texts[k]);
        if (!value) return ErrorMessage("Value " + name + " must be real number");
        read[k / 4][k % 4] = *value;
    }
    matrix = read;
    return std::nullopt;
}

}  // namespace zelkor
