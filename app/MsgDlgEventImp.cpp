#include "app/MsgDlgEventImp.h"

#include "app/ControlSkin.h"
#include "app/DialogSkin.h"
#include "app/SkinRectText.h"
#include "app/WindowStyles.h"
#include "base/Globals.h"
#include "base/ScaledLength.h"
#include "base/Translate.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQtSupport.h"

#include <algorithm>

namespace {

constexpr UINT kKeyEscape = 0x01000000;
constexpr UINT kKeyReturn = 0x01000004;
constexpr UINT kKeyEnter = 0x01000005;

constexpr UINT kPressedText = 0xFFFFFF;
constexpr UINT kButtonText = 0xDF7609;

// Fits the label to the text so that every line stays whole inside a box
// that stays on the screen, and gives the size the label then has. A run
// that cannot break at the box's width (a long folder name) widens the box,
// up to the screen's width, and is broken anywhere beyond; a text still too
// tall for the screen has its longest line, a path, shortened in its middle.
void FitTextToScreen(CKWStatic& label, const std::wstring& text, float scale, int& width, int& height)
{
    const CKWRect first = MsgBoxInitialTextRect(scale);
    const auto fit = [&](const std::wstring& shown, int wrapWidth) {
        label.MoveWindow(first.left, first.top, wrapWidth, first.Height());
        label.SetStaticText(shown.c_str(), true);
        label.GetTextSize(width, height);
    };
    fit(text, first.Width());
    const RECT work = GetWorkAreaRect();
    if (work.right <= work.left || work.bottom <= work.top) {
        return; // no screen to fit
    }
    const int wrapWidth = std::min(width, MsgBoxMaxTextWidth(work.right - work.left + 1, scale));
    if (width > first.Width()) {
        fit(text, wrapWidth);
        if (width > wrapWidth) {
            label.SetWrapAnywhere(1);
            fit(text, wrapWidth);
        }
    }
    const int maxHeight = MsgBoxMaxTextHeight(work.bottom - work.top + 1, scale);
    if (height <= maxHeight) {
        return;
    }
    // The most of the line that still fits.
    size_t kept = 0;
    for (size_t high = LongestLineLength(text); kept < high;) {
        const size_t tried = (kept + high + 1) / 2;
        fit(ElideLongestLine(text, tried), wrapWidth);
        if (height <= maxHeight) {
            kept = tried;
        } else {
            high = tried - 1;
        }
    }
    fit(ElideLongestLine(text, kept), wrapWidth);
}

} // namespace

CMsgDlgEventImp::CMsgDlgEventImp(const wchar_t* text, const wchar_t* caption, int layout, int spare)
    : m_text(text != nullptr ? text : L"")
    , m_caption(caption != nullptr ? caption : L"")
    , m_layout(layout)
    , m_spare(spare)
{
}

CMsgDlgEventImp::~CMsgDlgEventImp() = default;

void CMsgDlgEventImp::FillDialogStyle(DialogStyle* style)
{
    if (style == nullptr) {
        return;
    }
    static const DialogLook kLook = { L"bg_toolbar.png", L"bg_calendar.png", L"tile", L"000000", L"Tahoma",
        L"11", L"normal", L"FFFFFF", L"999999", L"left" };
    // The frame pieces are cut from the toolbar picture, whose 4K version is
    // twice as tall; only the first two pieces carry a mode.
    static const DialogFramePieces kPieces1x = { { { L"0,0,10,35", L"tile" }, { L"30,0,1,35", L"stretch" },
        { L"76,0,10,35", L"" }, { L"0,37,1,30", L"" }, { L"0,37,1,30", L"" }, { L"0,37,1,30", L"" },
        { L"0,84,10,1", L"" }, { L"10,84,30,1", L"" }, { L"85,84,1,1", L"" }, { L"85,37,1,30", L"" },
        { L"85,37,1,30", L"" }, { L"85,37,1,30", L"" } } };
    static const DialogFramePieces kPieces2x = { { { L"0,0,10,70", L"tile" }, { L"30,0,1,70", L"stretch" },
        { L"76,0,10,70", L"" }, { L"0,71,1,1", L"" }, { L"0,71,1,1", L"" }, { L"0,71,1,1", L"" },
        { L"0,84,10,1", L"" }, { L"10,84,30,1", L"" }, { L"85,84,1,1", L"" }, { L"85,71,1,1", L"" },
        { L"85,71,1,1", L"" }, { L"85,71,1,1", L"" } } };
    FillDialogLook(style, kLook, g_uiScale == 1.0f ? kPieces1x : kPieces2x);
    // Title buttons 10 to 12, the last three of the twelve.
    style->Str(37) = L"11,41,23,14";
    style->Str(38) = L"41,41,23,14";
    style->Str(39) = L"71,41,23,14";
    style->strCaptionRect = ScaledSkinRect(20, 0, 1000, 27, g_uiScale);
    style->bFlag = true;
    style->strReservedRect = L"0,0,-1,-1";
}

void CMsgDlgEventImp::OnDlgCreate(bool create)
{
    if (!create) {
        return;
    }
    const float s = g_uiScale;
    void* const wnd = GetUIWnd();

    m_pText = CreateKWStatic(nullptr);
    int textWidth = 0;
    int textHeight = 0;
    if (m_pText != nullptr) {
        m_pText->SetTextAlignFlag(0x2015);
        m_pText->Create(m_text.c_str(), WS_VISIBLE | kWsTabStop, MsgBoxInitialTextRect(s), wnd, 0);
        m_pText->SetTextSize(Trunc(14 * static_cast<double>(s)));
        // Create fitted the label to its text in the font it had then; a
        // text of several lines needs the height of its own font, or its last
        // line is cut.
        FitTextToScreen(*m_pText, m_text, s, textWidth, textHeight);
    }
    MsgBoxLayout layout = ComputeMsgBoxLayout(m_layout, textWidth, textHeight, s);
    if (m_pText != nullptr) {
        m_pText->MoveWindow(layout.text);
    }

    ImageButtonStyle okSkin
        = ButtonSkin(L"btn_ok_nor.png", L"btn_ok_hov.png", L"btn_ok_pre.png", L"btn_ok_nor.png");
    CKWRect button(0, 0, Trunc(80 * static_cast<double>(s)), Trunc(24 * static_cast<double>(s)));
    m_pOK = CreateKWButton(this);
    if (m_pOK != nullptr) {
        m_pOK->SetSkin(&okSkin);
        m_pOK->Create(translate(L"OK"), kWsTabStop, button, wnd, kIdMsgOK);
        m_pOK->SetToolTipText(translate(L"OK"));
        m_pOK->SetTextColor(kButtonText);
    }
    m_pCancel = CreateKWButton(this);
    if (m_pCancel != nullptr) {
        m_pCancel->SetSkin(&okSkin);
        m_pCancel->Create(translate(L"Cancel"), kWsTabStop, button, wnd, kIdMsgCancel);
        m_pCancel->SetToolTipText(translate(L"Cancel"));
    }
    if (m_pOK != nullptr) {
        m_pOK->ShowWindow(0);
    }
    if (m_pCancel != nullptr) {
        m_pCancel->ShowWindow(0);
    }

    const int width = layout.dialog.Width();
    m_pClose = CreateKWButton(nullptr);
    if (m_pClose != nullptr) {
        m_pClose->Create(L"", 0, CKWRect(width - 25, 2, width - 1, 26), wnd, kIdMsgClose);
        ImageButtonStyle closeSkin = ButtonSkin(
            L"close-normal.png", L"close-hover.png", L"close-pressed.png", L"close-disabled.png");
        m_pClose->SetSkin(&closeSkin);
        m_pClose->SetToolTipText(translate(L"Close"));
    }

    if (layout.showOK && m_pOK != nullptr) {
        m_pOK->MoveWindow(layout.ok);
        m_pOK->ShowWindow(1);
    }
    if (layout.showCancel && m_pCancel != nullptr) {
        m_pCancel->MoveWindow(layout.cancel);
        m_pCancel->ShowWindow(1);
    }
    if (layout.hideClose && m_pClose != nullptr) {
        m_pClose->ShowWindow(0);
    }

    if (m_pDlg != nullptr) {
        m_pDlg->SetWindowTextW(m_caption.c_str());
        m_pDlg->MoveWindow(layout.dialog);
        m_pDlg->CenterWindow(nullptr);
    }
}

void CMsgDlgEventImp::Dlg_OnOK() { }

void CMsgDlgEventImp::Dlg_OnCancel() { }

void CMsgDlgEventImp::OnDlgSize(UINT /*type*/, int& /*width*/, int& /*height*/) { }

void CMsgDlgEventImp::Dlg_Destroy()
{
    DestroyKWButton(m_pOK);
    DestroyKWButton(m_pCancel);
    DestroyKWButton(m_pClose);
    DestroyKWStatic(m_pText);
    m_pText = nullptr;
    m_pOK = nullptr;
    m_pCancel = nullptr;
    m_pClose = nullptr;
}

void CMsgDlgEventImp::OnDlgKeyDown(UINT /*modifiers*/, UINT key)
{
    if (m_pDlg == nullptr) {
        return;
    }
    if (key == kKeyEscape) {
        m_pDlg->MFCCancel();
    } else if (key == kKeyReturn || key == kKeyEnter) {
        m_pDlg->MFCOK();
    }
}

void CMsgDlgEventImp::OnMsgReserved1(int /*value*/) { }

void CMsgDlgEventImp::OnMsgReserved2(int /*value*/) { }

void CMsgDlgEventImp::BTN_OnLButtonDown(int id, UINT /*flags*/, POINT /*point*/)
{
    if (id == static_cast<int>(kIdMsgOK) && m_pOK != nullptr) {
        m_pOK->SetTextColor(kPressedText);
    } else if (id == static_cast<int>(kIdMsgCancel) && m_pCancel != nullptr) {
        m_pCancel->SetTextColor(kPressedText);
    }
}

void CMsgDlgEventImp::BTN_OnLButtonUp(int id, UINT /*flags*/, POINT /*point*/)
{
    if (id == static_cast<int>(kIdMsgOK) && m_pOK != nullptr) {
        m_pOK->SetTextColor(kButtonText);
    } else if (id == static_cast<int>(kIdMsgCancel) && m_pCancel != nullptr) {
        m_pCancel->SetTextColor(kButtonText);
    }
}

void CMsgDlgEventImp::OnCloseClicked()
{
    if (m_pDlg != nullptr) {
        m_pDlg->MFCCancel();
    }
}
