#include "ui/video/KWFrameConvert.h"

#include "base/platform/KWPlatform.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

enum class Packing { UYVY, YUY2 };

// One output row of packed 4:2:2: halfWidth chroma samples, two pixels each.
template <Packing kind> void PackRow(const BYTE* y, const BYTE* u, const BYTE* v, BYTE* dst, int halfWidth)
{
    int i = 0;
#if defined(__SSE2__)
    // 16 pixels per step: 8 U and 8 V bytes interleave into 16 chroma bytes,
    // which interleave with 16 luma bytes into 32 output bytes.
    for (; i + 8 <= halfWidth; i += 8) {
        const __m128i uu = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(u + i));
        const __m128i vv = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(v + i));
        const __m128i yy = _mm_loadu_si128(reinterpret_cast<const __m128i*>(y + 2 * i));
        const __m128i uv = _mm_unpacklo_epi8(uu, vv);
        __m128i lo;
        __m128i hi;
        if constexpr (kind == Packing::UYVY) {
            lo = _mm_unpacklo_epi8(uv, yy);
            hi = _mm_unpackhi_epi8(uv, yy);
        } else {
            lo = _mm_unpacklo_epi8(yy, uv);
            hi = _mm_unpackhi_epi8(yy, uv);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4 * i), lo);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4 * i + 16), hi);
    }
#endif
    for (; i < halfWidth; ++i) {
        BYTE* out = dst + 4 * i;
        if constexpr (kind == Packing::UYVY) {
            out[0] = u[i];
            out[1] = y[2 * i];
            out[2] = v[i];
            out[3] = y[2 * i + 1];
        } else {
            out[0] = y[2 * i];
            out[1] = u[i];
            out[2] = y[2 * i + 1];
            out[3] = v[i];
        }
    }
}

template <Packing kind> void PackPicture(BYTE* y, BYTE* u, BYTE* v, BYTE* dst, DWORD pitch, int width, int height)
{
    if (y == nullptr || u == nullptr || v == nullptr || dst == nullptr || width < 2 || height < 1) {
        return;
    }
    const int halfWidth = width / 2;
    const int chromaRows = height / 2;
    // A chroma row serves a row pair; the pointers step after every row for
    // which the rows still to do (this one included) are odd, so an odd
    // height gives row 0 the first chroma row alone. That pairing would reach
    // one chroma row past the planes for odd heights, so the last chroma row
    // is reused instead of reading beyond them.
    if (chromaRows == 0) {
        return; // one luma row has no chroma sample at all
    }
    int chromaRow = 0;
    for (int r = 0; r < height; ++r) {
        const int row = std::min(chromaRow, chromaRows - 1);
        PackRow<kind>(y + static_cast<std::size_t>(r) * (2 * halfWidth), u + static_cast<std::size_t>(row) * halfWidth,
                      v + static_cast<std::size_t>(row) * halfWidth, dst + static_cast<std::size_t>(r) * pitch, halfWidth);
        if ((height - r) % 2 == 1) {
            ++chromaRow;
        }
    }
}

struct RgbTables {
    std::array<int32_t, 256> luma;
    std::array<int32_t, 256> crToRed;
    std::array<int32_t, 256> crToGreen;
    std::array<int32_t, 256> cbToGreen;
    std::array<int32_t, 256> cbToBlue;
};

// Built once, on first use, for the whole process.
const RgbTables& Tables()
{
    static const RgbTables tables = [] {
        RgbTables t {};
        for (int i = 0; i < 256; ++i) {
            t.luma[static_cast<std::size_t>(i)] = (i - 16) * 9535;
            t.crToRed[static_cast<std::size_t>(i)] = (i - 128) * 13074;
            t.crToGreen[static_cast<std::size_t>(i)] = (i - 128) * 6660;
            t.cbToGreen[static_cast<std::size_t>(i)] = (i - 128) * 3203;
            t.cbToBlue[static_cast<std::size_t>(i)] = (i - 128) * 16531;
        }
        return t;
    }();
    return tables;
}

inline BYTE Clamp13(int32_t value)
{
    value >>= 13;
    return static_cast<BYTE>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

} // namespace

void I420ToUYVY(BYTE* y, BYTE* u, BYTE* v, BYTE* dst, DWORD pitch, int width, int height)
{
    PackPicture<Packing::UYVY>(y, u, v, dst, pitch, width, height);
}

void I420ToYUY2(BYTE* y, BYTE* u, BYTE* v, BYTE* dst, DWORD pitch, int width, int height)
{
    PackPicture<Packing::YUY2>(y, u, v, dst, pitch, width, height);
}

void I420ToYV12(BYTE* y, BYTE* u, BYTE* v, BYTE* dst, DWORD pitch, int width, int height)
{
    if (y == nullptr || u == nullptr || v == nullptr || dst == nullptr || width < 1 || height < 1) {
        return;
    }
    for (int k = 0; k < height; ++k) {
        std::memcpy(dst + static_cast<std::size_t>(k) * pitch, y + static_cast<std::size_t>(k) * width, static_cast<std::size_t>(width));
    }
    const std::size_t halfWidth = static_cast<std::size_t>(width / 2);
    const std::size_t chromaPitch = pitch / 2;
    BYTE* vDst = dst + static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height);
    BYTE* uDst = dst + (static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height) * 5) / 4;
    for (int k = 0; k < height / 2; ++k) {
        std::memcpy(vDst + k * chromaPitch, v + k * halfWidth, halfWidth);
        std::memcpy(uDst + k * chromaPitch, u + k * halfWidth, halfWidth);
    }
}

void yv12_to_rgb32_c_q(BYTE* dst, int dstStride, const BYTE* y, const BYTE* u, const BYTE* v, int yStride, int uvStride,
                       int width, int height)
{
    // A fault inside the loop cannot be caught here as it could with
    // structured exceptions; what can be checked up front is.
    if (dst == nullptr || y == nullptr || u == nullptr || v == nullptr || width < 0) {
        KwOutputDebugString("yv12_to_rgb32_c_q exception\n");
        return;
    }
    const RgbTables& t = Tables();
    std::ptrdiff_t lumaStride = yStride;
    std::ptrdiff_t chromaStride = uvStride;
    if (height < 0) {
        height = -height;
        // Read from the last row pair upward while writing from the top.
        y += static_cast<std::ptrdiff_t>(height - 1) * yStride;
        const int lastChroma = height / 2 - 1;
        if (lastChroma > 0) {
            u += static_cast<std::ptrdiff_t>(lastChroma) * uvStride;
            v += static_cast<std::ptrdiff_t>(lastChroma) * uvStride;
        }
        lumaStride = -lumaStride;
        chromaStride = -chromaStride;
    }
    const int halfWidth = width / 2;
    for (int pair = 0; pair < height / 2; ++pair) {
        const BYTE* y0 = y + pair * 2 * lumaStride;
        const BYTE* y1 = y0 + lumaStride;
        const BYTE* uRow = u + pair * chromaStride;
        const BYTE* vRow = v + pair * chromaStride;
        BYTE* d0 = dst + static_cast<std::ptrdiff_t>(pair) * 2 * dstStride * 4;
        BYTE* d1 = d0 + static_cast<std::ptrdiff_t>(dstStride) * 4;
        for (int x = 0; x < halfWidth; ++x) {
            const int32_t redTerm = t.crToRed[vRow[x]];
            const int32_t greenTerm = t.crToGreen[vRow[x]] + t.cbToGreen[uRow[x]];
            const int32_t blueTerm = t.cbToBlue[uRow[x]];
            const BYTE* lumas[4] = {y0 + 2 * x, y0 + 2 * x + 1, y1 + 2 * x, y1 + 2 * x + 1};
            BYTE* outs[4] = {d0 + 8 * x, d0 + 8 * x + 4, d1 + 8 * x, d1 + 8 * x + 4};
            for (int k = 0; k < 4; ++k) {
                const int32_t l = t.luma[*lumas[k]];
                outs[k][0] = Clamp13(l + blueTerm);
                outs[k][1] = Clamp13(l - greenTerm);
                outs[k][2] = Clamp13(l + redTerm);
                outs[k][3] = 0;
            }
        }
    }
}
