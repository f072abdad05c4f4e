#include "app/PPMExplainDlgEventImp.h"

#include "app/ControlSkin.h"
#include "app/DialogSkin.h"
#include "app/MainFrameEventImp.h"
#include "app/SkinRectText.h"
#include "app/WindowStyles.h"
#include "base/Globals.h"
#include "base/ScaledLength.h"
#include "base/Translate.h"
#include "ui/api/KWPictureCtrl.h"
#include "ui/api/KWStatic.h"

#include <boost/make_shared.hpp>

namespace {

constexpr UINT kKeyEscape = 0x01000000;
constexpr UINT kOKText = 0x00A335;
constexpr UINT kPressedText = 0xFFFFFF;
constexpr UINT kReleasedText = 0xDF7609;
constexpr UINT kIdNone = static_cast<UINT>(-1);

} // namespace

CPPMExplainDlgEventImp::CPPMExplainDlgEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
    : m_mainFrame(mainFrame)
{
}

// The dialog belongs to the main window and went with it before the handler
// is released.
CPPMExplainDlgEventImp::~CPPMExplainDlgEventImp()
{
    m_pDlg = nullptr;
}

boost::shared_ptr<CPPMExplainDlgEventImp> CreatePPMExplainDlg(
    const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
{
    boost::shared_ptr<CPPMExplainDlgEventImp> dialog = boost::make_shared<CPPMExplainDlgEventImp>(mainFrame);
    dialog->Init();
    return dialog;
}

int CPPMExplainDlgEventImp::Init()
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    DialogStyle style;
    FillDialogStyle(&style);
    m_pDlg = CreateKWDialog(this, mainFrame ? mainFrame->GetUIWnd() : nullptr, Qt::WindowFlags());
    if (m_pDlg == nullptr) {
        return 0;
    }
    const double s = g_uiScale;
    m_pDlg->SetSkin(&style);
    m_pDlg->SetDrawBackGround(1);
    m_pDlg->Create(L"", nullptr);
    m_pDlg->ModifyDlgStyleEx(0, 8, 0);
    m_pDlg->MoveWindow(0, 0, Trunc(794 * s), Trunc(494 * s));
    m_pDlg->SetSizeRoundCorner(L"4,4");
    m_pDlg->SetFrameShadow(true);
    m_pDlg->ShowWindow(0);
    return 0;
}

void CPPMExplainDlgEventImp::FillDialogStyle(DialogStyle* style)
{
    if (style == nullptr) {
        return;
    }
    static const DialogLook kLook = { L"bg_modelslect_dlg.png", L"bg_calendar.png", L"stretch", L"000000",
        L"Tahoma", L"11", L"", L"333333", L"999999", L"left" };
    static const DialogFramePieces kPieces = { { { L"0,0,20,20", L"tile" }, { L"30,0,1,8", L"stretch" },
        { L"734,0,20,20", L"" }, { L"0,37,8,1", L"" }, { L"0,37,8,1", L"" }, { L"0,37,8,1", L"" },
        { L"0,474,20,20", L"" }, { L"30,474,1,20", L"" }, { L"734,474,20,20", L"" }, { L"746,27,8,30", L"" },
        { L"746,27,8,10", L"" }, { L"746,27,8,30", L"" } } };
    FillDialogLook(style, kLook, kPieces);
    style->strCaptionRect = ScaledSkinRect(10, 10, 1000, 10, g_uiScale);
    style->bFlag = false;
    style->strReservedRect = L"0,0,-1,-1";
}

void CPPMExplainDlgEventImp::OnDlgCreate(bool create)
{
    if (!create) {
        return;
    }
    const double s = g_uiScale;
    void* const wnd = GetUIWnd();
    const DWORD style = WS_VISIBLE | kWsTabStop;

    m_pCloseButton = CreateKWButton(nullptr);
    if (m_pCloseButton != nullptr) {
        ImageButtonStyle closeSkin
            = ButtonSkin(L"close_nor.png", L"close_hov.png", L"close_hov.png", L"close_nor.png");
        m_pCloseButton->SetSkin(&closeSkin);
        m_pCloseButton->Create(translate(L""), style, CKWRect(0, 0, 68, 20), wnd, kIdPPMExplainClose);
    }

    const CKWRect start(0, 0, 100, 20);
    for (int row = 0; row < kRowCount; ++row) {
        Row& r = m_rows[row];
        r.title = CreateKWStatic(nullptr);
        if (r.title != nullptr) {
            r.title->Create(translate(PPMExplainTitleKey(row, true)), style, start, wnd, kIdNone);
            r.title->SetTextAlignFlag(0x24);
            r.title->SetTextSize(Trunc(14 * s));
            r.title->SetTextBold(1);
        }
        r.description = CreateKWStatic(nullptr);
        if (r.description != nullptr) {
            r.description->Create(
                translate(PPMExplainDescriptionKey(row, false)), style, start, wnd, kIdNone);
            r.description->SetTextAlignFlag(0);
            r.description->SetWordWrap(1);
            r.description->SetTextSize(Trunc(14 * s));
        }
        r.picture = CreateKWPictureCtrl(nullptr);
        if (r.picture != nullptr) {
            r.picture->Create(L"", style, start, wnd, kIdNone);
            r.picture->SetImage(PPMExplainPicture(row));
        }
    }

    m_pOKButton = CreateKWButton(this);
    if (m_pOKButton != nullptr) {
        ImageButtonStyle okSkin
            = ButtonSkin(L"btn_ok_nor.png", L"btn_ok_hov.png", L"btn_ok_pre.png", L"btn_ok_nor.png");
        m_pOKButton->SetSkin(&okSkin);
        m_pOKButton->Create(translate(L"OK"), style, CKWRect(0, 0, 68, 20), wnd, kIdPPMExplainOK);
        m_pOKButton->SetTextColor(kOKText);
    }
}

void CPPMExplainDlgEventImp::OnDlgSize(UINT /*type*/, int& cx, int& cy)
{
    PPMExplainLayout layout = ComputePPMExplainLayout(cx, cy, g_uiScale);
    if (m_pCloseButton != nullptr) {
        m_pCloseButton->MoveWindow(layout.close);
    }
    for (int row = 0; row < kRowCount; ++row) {
        if (m_rows[row].picture != nullptr) {
            m_rows[row].picture->MoveWindow(layout.picture[row]);
        }
        if (m_rows[row].title != nullptr) {
            m_rows[row].title->MoveWindow(layout.title[row]);
        }
        if (m_rows[row].description != nullptr) {
            m_rows[row].description->MoveWindow(layout.description[row]);
        }
    }
    if (m_pOKButton != nullptr) {
        m_pOKButton->MoveWindow(layout.ok);
    }
}

void CPPMExplainDlgEventImp::OnView_ChangeUnit(bool metric)
{
    m_metric = metric;
    SetTitles();
}

void CPPMExplainDlgEventImp::SetTitles()
{
    for (int row = 0; row < kRowCount; ++row) {
        if (m_rows[row].title != nullptr) {
            m_rows[row].title->SetStaticText(translate(PPMExplainTitleKey(row, m_metric)));
        }
    }
}

void CPPMExplainDlgEventImp::RetranslateTexts()
{
    SetTitles();
    for (int row = 0; row < kRowCount; ++row) {
        if (m_rows[row].description != nullptr) {
            m_rows[row].description->SetStaticText(translate(PPMExplainDescriptionKey(row, true)));
        }
    }
    if (m_pOKButton != nullptr) {
        m_pOKButton->SetWindowTextW(translate(L"OK"));
    }
}

void CPPMExplainDlgEventImp::Dlg_Destroy() { }

void CPPMExplainDlgEventImp::OnDlgKeyDown(UINT /*modifiers*/, UINT key)
{
    if (key == kKeyEscape && m_pDlg != nullptr) {
        m_pDlg->ShowWindow(0);
    }
}

void CPPMExplainDlgEventImp::BTN_OnLButtonDown(int /*id*/, UINT /*flags*/, POINT /*point*/)
{
    if (m_pOKButton != nullptr) {
        m_pOKButton->SetTextColor(kPressedText);
    }
}

void CPPMExplainDlgEventImp::BTN_OnLButtonUp(int /*id*/, UINT /*flags*/, POINT /*point*/)
{
    if (m_pOKButton != nullptr) {
        m_pOKButton->SetTextColor(kReleasedText);
    }
}

void CPPMExplainDlgEventImp::OnCloseClicked()
{
    if (m_pDlg != nullptr) {
        m_pDlg->MFCCancel();
    }
}

void CPPMExplainDlgEventImp::OnOKClicked()
{
    if (m_pDlg != nullptr) {
        m_pDlg->MFCOK();
    }
}
