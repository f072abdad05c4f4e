#include "app/ProgressDlgEventImp.h"

#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QLabel>
#include <QMovie>

namespace {

const int kDialogSide = 100;

} // namespace

CProgressDlgEventImp::CProgressDlgEventImp(const wchar_t* movieFile, int width, int height)
    : m_movieFile(movieFile != nullptr ? movieFile : L"")
    , m_width(width)
    , m_height(height)
{
}

// The movie goes first: the label (owned by the dialog's window) only
// watches it.
CProgressDlgEventImp::~CProgressDlgEventImp() = default;

const KW_MSGMAP* CProgressDlgEventImp::EmptyBaseMap()
{
    static const KW_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, KWSig_end, 0, nullptr } };
    static const KW_MSGMAP map = { entries, nullptr };
    return &map;
}

void CProgressDlgEventImp::AnimationOrigin(int width, int height, int& x, int& y)
{
    x = (kDialogSide - width) / 2;
    y = (kDialogSide - height) / 2;
}

void CProgressDlgEventImp::OnDlgCreate(bool create)
{
    if (create) {
        return;
    }
    QWidget* window = KWWidgetFromHandle(GetUIWnd());
    if (window == nullptr) {
        // Without a dialog window the label would become a window of its own.
        return;
    }
    int x = 0;
    int y = 0;
    AnimationOrigin(m_width, m_height, x, y);
    if (m_pLabel.isNull()) {
        m_pLabel = new QLabel(window);
    }
    m_pLabel->setGeometry(x, y, m_width, m_height);
    if (!m_pMovie) {
        m_pMovie = std::make_unique<QMovie>();
        KWLoadMovie(KWSkinImagePath(m_movieFile), *m_pMovie);
    }
    m_pLabel->setMovie(m_pMovie.get());
    m_pMovie->start();
    if (m_pDlg != nullptr) {
        m_pDlg->MoveWindow(0, 0, kDialogSide, kDialogSide);
        m_pDlg->CenterWindow(nullptr);
    }
}

void CProgressDlgEventImp::OnDlgTimer(UINT id)
{
    OnUIMessage(WM_TIMER, id, 0, 0);
}

void CProgressDlgEventImp::OnTimer(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (m_pDlg != nullptr) {
        m_pDlg->MFCCancel();
    }
}
