#include "io/decimal_fast_path.hpp"

#include "io/printf_format.hpp"

#include <bit>
#include <cstring>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace zelkor {
namespace {

using Wide = unsigned __int128;

constexpr std::uint64_t kPow10[20] = {
    1ull,
    10ull,
    100ull,
    1000ull,
    10000ull,
    100000ull,
    1000000ull,
    10000000ull,
    100000000ull,
    1000000000ull,
    10000000000ull,
    100000000000ull,
    1000000000000ull,
    10000000000000ull,
    100000000000000ull,
    1000000000000000ull,
    10000000000000000ull,
    100000000000000000ull,
    1000000000000000000ull,
    10000000000000000000ull,
};

// |value| = mantissa * 2^exponent, exactly.
struct Binary {
    std::uint64_t mantissa;
    int exponent;
};

Binary Decompose(double value) {
    // memcpy rather than std::bit_cast, which the older libc++ of the WebAssembly build lacks.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    const std::uint64_t fraction = bits & ((1ull << 52) - 1);
    if (biased == 0) return {fraction, -1074};
    return {fraction | (1ull << 52), biased - 1075};
}

bool RoundUp(Wide quotient, Wide remainder, Wide half) {
    return remainder > half || (remainder == half && (quotient & 1) != 0);
}

// round(|value| * 10^scale), ties to even, when it can be found exactly in
// 128 bits and fits 64 bits; false otherwise.
bool ScaledRound(Binary b, int scale, std::uint64_t& result) {
    if (b.mantissa == 0) {
        result = 0;
        return true;
    }
    if (b.exponent >= 0) return false;
    const int shift = -b.exponent;
    Wide quotient = 0;
    if (scale >= 0) {
        if (scale > 19) return false;
        const Wide scaled = static_cast<Wide>(b.mantissa) * kPow10[scale];  // below 2^117
        if (shift > 118) {                                                  // scaled < 2^117 <= half: rounds to 0
            result = 0;
            return true;
        }
        quotient = scaled >> shift;
        const Wide remainder = scaled & ((static_cast<Wide>(1) << shift) - 1);
        if (RoundUp(quotient, remainder, static_cast<Wide>(1) << (shift - 1))) ++quotient;
    } else {
        if (-scale > 19 || shift > 63) return false;
        const Wide divisor = static_cast<Wide>(kPow10[-scale]) << shift;  // below 2^127
        quotient = b.mantissa / divisor;
        const Wide twiceRemainder = 2 * (b.mantissa % divisor);
        if (twiceRemainder > divisor || (twiceRemainder == divisor && (quotient & 1) != 0)) ++quotient;
    }
    if ((quotient >> 64) != 0) return false;
    result = static_cast<std::uint64_t>(quotient);
    return true;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

char* AppendPairs(char* end, std::uint32_t value, int pairs) {
    for (int k = 0; k < pairs; ++k) {
        const char* pair = kDigitPairs + 2 * (value % 100);
        *--end = pair[1];
        *--end = pair[0];
        value /= 100;
    }
    return end;
}

// The digits of value (below 10^width), zero-padded to width; eight digits at
// a time in 32-bit arithmetic, which is what makes this cheap.
char* AppendDigits(char* out, std::uint64_t value, int width) {
    char* end = out + width;
    int left = width;
    while (left > 8) {
        end = AppendPairs(end, static_cast<std::uint32_t>(value % 100000000), 4);
        value /= 100000000;
        left -= 8;
    }
    end = AppendPairs(end, static_cast<std::uint32_t>(value), left / 2);
    if (left % 2 == 1) end[-1] = static_cast<char>('0' + value / kPow10[left - 1] % 10);
    return out + width;
}

}  // namespace

char* AppendExponentFast(char* out, double value, int precision) {
    if (!std::isfinite(value) || precision < 0 || precision > 17) return AppendExponent(out, value, precision);
    const Binary b = Decompose(value);
    std::uint64_t digits = 0;
    int decimalExponent = 0;
    if (b.mantissa != 0) {
        // |value| is in [2^p, 2^(p+1)); floor(log10 |value|) is floor(p log10 2)
        // or one more, and the loop settles which.
        const int power = b.exponent + 63 - std::countl_zero(b.mantissa);
        decimalExponent = (power * 78913) >> 18;
        for (int attempt = 0;; ++attempt) {
            if (attempt == 3 || !ScaledRound(b, precision - decimalExponent, digits))
                return AppendExponent(out, value, precision);
            if (digits >= kPow10[precision + 1])
                ++decimalExponent;
            else if (digits < kPow10[precision])
                --decimalExponent;
            else
                break;
        }
    }
    if (std::signbit(value)) *out++ = '-';
    *out++ = static_cast<char>('0' + digits / kPow10[precision]);
    if (precision > 0) {
        *out++ = '.';
        out = AppendDigits(out, digits % kPow10[precision], precision);
    }
    *out++ = 'E';
    *out++ = decimalExponent < 0 ? '-' : '+';
    const int magnitude = decimalExponent < 0 ? -decimalExponent : decimalExponent;
    return AppendDigits(out, static_cast<std::uint64_t>(magnitude), magnitude >= 100 ? 3 : 2);
}

char* AppendFixedFast(char* out, double value, int precision) {
    std::uint64_t scaled = 0;
    if (!std::isfinite(value) || precision < 0 || precision > 19 || !ScaledRound(Decompose(value), precision, scaled))
        return AppendFixed(out, value, precision);
    if (std::signbit(value)) *out++ = '-';
    out = std::to_chars(out, out + 20, scaled / kPow10[precision]).ptr;
    if (precision > 0) {
        *out++ = '.';
        out = AppendDigits(out, scaled % kPow10[precision], precision);
    }
    return out;
}

}  // namespace zelkor
