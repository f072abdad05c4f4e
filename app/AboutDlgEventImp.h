#pragma once
// The about box: product version and legal notice from the language files,
// closed with its close button or Escape. Made hidden at start-up and run
// modally from the settings menu.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWButton.h"
#include "ui/api/KWDialog.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CKWButton;
class CKWPictureCtrl;
class CKWStatic;
class CMainFrameEventImp;

class CAboutDlgEventImp : public IKWDialogEvent, public IKWButtonEvent {
public:
    explicit CAboutDlgEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame);
    ~CAboutDlgEventImp() override;

    CAboutDlgEventImp(const CAboutDlgEventImp&) = delete;
    CAboutDlgEventImp& operator=(const CAboutDlgEventImp&) = delete;

    // Creates the dialog, hidden, as a child of the main window. Returns 0.
    int Init();
    CKWDialog* GetDlg() const { return m_pDlg; }
    void RetranslateTexts();

    // IKWDialogEvent
    void OnDlgCreate(bool create) override;
    void OnDlgSize(UINT type, int& cx, int& cy) override;
    void OnDlgKeyDown(UINT modifiers, UINT key) override;
    // IKWButtonEvent: the web-site link's colour
    void BTN_OnLButtonDown(int id, UINT flags, POINT point) override;
    void BTN_OnLButtonUp(int id, UINT flags, POINT point) override;
    void BTN_OnMouseMove(int id, UINT flags, POINT point) override;
    void BTN_OnMouseLeave(int id, UINT flags, LONG value) override;

    // Commands
    void OnWebSiteClicked();
    void OnCloseClicked();

    KW_BEGIN_MSGMAP(CAboutDlgEventImp)
        KW_COMMAND(206, OnWebSiteClicked)
        KW_COMMAND(202, OnCloseClicked)
    KW_END_MSGMAP()

private:
    CKWDialog* m_pDlg = nullptr;
    CKWButton* m_pCloseButton = nullptr;
    CKWPictureCtrl* m_pPicture = nullptr;
    CKWStatic* m_pVersion = nullptr;
    CKWStatic* m_pNotice = nullptr;
    CKWButton* m_pWebSiteButton = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_mainFrame;
};

// Makes the about box's handler, builds its hidden dialog and returns it.
boost::shared_ptr<CAboutDlgEventImp> CreateAboutDlg(const boost::shared_ptr<CMainFrameEventImp>& mainFrame);
