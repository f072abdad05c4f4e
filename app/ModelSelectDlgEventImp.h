#pragma once
// The modal dialog in which the user picks one camera model by name from a
// long list: a search field, 36 radio buttons a page, previous and next page
// buttons with the page number, and OK. OK with a choice tells the owner the
// name and ends the dialog accepted; Close and Escape end it without a choice.
// The dialog is created once and hidden between runs; it keeps its list, page
// and choice from one run to the next.

#include "app/IModelSelectDlgOwner.h"
#include "base/platform/KWWinTypes.h"
#include "ui/api/KWButton.h"
#include "ui/api/KWDialog.h"
#include "ui/api/KWEditCtrl.h"
#include "ui/api/KWRadioBox.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include <array>
#include <functional>
#include <string>
#include <vector>

class CKWStatic;

constexpr UINT kIdModelSearchEdit = 116;
constexpr UINT kIdModelSearch = 117;
constexpr UINT kIdModelPrevPage = 118;
constexpr UINT kIdModelNextPage = 119;
constexpr UINT kIdModelOK = 120;
constexpr UINT kIdModelClose = 202;
constexpr UINT kIdModelFirstRadio = 300;

class CModelSelectDlgEventImp : public IKWDialogEvent,
                                public IKWEditCtrlEvent,
                                public IKWButtonEvent,
                                public IKWRadioBoxEvent {
public:
    // Radio slots kept and radios made (one page).
    static constexpr int kRadioSlots = 100;
    static constexpr int kRadioCount = 36;
    static constexpr int kRadioColumns = 3;

    // Text colours (0x00BBGGRR).
    static constexpr DWORD kPlainTextColour = 0x333333;
    static constexpr DWORD kChosenColour = 0xDF7609;
    static constexpr DWORD kFirstClickColour = 0x00A335;
    static constexpr DWORD kPressedColour = 0xFFFFFF;

    // Shows text with caption over parent and returns the box's result; the
    // application's message box unless replaced (tests watch it).
    using MessageBoxFn
        = std::function<int(const std::wstring& text, const std::wstring& caption, void* parent)>;

    explicit CModelSelectDlgEventImp(const boost::shared_ptr<IModelSelectDlgOwner>& owner);
    ~CModelSelectDlgEventImp() override;

    CModelSelectDlgEventImp(const CModelSelectDlgEventImp&) = delete;
    CModelSelectDlgEventImp& operator=(const CModelSelectDlgEventImp&) = delete;

    // make_shared, then CreateDialogWindow. Empty when the dialog cannot be
    // made, so that the caller can treat the run as cancelled.
    static boost::shared_ptr<CModelSelectDlgEventImp> CreateInstance(
        const boost::shared_ptr<IModelSelectDlgOwner>& owner);
    // Creates the dialog, hidden, under the owner's window. Returns 1, or 0
    // when the dialog cannot be made.
    int CreateDialogWindow();
    static void FillDialogStyle(DialogStyle* style);
    CKWDialog* GetDlg() const { return m_pDlg; }

    // The full list: search keys are made, any choice is forgotten, and the
    // first page of the list is shown.
    void SetModelList(const std::vector<std::wstring>& names);
    // The name on the checked radio of the page, or empty.
    std::wstring GetSelectedModel() const;
    // Hides and unchecks every radio and forgets the choice, back to page 1
    // with both paging buttons disabled, and empties the search field. The
    // radios stay hidden until the list is shown again (SetModelList, or a
    // change of the search text).
    void ResetRadios();
    void RetranslateTexts();

    void SetMessageBox(MessageBoxFn messageBox) { m_messageBox = std::move(messageBox); }

    // IKWDialogEvent
    void OnDlgCreate(bool create) override;
    void OnDlgSize(UINT type, int& width, int& height) override;
    void Dlg_Destroy() override;
    // Escape hides the dialog, which ends its modal run as cancelled. Also
    // the search field's report of Return and Enter, which do nothing here.
    void OnDlgKeyDown(UINT modifiers, UINT key) override;
    // IKWEditCtrlEvent: an empty text brings the whole list back, any other
    // text searches.
    void EDIT_OnTextChange(UINT id, WCHAR* text) override;
    // IKWButtonEvent: the OK button's text colour while pressed
    void BTN_OnLButtonDown(int id, UINT flags, POINT point) override;
    void BTN_OnLButtonUp(int id, UINT flags, POINT point) override;
    // IKWRadioBoxEvent: kind is the radio's new checked state.
    void RADIO_OnClicked(int kind, int id, POINT point) override;

    // Commands
    void OnSearch();
    void OnPrevPage();
    void OnNextPage();
    void OnOK();
    void OnClose();

    // State and controls, for tests.
    int GetCurrentPage() const { return m_currentPage; }
    const std::vector<std::wstring>& GetCurrentList() const { return m_currentList; }
    const std::wstring& GetChosenName() const { return m_chosenName; }
    CKWRadioBox* GetRadio(int position) const;
    CKWEditCtrl* GetSearchEdit() const { return m_pSearchEdit; }
    CKWButton* GetSearchButton() const { return m_pSearchButton; }
    CKWButton* GetCloseButton() const { return m_pCloseButton; }
    CKWButton* GetPrevPageButton() const { return m_pPrevPageButton; }
    CKWButton* GetNextPageButton() const { return m_pNextPageButton; }
    CKWButton* GetOKButton() const { return m_pOKButton; }
    CKWStatic* GetPageNumberStatic() const { return m_pPageNumberStatic; }
    CKWStatic* GetTitleStatic() const { return m_pTitle; }
    CKWStatic* GetPageTheStatic() const { return m_pPageTheStatic; }
    CKWStatic* GetPageWordStatic() const { return m_pPageWordStatic; }

    KW_BEGIN_MSGMAP(CModelSelectDlgEventImp)
    KW_COMMAND(kIdModelSearch, OnSearch)
    KW_COMMAND(kIdModelPrevPage, OnPrevPage)
    KW_COMMAND(kIdModelNextPage, OnNextPage)
    KW_COMMAND(kIdModelOK, OnOK)
    KW_COMMAND(kIdModelClose, OnClose)
    KW_END_MSGMAP()

private:
    void CreateControls();
    // Every radio hidden, unchecked and in the plain colour.
    void ClearRadios();
    // The current list's entries of the current page on the radios.
    void FillPage();
    void ShowPageNumber();
    void ForgetChoice();
    // The position of the radio that shows the choice, or -1.
    int ChosenPosition() const;
    // Moves to page (already clamped), keeping a choice on its position.
    void GoToPage(int page);
    // Back to page 1 of the current list.
    void ShowFirstPage();
    void EnableNextByList();
    std::wstring TooltipOf(const CKWRadioBox* radio, int maxChars) const;

    CKWDialog* m_pDlg = nullptr;
    CKWButton* m_pCloseButton = nullptr;
    CKWStatic* m_pTitle = nullptr;
    CKWEditCtrl* m_pSearchEdit = nullptr;
    CKWButton* m_pSearchButton = nullptr;
    std::array<CKWRadioBox*, kRadioSlots> m_radios {};
    CKWStatic* m_pPageTheStatic = nullptr;
    CKWStatic* m_pPageWordStatic = nullptr;
    CKWStatic* m_pPageNumberStatic = nullptr;
    CKWButton* m_pPrevPageButton = nullptr;
    CKWButton* m_pNextPageButton = nullptr;
    CKWButton* m_pOKButton = nullptr;
    CKWRadioBox* m_pSelectedRadio = nullptr;
    boost::weak_ptr<IModelSelectDlgOwner> m_owner;
    int m_currentPage = 1;
    std::vector<std::wstring> m_currentList;
    std::vector<std::wstring> m_allNames;
    std::vector<std::wstring> m_searchKeys;
    std::wstring m_chosenName;
    MessageBoxFn m_messageBox;
};
