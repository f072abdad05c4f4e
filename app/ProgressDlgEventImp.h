#pragma once
// Busy dialog: an animated skin picture centred in a 100 x 100 dialog, which
// the dialog's timer 2 closes. Whoever makes the dialog attaches it with
// SetDialog, starts timer 2 and runs it modally; the calculator itself never
// shows one.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWDialog.h"

#include <QPointer>

#include <memory>
#include <string>

class QLabel;
class QMovie;

// The dialog's timer that ends the animation.
constexpr UINT kIdProgressTimer = 2;

class CProgressDlgEventImp : public IKWDialogEvent {
public:
    // movieFile is a skin picture name; a null name counts as empty.
    CProgressDlgEventImp(const wchar_t* movieFile, int width, int height);
    ~CProgressDlgEventImp() override;

    CProgressDlgEventImp(const CProgressDlgEventImp&) = delete;
    CProgressDlgEventImp& operator=(const CProgressDlgEventImp&) = delete;

    // The dialog this handler drives and closes.
    void SetDialog(CKWDialog* dialog) { m_pDlg = dialog; }

    // Where the animation goes in the 100 x 100 dialog: centred, the offsets
    // truncated toward zero.
    static void AnimationOrigin(int width, int height, int& x, int& y);

    // IKWDialogEvent. Building the controls (true) has nothing to do; the
    // modal run (false) starts the animation, made once and reused.
    void OnDlgCreate(bool create) override;
    // The dialog reports its timers here; they go through the message map,
    // so that timer 2 ends the dialog.
    void OnDlgTimer(UINT id) override;

    // Timer 2: cancels the dialog.
    void OnTimer(WPARAM wParam, LPARAM lParam);

    QLabel* GetLabel() const { return m_pLabel.data(); }
    QMovie* GetMovie() const { return m_pMovie.get(); }
    const std::wstring& GetMovieFile() const { return m_movieFile; }

    // An empty map, so that this handler's map names a base as the
    // framework's handlers do.
    static const KW_MSGMAP* EmptyBaseMap();

    KW_BEGIN_MSGMAP_BASE(CProgressDlgEventImp, CProgressDlgEventImp::EmptyBaseMap())
    KW_UIMESSAGE(WM_TIMER, kIdProgressTimer, OnTimer)
    KW_END_MSGMAP()

private:
    CKWDialog* m_pDlg = nullptr;
    // A child of the dialog's window, which deletes it; the guard notices.
    QPointer<QLabel> m_pLabel;
    std::wstring m_movieFile;
    int m_width = 0;
    int m_height = 0;
    std::unique_ptr<QMovie> m_pMovie;
};
