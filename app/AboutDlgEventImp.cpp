#include "app/AboutDlgEventImp.h"

#include "app/ControlSkin.h"
#include "app/DialogSkin.h"
#include "app/MainFrameEventImp.h"
#include "app/SkinRectText.h"
#include "app/WindowStyles.h"
#include "base/Globals.h"
#include "base/KWStreamConvert.h"
#include "base/KWSystem.h"
#include "base/ScaledLength.h"
#include "base/Translate.h"
#include "ui/api/KWPictureCtrl.h"
#include "ui/api/KWStatic.h"

#include <QString>
#include <QUrl>

#include <boost/make_shared.hpp>

namespace {

constexpr UINT kIdNone = static_cast<UINT>(-1);
constexpr UINT kKeyEscape = 0x01000000; // Qt::Key_Escape
constexpr DWORD kLinkColour = 0x0000FF; // red, 0x00BBGGRR
constexpr DWORD kLinkPressedColour = 0x000096; // darker red
// The link text is read into a buffer of this many wide characters,
// terminator included; a longer text is cut.
constexpr int kWebSiteTextSize = 128;

// The shell needs a scheme to know what to open; a bare host name such as
// "www.example.org" would otherwise be taken for a file name.
void OpenWithDesktop(const std::string& utf8Text)
{
    const QUrl url = QUrl::fromUserInput(QString::fromUtf8(utf8Text.c_str()));
    if (!url.isValid()) {
        return;
    }
    const QByteArray address = url.toString(QUrl::FullyEncoded).toUtf8();
    KW_SOFT_BASE::CKWSystem::OpenWithShell(address.constData());
}

} // namespace

CAboutDlgEventImp::CAboutDlgEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
    : m_mainFrame(mainFrame)
    , m_shellOpener(OpenWithDesktop)
{
}

// The dialog belongs to the main window and went with it before the handler
// is released.
CAboutDlgEventImp::~CAboutDlgEventImp()
{
    m_pDlg = nullptr;
}

boost::shared_ptr<CAboutDlgEventImp> CreateAboutDlg(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
{
    boost::shared_ptr<CAboutDlgEventImp> about = boost::make_shared<CAboutDlgEventImp>(mainFrame);
    about->Init();
    return about;
}

void CAboutDlgEventImp::FillDialogStyle(DialogStyle* style)
{
    if (style == nullptr) {
        return;
    }
    static const DialogLook kLook = { L"bg_toolbar.png", L"bg_calendar.png", L"tile", L"000000", L"Tahoma",
        L"", L"", L"333333", L"999999", L"left" };
    // The frame pieces cut from the skin image; the 4K skin's title band is
    // twice as tall.
    static const DialogFramePieces kNormal = { { { L"0,0,10,35", L"tile" }, { L"30,0,1,35", L"stretch" },
        { L"76,0,10,35", L"" }, { L"0,37,1,30", L"" }, { L"0,37,1,30", L"" }, { L"0,37,1,30", L"" },
        { L"0,84,10,1", L"" }, { L"10,84,30,1", L"" }, { L"85,84,1,1", L"" }, { L"85,37,1,30", L"" },
        { L"85,37,1,30", L"" }, { L"85,37,1,30", L"" } } };
    static const DialogFramePieces kLarge = { { { L"0,0,10,70", L"tile" }, { L"30,0,1,70", L"stretch" },
        { L"76,0,10,70", L"" }, { L"0,71,1,1", L"" }, { L"0,71,1,1", L"" }, { L"0,71,1,0", L"" },
        { L"0,84,10,1", L"" }, { L"10,84,30,1", L"" }, { L"85,84,1,1", L"" }, { L"85,71,1,1", L"" },
        { L"85,71,1,1", L"" }, { L"85,71,1,1", L"" } } };
    FillDialogLook(style, kLook, g_uiScale == 1.0f ? kNormal : kLarge);
    style->strCaptionRect = ScaledSkinRect(20, 0, 1000, 27, g_uiScale);
    style->bFlag = true;
    style->strReservedRect = L"0,0,-1,-1";
}

int CAboutDlgEventImp::Init()
{
    DialogStyle style;
    FillDialogStyle(&style);

    // The box needs nothing of the main frame but its window as parent.
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    m_pDlg = CreateKWDialog(this, mainFrame ? mainFrame->GetUIWnd() : nullptr, Qt::WindowFlags());
    if (m_pDlg == nullptr) {
        return 0;
    }
    const float s = g_uiScale;
    m_pDlg->SetSkin(&style);
    m_pDlg->SetTitleToTopDistance(DialogTitleTop(s));
    m_pDlg->Create(L"AboutDlg", nullptr);
    m_pDlg->SetWindowTextW(translate(L"About"));
    m_pDlg->MoveWindow(0, 0, Trunc(320 * s), Trunc(200 * s));
    m_pDlg->CenterWindow(nullptr);
    m_pDlg->SetDrawBackGround(1);
    m_pDlg->SetFrameShadow(true);
    m_pDlg->ShowWindow(0);
    return 0;
}

void CAboutDlgEventImp::OnDlgCreate(bool create)
{
    // DoModalDlg calls this again with false: the controls already exist.
    if (!create) {
        return;
    }
    const float s = g_uiScale;
    const int m = Trunc(10 * s);
    void* const parent = GetUIWnd();

    const CKWRect pictureRect(0, Trunc(36 * s), Trunc(240 * s - 1), Trunc(86 * s - 1));
    CKWRect row(0, 0, Trunc(320 * s), Trunc(20 * s));
    row.MoveToXY(Trunc(20 * s), pictureRect.bottom + 2 * m);

    m_pPicture = CreateKWPictureCtrl(nullptr);
    if (m_pPicture != nullptr) {
        m_pPicture->SetImage(L"AboutPic.png");
        m_pPicture->Create(L"", WS_CHILD, pictureRect, parent, kIdNone);
        // The picture control shows itself whatever the style says.
        m_pPicture->ShowWindow(0);
    }

    m_pCloseButton = CreateKWButton(this);
    if (m_pCloseButton != nullptr) {
        m_pCloseButton->Create(L"", WS_VISIBLE, row, parent, kIdAboutClose);
        ImageButtonStyle skin = ButtonSkin(L"closed_nor.png", L"closed_hov.png", L"closed_pre.png");
        m_pCloseButton->SetSkin(&skin);
        m_pCloseButton->SetToolTipText(translate(L"Close"));
    }

    m_pVersion = CreateKWStatic(nullptr);
    if (m_pVersion != nullptr) {
        m_pVersion->Create(translate(L"ProductVer"), WS_VISIBLE | kWsTabStop, row, parent, kIdNone);
        m_pVersion->SetTextSize(Trunc(14 * s));
    }

    CKWRect noticeRect(0, 0, Trunc(320 * s), Trunc(40 * s));
    noticeRect.OffsetRect(0, row.Height() + m);
    m_pNotice = CreateKWStatic(nullptr);
    if (m_pNotice != nullptr) {
        m_pNotice->Create(
            translate(L"CopyrightString"), WS_VISIBLE | kWsTabStop, noticeRect, parent, kIdNone);
        m_pNotice->SetTextSize(Trunc(14 * s));
        m_pNotice->SetWordWrap(1);
    }

    row.OffsetRect(0, row.Height() + m);
    m_pWebSiteButton = CreateKWButton(this);
    if (m_pWebSiteButton != nullptr) {
        m_pWebSiteButton->SetTextAlign(0x24);
        ImageButtonStyle skin = ButtonSkin(L"bg_monitor.png", L"bg_monitor.png", L"bg_monitor.png");
        m_pWebSiteButton->SetSkin(&skin);
        m_pWebSiteButton->Create(translate(L"WebSite"), kWsTabStop, row, parent, kIdAboutWebSite);
        m_pWebSiteButton->SetTextColor(kLinkColour);
    }
}

CAboutDlgEventImp::Layout CAboutDlgEventImp::ComputeLayout(int cx, int /*cy*/, float scale)
{
    const float s = scale;
    const int band = Trunc(35 * s); // the title band
    const int m = Trunc(10 * s);
    Layout layout;

    CKWRect close(0, 0, Trunc(16 * s - 1), Trunc(16 * s - 1));
    close.MoveToXY(Trunc(cx - 27 * s - 10), (band - close.Height()) / 2 + 10);
    layout.closeButton = close;

    layout.picture = CKWRect(Trunc(15 * s), band, Trunc(255 * s - 1), Trunc(band + 50 * s - 1));

    CKWRect version(0, 0, Trunc(300 * s), Trunc(20 * s));
    version.MoveToXY(Trunc(30 * s), band + 4 * m);
    layout.version = version;

    CKWRect notice(Trunc(30 * s), 0, Trunc(300 * s), Trunc(40 * s));
    notice.MoveToY(version.bottom + m);
    layout.notice = notice;

    CKWRect webSite = version;
    webSite.MoveToY(version.bottom + m);
    layout.webSite = webSite;
    return layout;
}

void CAboutDlgEventImp::OnDlgSize(UINT /*type*/, int& cx, int& cy)
{
    if (m_pCloseButton == nullptr) {
        return; // the skin's size arrives before the controls exist
    }
    Layout layout = ComputeLayout(cx, cy, g_uiScale);
    m_pCloseButton->MoveWindow(&layout.closeButton);
    if (m_pPicture != nullptr) {
        m_pPicture->MoveWindow(&layout.picture);
    }
    if (m_pVersion != nullptr) {
        m_pVersion->MoveWindow(&layout.version);
    }
    if (m_pNotice != nullptr) {
        m_pNotice->MoveWindow(&layout.notice);
    }
    if (m_pWebSiteButton != nullptr) {
        m_pWebSiteButton->MoveWindow(&layout.webSite);
    }
}

void CAboutDlgEventImp::OnDlgKeyDown(UINT /*modifiers*/, UINT key)
{
    if (key == kKeyEscape && m_pDlg != nullptr) {
        m_pDlg->MFCCancel();
    }
}

void CAboutDlgEventImp::RetranslateTexts()
{
    if (m_pDlg != nullptr) {
        m_pDlg->SetWindowTextW(translate(L"About"));
    }
    if (m_pVersion != nullptr) {
        m_pVersion->SetStaticText(translate(L"ProductVer"));
    }
    if (m_pNotice != nullptr) {
        m_pNotice->SetStaticText(translate(L"CopyrightString"));
    }
    if (m_pWebSiteButton != nullptr) {
        m_pWebSiteButton->SetWindowTextW(translate(L"WebSite"));
    }
}

void CAboutDlgEventImp::SetWebSiteColour(int id, DWORD colour)
{
    if (id == static_cast<int>(kIdAboutWebSite) && m_pWebSiteButton != nullptr) {
        m_pWebSiteButton->SetTextColor(colour);
    }
}

void CAboutDlgEventImp::BTN_OnLButtonDown(int id, UINT /*flags*/, POINT /*point*/)
{
    SetWebSiteColour(id, kLinkPressedColour);
}

void CAboutDlgEventImp::BTN_OnLButtonUp(int id, UINT /*flags*/, POINT /*point*/)
{
    SetWebSiteColour(id, kLinkColour);
}

void CAboutDlgEventImp::BTN_OnMouseMove(int id, UINT /*flags*/, POINT /*point*/)
{
    SetWebSiteColour(id, kLinkColour);
}

void CAboutDlgEventImp::BTN_OnMouseLeave(int id, UINT /*flags*/, LONG /*value*/)
{
    SetWebSiteColour(id, kLinkColour);
}

void CAboutDlgEventImp::OnWebSiteClicked()
{
    if (m_pWebSiteButton == nullptr || !m_shellOpener) {
        return;
    }
    WCHAR text[kWebSiteTextSize] = {};
    m_pWebSiteButton->GetWindowTextW(text, kWebSiteTextSize);
    text[kWebSiteTextSize - 1] = L'\0';
    if (text[0] == L'\0') {
        return;
    }
    const KW_SOFT_BASE::CKWStreamConvert utf8(text, 65001);
    if (utf8.GetA() != nullptr) {
        m_shellOpener(utf8.GetA());
    }
}

void CAboutDlgEventImp::OnCloseClicked()
{
    if (m_pDlg != nullptr) {
        m_pDlg->MFCCancel();
    }
}
