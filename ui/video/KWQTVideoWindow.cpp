#include "ui/video/KWQTVideoWindow.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/video/KWFrameConvert.h"
#include "ui/video/KWQTVideoWindowPlayWnd.h"
#include "ui/video/KWQTVideoWindowSubWnd.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>

namespace {

// Nothing in this component reads it; it is kept for the owner.
std::atomic<int> g_lockScreen {0};

constexpr int kFinishAnimation = 500;
constexpr int kSwitchDuration = 200;
constexpr int kExchangeDelay = 100;

QRect InclusiveRect(const RECT& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}

const QRect kNullRect(QPoint(0, 0), QPoint(-1, -1));

// A whole I420 picture (Y, then U, then V, each chroma plane a quarter) into
// 32-bit RGB of the same size.
void PictureToRgb32(BYTE* out, BYTE* data, int width, int height)
{
    const std::size_t luma = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    yv12_to_rgb32_c_q(out, width, data, data + luma, data + luma * 5 / 4, width, width / 2, width, height);
}

} // namespace

CKWVideoWindow* CreateKWVideoWindow(VIDEOWINDOWMODE mode, IKWVideoWindowEvent* listener, int capacityA, int capacityB)
{
    return new (std::nothrow) CKWQTVideoWindow(mode, listener, capacityA, capacityB);
}

CKWQTVideoWindow::CKWQTVideoWindow(VIDEOWINDOWMODE mode, IKWVideoWindowEvent* listener, int capacityA, int capacityB)
    : QWidget(nullptr)
    , CKWVideoWindow(listener)
    , m_mode(mode)
    , m_capacityA(std::max(capacityA, 0))
    , m_capacityB(std::max(capacityB, 0))
    , m_colors {QColor(54, 62, 77), QColor(53, 59, 72), QColor(250, 0, 0), QColor(88, 111, 27), QColor(0, 250, 0), QColor(70, 152, 237)}
{
    qRegisterMetaType<LAYOUT_TYPE>("LAYOUT_TYPE");
    qRegisterMetaType<LPCSTR>("LPCSTR");
    setMouseTracking(true);
    m_exchangeTimer = new QTimer(this);
    m_exchangeTimer->setSingleShot(true);
    m_exchangeTimer->setInterval(kExchangeDelay);
    connect(m_exchangeTimer, &QTimer::timeout, this, &CKWQTVideoWindow::OnTimeOutExchangeSubwin, Qt::QueuedConnection);
    connect(this, &CKWQTVideoWindow::LayoutChanged, this, &CKWQTVideoWindow::CastLayoutChangedEvent, Qt::QueuedConnection);
    connect(this, &CKWQTVideoWindow::sigSetLayout, this, &CKWQTVideoWindow::SetLayout, Qt::QueuedConnection);
    connect(&m_layoutAnimations, &QAbstractAnimation::finished, this, &CKWQTVideoWindow::OnAnimationFinishLayoutChanged);
    connect(&m_switchAnimations, &QAbstractAnimation::finished, this, &CKWQTVideoWindow::OnAnimationFinishSubWinSwitch);
}

CKWQTVideoWindow::~CKWQTVideoWindow()
{
    m_exchangeTimer->stop();
    m_layoutAnimations.disconnect(this);
    m_switchAnimations.disconnect(this);
    m_background.reset();
    std::map<int, CKWQTVideoWindowSubWnd*> subWnds;
    subWnds.swap(m_subWnds);
    m_currentSubWnd = nullptr;
    for (auto& entry : subWnds) {
        delete entry.second;
    }
}

// ---- Look ------------------------------------------------------------------

int CKWQTVideoWindow::Create(LPCWSTR title, const RECT& rect, void* parent, UINT id)
{
    setParent(KWWidgetFromHandle(parent));
    setGeometry(InclusiveRect(rect));
    int width = 0;
    int height = 0;
    m_layout.GetSize(width, height);
    if (rect.right - rect.left != width || rect.bottom - rect.top != height) {
        m_layout.Resize(rect.right - rect.left, rect.bottom - rect.top);
    }
    setWindowTitle(KWToQString(title));
    m_controlId = id;

    for (auto& entry : m_subWnds) {
        delete entry.second;
    }
    m_subWnds.clear();
    m_currentSubWnd = nullptr;
    if (m_mode == VIDEOWINDOW_MODE_VIDEO) {
        const int count = m_capacityA * m_capacityB;
        for (int i = 0; i < count; ++i) {
            auto* sub = new CKWQTVideoWindowSubWnd();
            sub->Create(L"", rect, this, i, 4, 3);
            sub->SetBkColor(m_colors[0]);
            if (m_layout.HasCell(i)) {
                sub->setGeometry(CellGeometry(i));
                sub->show();
            } else {
                sub->hide();
            }
            m_subWnds[i] = sub;
        }
        if (!m_subWnds.empty()) {
            m_currentSubWnd = m_subWnds.begin()->second;
        }
    }
    return 1;
}

int CKWQTVideoWindow::SetSkin(ImageVideoWindowStyle* style)
{
    if (style == nullptr) {
        return 0;
    }
    // Empty fields keep what the window has: an empty colour would read as
    // black and an empty width as 0 (bars that cannot be seen).
    if (!style->strBackground.empty()) {
        m_background = std::make_unique<QPixmap>();
        KWLoadPicture(KWSkinImagePath(style->strBackground), *m_background);
    }
    const std::wstring* colours[6] = {&style->strColor1, &style->strColor2, &style->strColor3,
                                      &style->strColor4, &style->strColor5, &style->strColor6};
    for (int i = 0; i < 6; ++i) {
        if (!colours[i]->empty()) {
            m_colors[static_cast<std::size_t>(i)] = ColorFromHexString(*colours[i]);
        }
    }
    bool ok = false;
    int value = KWToQString(style->strBarLineWidth).trimmed().toInt(&ok);
    if (ok) {
        m_barLineWidth = value;
    }
    value = KWToQString(style->strBarDashWidth).trimmed().toInt(&ok);
    if (ok) {
        m_barDashWidth = value;
    }
    m_playWndValue1 = style->nPlayWndValue1;
    m_playWndValue2 = style->nPlayWndValue2;
    if (m_mode == VIDEOWINDOW_MODE_VIDEO) {
        const std::wstring* images[11] = {&style->strImage1, &style->strImage2, &style->strImage3, &style->strImage4,
                                          &style->strImage5, &style->strImage6, &style->strImage7, &style->strImage8,
                                          &style->strImage9, &style->strImage10, &style->strImage11};
        for (int i = 0; i < 11; ++i) {
            KWLoadSkinPixmap(*images[i], m_skinImages[static_cast<std::size_t>(i)]);
        }
        if (!style->strSkinPoint.empty()) {
            const std::pair<int, int> point = WStringToIntPair(style->strSkinPoint);
            m_skinPointX = point.first;
            m_skinPointY = point.second;
        }
    }
    if (!style->strText1.empty()) {
        m_text1 = KWToQString(style->strText1);
    }
    if (!style->strText2.empty()) {
        m_text2 = KWToQString(style->strText2);
    }
    update();
    return 0;
}

QColor CKWQTVideoWindow::GetColor(int number) const
{
    if (number < 1 || number > 6) {
        return QColor();
    }
    return m_colors[static_cast<std::size_t>(number - 1)];
}

const QPixmap& CKWQTVideoWindow::GetSkinImage(int number) const
{
    static const QPixmap none;
    if (number < 1 || number > 11) {
        return none;
    }
    return m_skinImages[static_cast<std::size_t>(number - 1)];
}

void CKWQTVideoWindow::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTVideoWindow::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    }
}

void CKWQTVideoWindow::MoveWindow(int x, int y, int width, int height)
{
    const bool visible = isVisible();
    if (visible) {
        hide();
    }
    setGeometry(x, y, width, height);
    if (visible) {
        show();
    }
}

void* CKWQTVideoWindow::GetLayoutOverView(int, int, DWORD, DWORD)
{
    return nullptr;
}

int CKWQTVideoWindow::GetLayoutOverView(void*, int, int, DWORD, DWORD)
{
    return 0;
}

// ---- Layout ----------------------------------------------------------------

QRect CKWQTVideoWindow::CellGeometry(int index) const
{
    RECT cell;
    if (!m_layout.GetCell(index, cell)) {
        return kNullRect;
    }
    return QRect(QPoint(cell.left + 1, cell.top + 1), QPoint(cell.right - 1, cell.bottom - 1));
}

int CKWQTVideoWindow::SetRows(int rows)
{
    return AnnounceGridChange(m_layout.SetRows(rows));
}

int CKWQTVideoWindow::SetColumns(int columns)
{
    return AnnounceGridChange(m_layout.SetColumns(columns));
}

int CKWQTVideoWindow::AnnounceGridChange(int changed)
{
    if (changed != 0) {
        if (m_pListener != nullptr) {
            m_pListener->OnLayoutChanged();
        }
        update();
    }
    return changed;
}

int CKWQTVideoWindow::GetLayout(char* buffer, int size)
{
    std::string text;
    m_layout.Serialize(text);
    if (buffer == nullptr || size <= static_cast<int>(text.size())) {
        return 0;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return 1;
}

int CKWQTVideoWindow::SetDefaultLayout(LAYOUT_TYPE type, const char* layout)
{
    const char* text = type == LAYOUT_CUSTOM ? layout : CKWVideoWindow::GetDefaultLayout(type);
    if (text == nullptr || text[0] == '\0') {
        return 0;
    }
    const std::size_t length = std::strlen(text);
    char* copy = new (std::nothrow) char[length + 1]();
    if (copy == nullptr) {
        return 0;
    }
    std::memcpy(copy, text, length);
    SetLayout(type, copy);
    return 1;
}

void CKWQTVideoWindow::ClearZoom()
{
    m_zoomed = 0;
    for (auto& entry : m_subWnds) {
        if (entry.second->IsZoomed() != 0) {
            entry.second->SetZoomed(0);
            break;
        }
    }
}

void CKWQTVideoWindow::MoveSubWndsToCells()
{
    for (auto& [index, sub] : m_subWnds) {
        if (!m_layout.HasCell(index)) {
            sub->hide();
            break;
        }
        sub->show();
        sub->setGeometry(CellGeometry(index));
    }
}

void CKWQTVideoWindow::PlaceSubWnds()
{
    if (m_layoutAnimations.state() == QAbstractAnimation::Running) {
        m_layoutAnimations.setCurrentTime(kFinishAnimation);
    }
    MoveSubWndsToCells();
    m_layoutAnimations.start();
}

void CKWQTVideoWindow::HideSubWndsBeyondCells(int oldCount, bool refocus)
{
    for (int index = oldCount - 1; index >= m_layout.GetCount(); --index) {
        auto found = m_subWnds.find(index);
        if (found == m_subWnds.end()) {
            continue;
        }
        found->second->hide();
        if (refocus && found->second == m_currentSubWnd) {
            SetFocusSubWin(GetSubWinIDByIndex(0));
        }
    }
}

void CKWQTVideoWindow::SetLayout(LAYOUT_TYPE type, LPCSTR layout)
{
    if (layout == nullptr) {
        return;
    }
    if (m_layoutAnimations.state() == QAbstractAnimation::Running) {
        emit sigSetLayout(type, layout); // retried once the event loop turns
        return;
    }
    ClearZoom();
    m_layoutType = type;
    const int oldCount = m_layout.GetCount();
    int width = 0;
    int height = 0;
    m_layout.GetSize(width, height);
    m_layout.Parse(layout);
    if (m_layout.Resize(width, height) == 0) {
        m_layout.RebuildCells();
    }
    if (m_mode == VIDEOWINDOW_MODE_VIDEO) {
        PlaceSubWnds();
        HideSubWndsBeyondCells(oldCount, true);
    }
    update();
    delete[] layout;
}

int CKWQTVideoWindow::ApplyLayout(const CQTVideoWindowLayout& other)
{
    ClearZoom();
    if (other.GetRows() * other.GetColumns() > m_capacityA * m_capacityB) {
        return 0;
    }
    const int oldCount = m_layout.GetCount();
    m_layout.CopyFrom(other);
    MoveSubWndsToCells();
    m_layoutAnimations.start();
    HideSubWndsBeyondCells(oldCount, false);
    if (m_pListener != nullptr) {
        m_pListener->OnLayoutChanged();
    }
    update();
    return 1;
}

int CKWQTVideoWindow::SHowSubWinAtLeast(int count)
{
    if (m_mode != VIDEOWINDOW_MODE_VIDEO || count < 1) {
        return 0;
    }
    struct Step {
        int upTo;
        LAYOUT_TYPE type;
        int windows;
    };
    // The 20-window layout is never chosen here.
    static const Step steps[] = {
        {1, LAYOUT_1, 1},   {4, LAYOUT_4, 4},   {6, LAYOUT_6, 6},   {8, LAYOUT_8, 8},   {9, LAYOUT_9, 9},
        {13, LAYOUT_13, 13}, {16, LAYOUT_16, 16}, {25, LAYOUT_25, 25}, {36, LAYOUT_36, 36},
    };
    for (const Step& step : steps) {
        if (count <= step.upTo) {
            SetDefaultLayout(step.type, nullptr);
            return step.windows;
        }
    }
    SetDefaultLayout(LAYOUT_4, nullptr);
    return 4;
}

void CKWQTVideoWindow::CastLayoutChangedEvent()
{
    if (m_pListener != nullptr) {
        m_pListener->OnLayoutChanged();
    }
}

void CKWQTVideoWindow::OnAnimationFinishLayoutChanged()
{
    m_layoutAnimations.clear();
    if (m_pListener != nullptr) {
        m_pListener->OnLayoutChanged();
    }
}

void CKWQTVideoWindow::OnAnimationFinishSubWinSwitch()
{
    m_switchAnimations.clear();
}

// ---- Sub-windows by index and id -------------------------------------------

int CKWQTVideoWindow::IndexOf(const CKWQTVideoWindowSubWnd* subWnd) const
{
    if (subWnd == nullptr || !subWnd->isVisible()) {
        return -1;
    }
    for (const auto& [index, sub] : m_subWnds) {
        if (index >= 0 && sub == subWnd) {
            return index;
        }
    }
    return -1;
}

CKWQTVideoWindowSubWnd* CKWQTVideoWindow::SubWndById(int id, bool withinCells) const
{
    const int last = withinCells ? m_layout.GetCount() : m_capacityA * m_capacityB;
    for (int index = 0; index < last; ++index) {
        auto found = m_subWnds.find(index);
        if (found != m_subWnds.end() && found->second->GetId() == id) {
            return found->second;
        }
    }
    return nullptr;
}

void CKWQTVideoWindow::SetSubWinProportion(int width, int height, int id)
{
    if (id < 0) {
        for (auto& entry : m_subWnds) {
            entry.second->SetProportion(width, height);
        }
    } else if (CKWQTVideoWindowSubWnd* sub = SubWndById(id)) {
        sub->SetProportion(width, height);
    }
}

HWND CKWQTVideoWindow::GetSubWinHandle(int index)
{
    if (index < 0 || index >= m_layout.GetCount()) {
        return nullptr;
    }
    auto found = m_subWnds.find(index);
    if (found == m_subWnds.end() || found->second->GetPlayWnd() == nullptr) {
        return nullptr;
    }
    return KWHandleFromWidget(found->second->GetPlayWnd());
}

int CKWQTVideoWindow::GetCurrentSubWinIndex()
{
    for (int index = 0; index < m_layout.GetCount(); ++index) {
        auto found = m_subWnds.find(index);
        if (found != m_subWnds.end() && found->second == m_currentSubWnd) {
            return index;
        }
    }
    return -1;
}

int CKWQTVideoWindow::GetCurrentSubWinID()
{
    return m_currentSubWnd != nullptr ? m_currentSubWnd->GetId() : -1;
}

int CKWQTVideoWindow::GetSubWinIDByIndex(int index)
{
    if (m_mode != VIDEOWINDOW_MODE_VIDEO) {
        return -1;
    }
    auto found = m_subWnds.find(index);
    return found != m_subWnds.end() ? found->second->GetId() : -1;
}

int CKWQTVideoWindow::GetSubWinIndexByID(int id)
{
    if (m_mode != VIDEOWINDOW_MODE_VIDEO) {
        return -1;
    }
    for (int index = 0; index < m_layout.GetCount(); ++index) {
        auto found = m_subWnds.find(index);
        if (found != m_subWnds.end() && found->second->GetId() == id) {
            return index;
        }
    }
    return -1;
}

int CKWQTVideoWindow::GetCurrentSubWinCount()
{
    return m_layout.GetCount();
}

void CKWQTVideoWindow::SetSubWinVideoByIndex(int index, int video)
{
    if (m_mode != VIDEOWINDOW_MODE_VIDEO) {
        return;
    }
    auto found = m_subWnds.find(index);
    if (found != m_subWnds.end()) {
        found->second->SetVideo(video);
    }
}

void CKWQTVideoWindow::SetSubWinVideoByID(int id, int video)
{
    if (m_mode != VIDEOWINDOW_MODE_VIDEO) {
        return;
    }
    if (CKWQTVideoWindowSubWnd* sub = SubWndById(id)) {
        sub->SetVideo(video);
    }
}

void CKWQTVideoWindow::SetDrawOSDHandle(int, void*) {}

void CKWQTVideoWindow::GetFrameOSDRect(RECT& rect)
{
    rect = m_frameOSDRect;
}

void CKWQTVideoWindow::SetDragSubWinCursor(UINT, UINT) {}

void CKWQTVideoWindow::SetSubWinRecordState(int id, int state)
{
    if (m_mode != VIDEOWINDOW_MODE_VIDEO) {
        return;
    }
    if (CKWQTVideoWindowSubWnd* sub = SubWndById(id)) {
        sub->SetRecordState(state);
    }
}

void CKWQTVideoWindow::ResetSubWinSizeToMin(int index)
{
    auto found = index >= 0 ? m_subWnds.find(index) : m_subWnds.end();
    if (found != m_subWnds.end() && found->second->GetPlayWnd() != nullptr) {
        found->second->GetPlayWnd()->ResetSize();
    }
}

void CKWQTVideoWindow::ResetSubWinSizeToMinByID(int id)
{
    if (m_mode != VIDEOWINDOW_MODE_VIDEO) {
        return;
    }
    CKWQTVideoWindowSubWnd* sub = SubWndById(id);
    if (sub != nullptr && sub->GetPlayWnd() != nullptr) {
        sub->GetPlayWnd()->ResetSize();
    }
}

int CKWQTVideoWindow::SetFocusSubWin(int id)
{
    for (const auto& [index, sub] : m_subWnds) {
        if (sub->GetId() == id && index < m_layout.GetCount() && sub != m_currentSubWnd) {
            sub->LaunchSubWinFocusAni();
            // A window that is not active gets the focus only once it is
            // activated; the sub-window is current from now on either way.
            if (m_currentSubWnd != sub) {
                sub->TakeCurrent(false);
            }
            return 1;
        }
    }
    return 0;
}

void CKWQTVideoWindow::SetActiveCheckMode(int mode)
{
    m_activeCheckMode = mode;
    if (mode == 0) {
        m_frameOSDRect = {0, 0, 0, 0};
    }
}

// ---- Pictures ----------------------------------------------------------------

int CKWQTVideoWindow::RenderSubWin(int id, RENDER_DATA_TYPE, BYTE* data, int width, int height, BYTE* secondData, int secondWidth,
                                   int secondHeight, int flag)
{
    CKWQTVideoWindowSubWnd* sub = SubWndById(id);
    if (sub == nullptr || sub->GetPlayWnd() == nullptr) {
        return 0;
    }
    return sub->GetPlayWnd()->ShowImages(data, 1, width, height, secondData, secondWidth, secondHeight, flag);
}

int CKWQTVideoWindow::RenderOffScreenSurface(int id, BYTE* data, int width, int height, int a, int b)
{
    CKWQTVideoWindowSubWnd* sub = SubWndById(id);
    if (sub == nullptr || sub->GetPlayWnd() == nullptr) {
        return 0;
    }
    CKWQTVideoWindowPlayWnd* play = sub->GetPlayWnd();
    if (play->RenderYUV(data, width, height, a, b) != 0) {
        sub->FreeRGBBuffer();
        return 1;
    }
    BYTE* rgb = sub->GetRGBBuffer(width, height);
    if (rgb == nullptr || data == nullptr) {
        return 0;
    }
    PictureToRgb32(rgb, data, width, height);
    play->ShowImage(rgb, 1, width, height);
    return 1;
}

int CKWQTVideoWindow::RenderOffScreenSurfaceFE(int id, RENDER_VIDEOINFO* main, int a, int b, RENDER_VIDEOINFO* second)
{
    CKWQTVideoWindowSubWnd* sub = SubWndById(id);
    if (sub == nullptr || sub->GetPlayWnd() == nullptr || main == nullptr) {
        return 0;
    }
    CKWQTVideoWindowPlayWnd* play = sub->GetPlayWnd();
    if (play->RenderYUVFE(main, a, b, second) != 0) {
        sub->FreeRGBBuffer();
        sub->FreeSecondRGBBuffer();
        return 1;
    }
    BYTE* rgb = sub->GetRGBBuffer(main->nWidth, main->nHeight);
    if (rgb == nullptr || main->pData == nullptr) {
        return 0;
    }
    PictureToRgb32(rgb, main->pData, main->nWidth, main->nHeight);
    BYTE* secondRgb = nullptr;
    int secondWidth = 0;
    int secondHeight = 0;
    if (second != nullptr && second->pData != nullptr) {
        secondRgb = sub->GetSecondRGBBuffer(second->nWidth, second->nHeight);
        if (secondRgb != nullptr) {
            PictureToRgb32(secondRgb, second->pData, second->nWidth, second->nHeight);
            secondWidth = second->nWidth;
            secondHeight = second->nHeight;
        }
    }
    play->ShowImages(rgb, 1, main->nWidth, main->nHeight, secondRgb, secondWidth, secondHeight, main->nPlacement);
    return 1;
}

int CKWQTVideoWindow::GetOffScreenSurface(int id, void*& surface, KW_COLOR_CONVERT& convert, int width, int height)
{
    CKWQTVideoWindowSubWnd* sub = SubWndById(id, true);
    if (sub == nullptr || sub->GetPlayWnd() == nullptr) {
        return 0;
    }
    return sub->GetPlayWnd()->GetOffScreenSurface(surface, convert, width, height) ? 1 : 0;
}

int CKWQTVideoWindow::EnableSubWinAnimation(int enable)
{
    const int previous = m_subWinAnimation;
    m_subWinAnimation = enable;
    return previous;
}

int CKWQTVideoWindow::VerticalSyncEnable(int enable)
{
    int result = 1;
    for (auto& entry : m_subWnds) {
        if (entry.second->GetPlayWnd() != nullptr) {
            result = (entry.second->GetPlayWnd()->SetVerticalSync(enable) != 0 && result != 0) ? 1 : 0;
        }
    }
    return result;
}

void CKWQTVideoWindow::SetLockScreen(int locked)
{
    g_lockScreen = locked;
}

int CKWQTVideoWindow::GetLockScreen()
{
    return g_lockScreen.load();
}

int CKWQTVideoWindow::SetFeRegionLocal(int id, FISHEYE_VIDEO_REGION* regions)
{
    CKWQTVideoWindowSubWnd* sub = SubWndById(id);
    if (sub == nullptr || sub->GetPlayWnd() == nullptr) {
        return 0;
    }
    return sub->GetPlayWnd()->SetFeRegion(regions);
}

void CKWQTVideoWindow::RemoveFeRegionLocal(int id)
{
    CKWQTVideoWindowSubWnd* sub = SubWndById(id);
    if (sub != nullptr && sub->GetPlayWnd() != nullptr) {
        sub->GetPlayWnd()->RemoveFeRegion();
    }
}

void CKWQTVideoWindow::SetSubWinFishEyeMode(int id, int mode)
{
    CKWQTVideoWindowSubWnd* sub = SubWndById(id);
    if (sub != nullptr && sub->GetPlayWnd() != nullptr) {
        sub->GetPlayWnd()->SetFishEyeMode(mode);
    }
}

void CKWQTVideoWindow::GetSubWinSize(int id, int& width, int& height)
{
    width = 0;
    height = 0;
    CKWQTVideoWindowSubWnd* sub = SubWndById(id);
    if (sub != nullptr && sub->GetPlayWnd() != nullptr) {
        const RECT fitted = sub->GetPlayWnd()->GetFittedGeometry();
        width = fitted.right - fitted.left + 1;
        height = fitted.bottom - fitted.top + 1;
    }
}

void CKWQTVideoWindow::SetInnerSplitMode(INNER_SPLIT_MODE mode, UINT id)
{
    m_innerSplitMode = mode;
    CKWQTVideoWindowSubWnd* sub = SubWndById(static_cast<int>(id));
    if (sub != nullptr && sub->GetPlayWnd() != nullptr) {
        sub->GetPlayWnd()->SetInnerSplitMode(mode);
    }
}

void CKWQTVideoWindow::GetInnerSplitRect(int id, CKWRect* rects)
{
    if (rects == nullptr) {
        return;
    }
    for (int i = 0; i < 5; ++i) {
        rects[i] = CKWRect(0, 0, 0, 0);
    }
    CKWQTVideoWindowSubWnd* sub = SubWndById(id);
    if (sub != nullptr && sub->GetPlayWnd() != nullptr) {
        sub->GetPlayWnd()->GetInnerSplitRect(rects);
    }
}

void CKWQTVideoWindow::SetOriginalProportion(int follow)
{
    for (auto& entry : m_subWnds) {
        if (entry.second->GetPlayWnd() != nullptr) {
            entry.second->GetPlayWnd()->SetOriginalProportion(follow);
        }
    }
}

// ---- Relays ------------------------------------------------------------------

void CKWQTVideoWindow::NotifyFishEyeEptz(CKWQTVideoWindowSubWnd* subWnd, FISHEYE_EPTZ_INFO& info)
{
    if (m_pListener != nullptr && subWnd != nullptr) {
        m_pListener->VideoWidow_OnFishEyeEptz(0, subWnd->GetId(), info);
    }
}

int CKWQTVideoWindow::FishEyeTestPtInRgn(CKWQTVideoWindowSubWnd* subWnd, int x, int y, int z, int* out)
{
    if (m_pListener == nullptr || subWnd == nullptr) {
        return 0;
    }
    const int inside = m_pListener->VideoWidow_InPtInFishEyeRegion(subWnd->GetId(), x, y, z);
    if (out != nullptr) {
        *out = inside;
    }
    return 1;
}

void CKWQTVideoWindow::NotifySplitRectChanged(CKWQTVideoWindowSubWnd* subWnd, CKWRect* rects)
{
    if (m_pListener != nullptr && subWnd != nullptr) {
        m_pListener->VideoWidow_OnSplitRectChanged(subWnd->GetId(), rects);
    }
}

// ---- Dragging, exchanging, zooming ---------------------------------------------

void CKWQTVideoWindow::UpdateCursor(bool pressed)
{
    if (m_dragMode == 0) {
        setCursor(Qt::ArrowCursor);
    } else {
        setCursor(pressed ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
    }
}

void CKWQTVideoWindow::OnSubWinPressed(int index, CKWQTVideoWindowSubWnd* subWnd, const QPoint& global)
{
    m_pressedIndex = index;
    m_mousePressed = 1;
    subWnd->raise();
    // The press reports where it happened, in the play window's coordinates,
    // as the release does.
    if (CKWQTVideoWindowPlayWnd* play = subWnd->GetPlayWnd()) {
        const QPoint local = play->mapFromGlobal(global);
        m_pressPoint = {local.x(), local.y()};
    }
    if (m_pListener != nullptr) {
        m_pListener->VideoWidow_OnLButtonDown(index, subWnd->GetId(), m_pressPoint);
    }
    UpdateCursor(true);
    update();
}

void CKWQTVideoWindow::OnTimeOutExchangeSubwin()
{
    auto pressed = m_subWnds.find(m_pressedIndex);
    if (pressed == m_subWnds.end()) {
        return;
    }
    CKWQTVideoWindowSubWnd* dragged = pressed->second;
    const QPoint centre = dragged->geometry().center();
    for (auto& [index, other] : m_subWnds) {
        if (other == dragged || !other->isVisible() || index < 0) {
            continue;
        }
        RECT cell;
        if (!m_layout.GetCell(index, cell) || !InclusiveRect(cell).contains(centre) || m_exchangeEnabled == 0) {
            continue;
        }
        other->LaunchSubWinGeometryChangeAni(CellGeometry(m_pressedIndex), kNullRect, kSwitchDuration, QEasingCurve(QEasingCurve::OutQuint), true);
        dragged->raise();
        const int target = index;
        CKWQTVideoWindowSubWnd* exchanged = other;
        m_subWnds[m_pressedIndex] = exchanged;
        m_subWnds[target] = dragged;
        if (m_pListener != nullptr) {
            m_pListener->OnSubWndExchanged(dragged->GetId(), exchanged->GetId());
        }
        m_pressedIndex = target;
        break;
    }
}

void CKWQTVideoWindow::OnSubWinReleased(int /*index*/, CKWQTVideoWindowSubWnd* subWnd, const QPoint& global)
{
    m_exchangeTimer->stop();
    m_mousePressed = 0;
    const QPoint centre = subWnd->geometry().center();
    int targetIndex = -1;
    CKWQTVideoWindowSubWnd* target = nullptr;
    for (auto& [index, other] : m_subWnds) {
        RECT cell;
        if (other != subWnd && other->isVisible() && index >= 0 && m_layout.GetCell(index, cell) && InclusiveRect(cell).contains(centre)) {
            targetIndex = index;
            target = other;
            break;
        }
    }
    subWnd->SetOpacity(1.0);
    const QRect home = CellGeometry(m_pressedIndex);
    const bool exchange = m_frameZoomMode == 0 && m_exchangeEnabled != 0 && m_dragMode == 0 && target != nullptr &&
                          !target->IsAnimating() && m_pressedIndex >= 0;
    // A drop that exchanges nothing (no target, or exchanging is off) sends
    // the sub-window home; left where it was dropped it would cover
    // another cell. Its size counts too: a cell it was exchanged into while
    // held may be a unit wider or taller than the one it came from.
    if (subWnd->geometry() != home && subWnd->IsZoomed() == 0 && !exchange && m_pressedIndex >= 0) {
        subWnd->LaunchSubWinGeometryChangeAni(home, kNullRect, kSwitchDuration, QEasingCurve(QEasingCurve::OutQuint), true);
    }
    if (m_pListener != nullptr) {
        QPoint local = global;
        if (CKWQTVideoWindowPlayWnd* play = subWnd->GetPlayWnd()) {
            local = play->mapFromGlobal(global);
        }
        POINT point = {local.x(), local.y()};
        m_pListener->VideoWidow_OnLButtonUp(m_pressedIndex, subWnd->GetId(), point);
    }
    if (exchange) {
        if (m_switchAnimations.state() == QAbstractAnimation::Running) {
            m_switchAnimations.setCurrentTime(kFinishAnimation);
        }
        target->setGeometry(home);
        subWnd->setGeometry(CellGeometry(targetIndex));
        if (m_pListener != nullptr) {
            m_pListener->OnSubWndExchanged(subWnd->GetId(), target->GetId());
        }
        m_subWnds[m_pressedIndex] = target;
        m_subWnds[targetIndex] = subWnd;
    }
    m_pressedIndex = -1;
    m_pressPoint = {0, 0};
    UpdateCursor(false);
    update();
}

void CKWQTVideoWindow::SubWinDblClickZoom(int index, CKWQTVideoWindowSubWnd* subWnd)
{
    if (subWnd == nullptr) {
        return;
    }
    const QEasingCurve curve(QEasingCurve::OutQuint);
    if (subWnd->IsZoomed() == 0) {
        subWnd->SetZoomed(1);
        subWnd->LaunchSubWinGeometryChangeAni(rect(), kNullRect, kSwitchDuration, curve, true);
        for (int i = 0; i < m_layout.GetCount(); ++i) {
            auto found = m_subWnds.find(i);
            if (found != m_subWnds.end() && found->second != subWnd) {
                found->second->hide();
            }
        }
        m_zoomed = 1;
    } else {
        subWnd->SetZoomed(0);
        for (int i = 0; i < m_layout.GetCount(); ++i) {
            auto found = m_subWnds.find(i);
            if (found == m_subWnds.end()) {
                continue;
            }
            found->second->show();
            if (found->second == subWnd) {
                subWnd->LaunchSubWinGeometryChangeAni(CellGeometry(i), kNullRect, kSwitchDuration, curve, true);
            }
        }
        m_zoomed = 0;
    }
    if (m_pListener != nullptr) {
        m_pListener->OnSubWinOccupyRoom(index, subWnd->GetId(), m_zoomed);
    }
    update();
}

// ---- Qt events -----------------------------------------------------------------

void CKWQTVideoWindow::resizeEvent(QResizeEvent* event)
{
    if (m_layout.Resize(width(), height()) != 0) {
        if (m_mode == VIDEOWINDOW_MODE_VIDEO) {
            if (m_layoutAnimations.state() == QAbstractAnimation::Running) {
                m_layoutAnimations.setCurrentTime(kFinishAnimation);
            }
            for (auto& [index, sub] : m_subWnds) {
                if (!m_layout.HasCell(index)) {
                    break;
                }
                if (m_zoomed == 0) {
                    sub->setGeometry(CellGeometry(index));
                    sub->show();
                } else if (sub->IsZoomed() != 0) {
                    sub->setGeometry(rect());
                } else {
                    sub->setGeometry(CellGeometry(index));
                    sub->hide();
                }
            }
        }
        emit LayoutChanged();
    }
    QWidget::resizeEvent(event);
}

void CKWQTVideoWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragMode != 0) {
        setCursor(Qt::ClosedHandCursor);
    }
    QWidget::mousePressEvent(event);
}

void CKWQTVideoWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_mode == VIDEOWINDOW_MODE_VIDEO) {
        if (m_mousePressed != 0 && (event->buttons() & Qt::LeftButton) != 0) {
            m_exchangeTimer->start();
        }
    } else {
        const QPoint pos = event->position().toPoint();
        m_layout.SelectSplitterAt(pos.x(), pos.y());
        QRegion highlight;
        for (const auto& entry : m_layout.GetSelection()) {
            highlight += InclusiveRect(entry.second);
        }
        if (highlight != m_highlight) {
            update(highlight + m_highlight);
            m_highlight = highlight;
        }
    }
    UpdateCursor(m_mousePressed != 0);
    QWidget::mouseMoveEvent(event);
}

void CKWQTVideoWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_mode == VIDEOWINDOW_MODE_VIDEO) {
        if (event->button() == Qt::RightButton) {
            for (auto& entry : m_subWnds) {
                CKWQTVideoWindowSubWnd* sub = entry.second;
                if (sub->isVisible() && sub->geometry().contains(pos)) {
                    if (sub->GetPlayWnd() != nullptr) {
                        sub->GetPlayWnd()->ResetSize();
                    }
                    break;
                }
            }
        }
    } else if (event->button() == Qt::LeftButton) {
        if (m_layout.ToggleSelection() == 1) {
            if (m_pListener != nullptr) {
                m_pListener->OnLayoutChanged();
            }
            update();
        }
        m_pressPoint = {0, 0};
        m_mousePressed = 0;
    }
    if (m_dragMode != 0) {
        setCursor(Qt::OpenHandCursor);
    }
    QWidget::mouseReleaseEvent(event);
}

void CKWQTVideoWindow::wheelEvent(QWheelEvent* event)
{
    if (m_mode == VIDEOWINDOW_MODE_VIDEO && m_pListener != nullptr) {
        const QPoint pos = event->position().toPoint();
        for (auto& [index, sub] : m_subWnds) {
            if (sub->isVisible() && sub->geometry().contains(pos)) {
                if (sub->HasVideo() != 0) {
                    m_pListener->OnSubWinZoom(index, sub->GetId(), event->angleDelta().y() > 0 ? 1 : 0);
                }
                break;
            }
        }
    }
    event->accept();
}

void CKWQTVideoWindow::PaintLayoutBars(QPainter& painter)
{
    const auto& selection = m_layout.GetSelection();
    for (const auto& [id, bar] : m_layout.GetSplitters()) {
        const bool selected = selection.count(id) != 0;
        const bool vertical = (id & 0xFF0000) != 0;
        const RECT& r = bar.rect;
        if (bar.flag != 0) {
            painter.setPen(QPen(GetColor(selected ? 3 : 2), m_barLineWidth, Qt::SolidLine, Qt::FlatCap));
            if (vertical) {
                const int x = (r.left + r.right) / 2;
                painter.drawLine(QPoint(x, r.top), QPoint(x, r.bottom));
            } else {
                const int y = (r.top + r.bottom) / 2;
                painter.drawLine(QPoint(r.left, y), QPoint(r.right, y));
            }
            continue;
        }
        // Dashes 6 long, one every 10 units from the bar's start, the last
        // cut at its end.
        const QColor colour = GetColor(selected ? 5 : 4);
        const int half = m_barDashWidth / 2;
        if (vertical) {
            const int x = (r.left + r.right) / 2;
            for (int y = r.top; y <= r.bottom; y += 10) {
                const int end = std::min(y + 6, r.bottom + 1);
                painter.fillRect(QRect(x - half, y, m_barDashWidth, end - y), colour);
            }
        } else {
            const int y = (r.top + r.bottom) / 2;
            for (int x = r.left; x <= r.right; x += 10) {
                const int end = std::min(x + 6, r.right + 1);
                painter.fillRect(QRect(x, y - half, end - x, m_barDashWidth), colour);
            }
        }
    }
}

void CKWQTVideoWindow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    if (m_mode == VIDEOWINDOW_MODE_VIDEO) {
        painter.fillRect(rect(), GetColor(2));
        RECT cell;
        if (m_pressedIndex != -1 && m_layout.GetCell(m_pressedIndex, cell)) {
            painter.fillRect(InclusiveRect(cell), GetColor(1));
        }
        return;
    }
    painter.fillRect(rect(), GetColor(1));
    PaintLayoutBars(painter);
}
