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

#include <QString>

#include <string>

class CKWButton;
class CKWMenu;
class CKWPictureCtrl;
class CKWRadioBox;
class CKWStatic;
class CMainFrameEventImp;

// Control ids of the tool bar. 202 is Close in every window of the program.
constexpr UINT kIdToolBarClose = 202;
constexpr UINT kIdToolBarMin = 203;
constexpr UINT kIdToolBarMax = 204;
constexpr UINT kIdToolBarSetting = 205;
constexpr UINT kIdToolBarChange = 209;
constexpr UINT kIdToolBarUnit = 210;
// Menu ids.
constexpr int kIdMenuAbout = 208;
constexpr int kIdMenuLanguage = 211;
constexpr int kIdMenuChinese = 212;
constexpr int kIdMenuEnglish = 213;
constexpr int kIdMenuPortuguese = 215;
constexpr int kIdMenuSpanish = 216;

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

    // The language a menu entry stands for (0 English, 1 Chinese,
    // 2 Portuguese, 3 Spanish), or -1 for an entry that is not a language.
    static constexpr int LanguageOfMenuId(int id)
    {
        switch (id) {
        case kIdMenuEnglish:
            return 0;
        case kIdMenuChinese:
            return 1;
        case kIdMenuPortuguese:
            return 2;
        case kIdMenuSpanish:
            return 3;
        default:
            return -1;
        }
    }
    // The entry that carries the check mark for a language; a number outside
    // 0..3 (a configuration written by hand) marks Spanish.
    static constexpr int MenuIdOfLanguage(int language)
    {
        switch (language) {
        case 0:
            return kIdMenuEnglish;
        case 1:
            return kIdMenuChinese;
        case 2:
            return kIdMenuPortuguese;
        default:
            return kIdMenuSpanish;
        }
    }

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    // A double click on the bar neither maximises nor restores the window.
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

    // The controls, for tests (null before OnCreate).
    CKWPictureCtrl* GetLogo() const { return m_pLogo; }
    CKWStatic* GetProductName() const { return m_pProductName; }
    CKWButton* GetSettingButton() const { return m_pSettingButton; }
    CKWButton* GetMinButton() const { return m_pMinButton; }
    CKWButton* GetMaxButton() const { return m_pMaxButton; }
    CKWButton* GetCloseButton() const { return m_pCloseButton; }
    CKWButton* GetChangeButton() const { return m_pChangeButton; }
    CKWView* GetBottomLine() const { return m_pBottomLine; }
    CKWMenu* GetSettingMenu() const { return m_pSettingMenu; }
    CKWMenu* GetLanguageMenu() const { return m_pLanguageMenu; }
    CKWRadioBox* GetUnitRadio() const { return m_pUnitRadio; }

    KW_BEGIN_MSGMAP(CToolBarEventImp)
    KW_COMMAND(kIdToolBarSetting, OnSettingClicked)
    KW_COMMAND(kIdToolBarChange, OnChangeClicked)
    KW_COMMAND(kIdToolBarMin, OnMinClicked)
    KW_COMMAND(kIdToolBarClose, OnCloseClicked)
    KW_END_MSGMAP()

private:
    void CreateButtons(void* parent);
    void CreateMenus(void* parent);
    void CreateUnitRadio(void* parent);
    void SwitchLanguage(int id, int language);
    // A failure of the user's choice, told in the message box over the main
    // window once the menu has closed.
    void TellAfterTheMenu(const std::wstring& whatFailed, const QString& path) const;
    void ChangeUnit(bool metric);

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
