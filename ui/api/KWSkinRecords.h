#pragma once
// The skin records of the controls. The application fills a record just
// before a SetSkin (or SetImage) call, usually on its stack; the control takes
// what it needs during the call and keeps no pointer to it. Fields are listed
// in declaration order, first field first; an empty string means "not given"
// and leaves the matching picture or value as it was.
//
// Value forms: images are file names relative to the skin directory (the
// check box takes them as given); rectangles "x,y,w,h" (read exclusive);
// modes "stretch" (anything else tiles); colours "RRGGBB"; pairs "a,b".

#include "ui/api/KWDialogStyle.h"

#include <cstdint>
#include <string>

struct ImageButtonStyle {
    std::wstring strNormal;
    std::wstring strHover;
    std::wstring strPressed;
    std::wstring strDisabled;
    std::wstring strReserved1; // not read
    std::wstring strReserved2;
    std::wstring strReserved3;
    std::wstring strReserved4;
};

struct ImageRadioBox {
    std::wstring strCheckedNormal;
    std::wstring strCheckedHover;
    std::wstring strCheckedPressed;
    std::wstring strUncheckedNormal;
    std::wstring strUncheckedHover;
    std::wstring strUncheckedPressed;
    std::wstring strCheckedDisabled;
    std::wstring strUncheckedDisabled;
    std::wstring strOverlay; // only whether it is empty matters to the readers
};

struct ImageComboBoxStyle {
    std::wstring strImage;
    std::wstring strRect[7]; // sub-images 1 to 7
    std::wstring strMode[7]; // modes of sub-images 1 to 7
};

struct ImageSliderStyle {
    std::wstring strImage;
    std::wstring strRect[6];     // sub-images 0 to 5: the two groove parts, then the handle states
    std::wstring strReserved[6]; // not read
};

struct ImageNumSpinerStyle {
    std::wstring strFrame;
    std::wstring strDownNormal;
    std::wstring strDownHover;
    std::wstring strDownPressed;
    std::wstring strDownDisabled;
    std::wstring strReserved1; // not read
    std::wstring strReserved2;
    std::wstring strReserved3;
    std::wstring strUpNormal;
    std::wstring strUpHover;
    std::wstring strUpPressed;
    std::wstring strUpDisabled;
};

// Skin of the two side views.
struct ImageVericalStyle {
    std::wstring strVDragNormal; // vertical-drag handle
    std::wstring strVDragHover;
    std::wstring strVDragPressed;
    std::wstring strHDragNormal; // horizontal-drag handle
    std::wstring strHDragHover;
    std::wstring strHDragPressed;
    std::wstring strPerson;
    std::wstring strWallMountImage; // the fisheye side view's wall mount; not read by the IPC side view
    std::wstring strCameraImage;    // the IPC side view's camera; the fisheye side view's ceiling mount
    std::wstring strLabel1;         // not read
    std::wstring strLabel2;
    std::wstring strLabel3;
};

// Dimension markers of the 3D view.
struct Image3DViewBtnStyle {
    std::wstring strHeight;
    std::wstring strDistance;
    std::wstring strAngle;
    std::wstring strWidth;
    std::wstring strHeight2;
};

struct ScrollAreaStyle {
    std::wstring strBackground; // background of the content widget
};

struct ListCtrlStyle {
    std::wstring strImage;
    std::wstring strRect[20]; // sub-image rectangles
    std::wstring strMode[20]; // paired with the rectangles in order
    std::wstring strEvenRowColor;
    std::wstring strOddRowColor;
    int32_t nHeaderHeight = 0;
    int32_t nRowHeight = 0;
};

struct UITreeCtrlStyle {
    int32_t nReserved1 = 0; // not read
    int32_t nReserved2 = 0;
    int32_t nReserved3 = 0;
    int32_t nReserved4 = 0;
    int32_t nReserved5 = 0;
    int32_t nSkinNumber = 0;
    std::wstring strReserved1; // not read
    std::wstring strReserved2;
    std::wstring strReserved3;
    std::wstring strReserved4;
    std::wstring strReserved5;
    std::wstring strTextColor;
    std::wstring strHighlightColor;
    std::wstring strStateIcon1;
    std::wstring strStateIcon2;
};

// The progress bar's look is fixed; its record is accepted but not read.
struct ImageProgressCtrlStyle {
    std::wstring strBarImage;
    std::wstring strChunkImage;
};

// Pictures of the check box, loaded from the paths as given.
struct ImageCheckBox {
    std::wstring strCheckedNormal;
    std::wstring strCheckedHover;
    std::wstring strCheckedPressed;
    std::wstring strUncheckedNormal;
    std::wstring strUncheckedHover;
    std::wstring strUncheckedPressed;
    std::wstring strCheckedDisabled;
    std::wstring strUncheckedDisabled;
};

struct ImageDateTimeStyle {
    std::wstring strReserved1; // not read
    std::wstring strFieldBackground;
    std::wstring strDownNormal;
    std::wstring strReserved4; // not read
    std::wstring strDownHover; // hovered and pressed
    std::wstring strDownDisabled;
    std::wstring strUpNormal;
    std::wstring strReserved8; // not read
    std::wstring strUpHover; // hovered and pressed
    std::wstring strUpDisabled;
};

// The month calendar exists only as an abstract control; nothing reads this.
struct ImageMonthCalStyle {
    std::wstring strBackground;
};

struct UIImagePanelStyle {
    std::wstring strImage1; // strings 1 to 12 and 14, 15 are not drawn
    std::wstring strImage2;
    std::wstring strImage3;
    std::wstring strImage4;
    std::wstring strImage5;
    std::wstring strImage6;
    std::wstring strImage7;
    std::wstring strImage8;
    std::wstring strImage9;
    std::wstring strImage10;
    std::wstring strImage11;
    std::wstring strImage12;
    std::wstring strStripColor; // background of the thumbnail strip
    std::wstring strImage14;
    std::wstring strImage15;
    std::wstring strSecondColor; // stored, not drawn
    int32_t nThumbHeight = 0;
    int32_t nThumbWidth = 0;
    int32_t nMargin = 0;
    int32_t nTopOffset = 0;
    int32_t nSpacing = 0;
};

// The video window's record: wide strings 0 to 20, two integers for the play
// windows, then wide strings 21 and 22. Str(i) reaches string i (0..22).
struct ImageVideoWindowStyle {
    std::wstring strBackground; // 0
    std::wstring strImage1;     // 1 to 11: pictures kept for the play windows
    std::wstring strImage2;
    std::wstring strImage3;
    std::wstring strImage4;
    std::wstring strImage5;
    std::wstring strImage6;
    std::wstring strImage7;
    std::wstring strImage8;
    std::wstring strImage9;
    std::wstring strImage10;
    std::wstring strImage11;
    std::wstring strSkinPoint;    // 12: "a,b"
    std::wstring strColor1;       // 13 to 18: paint colours "RRGGBB"
    std::wstring strColor2;
    std::wstring strColor3;
    std::wstring strColor4;
    std::wstring strColor5;
    std::wstring strColor6;
    std::wstring strBarLineWidth; // 19: decimal text
    std::wstring strBarDashWidth; // 20: decimal text
    int32_t nPlayWndValue1 = 0;
    int32_t nPlayWndValue2 = 0;
    std::wstring strText1; // 21: shown while a picture loads
    std::wstring strText2; // 22

    static constexpr int kStringCount = 23;

    // String i (0..22); an index outside that range reaches no field, as
    // DialogStyle::Str does.
    std::wstring& Str(int i);
    const std::wstring& Str(int i) const;
};

// Layout of the playback timeline: two leading integers it only carries,
// then wide strings f0 onwards (rectangles "x,y,w,h" read inclusive; f6 to
// f12 are handed on as the zoom slider's ImageSliderStyle).
struct ImagePlayProgressStyle {
    int32_t nReserved1 = 0;
    int32_t nReserved2 = 0;
    std::wstring strField[28];
};

// Pictures of the playback timeline, wide strings f0 onwards.
struct ImagePlayProgressPicStyle {
    std::wstring strField[50];
};
