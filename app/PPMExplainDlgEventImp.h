#pragma once
// The small modal dialog that explains the pixel-density levels: four rows
// (25, 63, 125 and 250 pixels per metre, or 8, 19, 38 and 76 per foot), each
// with a picture, a bold title and a wrapped description. Made hidden at
// start-up and run modally from the density display's explain button.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWButton.h"
#include "ui/api/KWDialog.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CKWButton;
class CKWPictureCtrl;
class CKWStatic;
class CMainFrameEventImp;

#include "app/PPMExplainLayout.h"

constexpr UINT kIdPPMExplainOK = 120;
constexpr UINT kIdPPMExplainClose = 202;

class CPPMExplainDlgEventImp : public IKWDialogEvent, public IKWButtonEvent {
public:
    static constexpr int kRowCount = kPPMExplainRowCount;

    explicit CPPMExplainDlgEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame);
    ~CPPMExplainDlgEventImp() override;

    CPPMExplainDlgEventImp(const CPPMExplainDlgEventImp&) = delete;
    CPPMExplainDlgEventImp& operator=(const CPPMExplainDlgEventImp&) = delete;

    // Creates the dialog, hidden, as a child of the main window. Returns 0.
    int Init();
    static void FillDialogStyle(DialogStyle* style);
    CKWDialog* GetDlg() const { return m_pDlg; }

    // Titles in pixels per metre (non-zero) or per foot.
    void OnView_ChangeUnit(bool metric);
    void RetranslateTexts();
    bool IsMetric() const { return m_metric; }

    // IKWDialogEvent
    void OnDlgCreate(bool create) override;
    void OnDlgSize(UINT type, int& cx, int& cy) override;
    void Dlg_Destroy() override;
    // Escape hides the dialog, which ends its modal run.
    void OnDlgKeyDown(UINT modifiers, UINT key) override;
    // IKWButtonEvent: the OK button's text colour while pressed
    void BTN_OnLButtonDown(int id, UINT flags, POINT point) override;
    void BTN_OnLButtonUp(int id, UINT flags, POINT point) override;

    // Commands
    void OnCloseClicked();
    void OnOKClicked();

    // The controls, for tests (null before OnDlgCreate).
    CKWButton* GetCloseButton() const { return m_pCloseButton; }
    CKWButton* GetOKButton() const { return m_pOKButton; }
    CKWPictureCtrl* GetRowPicture(int row) const { return InRange(row) ? m_rows[row].picture : nullptr; }
    CKWStatic* GetRowTitle(int row) const { return InRange(row) ? m_rows[row].title : nullptr; }
    CKWStatic* GetRowDescription(int row) const { return InRange(row) ? m_rows[row].description : nullptr; }

    KW_BEGIN_MSGMAP(CPPMExplainDlgEventImp)
    KW_COMMAND(kIdPPMExplainClose, OnCloseClicked)
    KW_COMMAND(kIdPPMExplainOK, OnOKClicked)
    KW_END_MSGMAP()

private:
    struct Row {
        CKWPictureCtrl* picture = nullptr;
        CKWStatic* title = nullptr;
        CKWStatic* description = nullptr;
    };

    static bool InRange(int row) { return row >= 0 && row < kRowCount; }
    void SetTitles();

    CKWDialog* m_pDlg = nullptr;
    CKWButton* m_pCloseButton = nullptr;
    Row m_rows[kRowCount];
    CKWButton* m_pOKButton = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_mainFrame;
    bool m_metric = true;
};

// Makes the handler, builds its hidden dialog and returns it.
boost::shared_ptr<CPPMExplainDlgEventImp> CreatePPMExplainDlg(
    const boost::shared_ptr<CMainFrameEventImp>& mainFrame);
