#pragma once

#include <cstdint>
#include <cstring>

#include "gfx/color.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace paint {

// Finds key-colour pixels sixteen at a time: the 48 bytes of sixteen pixels are compared with
// the key's bytes as whole vectors (or 64-bit words without SSE2), so a span without a key costs
// a few operations instead of 48 byte tests. Bit 3p of the result is set when pixel p is the key.
class KeyScan {
public:
    static constexpr int kPixels = 16;

    explicit KeyScan(gfx::Color key)
    {
        for (int p = 0; p < kPixels; ++p) {
            pattern_[3 * p] = gfx::blue(key);
            pattern_[3 * p + 1] = gfx::green(key);
            pattern_[3 * p + 2] = gfx::red(key);
        }
    }

    std::uint64_t sixteen(const std::uint8_t* p) const
    {
        std::uint64_t bytes = 0;  // bit k: byte k matches the key's byte
#if defined(__SSE2__)
        for (int v = 0; v < 3; ++v) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * v));
            const __m128i k = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pattern_ + 16 * v));
            bytes |= std::uint64_t(std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(a, k)))) << (16 * v);
        }
#else
        for (int v = 0; v < 6; ++v) {
            std::uint64_t a, k;
            std::memcpy(&a, p + 8 * v, 8);
            std::memcpy(&k, pattern_ + 8 * v, 8);
            bytes |= std::uint64_t(zeroBytes(a ^ k)) << (8 * v);
        }
#endif
        return bytes & (bytes >> 1) & (bytes >> 2) & 0x249249249249ULL;
    }

private:
    std::uint8_t pattern_[3 * kPixels];

#if !defined(__SSE2__)
    // Bit i set when byte i of x is zero (exact: no false hits).
    static std::uint32_t zeroBytes(std::uint64_t x)
    {
        constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
        const std::uint64_t zero = ~(((x & low7) + low7) | x | low7);  // 0x80 in each zero byte
        return std::uint32_t(((zero >> 7) * 0x0102040810204080ULL) >> 56);
    }
#endif
};

}  // namespace paint
