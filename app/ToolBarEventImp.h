#pragma once
// The strip along the top of the main window: logo, product name, the window
// commands, the settings menu (language choice and the about box), the button
// that switches between the two calculators and a unit switch that is
// created hidden.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWMenu.h"
#include "ui/api/KWRadioBox.h"
#include "ui/api/KWView.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CKWButton;
class CKWMenu;
class CKWPictureCtrl;
class CKWRadioBox;
class CKWStatic;
class CMainFrameEventImp;

class CToolBarEventImp : public IKWViewEvent, public IKWRadioBoxEvent, public IKWMenuEvent {
public:
    explicit CToolBarEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame);
    ~CToolBarEventImp() override;

    CToolBarEventImp(const CToolBarEventImp&) = delete;
    CToolBarEventImp& operator=(const CToolBarEventImp&) = delete;

    // Creates the tool bar's view as a child of the main window; the view's
    // creation runs OnCreate. Returns 0.
    int Create();
    CKWView* GetView() const { return m_pView; }

    // Shows or hides the tool switch; the unit switch always stays hidden.
    void ShowChangeButton(bool show);
    // The switch's tooltip names the other tool: true while the IPC tool is shown.
    void SetChangeTooltip(bool ipcMode);
    void RetranslateTexts();

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDblClk(UINT flags, POINT point) override;
    // IKWRadioBoxEvent
    void RADIO_OnClicked(int checked, int id, POINT point) override;
    // IKWMenuEvent
    void Menu_OnAction(int id) override;

    // Commands
    void OnSettingClicked();
    void OnChangeClicked();
    void OnMinClicked();
    void OnCloseClicked();

    KW_BEGIN_MSGMAP(CToolBarEventImp)
        KW_COMMAND(205, OnSettingClicked)
        KW_COMMAND(209, OnChangeClicked)
        KW_COMMAND(203, OnMinClicked)
        KW_COMMAND(202, OnCloseClicked)
    KW_END_MSGMAP()

private:
    boost::weak_ptr<CMainFrameEventImp> m_mainFrame;
    CKWView* m_pView = nullptr;
    CKWPictureCtrl* m_pLogo = nullptr;
    CKWStatic* m_pProductName = nullptr;
    CKWButton* m_pSettingButton = nullptr;
    CKWButton* m_pMinButton = nullptr;
    CKWButton* m_pMaxButton = nullptr;
    CKWButton* m_pCloseButton = nullptr;
    CKWButton* m_pChangeButton = nullptr;
    CKWView* m_pBottomLine = nullptr;
    CKWMenu* m_pSettingMenu = nullptr;
    CKWMenu* m_pLanguageMenu = nullptr;
    CKWRadioBox* m_pUnitRadio = nullptr;
};

// Makes the tool bar, creates its view and returns it.
boost::shared_ptr<CToolBarEventImp> CreateToolBar(const boost::shared_ptr<CMainFrameEventImp>& mainFrame);
