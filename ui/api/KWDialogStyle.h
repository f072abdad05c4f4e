#pragma once
// The skin record of dialogs, the main window and frame windows: 70 wide
// strings and one flag. Strings are numbered from 0 in declaration order (the
// flag is not counted); Str(i) reaches string i, so the frame reader and the
// application's fillers can both work by number.
//
// Value forms: images are file names relative to the skin directory;
// rectangles "x,y,w,h" (read inclusive); colours "RRGGBB"; pairs "a,b".

#include <string>

struct DialogStyle {
    // skin image: frame pieces and title buttons are cut from it
    std::wstring strSkinImage; // 0
    // interior image, drawn scaled over the whole window
    std::wstring strInteriorImage; // 1
    // mode of the skin image (not read)
    std::wstring strSkinImageMode; // 2
    // interior colour "RRGGBB", used without an interior image
    std::wstring strInteriorColor; // 3
    // frame pieces {rectangle, mode}; the modes are not read
    std::wstring strPieceR0; // 4
    std::wstring strPieceR0Mode; // 5
    std::wstring strPieceR1; // 6
    std::wstring strPieceR1Mode; // 7
    std::wstring strPieceR2; // 8
    std::wstring strPieceR2Mode; // 9
    std::wstring strPieceR3; // 10
    std::wstring strPieceR3Mode; // 11
    std::wstring strPieceR4; // 12
    std::wstring strPieceR4Mode; // 13
    std::wstring strPieceR5; // 14
    std::wstring strPieceR5Mode; // 15
    std::wstring strPieceR9; // 16
    std::wstring strPieceR9Mode; // 17
    std::wstring strPieceR10; // 18
    std::wstring strPieceR10Mode; // 19
    std::wstring strPieceR11; // 20
    std::wstring strPieceR11Mode; // 21
    std::wstring strPieceR8; // 22
    std::wstring strPieceR8Mode; // 23
    std::wstring strPieceR7; // 24
    std::wstring strPieceR7Mode; // 25
    std::wstring strPieceR6; // 26
    std::wstring strPieceR6Mode; // 27
    // source rectangles of the title buttons in the skin image
    std::wstring strBtn4SrcNormal; // 28
    std::wstring strBtn4SrcOver; // 29
    std::wstring strBtn4SrcDown; // 30
    std::wstring strBtn3SrcNormal; // 31
    std::wstring strBtn3SrcOver; // 32
    std::wstring strBtn3SrcDown; // 33
    std::wstring strBtn2SrcNormal; // 34
    std::wstring strBtn2SrcOver; // 35
    std::wstring strBtn2SrcDown; // 36
    std::wstring strBtn1SrcNormal; // 37
    std::wstring strBtn1SrcOver; // 38
    std::wstring strBtn1SrcDown; // 39
    // not read
    std::wstring strReserved40; // 40
    // hit rectangles of the title buttons, window coordinates
    std::wstring strBtn4Hit; // 41
    std::wstring strBtn3Hit; // 42
    std::wstring strBtn2Hit; // 43
    std::wstring strBtn1Hit; // 44
    // title font and colours; not read by the framework
    std::wstring strTitleFont; // 45
    std::wstring strTitleFontSize; // 46
    std::wstring strTitleFontWeight; // 47
    std::wstring strTitleColor; // 48
    std::wstring strTitleColor2; // 49
    std::wstring strReserved50; // 50
    std::wstring strReserved51; // 51
    std::wstring strReserved52; // 52
    // "left", "center" or "right"
    std::wstring strTitleAlign; // 53
    // caption (drag) rectangle
    std::wstring strCaptionRect; // 54
    bool bFlag = false; // set for message and about boxes; not read, not counted by Str
    // a rectangle; not read
    std::wstring strReservedRect; // 55
    // corner radii "a,b"
    std::wstring strRoundCorner; // 56
    // window size "w,h"
    std::wstring strWindowSize; // 57
    // title button images (normal, over, down)
    std::wstring strBtn1ImgNormal; // 58
    std::wstring strBtn1ImgOver; // 59
    std::wstring strBtn1ImgDown; // 60
    std::wstring strBtn3ImgNormal; // 61
    std::wstring strBtn3ImgOver; // 62
    std::wstring strBtn3ImgDown; // 63
    std::wstring strBtn2ImgNormal; // 64
    std::wstring strBtn2ImgOver; // 65
    std::wstring strBtn2ImgDown; // 66
    std::wstring strBtn4ImgNormal; // 67
    std::wstring strBtn4ImgOver; // 68
    std::wstring strBtn4ImgDown; // 69

    static constexpr int kStringCount = 70;

    // String i (0..69). An index outside that range reaches no field: the
    // writable form a scratch string emptied on every such call, the
    // read-only form an empty string that no later call changes.
    std::wstring& Str(int i);
    const std::wstring& Str(int i) const;
};
