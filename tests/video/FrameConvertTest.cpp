#include "ui/video/KWFrameConvert.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

// An I420 picture whose every sample is distinct enough to trace: luma
// 10 + index, U 100 + index, V 200 + index (wrapping).
struct Picture {
    Picture(int w, int h)
        : width(w)
        , height(h)
        , y(static_cast<std::size_t>(w * h))
        , u(static_cast<std::size_t>((w / 2) * (h / 2)))
        , v(u.size())
    {
        for (std::size_t i = 0; i < y.size(); ++i) {
            y[i] = static_cast<BYTE>(10 + i);
        }
        for (std::size_t i = 0; i < u.size(); ++i) {
            u[i] = static_cast<BYTE>(100 + i);
            v[i] = static_cast<BYTE>(200 + i);
        }
    }
    int width, height;
    std::vector<BYTE> y, u, v;
};

using Converter = void (*)(BYTE*, BYTE*, BYTE*, BYTE*, DWORD, int, int);

// What a packed converter must write at (row, pixel pair i) for the given
// chroma row.
std::array<BYTE, 4> Packed(bool uyvy, const Picture& p, int row, int i, int chromaRow)
{
    const BYTE y0 = p.y[static_cast<std::size_t>(row * p.width + 2 * i)];
    const BYTE y1 = p.y[static_cast<std::size_t>(row * p.width + 2 * i + 1)];
    const BYTE u = p.u[static_cast<std::size_t>(chromaRow * (p.width / 2) + i)];
    const BYTE v = p.v[static_cast<std::size_t>(chromaRow * (p.width / 2) + i)];
    return uyvy ? std::array<BYTE, 4> {u, y0, v, y1} : std::array<BYTE, 4> {y0, u, y1, v};
}

constexpr BYTE kGuard = 0xEE;

} // namespace

TEST(FrameConvertTest, PackedConvertersPairRowsAndStayInsideTheirRows)
{
    const struct {
        const char* name;
        Converter convert;
        bool uyvy;
        int width, height;
        std::vector<int> chromaRowOf; // per output row
    } rows[] = {
        {"UYVY 2x2", I420ToUYVY, true, 2, 2, {0, 0}},
        {"YUY2 2x2", I420ToYUY2, false, 2, 2, {0, 0}},
        {"UYVY width 20 (not a multiple of 16)", I420ToUYVY, true, 20, 4, {0, 0, 1, 1}},
        {"YUY2 width 40 (one wide step and a tail)", I420ToYUY2, false, 40, 6, {0, 0, 1, 1, 2, 2}},
        {"UYVY odd height: row 0 alone", I420ToUYVY, true, 4, 5, {0, 1, 1, 1, 1}},
    };
    for (const auto& row : rows) {
        const Picture p(row.width, row.height);
        const DWORD pitch = static_cast<DWORD>(row.width * 2 + 6);
        std::vector<BYTE> out(pitch * static_cast<std::size_t>(row.height) + 16, kGuard);
        row.convert(const_cast<BYTE*>(p.y.data()), const_cast<BYTE*>(p.u.data()), const_cast<BYTE*>(p.v.data()), out.data(),
                    pitch, row.width, row.height);
        for (int r = 0; r < row.height; ++r) {
            for (int i = 0; i < row.width / 2; ++i) {
                const auto want = Packed(row.uyvy, p, r, i, row.chromaRowOf[static_cast<std::size_t>(r)]);
                for (int k = 0; k < 4; ++k) {
                    ASSERT_EQ(out[r * pitch + 4 * i + k], want[static_cast<std::size_t>(k)]) << row.name << " row " << r << " pair " << i;
                }
            }
            for (DWORD x = static_cast<DWORD>(row.width * 2); x < pitch; ++x) {
                ASSERT_EQ(out[r * pitch + x], kGuard) << row.name << ": padding of row " << r;
            }
        }
        for (std::size_t x = pitch * static_cast<std::size_t>(row.height); x < out.size(); ++x) {
            ASSERT_EQ(out[x], kGuard) << row.name << ": after the last row";
        }
    }
}

TEST(FrameConvertTest, YV12PutsVThenUAtPitchOffsets)
{
    const Picture p(8, 4);
    const DWORD pitch = 12;
    std::vector<BYTE> out(pitch * 4 * 3 / 2, kGuard);
    I420ToYV12(const_cast<BYTE*>(p.y.data()), const_cast<BYTE*>(p.u.data()), const_cast<BYTE*>(p.v.data()), out.data(), pitch, 8, 4);
    for (int r = 0; r < 4; ++r) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(out[r * pitch + x], p.y[static_cast<std::size_t>(r * 8 + x)]);
        }
        EXPECT_EQ(out[r * pitch + 8], kGuard);
    }
    for (int r = 0; r < 2; ++r) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(out[48 + r * 6 + x], p.v[static_cast<std::size_t>(r * 4 + x)]) << "V at pitch x height";
            EXPECT_EQ(out[60 + r * 6 + x], p.u[static_cast<std::size_t>(r * 4 + x)]) << "U at pitch x height x 5 / 4";
        }
    }
}

TEST(FrameConvertTest, RgbFollowsTheStudioRangeTables)
{
    const struct {
        const char* name;
        BYTE y, u, v;
        int red, green, blue;
    } rows[] = {
        {"black", 16, 128, 128, 0, 0, 0},
        {"white rounds down", 235, 128, 128, 254, 254, 254},
        {"above white clamps", 255, 128, 128, 255, 255, 255},
        {"red", 81, 90, 240, 254, 0, 0},
    };
    for (const auto& row : rows) {
        const std::vector<BYTE> y(4, row.y);
        const BYTE u = row.u;
        const BYTE v = row.v;
        std::array<BYTE, 16> out {};
        out.fill(0x55);
        yv12_to_rgb32_c_q(out.data(), 2, y.data(), &u, &v, 2, 1, 2, 2);
        for (int px = 0; px < 4; ++px) {
            EXPECT_EQ(out[static_cast<std::size_t>(px * 4 + 0)], row.blue) << row.name;
            EXPECT_EQ(out[static_cast<std::size_t>(px * 4 + 1)], row.green) << row.name;
            EXPECT_EQ(out[static_cast<std::size_t>(px * 4 + 2)], row.red) << row.name;
            EXPECT_EQ(out[static_cast<std::size_t>(px * 4 + 3)], 0) << row.name;
        }
    }
}

TEST(FrameConvertTest, NegativeHeightTurnsThePictureUpsideDown)
{
    const int w = 4;
    const int h = 6;
    Picture p(w, h);
    std::vector<BYTE> upright(static_cast<std::size_t>(w * h * 4));
    std::vector<BYTE> flipped(upright.size());
    yv12_to_rgb32_c_q(upright.data(), w, p.y.data(), p.u.data(), p.v.data(), w, w / 2, w, h);
    yv12_to_rgb32_c_q(flipped.data(), w, p.y.data(), p.u.data(), p.v.data(), w, w / 2, w, -h);
    for (int r = 0; r < h; ++r) {
        for (int x = 0; x < w * 4; ++x) {
            EXPECT_EQ(flipped[static_cast<std::size_t>(r * w * 4 + x)], upright[static_cast<std::size_t>((h - 1 - r) * w * 4 + x)])
                << "row " << r;
        }
    }
}

TEST(FrameConvertTest, RgbLeavesOddEdgesAndRefusesNullPlanes)
{
    Picture p(4, 4);
    std::vector<BYTE> out(static_cast<std::size_t>(5 * 5 * 4), kGuard);
    // A 5 x 5 request converts 2 x 2 blocks only: the last column and row stay.
    std::vector<BYTE> y(25, 16);
    yv12_to_rgb32_c_q(out.data(), 5, y.data(), p.u.data(), p.v.data(), 5, 2, 5, 5);
    EXPECT_NE(out[0], kGuard);
    EXPECT_EQ(out[4 * 4], kGuard) << "last column";
    EXPECT_EQ(out[4 * 5 * 4], kGuard) << "last row";

    std::vector<BYTE> untouched(16, kGuard);
    yv12_to_rgb32_c_q(untouched.data(), 2, nullptr, p.u.data(), p.v.data(), 2, 1, 2, 2);
    EXPECT_EQ(untouched, std::vector<BYTE>(16, kGuard));
}
