#include "data/platform/c_locale_print.hpp"

#include <clocale>
#include <cstdio>
#include <locale.h>

namespace zelkor::platform {
namespace {

// snprintf follows the thread's LC_NUMERIC; switch to "C" for the call only.
class CNumericScope {
public:
    CNumericScope() : previous_(uselocale(CLocale())) {}
    ~CNumericScope() { uselocale(previous_); }
    CNumericScope(const CNumericScope&) = delete;
    CNumericScope& operator=(const CNumericScope&) = delete;

private:
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        return c;
    }
    locale_t previous_;
};

}  // namespace

std::string PrintInCLocale(const char* format, double value) {
    CNumericScope scope;
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, format, value);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, static_cast<std::size_t>(n));
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), format, value);
    big.resize(static_cast<std::size_t>(n));
    return big;
}

}  // namespace zelkor::platform
