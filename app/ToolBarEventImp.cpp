#include "app/ToolBarEventImp.h"

#include "app/AboutDlgEventImp.h"
#include "app/ConfigManager.h"
#include "app/ControlSkin.h"
#include "app/FailureNotice.h"
#include "app/MainFrameEventImp.h"
#include "app/PPMExplainDlgEventImp.h"
#include "app/QtTranslation.h"
#include "app/ToolBarLayout.h"
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
#include "base/ScaledLength.h"
#include "base/Translate.h"
#include "ui/api/KWButton.h"
#include "ui/api/KWPictureCtrl.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQtSupport.h"

#include <boost/make_shared.hpp>

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTimer>

namespace {

constexpr UINT kToolBarColour = 0x00A335; // green, 0x00BBGGRR
constexpr UINT kBottomLineColour = 0x0202CB; // red
constexpr UINT kWhite = 0xFFFFFF;
constexpr UINT kIdNone = static_cast<UINT>(-1);

// The language entries in the order they are listed and unchecked.
constexpr int kLanguageEntries[] = { kIdMenuChinese, kIdMenuEnglish, kIdMenuPortuguese, kIdMenuSpanish };

const CKWRect kPlaceholder(0, 0, 1, 1); // OnSize places every control

// The menu toggles the entry it triggers once the listener returns; the
// entries are set so that exactly `marked` ends checked, also when it was
// checked already. The triggered entry goes first.
void MarkLanguageAfterTrigger(CKWMenu* menu, int triggered, int marked)
{
    if (menu == nullptr) {
        return;
    }
    menu->SetActionChecked(triggered, triggered != marked);
    for (int entry : kLanguageEntries) {
        if (entry != triggered) {
            menu->SetActionChecked(entry, entry == marked);
        }
    }
}

void SetTooltip(CKWButton* button, const wchar_t* text)
{
    if (button != nullptr) {
        button->SetToolTipText(text);
    }
}

} // namespace

CToolBarEventImp::CToolBarEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
    : m_mainFrame(mainFrame)
{
}

// The controls belong to the tool bar's view and went with the main window
// before the tool bar is released.
CToolBarEventImp::~CToolBarEventImp()
{
    DestroyKWView(m_pView);
    m_pView = nullptr;
}

boost::shared_ptr<CToolBarEventImp> CreateToolBar(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
{
    boost::shared_ptr<CToolBarEventImp> toolBar = boost::make_shared<CToolBarEventImp>(mainFrame);
    toolBar->Create();
    return toolBar;
}

int CToolBarEventImp::Create()
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (!mainFrame) {
        return 0;
    }
    m_pView = CreateKWView(this);
    if (m_pView == nullptr) {
        return 0;
    }
    m_pView->SetBGClr(kToolBarColour);
    m_pView->Create(nullptr, L"ToolBar", WS_CHILD | WS_VISIBLE, kPlaceholder, mainFrame->GetUIWnd(),
        static_cast<UINT>(-2));
    return 0;
}

int CToolBarEventImp::OnCreate()
{
    void* const parent = GetUIWnd();

    m_pLogo = CreateKWPictureCtrl(nullptr);
    if (m_pLogo != nullptr) {
        m_pLogo->SetImage(L"logo.png");
        m_pLogo->Create(L"", WS_CHILD | WS_VISIBLE, kPlaceholder, parent, kIdNone);
    }

    m_pProductName = CreateKWStatic(nullptr);
    if (m_pProductName != nullptr) {
        m_pProductName->Create(
            translate(L"ProductName"), WS_CHILD | WS_VISIBLE, kPlaceholder, parent, kIdNone);
        m_pProductName->SetTextColor(kWhite);
        m_pProductName->SetTextSize(Scaled(18));
        m_pProductName->SetTextAlignFlag(4); // left, vertically centred
    }

    m_pBottomLine = CreateKWView(nullptr);
    if (m_pBottomLine != nullptr) {
        m_pBottomLine->SetBGClr(kBottomLineColour);
        m_pBottomLine->Create(nullptr, L"", WS_CHILD, kPlaceholder, parent, 0);
    }

    CreateButtons(parent);
    CreateMenus(parent);
    CreateUnitRadio(parent);
    return 1;
}

void CToolBarEventImp::CreateButtons(void* parent)
{
    struct ButtonSpec {
        CKWButton** button;
        UINT id;
        const wchar_t* normal;
        const wchar_t* hover;
        const wchar_t* pressed;
        const wchar_t* disabled;
        DWORD style;
    };
    // Max and the tool switch start hidden; Max is never shown.
    const ButtonSpec specs[] = {
        { &m_pCloseButton, kIdToolBarClose, L"closed_nor.png", L"closed_hov.png", L"closed_pre.png", L"",
            WS_VISIBLE | kWsTabStop },
        { &m_pMinButton, kIdToolBarMin, L"mini_nor.png", L"mini_hov.png", L"mini_pre.png", L"",
            WS_VISIBLE | kWsTabStop },
        { &m_pMaxButton, kIdToolBarMax, L"btn_maximize_n.png", L"btn_maximize_h.png", L"btn_maximize_p.png",
            L"", kWsTabStop },
        { &m_pSettingButton, kIdToolBarSetting, L"down_nor.png", L"down_hov.png", L"down_pre.png",
            L"down_nor.png", WS_VISIBLE | kWsTabStop },
        { &m_pChangeButton, kIdToolBarChange, L"exchange_nor.png", L"exchange_hov.png", L"exchange_pre.png",
            L"exchange_nor.png", kWsTabStop },
    };
    for (const ButtonSpec& spec : specs) {
        CKWButton* button = CreateKWButton(nullptr);
        *spec.button = button;
        if (button == nullptr) {
            continue;
        }
        ImageButtonStyle skin = ButtonSkin(spec.normal, spec.hover, spec.pressed, spec.disabled);
        button->SetSkin(&skin);
        button->Create(L"", spec.style, kPlaceholder, parent, spec.id);
    }
    SetTooltip(m_pCloseButton, translate(L"Close"));
    SetTooltip(m_pMinButton, translate(L"Min"));
    SetTooltip(m_pMaxButton, translate(L"Max"));
    SetTooltip(m_pSettingButton, translate(L"Setting"));
    SetTooltip(m_pChangeButton, translate(L"Change"));
}

void CToolBarEventImp::CreateMenus(void* parent)
{
    m_pSettingMenu = CreateKWMenu(this);
    m_pLanguageMenu = CreateKWMenu(this);
    if (m_pSettingMenu == nullptr || m_pLanguageMenu == nullptr) {
        return;
    }
    // Parented to the bar so that they go with the main window like every
    // other control.
    m_pSettingMenu->Create(0, kPlaceholder, parent, 0);
    m_pLanguageMenu->Create(0, kPlaceholder, parent, 0);

    m_pLanguageMenu->AddAction(translate(L"chinese"), kIdMenuChinese);
    m_pLanguageMenu->SetActionCheckable(kIdMenuChinese, true);
    m_pLanguageMenu->AddSeparator();
    m_pLanguageMenu->AddAction(translate(L"english"), kIdMenuEnglish);
    m_pLanguageMenu->SetActionCheckable(kIdMenuEnglish, true);
    m_pLanguageMenu->AddSeparator();
    m_pLanguageMenu->AddAction(translate(L"Portuguese"), kIdMenuPortuguese);
    m_pLanguageMenu->SetActionCheckable(kIdMenuPortuguese, true);
    m_pLanguageMenu->AddSeparator();
    m_pLanguageMenu->AddAction(translate(L"Spanish"), kIdMenuSpanish);
    m_pLanguageMenu->SetActionCheckable(kIdMenuSpanish, true);
    // Chinese is chosen only in the configuration file; the entry exists so
    // that it can carry the check mark.
    m_pLanguageMenu->SetActionVisible(kIdMenuChinese, false);

    const int checked = MenuIdOfLanguage(g_languageIndex);
    for (int id : kLanguageEntries) {
        m_pLanguageMenu->SetActionChecked(id, id == checked);
    }

    m_pSettingMenu->AddMenu(m_pLanguageMenu, L"", translate(L"Language"), kIdMenuLanguage);
    m_pSettingMenu->AddSeparator();
    m_pSettingMenu->AddAction(L"", translate(L"About"), kIdMenuAbout);
    m_pSettingMenu->AddSeparator();
}

void CToolBarEventImp::CreateUnitRadio(void* parent)
{
    m_pUnitRadio = CreateKWRadioBox(this);
    if (m_pUnitRadio == nullptr) {
        return;
    }
    m_pUnitRadio->Create(translate(L""), 0, CKWRect(0, 0, 100, 24), parent, kIdToolBarUnit);
    ImageRadioBox skin = RadioSkin(
        L"ft_nor.png", L"ft_hov.png", L"ft_nor.png", L"m_nor.png", L"m_hov.png", L"m_nor.png", L"ft_nor.png");
    m_pUnitRadio->SetSkin(&skin);
    m_pUnitRadio->SetCheck(0); // unchecked: metres; checked: feet
    m_pUnitRadio->SetTooltipEnable(1);
    m_pUnitRadio->SetToolTipText(translate(L"switch unit"));
    m_pUnitRadio->ShowWindow(0);
}

void CToolBarEventImp::OnDestroy() { }

void CToolBarEventImp::OnSize(UINT /*type*/, int cx, int cy)
{
    if (m_pLogo == nullptr) {
        return;
    }
    ToolBarLayout layout = ComputeToolBarLayout(cx, cy, g_uiScale);
    m_pLogo->MoveWindow(&layout.logo);
    if (m_pProductName != nullptr) {
        m_pProductName->MoveWindow(&layout.productName);
    }
    if (m_pCloseButton != nullptr) {
        m_pCloseButton->MoveWindow(&layout.closeButton);
    }
    if (m_pMinButton != nullptr) {
        m_pMinButton->MoveWindow(&layout.minButton);
    }
    if (m_pSettingButton != nullptr) {
        m_pSettingButton->MoveWindow(&layout.settingButton);
    }
    if (m_pUnitRadio != nullptr) {
        m_pUnitRadio->MoveWindow(&layout.unitRadio, 0);
    }
    if (m_pChangeButton != nullptr) {
        m_pChangeButton->MoveWindow(&layout.unitRadio);
    }
    if (m_pBottomLine != nullptr) {
        m_pBottomLine->MoveWindow(&layout.bottomLine);
    }
}

void CToolBarEventImp::OnLButtonDblClk(UINT /*flags*/, POINT /*point*/) { }

void CToolBarEventImp::ShowChangeButton(bool show)
{
    if (m_pChangeButton != nullptr) {
        m_pChangeButton->ShowWindow(show ? 1 : 0);
    }
    if (m_pUnitRadio != nullptr) {
        m_pUnitRadio->ShowWindow(0);
    }
}

void CToolBarEventImp::SetChangeTooltip(bool ipcMode)
{
    SetTooltip(m_pChangeButton,
        ipcMode ? translate(L"switch to fisheye calculator tool")
                : translate(L"switch to ipc calculator tool"));
}

void CToolBarEventImp::RetranslateTexts()
{
    if (m_pProductName != nullptr) {
        m_pProductName->SetStaticText(translate(L"ProductName"));
    }
    SetTooltip(m_pMinButton, translate(L"Min"));
    SetTooltip(m_pCloseButton, translate(L"Close"));
    SetTooltip(m_pSettingButton, translate(L"Setting"));
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    SetChangeTooltip(!mainFrame || mainFrame->GetToolMode() != kToolModeFish);
    if (m_pUnitRadio != nullptr) {
        m_pUnitRadio->SetToolTipText(translate(L"switch unit"));
    }
    // The Portuguese and Spanish entries are written in their own language
    // and keep the texts they were created with.
    if (m_pLanguageMenu != nullptr) {
        m_pLanguageMenu->SetActionText(kIdMenuChinese, translate(L"chinese"));
        m_pLanguageMenu->SetActionText(kIdMenuEnglish, translate(L"english"));
    }
    if (m_pSettingMenu != nullptr) {
        m_pSettingMenu->SetActionText(kIdMenuLanguage, translate(L"Language"));
        m_pSettingMenu->SetActionText(kIdMenuAbout, translate(L"About"));
    }
}

void CToolBarEventImp::Menu_OnAction(int id)
{
    const int language = LanguageOfMenuId(id);
    if (language >= 0) {
        SwitchLanguage(id, language);
        return;
    }
    if (id == kIdMenuAbout) {
        if (const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock()) {
            mainFrame->ShowAboutDlg();
        }
    }
}

void CToolBarEventImp::SwitchLanguage(int id, int language)
{
    // A language whose file cannot be read would show English under its own
    // name, and be remembered so: the current language stays, unsaved, and
    // the user who chose it learns why, in the language that stays.
    if (!IsLanguageReadable(language)) {
        MarkLanguageAfterTrigger(m_pLanguageMenu, id, MenuIdOfLanguage(g_languageIndex));
        TellAfterTheMenu(translate(L"This language file cannot be read, so the language stays as it is:"),
            QFile::decodeName(LanguageFilePath(language).c_str()));
        return;
    }
    MarkLanguageAfterTrigger(m_pLanguageMenu, id, id);

    g_languageIndex = language;
    g_configManager.SetLanguage(static_cast<unsigned>(language));
    // The switch holds for this session either way.
    const bool saved = g_configManager.Save();

    RetranslateTexts();
    if (const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock()) {
        mainFrame->RetranslateTexts();
        if (const auto about = mainFrame->GetAboutDlg()) {
            about->RetranslateTexts();
        }
        if (const auto panel = mainFrame->GetParameterSetting()) {
            panel->RetranslateTexts();
        }
        if (const auto panel = mainFrame->GetFishParameterSetting()) {
            panel->RetranslateTexts();
        }
        if (const auto explain = mainFrame->GetPPMExplainDlg()) {
            explain->RetranslateTexts();
        }
        if (const auto view = mainFrame->GetFishSideView()) {
            view->RetranslateTitle();
        }
        if (const auto view = mainFrame->GetFishTopView()) {
            view->RetranslateTitle();
        }
        if (const auto view = mainFrame->GetFish3DView()) {
            view->RetranslateTitle();
        }
        if (const auto view = mainFrame->GetSideView()) {
            view->RetranslateTitle();
        }
        if (const auto view = mainFrame->GetTopView()) {
            view->RetranslateTitle();
        }
        if (const auto view = mainFrame->Get3DView()) {
            view->RetranslateTitle();
        }
    }

    // Only a Chinese translation of Qt's own texts ships, so it is removed on
    // every switch and comes back for Chinese alone: Portuguese or Spanish
    // must not get Chinese buttons in Qt's own dialogs.
    ApplyQtTranslation(language, GetKWAppDirPath());
    // Told once every window speaks the new language.
    if (!saved) {
        TellAfterTheMenu(
            translate(
                L"The settings file cannot be written, so this language will not be kept at the next start:"),
            QString::fromStdWString(g_configManager.GetFilePath()));
    }
}

void CToolBarEventImp::TellAfterTheMenu(const std::wstring& whatFailed, const QString& path) const
{
    // The menu has yet to finish the click that chose the entry: a modal box
    // now would close it first, and the entry's check mark would be left
    // wrong. The window may be gone by the time the box is due.
    QTimer::singleShot(0, QCoreApplication::instance(), [mainFrame = m_mainFrame, whatFailed, path] {
        if (const boost::shared_ptr<CMainFrameEventImp> frame = mainFrame.lock()) {
            TellUserOfFailure(frame->GetUIWnd(), whatFailed, path);
        }
    });
}

void CToolBarEventImp::RADIO_OnClicked(int checked, int /*id*/, POINT /*point*/)
{
    ChangeUnit(checked == 0);
}

void CToolBarEventImp::ChangeUnit(bool metric)
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (!mainFrame) {
        return;
    }
    const int metricFlag = metric ? 1 : 0;
    if (const auto view = mainFrame->GetTopView()) {
        view->OnView_ChangeUnit(metricFlag);
    }
    if (const auto view = mainFrame->Get3DView()) {
        view->OnView_ChangeUnit(metricFlag);
    }
    if (const auto view = mainFrame->GetSideView()) {
        view->OnView_ChangeUnit(metricFlag);
    }
    if (const auto panel = mainFrame->GetParameterSetting()) {
        panel->OnView_ChangeUnit(metricFlag);
    }
    if (const auto view = mainFrame->GetFishTopView()) {
        view->OnView_ChangeUnit(metricFlag);
    }
    if (const auto view = mainFrame->GetFish3DView()) {
        view->OnView_ChangeUnit(metricFlag);
    }
    if (const auto view = mainFrame->GetFishSideView()) {
        view->OnView_ChangeUnit(metricFlag);
    }
    if (const auto panel = mainFrame->GetFishParameterSetting()) {
        panel->OnView_ChangeUnit(metricFlag);
    }
    if (const auto explain = mainFrame->GetPPMExplainDlg()) {
        explain->OnView_ChangeUnit(metric);
    }
}

void CToolBarEventImp::OnSettingClicked()
{
    if (m_pSettingButton == nullptr || m_pSettingMenu == nullptr) {
        return;
    }
    CKWRect rect(0, 0, 0, 0);
    m_pSettingButton->GetBTNWindowRect(&rect);
    m_pSettingMenu->Popup(rect.left, rect.bottom);
}

void CToolBarEventImp::OnChangeClicked()
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (!mainFrame) {
        return;
    }
    const int mode = mainFrame->GetToolMode();
    const bool toIPC = mode == kToolModeFish;
    mainFrame->SetToolMode(toIPC ? kToolModeIPC : kToolModeFish);
    SetChangeTooltip(toIPC);
    if (toIPC) {
        mainFrame->ShowIPCTool(true);
        if (const auto panel = mainFrame->GetParameterSetting()) {
            panel->CalcPPM();
        }
        mainFrame->ShowFishTool(false);
        mainFrame->LayoutPPMArea(true);
        return;
    }
    mainFrame->ShowIPCTool(false);
    bool ceiling = true;
    if (const auto panel = mainFrame->GetFishParameterSetting()) {
        panel->CalcTargetPPM();
        panel->CalcRingPPM();
        ceiling = panel->IsTopInstall();
    }
    mainFrame->ShowFishTool(true);
    mainFrame->LayoutPPMArea(ceiling);
}

void CToolBarEventImp::OnMinClicked()
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (mainFrame && mainFrame->GetDlg() != nullptr) {
        mainFrame->GetDlg()->MacShowMinimize(true);
    }
}

void CToolBarEventImp::OnCloseClicked()
{
    if (const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock()) {
        if (CKWDialog* window = mainFrame->GetDlg()) {
            window->ShowWindow(0);
        }
    }
    if (const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock()) {
        if (CKWDialog* window = mainFrame->GetDlg()) {
            window->SendDlgMessage(WM_CLOSE, 0, 0);
        }
    }
}
