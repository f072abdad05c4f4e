#include "app/ModelSelectDlgEventImp.h"

#include "app/ControlSkin.h"
#include "app/DialogSkin.h"
#include "app/LayoutRect.h"
#include "app/ModelSearch.h"
#include "app/ShowMessageDialog.h"
#include "app/SkinRectText.h"
#include "app/WindowStyles.h"
#include "base/Globals.h"
#include "base/ScaledLength.h"
#include "base/Translate.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWStatic.h"

#include <boost/make_shared.hpp>

#include <algorithm>
#include <cstdio>

namespace {

constexpr DWORD kVisibleTabStop = WS_VISIBLE | kWsTabStop;
constexpr int kDialogWidth = 754;
constexpr int kDialogHeight = 494;
// Qt::Popup's bit: with the dialog's own flags it becomes a tool window.
constexpr DWORD kToolWindowBit = 8;
constexpr UINT kEscapeKey = 0x01000000;
// The edit takes 30 characters; a search reads at most 200.
constexpr int kSearchMaxChars = 30;
constexpr int kSearchReadChars = 200;
constexpr int kChosenNameChars = 100;
constexpr int kSelectedModelChars = 50;
// Gap between a radio's mark and its name. The radio draws its text from
// the mark's right edge plus this offset, so a large negative one (-90) would
// put every name left of the box, out of sight.
constexpr int kRadioTextGap = 6;

} // namespace

CModelSelectDlgEventImp::CModelSelectDlgEventImp(const boost::shared_ptr<IModelSelectDlgOwner>& owner)
    : m_owner(owner)
    , m_messageBox([](const std::wstring& text, const std::wstring& caption, void* parent) {
        return ShowMessageDialog(text.c_str(), caption.c_str(), parent, 0, 0);
    })
{
}

CModelSelectDlgEventImp::~CModelSelectDlgEventImp()
{
    // The dialog outlives this handler only when its parent window is still
    // there; it must not keep calling a listener that is gone. Its
    // destruction runs Dlg_Destroy, which forgets the controls.
    if (m_pDlg != nullptr) {
        DestroyKWDialog(m_pDlg);
    }
}

boost::shared_ptr<CModelSelectDlgEventImp> CModelSelectDlgEventImp::CreateInstance(
    const boost::shared_ptr<IModelSelectDlgOwner>& owner)
{
    boost::shared_ptr<CModelSelectDlgEventImp> handler = boost::make_shared<CModelSelectDlgEventImp>(owner);
    if (handler->CreateDialogWindow() == 0) {
        return {};
    }
    return handler;
}

void CModelSelectDlgEventImp::FillDialogStyle(DialogStyle* style)
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
    style->strReservedRect = L"0,0,-1,-1";
}

int CModelSelectDlgEventImp::CreateDialogWindow()
{
    if (m_pDlg != nullptr) {
        return 1;
    }
    void* parent = nullptr;
    if (const boost::shared_ptr<IModelSelectDlgOwner> owner = m_owner.lock()) {
        parent = owner->GetModelSelectParentWnd();
    }
    m_pDlg = CreateKWDialog(this, parent, Qt::WindowFlags());
    if (m_pDlg == nullptr) {
        return 0;
    }
    DialogStyle style;
    FillDialogStyle(&style);
    m_pDlg->SetSkin(&style);
    m_pDlg->SetDrawBackGround(1);
    m_pDlg->Create(L"", nullptr);
    m_pDlg->ModifyDlgStyleEx(0, kToolWindowBit, 0);
    m_pDlg->MoveWindow(0, 0, Scaled(kDialogWidth), Scaled(kDialogHeight));
    m_pDlg->SetSizeRoundCorner(L"4,4");
    m_pDlg->SetFrameShadow(true);
    m_pDlg->ShowWindow(0);
    return 1;
}

void CModelSelectDlgEventImp::OnDlgCreate(bool create)
{
    if (create) {
        CreateControls();
    }
}

void CModelSelectDlgEventImp::CreateControls()
{
    void* const wnd = GetUIWnd();
    const CKWRect place(0, 0, 100, 20);

    m_pTitle = CreateKWStatic(nullptr);
    if (m_pTitle != nullptr) {
        m_pTitle->Create(translate(L"ModelSelect"), kVisibleTabStop, place, wnd, static_cast<UINT>(-1));
        m_pTitle->SetTextAlignFlag(0x24);
        m_pTitle->SetTextBold(1);
        m_pTitle->SetTextSize(Scaled(13));
    }

    m_pCloseButton = CreateKWButton(nullptr);
    if (m_pCloseButton != nullptr) {
        ImageButtonStyle style
            = ButtonSkin(L"close_nor.png", L"close_hov.png", L"close_hov.png", L"close_nor.png");
        m_pCloseButton->SetSkin(&style);
        m_pCloseButton->Create(L"", kVisibleTabStop, place, wnd, kIdModelClose);
    }

    m_pSearchEdit = CreateKWEditCtrl(this);
    if (m_pSearchEdit != nullptr) {
        m_pSearchEdit->Create(kVisibleTabStop, place, wnd, kIdModelSearchEdit);
        m_pSearchEdit->SetPlaceholderText(translate(L"Search"));
        m_pSearchEdit->SetMaxLenth(kSearchMaxChars);
    }

    m_pSearchButton = CreateKWButton(nullptr);
    if (m_pSearchButton != nullptr) {
        ImageButtonStyle style
            = ButtonSkin(L"search_nor.png", L"search_nor.png", L"search_nor.png", L"search_nor.png");
        m_pSearchButton->SetSkin(&style);
        m_pSearchButton->Create(L"", kVisibleTabStop, place, wnd, kIdModelSearch);
    }

    ImageRadioBox radioStyle = RadioSkin(L"radio_check_nor.png", L"radio_check_hov.png",
        L"radio_check_nor.png", L"radio_uncheck_nor.png", L"radio_uncheck_nor.png", L"radio_uncheck_nor.png",
        L"radio_check_nor.png", L"radio_uncheck_nor.png");
    for (int i = 0; i < kRadioCount; ++i) {
        CKWRadioBox* radio = CreateKWRadioBox(this);
        m_radios[static_cast<size_t>(i)] = radio;
        if (radio == nullptr) {
            continue;
        }
        radio->Create(L"", kWsTabStop, place, wnd, kIdModelFirstRadio + static_cast<UINT>(i));
        radio->SetSkin(&radioStyle);
        radio->SetCheck(0);
        radio->SetTextAlign(4);
        radio->SetTooltipEnable(1);
    }

    const struct {
        CKWStatic** control;
        const wchar_t* text;
        UINT align;
    } pageLine[] = {
        { &m_pPageTheStatic, translate(L"the"), 0x26 },
        { &m_pPageNumberStatic, L"1", 0x25 },
        { &m_pPageWordStatic, translate(L"page"), 0x24 },
    };
    for (const auto& item : pageLine) {
        CKWStatic* label = CreateKWStatic(nullptr);
        *item.control = label;
        if (label == nullptr) {
            continue;
        }
        label->Create(item.text, kVisibleTabStop, place, wnd, static_cast<UINT>(-1));
        label->SetTextAlignFlag(item.align);
        label->SetTextSize(Scaled(12));
    }

    m_pPrevPageButton = CreateKWButton(nullptr);
    if (m_pPrevPageButton != nullptr) {
        ImageButtonStyle style
            = ButtonSkin(L"lastpage_nor.png", L"lastpage_hov.png", L"lastpage_pre.png", L"lastpage_dis.png");
        m_pPrevPageButton->SetSkin(&style);
        m_pPrevPageButton->Create(L"", kVisibleTabStop, place, wnd, kIdModelPrevPage);
        m_pPrevPageButton->EnableWindow(0);
    }

    m_pNextPageButton = CreateKWButton(nullptr);
    if (m_pNextPageButton != nullptr) {
        ImageButtonStyle style
            = ButtonSkin(L"nextpage_nor.png", L"nextpage_hov.png", L"nextpage_pre.png", L"nextpage_dis.png");
        m_pNextPageButton->SetSkin(&style);
        m_pNextPageButton->Create(L"", kVisibleTabStop, place, wnd, kIdModelNextPage);
    }

    m_pOKButton = CreateKWButton(this);
    if (m_pOKButton != nullptr) {
        ImageButtonStyle style
            = ButtonSkin(L"btn_ok_nor.png", L"btn_ok_hov.png", L"btn_ok_pre.png", L"btn_ok_nor.png");
        m_pOKButton->SetSkin(&style);
        m_pOKButton->Create(translate(L"OK"), kVisibleTabStop, place, wnd, kIdModelOK);
        m_pOKButton->SetTextColor(kChosenColour);
    }
}

void CModelSelectDlgEventImp::OnDlgSize(UINT /*type*/, int& width, int& height)
{
    const double s = g_uiScale;

    if (m_pCloseButton != nullptr) {
        const int side = Scaled(19);
        CKWRect close(0, 0, side, side);
        close.MoveToXY(Trunc(width - close.Width() - 23 * s), Scaled(20));
        m_pCloseButton->MoveWindow(close);
    }

    const CKWRect title = RectAt(Scaled(30), Scaled(22), Scaled(90), Scaled(20));
    if (m_pTitle != nullptr) {
        CKWRect rect = title;
        m_pTitle->MoveWindow(rect);
    }

    CKWRect edit(Trunc(title.right + 5 * s), Trunc(title.top - 4 * s), Trunc(title.right + 20 * s + 480 * s),
        Trunc(title.top - 2 * s + 24 * s));
    if (m_pSearchEdit != nullptr) {
        CKWRect rect = edit;
        m_pSearchEdit->MoveWindow(rect);
    }
    if (m_pSearchButton != nullptr) {
        CKWRect search = RectAt(Trunc(edit.right - 30 * s), Trunc(edit.top + 4 * s), Scaled(18), Scaled(18));
        m_pSearchButton->MoveWindow(search);
    }

    // "the", page number, "page", side by side.
    CKWRect label = RectAt(Scaled(485), Trunc(height - 20 * s - 20 * s), Scaled(30), Scaled(20));
    for (CKWStatic* control : { m_pPageTheStatic, m_pPageNumberStatic, m_pPageWordStatic }) {
        if (control != nullptr) {
            CKWRect rect = label;
            control->MoveWindow(rect);
        }
        label.MoveToX(label.right);
    }
    // label now stands one place right of "page".
    const int pageRight = label.left;
    const int pageTop = label.top;

    const int side = Scaled(23);
    CKWRect prev(0, 0, side, side);
    prev.MoveToXY(Trunc(pageRight + 5 * s), Trunc(pageTop - 4 * s));
    if (m_pPrevPageButton != nullptr) {
        CKWRect rect = prev;
        m_pPrevPageButton->MoveWindow(rect);
    }
    CKWRect next = prev;
    next.MoveToX(Trunc(prev.right + 5 * s));
    if (m_pNextPageButton != nullptr) {
        CKWRect rect = next;
        m_pNextPageButton->MoveWindow(rect);
    }
    CKWRect ok = next;
    ok.MoveToX(Trunc(next.right + 10 * s));
    ok.right = ok.left + Scaled(80);
    if (m_pOKButton != nullptr) {
        m_pOKButton->MoveWindow(ok);
    }

    // Three columns by twelve rows.
    for (int i = 0; i < kRadioCount; ++i) {
        CKWRadioBox* radio = m_radios[static_cast<size_t>(i)];
        if (radio == nullptr) {
            continue;
        }
        const int column = i % kRadioColumns;
        const int row = i / kRadioColumns;
        CKWRect rect = RectAt(
            Scaled(30) + column * Scaled(230), Scaled(60) + row * Scaled(32), Scaled(200), Scaled(24));
        radio->MoveWindow(rect, 0);
    }
}

void CModelSelectDlgEventImp::Dlg_Destroy()
{
    // The dialog is going, and its controls with it.
    m_pDlg = nullptr;
    m_pCloseButton = nullptr;
    m_pTitle = nullptr;
    m_pSearchEdit = nullptr;
    m_pSearchButton = nullptr;
    m_radios.fill(nullptr);
    m_pPageTheStatic = nullptr;
    m_pPageWordStatic = nullptr;
    m_pPageNumberStatic = nullptr;
    m_pPrevPageButton = nullptr;
    m_pNextPageButton = nullptr;
    m_pOKButton = nullptr;
    m_pSelectedRadio = nullptr;
}

void CModelSelectDlgEventImp::OnDlgKeyDown(UINT /*modifiers*/, UINT key)
{
    if (key == kEscapeKey && m_pDlg != nullptr) {
        m_pDlg->ShowWindow(0);
    }
}

CKWRadioBox* CModelSelectDlgEventImp::GetRadio(int position) const
{
    if (position < 0 || position >= kRadioCount) {
        return nullptr;
    }
    return m_radios[static_cast<size_t>(position)];
}

void CModelSelectDlgEventImp::SetModelList(const std::vector<std::wstring>& names)
{
    m_allNames = names;
    m_currentList = names;
    m_searchKeys.clear();
    m_searchKeys.reserve(names.size());
    for (const std::wstring& name : names) {
        m_searchKeys.push_back(ModelSearchKey(name));
    }
    // A choice from the old list may not be in the new one.
    ForgetChoice();
    ShowFirstPage();
}

std::wstring CModelSelectDlgEventImp::GetSelectedModel() const
{
    for (int i = 0; i < kRadioCount; ++i) {
        const CKWRadioBox* radio = m_radios[static_cast<size_t>(i)];
        if (radio != nullptr && radio->GetCheck() != 0) {
            return TooltipOf(radio, kSelectedModelChars);
        }
    }
    return {};
}

void CModelSelectDlgEventImp::ResetRadios()
{
    // Emptying the field first: its change notice brings the whole list
    // back onto the radios and enables next-page, which the rest undoes.
    if (m_pSearchEdit != nullptr) {
        m_pSearchEdit->SetWindowTextW(L"");
    }
    ClearRadios();
    // The radios no longer show the choice, so OK must not confirm it.
    ForgetChoice();
    m_currentPage = 1;
    if (m_pPrevPageButton != nullptr) {
        m_pPrevPageButton->EnableWindow(0);
    }
    if (m_pNextPageButton != nullptr) {
        m_pNextPageButton->EnableWindow(0);
    }
    ShowPageNumber();
}

void CModelSelectDlgEventImp::RetranslateTexts()
{
    if (m_pSearchEdit != nullptr) {
        m_pSearchEdit->SetPlaceholderText(translate(L"Search"));
    }
    if (m_pTitle != nullptr) {
        m_pTitle->SetStaticText(translate(L"ModelSelect"));
    }
    if (m_pPageTheStatic != nullptr) {
        m_pPageTheStatic->SetStaticText(translate(L"the"));
    }
    if (m_pPageWordStatic != nullptr) {
        m_pPageWordStatic->SetStaticText(translate(L"page"));
    }
    if (m_pOKButton != nullptr) {
        m_pOKButton->SetWindowTextW(translate(L"OK"));
    }
}

void CModelSelectDlgEventImp::EDIT_OnTextChange(UINT /*id*/, WCHAR* text)
{
    ForgetChoice();
    if (text == nullptr || text[0] == L'\0') {
        m_currentList = m_allNames;
        ShowFirstPage();
        return;
    }
    OnSearch();
}

void CModelSelectDlgEventImp::OnSearch()
{
    if (m_pSearchEdit == nullptr) {
        return;
    }
    WCHAR buffer[kSearchReadChars + 1] = {};
    m_pSearchEdit->GetWindowTextW(buffer, kSearchReadChars + 1);
    if (buffer[0] == L'\0') {
        return;
    }
    ForgetChoice();
    m_currentList = FindModels(m_allNames, m_searchKeys, ModelSearchQuery(buffer));
    ShowFirstPage();
}

void CModelSelectDlgEventImp::ShowFirstPage()
{
    ClearRadios();
    m_currentPage = 1;
    ShowPageNumber();
    if (m_pPrevPageButton != nullptr) {
        m_pPrevPageButton->EnableWindow(0);
    }
    EnableNextByList();
    FillPage();
}

void CModelSelectDlgEventImp::EnableNextByList()
{
    if (m_pNextPageButton != nullptr) {
        m_pNextPageButton->EnableWindow(m_currentList.size() > static_cast<size_t>(kModelPageSize) ? 1 : 0);
    }
}

void CModelSelectDlgEventImp::OnPrevPage()
{
    GoToPage(std::max(1, m_currentPage - 1));
    if (m_pNextPageButton != nullptr) {
        m_pNextPageButton->EnableWindow(1);
    }
}

void CModelSelectDlgEventImp::OnNextPage()
{
    // The button is disabled on the last page; a page with nothing on it
    // would also lose the choice.
    if (!ModelPageHasNext(m_currentList.size(), m_currentPage)) {
        return;
    }
    GoToPage(m_currentPage + 1);
    if (m_pNextPageButton != nullptr) {
        m_pNextPageButton->EnableWindow(ModelPageHasNext(m_currentList.size(), m_currentPage) ? 1 : 0);
    }
}

void CModelSelectDlgEventImp::GoToPage(int page)
{
    // A choice is known by its name: a first click chooses without making
    // its radio the selected one, and must survive paging all the same.
    const int position = m_chosenName.empty() ? -1 : ChosenPosition();

    m_currentPage = page;
    if (m_pPrevPageButton != nullptr) {
        m_pPrevPageButton->EnableWindow(m_currentPage > 1 ? 1 : 0);
    }
    ShowPageNumber();
    ClearRadios();
    FillPage();

    if (position < 0) {
        return;
    }
    const int filled = ModelPageEntryCount(m_currentList.size(), m_currentPage);
    if (filled == 0) {
        ForgetChoice();
        return;
    }
    CKWRadioBox* radio = m_radios[static_cast<size_t>(std::min(position, filled - 1))];
    if (radio == nullptr) {
        ForgetChoice();
        return;
    }
    radio->SetCheck(1);
    radio->SetTextColor(kChosenColour, kChosenColour);
    m_pSelectedRadio = radio;
    m_chosenName = TooltipOf(radio, kChosenNameChars);
}

int CModelSelectDlgEventImp::ChosenPosition() const
{
    // At most one radio is checked, and it is the one that shows the choice.
    for (int i = 0; i < kRadioCount; ++i) {
        const CKWRadioBox* radio = m_radios[static_cast<size_t>(i)];
        if (radio != nullptr && radio->GetCheck() != 0) {
            return i;
        }
    }
    for (int i = 0; i < kRadioCount; ++i) {
        if (m_pSelectedRadio != nullptr && m_radios[static_cast<size_t>(i)] == m_pSelectedRadio) {
            return i;
        }
    }
    return -1;
}

void CModelSelectDlgEventImp::RADIO_OnClicked(int kind, int id, POINT /*point*/)
{
    if (id < static_cast<int>(kIdModelFirstRadio)
        || id >= static_cast<int>(kIdModelFirstRadio) + kRadioCount) {
        return;
    }
    CKWRadioBox* radio = m_radios[static_cast<size_t>(id - static_cast<int>(kIdModelFirstRadio))];
    if (radio == nullptr) {
        return;
    }
    if (kind != 0) {
        // A radio newly checked: it alone is checked now.
        for (int i = 0; i < kRadioCount; ++i) {
            CKWRadioBox* other = m_radios[static_cast<size_t>(i)];
            if (other != nullptr) {
                other->SetCheck(0);
                other->SetTextColor(kPlainTextColour, 0);
            }
        }
        radio->SetCheck(1);
        radio->SetTextColor(kFirstClickColour, kFirstClickColour);
    } else {
        // The checked radio clicked again: it stays checked.
        radio->SetCheck(1);
        radio->SetTextColor(kChosenColour, kChosenColour);
        m_pSelectedRadio = radio;
    }
    m_chosenName = TooltipOf(radio, kChosenNameChars);
}

void CModelSelectDlgEventImp::OnOK()
{
    if (!m_chosenName.empty()) {
        if (const boost::shared_ptr<IModelSelectDlgOwner> owner = m_owner.lock()) {
            owner->ApplyModelName(m_chosenName.c_str());
        }
        if (m_pDlg != nullptr) {
            m_pDlg->MFCOK();
        }
        return;
    }
    // Copies: translate's buffers are reused by the message box's own texts.
    const std::wstring text = translate(L"Please select a device model.");
    const std::wstring caption = translate(L"Attention");
    if (m_messageBox) {
        m_messageBox(text, caption, GetUIWnd());
    }
}

void CModelSelectDlgEventImp::OnClose()
{
    if (m_pDlg != nullptr) {
        m_pDlg->MFCCancel();
    }
}

void CModelSelectDlgEventImp::BTN_OnLButtonDown(int id, UINT /*flags*/, POINT /*point*/)
{
    if (id == static_cast<int>(kIdModelOK) && m_pOKButton != nullptr) {
        m_pOKButton->SetTextColor(kPressedColour);
    }
}

void CModelSelectDlgEventImp::BTN_OnLButtonUp(int id, UINT /*flags*/, POINT /*point*/)
{
    if (id == static_cast<int>(kIdModelOK) && m_pOKButton != nullptr) {
        m_pOKButton->SetTextColor(kChosenColour);
    }
}

void CModelSelectDlgEventImp::ClearRadios()
{
    for (int i = 0; i < kRadioCount; ++i) {
        CKWRadioBox* radio = m_radios[static_cast<size_t>(i)];
        if (radio != nullptr) {
            radio->ShowWindow(0);
            radio->SetCheck(0);
            radio->SetTextColor(kPlainTextColour, 0);
        }
    }
}

void CModelSelectDlgEventImp::FillPage()
{
    const size_t first = static_cast<size_t>(m_currentPage - 1) * kModelPageSize;
    const int count = ModelPageEntryCount(m_currentList.size(), m_currentPage);
    for (int k = 0; k < count; ++k) {
        CKWRadioBox* radio = m_radios[static_cast<size_t>(k)];
        if (radio == nullptr) {
            continue;
        }
        const std::wstring& name = m_currentList[first + static_cast<size_t>(k)];
        radio->SetWindowTextW(name.c_str());
        radio->SetToolTipText(name.c_str());
        radio->SetTextOffset(Scaled(kRadioTextGap));
        radio->ShowWindow(1);
    }
}

void CModelSelectDlgEventImp::ShowPageNumber()
{
    if (m_pPageNumberStatic != nullptr) {
        wchar_t text[16] = {};
        std::swprintf(text, 16, L"%d", m_currentPage);
        m_pPageNumberStatic->SetStaticText(text);
    }
}

void CModelSelectDlgEventImp::ForgetChoice()
{
    m_pSelectedRadio = nullptr;
    m_chosenName.clear();
}

std::wstring CModelSelectDlgEventImp::TooltipOf(const CKWRadioBox* radio, int maxChars) const
{
    if (radio == nullptr) {
        return {};
    }
    std::vector<WCHAR> buffer(static_cast<size_t>(maxChars) + 1, L'\0');
    const int copied = radio->GetToolTipText(buffer.data(), maxChars);
    return std::wstring(buffer.data(), static_cast<size_t>(std::max(0, std::min(copied, maxChars))));
}
