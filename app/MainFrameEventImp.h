#pragma once
// The application's spine: the listener of the frameless main window. It
// creates every other application object, owns them, hands them to each
// other through its getters, lays the window out, shows the tool-chooser page,
// switches between the IPC and the fisheye calculator and shows the pixel
// density that the active calculator computed.
//
// Ownership: main holds the only strong pointer to the main frame; the main
// frame holds every child by shared pointer, and every child holds a weak
// pointer back, locked for each call. Framework controls belong to their Qt
// parent and go with the main window.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWButton.h"
#include "ui/api/KWDialog.h"

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

#include <functional>
#include <string>

class CKWButton;
class CKWPictureCtrl;
class CKWStatic;
class CKWView;

class CAboutDlgEventImp;
class CDatabaseManager;
class CFish3DViewEventImp;
class CFishParameterSettingEventImp;
class CFishSideViewEventImp;
class CFishTopViewEventImp;
class CPPMExplainDlgEventImp;
class CParameterSettingEventImp;
class CSideViewEventImp;
class CToolBarEventImp;
class CTopViewEventImp;
class C3DViewEventImp;

// Tool modes.
constexpr int kToolModeFish = 0;
constexpr int kToolModeIPC = 1;

// Command ids of the main frame's own controls.
constexpr UINT kIdPPMExplain = 113;
constexpr UINT kIdIPCTool = 122;
constexpr UINT kIdFishTool = 123;

class CMainFrameEventImp : public IKWDialogEvent,
                           public IKWButtonEvent,
                           public boost::enable_shared_from_this<CMainFrameEventImp> {
public:
    // Hands the path of a document to the desktop in place of the desktop's
    // own opener, so that tests can see what F1 would open.
    using ShellOpener = std::function<void(const std::string& localPath)>;

    CMainFrameEventImp();
    ~CMainFrameEventImp() override;

    CMainFrameEventImp(const CMainFrameEventImp&) = delete;
    CMainFrameEventImp& operator=(const CMainFrameEventImp&) = delete;

    // make_shared, then Create. The caller keeps the only strong pointer.
    static boost::shared_ptr<CMainFrameEventImp> CreateInstance();
    // Creates, sizes, centres and shows the main window; the window's Create
    // runs OnDlgCreate, which makes every child. Returns 0.
    int Create();
    static void FillSkin(DialogStyle* style);

    // IKWDialogEvent
    void OnDlgCreate(bool create) override;
    // Lays out the whole window for a window of width x height.
    void OnDlgSize(UINT type, int& width, int& height) override;
    int Dlg_Close() override;
    void OnDlgFileDrop(LPCWSTR path) override;
    void OnDlgCopyData(LPARAM copyData) override;
    // F1 opens the user guide of the current language; a guide that is
    // missing, or that no program can be started to open, is named in a
    // warning and told in the message box.
    void OnDlgKeyDown(UINT modifiers, UINT key) override;

    // IKWButtonEvent: the tool buttons colour their title while hovered.
    void BTN_OnMouseMove(int id, UINT flags, POINT point) override;
    void BTN_OnMouseLeave(int id, UINT flags, LONG value) override;

    // Commands
    void OnPPMExplainClicked();
    void OnIPCToolClicked();
    void OnFishToolClicked();

    // Show or hide one tool's panel and views; the pixel-count pair then
    // takes the opposite state (shown with the IPC tool).
    void ShowIPCTool(bool show);
    void ShowFishTool(bool show);
    // Runs the about box modally; its result.
    int ShowAboutDlg();
    // Re-reads the main frame's own texts after a language switch.
    void RetranslateTexts();

    // Pixel-density display. value -1 means that no density can be computed.
    void SetPPMValue(int value, bool metric, int pixelCount);
    // true: the display's standard place inside its area; false: the fixed
    // place used with the fisheye wall mount.
    void LayoutPPMArea(bool standard);

    CKWDialog* GetDlg() const { return m_pMainDlg; }
    boost::shared_ptr<CParameterSettingEventImp> GetParameterSetting() const { return m_parameterSetting; }
    boost::shared_ptr<C3DViewEventImp> Get3DView() const { return m_3DView; }
    boost::shared_ptr<CSideViewEventImp> GetSideView() const { return m_sideView; }
    boost::shared_ptr<CTopViewEventImp> GetTopView() const { return m_topView; }
    boost::shared_ptr<CFishParameterSettingEventImp> GetFishParameterSetting() const
    {
        return m_fishParameterSetting;
    }
    boost::shared_ptr<CFish3DViewEventImp> GetFish3DView() const { return m_fish3DView; }
    boost::shared_ptr<CFishSideViewEventImp> GetFishSideView() const { return m_fishSideView; }
    boost::shared_ptr<CFishTopViewEventImp> GetFishTopView() const { return m_fishTopView; }
    boost::shared_ptr<CDatabaseManager> GetDatabaseManager() const { return m_databaseManager; }
    boost::shared_ptr<CPPMExplainDlgEventImp> GetPPMExplainDlg() const { return m_ppmExplainDlg; }
    boost::shared_ptr<CAboutDlgEventImp> GetAboutDlg() const { return m_aboutDlg; }

    // 1 IPC calculator, 0 fisheye calculator. SetToolMode only stores.
    int GetToolMode() const { return m_toolMode; }
    void SetToolMode(int mode) { m_toolMode = mode; }

    // Without one (the default) the desktop's opener serves.
    void SetShellOpener(ShellOpener opener) { m_shellOpener = std::move(opener); }

    // State of the display and the layout, for the tool bar and for tests.
    int IsMetric() const { return m_metric; }
    int IsClosing() const { return m_closing; }
    int GetClientWidth() const { return m_clientWidth; }
    int GetClientHeight() const { return m_clientHeight; }

    // The main frame's own controls, for tests (null before OnDlgCreate).
    CKWView* GetPPMArea() const { return m_pPPMArea; }
    CKWPictureCtrl* GetPPMPicture() const { return m_pPPMPicture; }
    CKWStatic* GetDensityCaption() const { return m_pDensityCaption; }
    CKWStatic* GetUnitCaption() const { return m_pUnitCaption; }
    CKWStatic* GetDensityValue() const { return m_pDensityValue; }
    CKWButton* GetExplainButton() const { return m_pExplainButton; }
    CKWStatic* GetPixelCountCaption() const { return m_pPixelCountCaption; }
    CKWStatic* GetPixelCountValue() const { return m_pPixelCountValue; }
    CKWView* GetChooserPage() const { return m_pChooserPage; }
    CKWButton* GetIPCToolButton() const { return m_pIPCToolButton; }
    CKWButton* GetFishToolButton() const { return m_pFishToolButton; }
    CKWStatic* GetIPCTitle() const { return m_pIPCTitle; }
    CKWStatic* GetFishTitle() const { return m_pFishTitle; }

    KW_BEGIN_MSGMAP(CMainFrameEventImp)
    KW_COMMAND(kIdPPMExplain, OnPPMExplainClicked)
    KW_COMMAND(kIdIPCTool, OnIPCToolClicked)
    KW_COMMAND(kIdFishTool, OnFishToolClicked)
    KW_END_MSGMAP()

private:
    void CreateChooserPage();
    void CreatePPMDisplay();
    void LayoutPPMInArea();
    void ShowPPMDisplay(bool showPixelCount);
    void SetPPMPicture(const wchar_t* name);
    // Hides the tool-chooser page and offers the tool switch instead.
    void LeaveChooserPage();

    CKWDialog* m_pMainDlg = nullptr;
    // Pixel-density display
    CKWView* m_pPPMArea = nullptr;
    CKWPictureCtrl* m_pPPMPicture = nullptr;
    CKWStatic* m_pDensityCaption = nullptr;
    CKWStatic* m_pUnitCaption = nullptr;
    CKWStatic* m_pDensityValue = nullptr;
    CKWButton* m_pExplainButton = nullptr;
    CKWStatic* m_pPixelCountCaption = nullptr;
    CKWStatic* m_pPixelCountValue = nullptr;
    // Tool-chooser page
    CKWView* m_pChooserPage = nullptr;
    CKWButton* m_pIPCToolButton = nullptr;
    CKWButton* m_pFishToolButton = nullptr;
    CKWStatic* m_pIPCTitle = nullptr;
    CKWStatic* m_pFishTitle = nullptr;
    // Children, released in reverse order of these members.
    boost::shared_ptr<CToolBarEventImp> m_toolBar;
    boost::shared_ptr<CAboutDlgEventImp> m_aboutDlg;
    boost::shared_ptr<CDatabaseManager> m_databaseManager;
    boost::shared_ptr<CParameterSettingEventImp> m_parameterSetting;
    boost::shared_ptr<C3DViewEventImp> m_3DView;
    boost::shared_ptr<CSideViewEventImp> m_sideView;
    boost::shared_ptr<CTopViewEventImp> m_topView;
    boost::shared_ptr<CPPMExplainDlgEventImp> m_ppmExplainDlg;
    boost::shared_ptr<CFishParameterSettingEventImp> m_fishParameterSetting;
    boost::shared_ptr<CFish3DViewEventImp> m_fish3DView;
    boost::shared_ptr<CFishTopViewEventImp> m_fishTopView;
    boost::shared_ptr<CFishSideViewEventImp> m_fishSideView;
    int m_closing = 0;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    int m_metric = 1;
    // The skin picture the display shows.
    std::wstring m_ppmPictureName;
    int m_ppmAreaLeft = 0;
    int m_densityCaptionTop = 0;
    int m_pictureTop = 0;
    int m_toolMode = kToolModeIPC;
    ShellOpener m_shellOpener;
};
