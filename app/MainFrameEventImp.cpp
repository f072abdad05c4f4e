#include "app/MainFrameEventImp.h"

#include "app/AboutDlgEventImp.h"
#include "app/ControlSkin.h"
#include "app/CopyDataText.h"
#include "app/DatabaseManager.h"
#include "app/DesktopOpener.h"
#include "app/DialogSkin.h"
#include "app/FailureNotice.h"
#include "app/MainFrameLayout.h"
#include "app/PPMExplainDlgEventImp.h"
#include "app/StartupScale.h"
#include "app/ToolBarEventImp.h"
#include "app/WindowStyles.h"
#include "app/calc/3DViewEventImp.h"
#include "app/calc/Fish3DViewEventImp.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "app/calc/FishSideViewEventImp.h"
#include "app/calc/FishTopViewEventImp.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "app/calc/SideViewEventImp.h"
#include "app/calc/TopViewEventImp.h"
#include "base/Globals.h"
#include "base/KWRegularFile.h"
#include "base/KWStreamConvert.h"
#include "base/ScaledLength.h"
#include "base/Translate.h"
#include "ui/api/KWPictureCtrl.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWStatic.h"
#include "ui/api/KWView.h"
#include "ui/qt/KWQtSupport.h"

#include <boost/make_shared.hpp>
#include <boost/weak_ptr.hpp>

#include <QDebug>
#include <QFile>
#include <QString>

namespace {

// The main window delivers F1 as the virtual-key code the handlers know.
constexpr UINT kKeyF1 = 0x70;

constexpr UINT kGreen = 0xA335; // red 0x35, green 0xA3
constexpr UINT kWhite = 0xFFFFFF;
constexpr UINT kIdNone = static_cast<UINT>(-1);
constexpr UINT kIdContainer = static_cast<UINT>(-2);

void Show(CKWView* view, bool show)
{
    if (view != nullptr) {
        view->ShowWindow(show ? 1 : 0);
    }
}

void Show(CKWStatic* label, bool show)
{
    if (label != nullptr) {
        label->ShowWindow(show ? 1 : 0);
    }
}

void Show(CKWButton* button, bool show)
{
    if (button != nullptr) {
        button->ShowWindow(show ? 1 : 0);
    }
}

void Show(CKWPictureCtrl* picture, bool show)
{
    if (picture != nullptr) {
        picture->ShowWindow(show ? 1 : 0);
    }
}

template <class Control> void Move(Control* control, CKWRect rect)
{
    if (control != nullptr) {
        control->MoveWindow(rect);
    }
}

template <class Child> CKWView* ViewOf(const boost::shared_ptr<Child>& child)
{
    return child ? child->GetView() : nullptr;
}

// A label of the density display or the chooser page: no listener, no id.
CKWStatic* CreateLabel(const wchar_t* text, void* parent, UINT alignFlag, int textSize)
{
    CKWStatic* label = CreateKWStatic(nullptr);
    if (label == nullptr) {
        return nullptr;
    }
    label->Create(text, WS_VISIBLE, CKWRect(0, 0, 60, 20), parent, kIdNone);
    label->SetTextAlignFlag(alignFlag);
    label->SetTextSize(textSize);
    return label;
}

// What stops the guide at path from being handed to a viewer, named on
// standard error, as the sentence the user is told; empty when nothing does.
std::wstring WhyTheGuideCannotBeOpened(const QString& guide)
{
    if (!KWEntryExists(guide)) {
        qWarning().noquote() << "User guide" << guide << "cannot be opened: there is no such file";
        return translate(L"The user's guide is not in the program's folder:");
    }
    // An entry of the guide's name that is no readable file (a pipe, a
    // folder, a device, a link that leads nowhere) is there for the user to
    // see: it is named for what it is.
    QFile file;
    QString reason;
    if (!KWOpenRegularQFile(file, guide, QIODevice::NotOpen, &reason)) {
        qWarning().noquote() << "User guide" << guide << "cannot be opened:" << reason;
        return translate(L"The user's guide cannot be read:");
    }
    return std::wstring();
}

} // namespace

CMainFrameEventImp::CMainFrameEventImp() = default;

CMainFrameEventImp::~CMainFrameEventImp()
{
    // The window takes every control with it; the children, released after
    // this body in reverse order of their members, no longer touch them.
    if (m_pMainDlg != nullptr) {
        DestroyKWMainWindow(m_pMainDlg);
        m_pMainDlg = nullptr;
    }
}

boost::shared_ptr<CMainFrameEventImp> CMainFrameEventImp::CreateInstance()
{
    boost::shared_ptr<CMainFrameEventImp> mainFrame = boost::make_shared<CMainFrameEventImp>();
    mainFrame->Create();
    return mainFrame;
}

int CMainFrameEventImp::Create()
{
    DialogStyle style;
    FillSkin(&style);
    m_pMainDlg = CreateKWMainWindow(this, nullptr);
    if (m_pMainDlg == nullptr) {
        return 0;
    }
    m_pMainDlg->SetSkin(&style);
    m_pMainDlg->SetTitleToTopDistance(Scaled(20));
    m_pMainDlg->Create(L"", nullptr);
    m_pMainDlg->ModifyDlgStyleEx(0, 16, 16);
    m_pMainDlg->SetWindowTextW(translate(L"ProductName"));
    m_pMainDlg->SetDlgIcon(L"CalTool.png");
    m_pMainDlg->MoveWindow(0, 0, MainWindowWidth(g_screenScale), MainWindowHeight(g_screenScale));
    m_pMainDlg->CenterWindow(nullptr);
    m_pMainDlg->SetFrameShadow(true);
    m_pMainDlg->ShowWindow(1);
    return 0;
}

void CMainFrameEventImp::FillSkin(DialogStyle* style)
{
    if (style == nullptr) {
        return;
    }
    static const DialogLook kLook = { L"DlgBackgorund.png", L"bg_monitor.png", L"tile", L"000000", L"Tahoma",
        L"11", L"", L"333333", L"999999", L"left" };
    static const DialogFramePieces kPieces = { { { L"0,0,10,8", L"tile" }, { L"30,0,1,8", L"stretch" },
        { L"138,0,10,8", L"" }, { L"0,37,1,30", L"" }, { L"0,37,1,30", L"" }, { L"0,37,1,30", L"" },
        { L"0,84,10,1", L"" }, { L"10,84,30,1", L"" }, { L"84,84,2,1", L"" }, { L"85,37,1,30", L"" },
        { L"85,37,1,30", L"" }, { L"85,37,1,30", L"" } } };
    FillDialogLook(style, kLook, kPieces);
    style->strCaptionRect = L"0,0,1000,62";
    style->bFlag = false;
    style->strWindowSize = L"1040,740";
}

void CMainFrameEventImp::OnDlgCreate(bool create)
{
    if (!create) {
        return;
    }
    const boost::shared_ptr<CMainFrameEventImp> self = shared_from_this();
    m_databaseManager = CreateDatabaseManager();
    m_aboutDlg = CreateAboutDlg(self);
    m_toolBar = CreateToolBar(self);
    m_3DView = C3DViewEventImp::CreateInstance(self);
    m_sideView = CSideViewEventImp::CreateInstance(self);
    m_topView = CTopViewEventImp::CreateInstance(self);
    m_parameterSetting = CParameterSettingEventImp::CreateInstance(self);
    m_fishParameterSetting = CFishParameterSettingEventImp::CreateInstance(self);
    m_fish3DView = CFish3DViewEventImp::CreateInstance(self);
    m_fishTopView = CFishTopViewEventImp::CreateInstance(self);
    m_fishSideView = CFishSideViewEventImp::CreateInstance(self);
    CreateChooserPage();
    CreatePPMDisplay();
    m_ppmExplainDlg = CreatePPMExplainDlg(self);
    // The first screen is the chooser page; the fisheye tool, created
    // visible, lies under it until a tool is chosen.
    Show(ViewOf(m_parameterSetting), false);
    Show(ViewOf(m_sideView), false);
    Show(ViewOf(m_topView), false);
    Show(ViewOf(m_3DView), false);
}

void CMainFrameEventImp::CreateChooserPage()
{
    void* const wnd = GetUIWnd();
    m_pChooserPage = CreateKWView(nullptr);
    if (m_pChooserPage != nullptr) {
        m_pChooserPage->SetFrameClr(kWhite, 255, 1);
        m_pChooserPage->SetBGClr(kWhite);
        m_pChooserPage->Create(
            nullptr, L"", WS_CHILD | WS_VISIBLE, CKWRect(0, 0, 100, 500), wnd, kIdContainer);
    }

    const auto makeToolButton
        = [&](const wchar_t* normal, const wchar_t* hover, const wchar_t* pressed, UINT id) {
              CKWButton* button = CreateKWButton(static_cast<IKWButtonEvent*>(this));
              if (button == nullptr) {
                  return button;
              }
              ImageButtonStyle skin = ButtonSkin(normal, hover, pressed, normal);
              button->SetSkin(&skin);
              button->Create(translate(L""), WS_VISIBLE | kWsTabStop, CKWRect(0, 0, 100, 500), wnd, id);
              return button;
          };
    m_pIPCToolButton = makeToolButton(L"ipc_nor.png", L"ipc_hov.png", L"ipc_pre.png", kIdIPCTool);
    m_pFishToolButton = makeToolButton(L"yuyan_nor.png", L"yuyan_hov.png", L"yuyan_pre.png", kIdFishTool);

    m_pIPCTitle = CreateLabel(translate(L"IPC Calculator Tool"), wnd, 5, Scaled(14));
    m_pFishTitle = CreateLabel(translate(L"FishEye Calculator Tool"), wnd, 5, Scaled(14));
}

void CMainFrameEventImp::CreatePPMDisplay()
{
    void* const wnd = GetUIWnd();
    m_pPPMArea = CreateKWView(nullptr);
    if (m_pPPMArea != nullptr) {
        m_pPPMArea->SetFrameClr(kWhite, 255, 1);
        m_pPPMArea->SetBGClr(kWhite);
        m_pPPMArea->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CKWRect(0, 0, 100, 500), wnd, kIdContainer);
    }
    m_pPPMPicture = CreateKWPictureCtrl(nullptr);
    if (m_pPPMPicture != nullptr) {
        m_pPPMPicture->Create(L"", WS_CHILD | WS_VISIBLE, CKWRect(0, 0, 100, 500), wnd, kIdContainer);
        SetPPMPicture(L"ppmpic_nor.png");
    }
    m_pUnitCaption = CreateLabel(translate(L"PPM"), wnd, 4, Scaled(14));
    m_pDensityCaption = CreateLabel(translate(L"LimpidValue"), wnd, 4, Scaled(14));
    m_pDensityValue = CreateLabel(translate(L"252"), wnd, 5, Scaled(23));
    if (m_pDensityValue != nullptr) {
        m_pDensityValue->SetTextColor(kGreen);
    }
    m_pExplainButton = CreateKWButton(static_cast<IKWButtonEvent*>(this));
    if (m_pExplainButton != nullptr) {
        m_pExplainButton->Create(
            translate(L"explainPPM >"), WS_VISIBLE | kWsTabStop, CKWRect(0, 0, 60, 20), wnd, kIdPPMExplain);
        m_pExplainButton->SetTextColor(kGreen);
    }
    m_pPixelCountCaption = CreateLabel(translate(L"PixelAmount"), wnd, 4, Scaled(14));
    m_pPixelCountValue = CreateLabel(translate(L"29"), wnd, 5, Scaled(23));
    if (m_pPixelCountValue != nullptr) {
        m_pPixelCountValue->SetTextColor(kGreen);
    }

    Show(m_pPPMArea, false);
    Show(m_pPPMPicture, false);
    Show(m_pUnitCaption, false);
    Show(m_pDensityCaption, false);
    Show(m_pDensityValue, false);
    Show(m_pExplainButton, false);
    Show(m_pPixelCountCaption, false);
    Show(m_pPixelCountValue, false);
}

void CMainFrameEventImp::OnDlgSize(UINT /*type*/, int& width, int& height)
{
    // The window may be sized while it is still being created; the layout
    // waits until the children exist.
    if (!m_toolBar) {
        return;
    }
    m_clientWidth = width;
    m_clientHeight = height;
    const MainFrameLayout layout = ComputeMainFrameLayout(width, height, g_uiScale);

    Move(m_toolBar->GetView(), layout.toolBar);
    Move(m_pChooserPage, layout.chooser);
    Move(m_pIPCToolButton, layout.ipcButton);
    Move(m_pIPCTitle, layout.ipcTitle);
    Move(m_pFishToolButton, layout.fishButton);
    Move(m_pFishTitle, layout.fishTitle);
    Move(ViewOf(m_parameterSetting), layout.panel);
    Move(ViewOf(m_fishParameterSetting), layout.panel);
    Move(ViewOf(m_3DView), layout.view3D);
    Move(ViewOf(m_fish3DView), layout.view3D);
    Move(ViewOf(m_sideView), layout.ipcSide);
    Move(ViewOf(m_fishSideView), layout.fishSide);
    Move(ViewOf(m_topView), layout.ipcTop);
    Move(ViewOf(m_fishTopView), layout.fishTop);
    Move(m_pPPMArea, layout.ppmArea);

    const PPMAreaLayout ppm = ComputePPMAreaLayout(layout.ppmArea, g_uiScale);
    Move(m_pPixelCountCaption, ppm.pixelCountCaption);
    Move(m_pPixelCountValue, ppm.pixelCountValue);
    m_ppmAreaLeft = ppm.areaLeft;
    m_densityCaptionTop = ppm.densityCaptionTop;
    m_pictureTop = ppm.pictureTop;
    Move(m_pDensityCaption, ppm.display.densityCaption);
    Move(m_pDensityValue, ppm.display.densityValue);
    Move(m_pUnitCaption, ppm.display.unitCaption);
    Move(m_pPPMPicture, ppm.display.picture);
    Move(m_pExplainButton, ppm.display.explainButton);
}

void CMainFrameEventImp::LayoutPPMArea(bool standard)
{
    const PPMDisplayLayout layout = standard
        ? ComputeStandardPPMLayout(m_ppmAreaLeft, m_densityCaptionTop, m_pictureTop, g_uiScale)
        : ComputeFixedPPMLayout(g_uiScale);
    Move(m_pDensityCaption, layout.densityCaption);
    Move(m_pDensityValue, layout.densityValue);
    Move(m_pUnitCaption, layout.unitCaption);
    Move(m_pPPMPicture, layout.picture);
    Move(m_pExplainButton, layout.explainButton);
}

void CMainFrameEventImp::SetPPMValue(int value, bool metric, int pixelCount)
{
    m_metric = metric ? 1 : 0;
    if (m_pUnitCaption != nullptr) {
        m_pUnitCaption->SetStaticText(metric ? L"PPM" : L"PPF");
    }
    if (m_pExplainButton != nullptr) {
        m_pExplainButton->SetWindowTextW(metric ? translate(L"explainPPM >") : translate(L"explainPPF >"));
    }
    const bool known = value >= 0;
    if (m_pDensityValue != nullptr) {
        m_pDensityValue->SetStaticText(PpmValueText(value).c_str());
    }
    if (m_pPixelCountValue != nullptr) {
        m_pPixelCountValue->SetStaticText(known ? std::to_wstring(pixelCount).c_str() : L"N/A");
    }
    SetPPMPicture(PpmPictureFor(value, metric));
}

void CMainFrameEventImp::SetPPMPicture(const wchar_t* name)
{
    // Most new results fall in the level already shown. Setting the same
    // picture again would repaint it, and with it the main window and the
    // display's area beneath it, on every step of a drag.
    if (m_pPPMPicture == nullptr || m_ppmPictureName == name) {
        return;
    }
    m_pPPMPicture->SetImage(name);
    m_ppmPictureName = name;
}

void CMainFrameEventImp::ShowPPMDisplay(bool showPixelCount)
{
    Show(m_pPPMArea, true);
    Show(m_pUnitCaption, true);
    Show(m_pDensityCaption, true);
    Show(m_pPPMPicture, true);
    Show(m_pDensityValue, true);
    Show(m_pExplainButton, true);
    Show(m_pPixelCountValue, showPixelCount);
    Show(m_pPixelCountCaption, showPixelCount);
}

void CMainFrameEventImp::LeaveChooserPage()
{
    Show(m_pChooserPage, false);
    Show(m_pIPCToolButton, false);
    Show(m_pFishToolButton, false);
    Show(m_pIPCTitle, false);
    Show(m_pFishTitle, false);
    if (m_toolBar) {
        m_toolBar->ShowChangeButton(true);
    }
}

void CMainFrameEventImp::OnIPCToolClicked()
{
    LeaveChooserPage();
    ShowIPCTool(true);
    ShowFishTool(false);
    m_toolMode = kToolModeIPC;
    if (m_toolBar) {
        m_toolBar->SetChangeTooltip(true);
    }
    ShowPPMDisplay(true);
    // The display's first texts are placeholders: show the tool's own result
    // at once, as the tool switch does.
    if (m_parameterSetting) {
        m_parameterSetting->CalcPPM();
    }
}

void CMainFrameEventImp::OnFishToolClicked()
{
    LeaveChooserPage();
    ShowFishTool(true);
    ShowIPCTool(false);
    m_toolMode = kToolModeFish;
    if (m_toolBar) {
        m_toolBar->SetChangeTooltip(false);
    }
    ShowPPMDisplay(false);
    if (m_fishParameterSetting) {
        m_fishParameterSetting->CalcTargetPPM();
        m_fishParameterSetting->CalcRingPPM();
    }
}

void CMainFrameEventImp::ShowIPCTool(bool show)
{
    Show(ViewOf(m_parameterSetting), show);
    Show(ViewOf(m_sideView), show);
    Show(ViewOf(m_topView), show);
    Show(ViewOf(m_3DView), show);
    Show(m_pPixelCountValue, !show);
    Show(m_pPixelCountCaption, !show);
}

void CMainFrameEventImp::ShowFishTool(bool show)
{
    Show(ViewOf(m_fishParameterSetting), show);
    Show(ViewOf(m_fish3DView), show);
    Show(ViewOf(m_fishTopView), show);
    Show(ViewOf(m_fishSideView), show);
    Show(m_pPixelCountValue, !show);
    Show(m_pPixelCountCaption, !show);
}

void CMainFrameEventImp::OnPPMExplainClicked()
{
    CKWDialog* const dialog = m_ppmExplainDlg ? m_ppmExplainDlg->GetDlg() : nullptr;
    if (m_pMainDlg == nullptr || dialog == nullptr) {
        return;
    }
    CKWRect mainRect(0, 0, 0, 0);
    CKWRect dialogRect(0, 0, 0, 0);
    m_pMainDlg->GetDlgWindowRect(&mainRect);
    dialog->GetDlgWindowRect(&dialogRect);
    dialogRect.MoveToXY(mainRect.left + (mainRect.Width() - dialogRect.Width()) / 2,
        mainRect.top + (mainRect.Height() - dialogRect.Height()) / 2);
    dialog->MoveWindow(&dialogRect);
    dialog->DoModalDlg();
}

int CMainFrameEventImp::ShowAboutDlg()
{
    if (!m_aboutDlg) {
        m_aboutDlg = CreateAboutDlg(shared_from_this());
    }
    CKWDialog* const dialog = m_aboutDlg ? m_aboutDlg->GetDlg() : nullptr;
    return dialog != nullptr ? dialog->DoModalDlg() : 0;
}

void CMainFrameEventImp::RetranslateTexts()
{
    if (m_pMainDlg != nullptr) {
        m_pMainDlg->SetWindowTextW(translate(L"ProductName"));
    }
    if (m_pIPCTitle != nullptr) {
        m_pIPCTitle->SetStaticText(translate(L"IPC Calculator Tool"));
    }
    if (m_pFishTitle != nullptr) {
        m_pFishTitle->SetStaticText(translate(L"FishEye Calculator Tool"));
    }
    if (m_pPixelCountCaption != nullptr) {
        m_pPixelCountCaption->SetStaticText(translate(L"PixelAmount"));
    }
    if (m_pDensityCaption != nullptr) {
        m_pDensityCaption->SetStaticText(translate(L"LimpidValue"));
    }
    if (m_pExplainButton != nullptr) {
        m_pExplainButton->SetWindowTextW(
            m_metric != 0 ? translate(L"explainPPM >") : translate(L"explainPPF >"));
    }
}

void CMainFrameEventImp::OnDlgKeyDown(UINT /*modifiers*/, UINT key)
{
    if (key != kKeyF1) {
        return;
    }
    const std::wstring path = GetKWAppDirPath() + L"/" + translate(L"User's Guide.pdf");
    const QString guide = QString::fromStdWString(path);
    const std::wstring whatFailed = WhyTheGuideCannotBeOpened(guide);
    if (!whatFailed.empty()) {
        TellUserOfFailure(GetUIWnd(), whatFailed, guide);
        return;
    }
    if (m_shellOpener) {
        const KW_SOFT_BASE::CKWStreamConvert local(path.c_str(), 0);
        if (local.GetA() != nullptr) {
            m_shellOpener(local.GetA());
        }
        return;
    }
    // The opener may fail after this handler has returned; by then the
    // window may be gone, and with it the frame.
    const boost::weak_ptr<CMainFrameEventImp> self = weak_from_this();
    OpenWithDesktop(guide, [self, guide](DesktopOpenFailure failure, const QString& reason) {
        qWarning().noquote() << "User guide" << guide << "cannot be opened:" << reason;
        if (const boost::shared_ptr<CMainFrameEventImp> frame = self.lock()) {
            TellUserOfFailure(frame->GetUIWnd(),
                translate(failure == DesktopOpenFailure::NoFile
                        ? L"The user's guide is not in the program's folder:"
                        : L"No program could be started to open the user's guide:"),
                guide);
        }
    });
}

void CMainFrameEventImp::OnDlgCopyData(LPARAM copyData)
{
    const std::wstring path = CopyDataText(reinterpret_cast<const COPYDATASTRUCT*>(copyData));
    OnDlgFileDrop(path.c_str());
}

void CMainFrameEventImp::OnDlgFileDrop(LPCWSTR /*path*/) { }

void CMainFrameEventImp::BTN_OnMouseMove(int id, UINT /*flags*/, POINT /*point*/)
{
    if (id == static_cast<int>(kIdIPCTool) && m_pIPCTitle != nullptr) {
        m_pIPCTitle->SetTextColor(kGreen);
    } else if (id == static_cast<int>(kIdFishTool) && m_pFishTitle != nullptr) {
        m_pFishTitle->SetTextColor(kGreen);
    }
}

void CMainFrameEventImp::BTN_OnMouseLeave(int id, UINT /*flags*/, LONG /*value*/)
{
    if (id == static_cast<int>(kIdIPCTool) && m_pIPCTitle != nullptr) {
        m_pIPCTitle->SetTextColor(0);
    } else if (id == static_cast<int>(kIdFishTool) && m_pFishTitle != nullptr) {
        m_pFishTitle->SetTextColor(0);
    }
}

int CMainFrameEventImp::Dlg_Close()
{
    if (m_pMainDlg != nullptr) {
        m_pMainDlg->ShowWindow(0);
    }
    m_closing = 1;
    return 0;
}
