#pragma once
// The about box: product version and legal notice from the language files,
// closed with its close button or Escape. Made hidden at start-up and run
// modally from the settings menu.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWButton.h"
#include "ui/api/KWDialog.h"
#include "ui/api/KWRect.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include <functional>
#include <string>

class CKWButton;
class CKWPictureCtrl;
class CKWStatic;
class CMainFrameEventImp;

constexpr UINT kIdAboutClose = 202;
constexpr UINT kIdAboutWebSite = 206;

class CAboutDlgEventImp : public IKWDialogEvent, public IKWButtonEvent {
public:
    // Hands a web address (UTF-8, as the user would type it) to the desktop;
    // replaceable so that tests can see what would be opened.
    using ShellOpener = std::function<void(const std::string& utf8Text)>;

    // Where the controls go in a dialog of cx by cy.
    struct Layout {
        CKWRect closeButton;
        CKWRect picture;
        CKWRect version;
        CKWRect notice;
        CKWRect webSite;
    };

    explicit CAboutDlgEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame);
    ~CAboutDlgEventImp() override;

    CAboutDlgEventImp(const CAboutDlgEventImp&) = delete;
    CAboutDlgEventImp& operator=(const CAboutDlgEventImp&) = delete;

    // Creates the dialog, hidden, as a child of the main window (a window of
    // its own once the main frame is gone). Returns 0.
    int Init();
    CKWDialog* GetDlg() const { return m_pDlg; }
    void RetranslateTexts();

    // The dialog's skin at the current UI scale: the 4K skin's frame pieces
    // are twice as tall.
    static void FillDialogStyle(DialogStyle* style);
    static Layout ComputeLayout(int cx, int cy, float scale);

    // IKWDialogEvent
    void OnDlgCreate(bool create) override;
    void OnDlgSize(UINT type, int& cx, int& cy) override;
    // Escape closes the box like its close button.
    void OnDlgKeyDown(UINT modifiers, UINT key) override;
    // IKWButtonEvent: the web-site link darkens while pressed
    void BTN_OnLButtonDown(int id, UINT flags, POINT point) override;
    void BTN_OnLButtonUp(int id, UINT flags, POINT point) override;
    void BTN_OnMouseMove(int id, UINT flags, POINT point) override;
    void BTN_OnMouseLeave(int id, UINT flags, LONG value) override;

    // Commands
    void OnWebSiteClicked();
    void OnCloseClicked();

    void SetShellOpener(ShellOpener opener) { m_shellOpener = std::move(opener); }

    // The controls, for tests (null before OnDlgCreate).
    CKWButton* GetCloseButton() const { return m_pCloseButton; }
    CKWPictureCtrl* GetPicture() const { return m_pPicture; }
    CKWStatic* GetVersionLabel() const { return m_pVersion; }
    CKWStatic* GetNoticeLabel() const { return m_pNotice; }
    CKWButton* GetWebSiteButton() const { return m_pWebSiteButton; }

    KW_BEGIN_MSGMAP(CAboutDlgEventImp)
    KW_COMMAND(kIdAboutWebSite, OnWebSiteClicked)
    KW_COMMAND(kIdAboutClose, OnCloseClicked)
    KW_END_MSGMAP()

private:
    void SetWebSiteColour(int id, DWORD colour);

    CKWDialog* m_pDlg = nullptr;
    CKWButton* m_pCloseButton = nullptr;
    CKWPictureCtrl* m_pPicture = nullptr;
    CKWStatic* m_pVersion = nullptr;
    CKWStatic* m_pNotice = nullptr;
    CKWButton* m_pWebSiteButton = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_mainFrame;
    ShellOpener m_shellOpener;
};

// Makes the about box's handler, builds its hidden dialog and returns it.
boost::shared_ptr<CAboutDlgEventImp> CreateAboutDlg(const boost::shared_ptr<CMainFrameEventImp>& mainFrame);
