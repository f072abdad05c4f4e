#include "ui/video/KWQTPlayProgressPanel.h"

#include "base/KWDiagnostics.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQTButton.h"
#include "ui/qt/KWQTSliderCtrl.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/video/QtPlayProgressPanel.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>

#include <new>

CKWPlayProgressPanel* CreatePlayProgressPanel(IPlayProgressEvent* listener)
{
    return new (std::nothrow) CKWQTPlayProgressPanel(listener);
}

namespace {

QRect SkinRect(const std::wstring& text)
{
    const RECT rect = WStringToRectInclusive(text);
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom));
}

} // namespace

CKWQTPlayProgressPanel::CKWQTPlayProgressPanel(IPlayProgressEvent* listener)
    : QWidget(nullptr)
    , CKWPlayProgressPanel(listener)
    , m_downButton(new CKWQTButton(nullptr))
    , m_upButton(new CKWQTButton(nullptr))
    , m_scrollBar(new QScrollBar(Qt::Horizontal, this))
    , m_zoomSlider(new CKWQTSliderCtrl(nullptr))
    , m_model(m_mapChannels)
    , m_surface(std::make_unique<KWQtPlayProgressPanel>(&m_model, this, this))
{
    m_zoomSlider->SetTooltipEnable(0, 0, 0);

    connect(m_downButton, &QPushButton::clicked, this, &CKWQTPlayProgressPanel::OnSBDown);
    connect(m_upButton, &QPushButton::clicked, this, &CKWQTPlayProgressPanel::OnSBUp);
    connect(
        m_scrollBar, &QScrollBar::valueChanged, this, &CKWQTPlayProgressPanel::OnHorizontalBarValueChanged);
    connect(m_zoomSlider, &QSlider::valueChanged, this, &CKWQTPlayProgressPanel::OnZoomerValueChanged);

    KWQtPlayProgressPanel* surface = m_surface.get();
    connect(
        surface, &KWQtPlayProgressPanel::PropertyChanged, this, &CKWQTPlayProgressPanel::OnPropertyChanged);
    connect(surface, &KWQtPlayProgressPanel::HighlightChannelChanged, this,
        &CKWQTPlayProgressPanel::OnHighlightChannelChanged);
    connect(surface, &KWQtPlayProgressPanel::MousePress, this, &CKWQTPlayProgressPanel::OnMousePress);
    connect(surface, &KWQtPlayProgressPanel::MouseRelease, this, &CKWQTPlayProgressPanel::OnMouseRelease);
    connect(surface, &KWQtPlayProgressPanel::MouseOver, this, &CKWQTPlayProgressPanel::OnMouseOver);
    connect(
        surface, &KWQtPlayProgressPanel::PositionChanged, this, &CKWQTPlayProgressPanel::OnPositionChanged);

    m_downButton->setParent(this);
    m_upButton->setParent(this);
    m_zoomSlider->setParent(this);
}

CKWQTPlayProgressPanel::~CKWQTPlayProgressPanel() = default;

void CKWQTPlayProgressPanel::RepaintSurface()
{
    m_surface->update();
}

bool CKWQTPlayProgressPanel::DragGuards(int channel) const
{
    return m_dragging != 0 && (m_dragChannel == channel || m_dragChannel == -1);
}

// ---- Channels -----------------------------------------------------------------

void CKWQTPlayProgressPanel::SetChannelInfo(PlayChannelInfo* info)
{
    if (info == nullptr) {
        return;
    }
    m_model.AddChannel(*info);
    RepaintSurface();
}

void CKWQTPlayProgressPanel::RemoveChannel(int channel)
{
    m_model.RemoveChannel(channel);
    RepaintSurface();
}

PlayChannelInfo* CKWQTPlayProgressPanel::GetChannelInfo(int channel)
{
    const auto it = m_mapChannels.find(channel);
    return it == m_mapChannels.end() ? nullptr : &it->second;
}

void CKWQTPlayProgressPanel::SetBkImage(const wchar_t* fileName)
{
    if (!KWLoadSkinPixmap(fileName, m_bkPicture)) {
        m_bkPicture = QPixmap();
    }
    update();
}

// ---- Slots without an operation ---------------------------------------------------

void CKWQTPlayProgressPanel::ReservedSlot5(int, int, int, int, int)
{
    qWarning("CKWQTPlayProgressPanel: unimplemented");
}

void CKWQTPlayProgressPanel::ReservedSlot6(int, int, int, int, int)
{
    qWarning("CKWQTPlayProgressPanel: unimplemented");
}

void CKWQTPlayProgressPanel::ReservedSlot7()
{
    qWarning("CKWQTPlayProgressPanel: unimplemented");
}

void CKWQTPlayProgressPanel::ReservedSlot9(int, int)
{
    qWarning("CKWQTPlayProgressPanel: unimplemented");
}

void CKWQTPlayProgressPanel::ReservedSlot10(int) { }

void CKWQTPlayProgressPanel::ReservedSlot28(int)
{
    qWarning("CKWQTPlayProgressPanel: unimplemented");
}

// ---- Window --------------------------------------------------------------------------

int CKWQTPlayProgressPanel::Create(int, int, int, const RECT* rect, void* parent, UINT id)
{
    setParent(KWWidgetFromHandle(parent));
    if (rect != nullptr) {
        setGeometry(KWExclusiveRect(*rect));
    }
    m_id = id;
    return 1;
}

void CKWQTPlayProgressPanel::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTPlayProgressPanel::MoveWindow(const RECT* rect)
{
    if (rect == nullptr) {
        return;
    }
    const int width = rect->right - rect->left + 1;
    const int height = rect->bottom - rect->top + 1;
    qCDebug(KWDiagnostics, "MoveWindow:%d,%d,%d,%d", rect->left, rect->top, width, height);
    MoveWindow(rect->left, rect->top, width, height);
}

void CKWQTPlayProgressPanel::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

// ---- Positions and views ------------------------------------------------------------

void CKWQTPlayProgressPanel::SetPosition(int channel, int time)
{
    if (DragGuards(channel)) {
        return;
    }
    if (m_model.SetPosition(channel, time)) {
        RepaintSurface();
    }
}

int CKWQTPlayProgressPanel::GetPosition(int channel)
{
    int position = 0;
    return m_model.GetPositionOf(channel, position) ? position : 0;
}

void CKWQTPlayProgressPanel::SetPositionOffset(int channel, int offset)
{
    if (DragGuards(channel)) {
        return;
    }
    if (m_model.SetPositionOffset(channel, offset)) {
        RepaintSurface();
    }
}

void CKWQTPlayProgressPanel::SetHighlightChannel(int channel)
{
    const bool known = m_model.HasChannel(channel);
    m_model.SetHighlightChannel(channel);
    if (known) {
        OnPropertyChanged();
    }
    RepaintSurface();
}

void CKWQTPlayProgressPanel::SetSingleChannelMode(int channel, bool on)
{
    m_model.SetSingleChannelMode(channel, on);
    OnPropertyChanged();
    update();
    RepaintSurface();
}

void CKWQTPlayProgressPanel::ScrollDown()
{
    OnSBDown();
}

void CKWQTPlayProgressPanel::ScrollUp()
{
    OnSBUp();
}

void CKWQTPlayProgressPanel::SetZoom(int zoom)
{
    OnZoomerValueChanged(zoom);
}

void CKWQTPlayProgressPanel::SetCommonCursor(bool on)
{
    m_model.commonCursor = on;
    RepaintSurface();
}

bool CKWQTPlayProgressPanel::EnableCut(bool on)
{
    m_model.cutEnabled = on;
    return on;
}

void CKWQTPlayProgressPanel::SetViewTime(int time)
{
    m_model.SetViewTime(time);
    OnPropertyChanged();
    RepaintSurface();
}

void CKWQTPlayProgressPanel::SetCutTime(UINT index, double time)
{
    if (m_dragging != 0) {
        return;
    }
    if (m_model.SetCutTime(index, time)) {
        RepaintSurface();
    }
}

// ---- Skin ------------------------------------------------------------------------------

void CKWQTPlayProgressPanel::SetSkin(ImagePlayProgressStyle* style)
{
    if (style == nullptr) {
        return;
    }
    const std::wstring* f = style->strField;
    m_model.nameRect = SkinRect(f[1]);
    m_model.trackRect = SkinRect(f[0]);
    m_model.prevDayRect = SkinRect(f[2]);
    m_model.nextDayRect = SkinRect(f[3]);
    m_model.OffsetRects(0, 0);

    m_surface->setGeometry(SkinRect(f[4]));
    RepaintSurface();
    m_downButton->setGeometry(SkinRect(f[27]));
    m_upButton->setGeometry(SkinRect(f[26]));
    m_overlayRect = SkinRect(f[5]);

    m_zoomSlider->setGeometry(SkinRect(f[13]));
    ImageSliderStyle sliderStyle;
    sliderStyle.strImage = f[6];
    for (int i = 0; i < 6; ++i) {
        sliderStyle.strRect[i] = f[7 + i];
    }
    m_zoomSlider->SetSkin(&sliderStyle);

    const QRect& track = m_model.trackRect;
    const int top = track.bottom() + 1;
    m_scrollBar->setGeometry(QRect(QPoint(track.left(), top), QPoint(track.right(), top + 20)));
    {
        CKWScopedSilence silence(m_synchronising);
        m_scrollBar->setRange(0, 0);
    }
    m_scrollBar->setPageStep(m_model.visibleWidth);
    m_scrollBar->setSingleStep(m_model.visibleWidth / 10);
    OnPropertyChanged();
}

void CKWQTPlayProgressPanel::SetSkinPictures(ImagePlayProgressPicStyle* style)
{
    if (style == nullptr) {
        return;
    }
    const std::wstring* f = style->strField;
    ImageButtonStyle up { f[24], f[25], f[26], f[28], L"", L"", L"", L"" };
    ImageButtonStyle down { f[29], f[30], f[31], f[33], L"", L"", L"", L"" };
    m_upButton->SetSkin(&up);
    m_downButton->SetSkin(&down);

    const int pictures[] = { KWQtPlayProgressPanel::PIC_PREV_DAY_NONE, KWQtPlayProgressPanel::PIC_PREV_DAY,
        KWQtPlayProgressPanel::PIC_NEXT_DAY_NONE, KWQtPlayProgressPanel::PIC_NEXT_DAY };
    for (int i = 0; i < 4; ++i) {
        KWLoadSkinPixmap(f[45 + i], m_surface->DayPictureRef(pictures[i]));
    }
    KWLoadSkinPixmap(f[49], m_overlayPicture);
    update();
    RepaintSurface();
}

// ---- Slots -------------------------------------------------------------------------------

void CKWQTPlayProgressPanel::OnSBDown()
{
    m_model.firstVisibleRow += 1;
    m_model.FillVisibleRows();
    RepaintSurface();
}

void CKWQTPlayProgressPanel::OnSBUp()
{
    m_model.firstVisibleRow -= 1;
    m_model.FillVisibleRows();
    RepaintSurface();
}

void CKWQTPlayProgressPanel::OnHorizontalBarValueChanged(int value)
{
    if (m_synchronising) {
        return;
    }
    if (m_model.singleMode) {
        m_model.singleOffset = value;
    } else {
        m_model.offset = value;
    }
    RepaintSurface();
}

void CKWQTPlayProgressPanel::OnPropertyChanged()
{
    CKWScopedSilence silence(m_synchronising);
    const PlayProgressModel& m = m_model;
    if (m.singleMode) {
        m_zoomSlider->SetRange(0, m.singleMaxZoom, 0);
        m_zoomSlider->SetPos(1);
        m_scrollBar->setRange(0, std::max(0, m.singleVirtualWidth - m.visibleWidth));
        m_scrollBar->setValue(m.singleOffset);
    } else {
        m_zoomSlider->SetRange(PlayProgressModel::kMinZoom, PlayProgressModel::kMaxZoom, 0);
        m_zoomSlider->SetPos(m.zoom);
        m_scrollBar->setRange(0, std::max(0, m.virtualWidth - m.visibleWidth));
        m_scrollBar->setValue(m.offset);
    }
}

void CKWQTPlayProgressPanel::OnTimer()
{
    if (m_model.AdvanceSingleChannel()) {
        RepaintSurface();
    }
}

void CKWQTPlayProgressPanel::OnZoomerValueChanged(int value)
{
    if (m_synchronising) {
        return;
    }
    m_model.SetZoomValue(value);
    OnPropertyChanged();
    RepaintSurface();
}

void CKWQTPlayProgressPanel::OnHighlightChannelChanged(int channel)
{
    if (m_pListener != nullptr) {
        m_pListener->OnSetHighlight(m_id, channel);
    }
}

void CKWQTPlayProgressPanel::OnMousePress(int channel)
{
    m_dragging = 1;
    m_dragChannel = channel;
}

void CKWQTPlayProgressPanel::OnMouseRelease(int /*channel*/)
{
    m_dragging = 0;
}

void CKWQTPlayProgressPanel::OnMouseOver(int channel, QPoint point, int time)
{
    if (m_pListener != nullptr) {
        m_pListener->OnMouseOverChannel(m_id, channel, POINT { point.x(), point.y() }, time);
    }
}

void CKWQTPlayProgressPanel::OnPositionChanged(int channel, int segment, int time, bool firstMark)
{
    if (m_pListener != nullptr) {
        m_pListener->OnPositionChanged(
            m_id, channel, segment, time, firstMark ? VIDEOCUT_FIRST : VIDEOCUT_OTHER);
    }
}

// ---- Events ---------------------------------------------------------------------------------

void CKWQTPlayProgressPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!m_bkPicture.isNull()) {
        painter.drawPixmap(rect(), m_bkPicture);
    }
    if (!m_overlayPicture.isNull()) {
        painter.drawPixmap(m_overlayRect, m_overlayPicture);
    }
    painter.end();
    QWidget::paintEvent(event);
}

void CKWQTPlayProgressPanel::resizeEvent(QResizeEvent* event)
{
    const QSize old = event->oldSize();
    // The first layout has no old size worth following.
    if (old.width() > m_model.nameRect.width()) {
        const int dx = event->size().width() - old.width();
        const int dy = event->size().height() - old.height();
        m_model.OffsetRects(dx, dy);
        m_downButton->move(m_downButton->pos() + QPoint(dx, dy));
        m_upButton->move(m_upButton->pos() + QPoint(dx, dy));
        m_surface->resize(m_surface->size() + QSize(dx, dy));
        QRect bar = m_scrollBar->geometry();
        bar.translate(0, dy);
        bar.setRight(bar.left() + (m_model.trackRect.right() - m_model.trackRect.left()));
        m_scrollBar->setGeometry(bar);
        // The scroll range follows the new width.
        OnPropertyChanged();
    }
    QWidget::resizeEvent(event);
}

void CKWQTPlayProgressPanel::leaveEvent(QEvent* event)
{
    if (m_pListener != nullptr) {
        m_pListener->PPP_OnMouseLeave(m_id);
    }
    QWidget::leaveEvent(event);
}
