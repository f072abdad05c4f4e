#include "ui/video/QtPlayProgressPanel.h"

#include "base/KWQtText.h"
#include "ui/video/KWQTPlayProgressPanel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

const QColor kTrackBand(50, 50, 50);
const QColor kSingleWash(171, 173, 178, 1);
const QColor kElapsedBox(171, 173, 178, 50);
const QColor kSeparator(100, 100, 100);
const QColor kHighlightFrame(56, 182, 255);
const QColor kSegment(250, 2, 3, 176);
const QColor kLabelBox(255, 165, 59, 76);
const QColor kChannelLabel(0, 255, 64);

constexpr int kDay = PlayProgressModel::kSecondsPerDay;

QString TwoDigits(int value, QChar pad = QLatin1Char('0'))
{
    return QStringLiteral("%1").arg(value, 2, 10, pad);
}

QString ClockText(int hours, int minutes, int seconds)
{
    return QStringLiteral("%1:%2:%3").arg(TwoDigits(hours), TwoDigits(minutes), TwoDigits(seconds));
}

// One row of the axis table: how many units make an hour, which units get a
// dot and which a line with a label.
struct AxisLevel {
    int level;
    int unitsPerHour;
    int minorStep; // 0: no dots
    int majorStep;
};

AxisLevel AxisLevelFor(double hourWidth)
{
    if (hourWidth > 3600.0) {
        return { 1, 3600, 12, 60 };
    }
    if (hourWidth > 2400.0) {
        return { 2, 3600, 60, 120 };
    }
    if (hourWidth > 800.0) {
        return { 3, 360, 6, 30 };
    }
    if (hourWidth > 400.0) {
        return { 4, 120, 6, 30 };
    }
    if (hourWidth > 160.0) {
        return { 5, 60, 5, 30 };
    }
    if (hourWidth > 60.0) {
        return { 6, 60, 10, 60 };
    }
    return { 7, 4, 0, 4 };
}

QString AxisLabel(int level, int n)
{
    switch (level) {
    case 1:
        return ClockText(n / 3600, (n % 3600) / 60, n % 60);
    case 2:
        return QStringLiteral("%1:%2:00").arg(TwoDigits(n / 3600), TwoDigits((n % 3600) / 60));
    case 3:
        return QStringLiteral("%1:%2:00").arg(TwoDigits(n / 360), TwoDigits((n % 360) / 6));
    case 4:
        return QStringLiteral("%1:%2:00").arg(TwoDigits(n / 120), TwoDigits((n % 120) / 2));
    case 5:
        return QStringLiteral("%1:%2:00").arg(TwoDigits(n / 60), TwoDigits(n % 60));
    case 6:
        return TwoDigits(n / 60);
    default:
        return TwoDigits(n / 4, QLatin1Char(' '));
    }
}

QRect Span(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

KWQtPlayProgressPanel::KWQtPlayProgressPanel(
    PlayProgressModel* model, CKWQTPlayProgressPanel* owner, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_owner(owner)
{
    setAttribute(Qt::WA_MouseTracking);
}

int KWQtPlayProgressPanel::NamesLeft() const
{
    return m_owner != nullptr ? m_owner->OverlayRect().left() : 0;
}

int KWQtPlayProgressPanel::ClampedTrackX(int x) const
{
    const QRect& track = m_model->trackRect;
    return std::clamp(x - track.left(), 0, std::max(0, track.right() - track.left()));
}

// ---- Painting ------------------------------------------------------------------

void KWQtPlayProgressPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect& track = m_model->trackRect;
    painter.fillRect(Span(track.left(), m_model->nameRect.top(), track.right(), track.bottom()), kTrackBand);
    if (m_model->singleMode) {
        PaintSingleChannel(painter);
    } else {
        PaintDayView(painter);
    }
}

void KWQtPlayProgressPanel::PaintPositionLabel(QPainter& painter, int x, int top, int bottom,
    const QString& text, const QColor& boxColour, const QColor& textColour)
{
    const int left = m_model->trackRect.left();
    const int width = painter.fontMetrics().horizontalAdvance(text);
    QRect box;
    Qt::Alignment alignment;
    // Near the left edge the label stands right of the line, elsewhere left
    // of it, so that it stays on the track.
    if (x < width) {
        box = Span(left + x, top, left + x + width - 1, bottom);
        alignment = Qt::AlignLeft | Qt::AlignVCenter;
    } else {
        box = Span(left + x - width, top, left + x - 1, bottom);
        alignment = Qt::AlignRight | Qt::AlignVCenter;
    }
    painter.fillRect(box, boxColour);
    painter.setPen(textColour);
    painter.drawText(box, static_cast<int>(alignment), text);
}

void KWQtPlayProgressPanel::PaintCutSelection(QPainter& painter, int xa, int xb, const QColor& edgeColour)
{
    const QRect& track = m_model->trackRect;
    const QRect& names = m_model->nameRect;
    if (xa > xb) {
        std::swap(xa, xb);
    }
    const QRect selection(QPoint(track.left() + xa, names.top()),
        QPoint(track.left() + xb - 1, names.top() + names.height() - 1));
    if (!selection.intersects(track)) {
        return;
    }
    painter.fillRect(selection, kLabelBox);
    painter.fillRect(QRect(selection.left(), selection.top(), 2, selection.height()), edgeColour);
    painter.fillRect(QRect(selection.right() - 1, selection.top(), 2, selection.height()), edgeColour);
}

void KWQtPlayProgressPanel::PaintSingleChannel(QPainter& painter)
{
    const PlayProgressModel& m = *m_model;
    const QRect& track = m.trackRect;
    const QRect& names = m.nameRect;
    const PlayChannelInfo* info = m.FindChannel(m.singleChannel);

    int64_t duration = 0;
    int start = 0;
    int end = 0;
    if (info != nullptr) {
        painter.setPen(Qt::white);
        painter.drawText(Span(NamesLeft(), names.top(), names.right(), names.bottom()),
            Qt::AlignLeft | Qt::AlignVCenter, KWToQString(info->strName));
        duration = PlayProgressModel::TotalDuration(*info);
        int position = 0;
        if (m.GetPositionOf(m.singleChannel, position)) {
            PlayProgressModel::GetSpan(*info, position, &start, &end);
        }
    }

    painter.setClipRect(track);
    painter.fillRect(track, kSingleWash);

    const QFont savedFont = painter.font();
    QFont font = savedFont;
    font.setPointSize(12);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::darkGray);
    const double step = m.visibleWidth / 100.0;
    const int y0 = names.top();
    const QFontMetrics metrics = painter.fontMetrics();
    for (int i = 0; i < 100; ++i) {
        const double x = i * step + track.left();
        const int xi = PlayTruncate(x);
        if (i % 10 == 0) {
            painter.fillRect(Span(xi, y0, xi, y0 + 13), Qt::darkGray);
            const QString label = QStringLiteral("%1%").arg(i);
            const int w = metrics.horizontalAdvance(label);
            const int left = i == 0 ? track.left() + 2 : PlayTruncate(x - w / 2);
            painter.drawText(QRectF(Span(left, y0 + 14, left + w - 1, y0 + 28)), label, QTextOption());
        } else {
            painter.fillRect(Span(xi, y0, xi, y0 + 5), Qt::darkGray);
            if (i == 99) {
                const QString label = QStringLiteral("100%");
                const int w = metrics.horizontalAdvance(label);
                const int left = PlayTruncate(99 * step + track.left() - w / 2 - 8.0);
                painter.drawText(QRectF(Span(left, y0 + 14, left + w - 1, y0 + 28)), label, QTextOption());
            }
        }
    }
    painter.setFont(savedFont);

    int position = 0;
    // A position in a gap between recordings has no segment to measure.
    if (info != nullptr && end > start && m.GetPositionOf(m.singleChannel, position)) {
        const int elapsed = std::max(position, start) - start;
        const int px
            = PlayTruncate(static_cast<double>(elapsed) / (static_cast<double>(end) - start) * 100.0 * step);
        painter.fillRect(QRect(track.left() + px, names.top(), 2, track.height()), Qt::darkGray);
        const QString text = ClockText(elapsed / 3600, (elapsed % 3600) / 60, elapsed % 60);
        const int h = painter.fontMetrics().height();
        const int top = (names.top() + names.bottom()) / 2 - h / 2;
        PaintPositionLabel(painter, px, top, top + h - 1, text, kElapsedBox, Qt::white);
    }

    if (m.cutEnabled && duration > 0) {
        const double scale = static_cast<double>(m.singleVirtualWidth) / static_cast<double>(duration);
        const int xa = PlayTruncate((static_cast<double>(m.cutMarks[0]) - start) * scale - m.singleOffset);
        const int xb = PlayTruncate((static_cast<double>(m.cutMarks[1]) - start) * scale - m.singleOffset);
        PaintCutSelection(painter, xa, xb, Qt::darkGray);
    }
}

void KWQtPlayProgressPanel::PaintTimeAxis(QPainter& painter)
{
    const PlayProgressModel& m = *m_model;
    const QRect& track = m.trackRect;
    if (m.virtualWidth <= 0) {
        return;
    }
    const double hourWidth = m.virtualWidth / 24.0;
    const AxisLevel level = AxisLevelFor(hourWidth);
    const int unitsPerDay = level.unitsPerHour * 24;
    const double unit = hourWidth / level.unitsPerHour;
    const int lineBottom = track.top() + 8 + m.nameRect.height() + 2;
    const QFontMetrics metrics = painter.fontMetrics();

    auto drawMajor = [&](int n, double x) {
        const int xi = PlayTruncate(x + track.left());
        painter.setPen(kSeparator);
        painter.drawLine(xi, track.top() + 8, xi, lineBottom);
        const QString label = AxisLabel(level.level, n);
        const int w = metrics.horizontalAdvance(label);
        int left = PlayTruncate(x + track.left() - w / 2);
        // The first and the last label would be cut in half by the track's
        // edges.
        if (n <= 0) {
            left += 5;
        } else if (n >= unitsPerDay) {
            left -= 5;
        }
        painter.setPen(Qt::white);
        painter.drawText(
            QRectF(Span(left, track.top() - 1, left + w - 1, track.top() + 18)), label, QTextOption());
    };

    int n = PlayTruncate(m.offset / unit);
    double x = n * unit - m.offset;
    const double limit = m.visibleWidth + unit;
    if (level.minorStep == 0) {
        while (n % level.majorStep != 0) {
            ++n;
            x += unit;
        }
        while (x < limit) {
            drawMajor(n, x);
            n += level.majorStep;
            x += level.majorStep * unit;
        }
        return;
    }
    while (x < limit) {
        if (n % level.majorStep == 0) {
            drawMajor(n, x);
        }
        if (n % level.minorStep == 0) {
            painter.fillRect(QRect(PlayTruncate(x + track.left()), track.top() + 9, 1, 1), Qt::black);
            n += level.minorStep;
            x += level.minorStep * unit;
        } else {
            ++n;
            x += unit;
        }
    }
}

void KWQtPlayProgressPanel::PaintDayView(QPainter& painter)
{
    const PlayProgressModel& m = *m_model;
    const QRect& track = m.trackRect;
    const QRect& names = m.nameRect;

    painter.setPen(kSeparator);
    for (int row = 0; row < PlayProgressModel::kRows; ++row) {
        painter.drawLine(track.left(), m.RowTop(row), track.right(), m.RowTop(row));
    }
    for (int row = 0; row < PlayProgressModel::kRows; ++row) {
        const PlayChannelInfo* info = m.FindChannel(m.ChannelOfRow(row));
        if (info == nullptr) {
            continue;
        }
        if (info->nChannel == m.highlightedChannel) {
            painter.setPen(QPen(kHighlightFrame, 1));
            painter.setBrush(Qt::NoBrush);
            const QRect frame(
                QPoint(track.left() + 1, m.RowTop(row)), QPoint(track.right() - 2, m.RowBottom(row) - 1));
            painter.drawRects(&frame, 1);
        }
        painter.setPen(Qt::white);
        painter.drawText(Span(NamesLeft(), m.RowTop(row), names.right(), m.RowBottom(row)),
            Qt::AlignLeft | Qt::AlignVCenter, KWToQString(info->strName));
    }

    if (m.hasPrevDay || m.hasNextDay) {
        const QPixmap& previous = m_pictures[m.hasPrevDay ? PIC_PREV_DAY : PIC_PREV_DAY_NONE];
        const QPixmap& next = m_pictures[m.hasNextDay ? PIC_NEXT_DAY : PIC_NEXT_DAY_NONE];
        if (!previous.isNull()) {
            painter.drawPixmap(m.prevDayRect, previous);
        }
        if (!next.isNull()) {
            painter.drawPixmap(m.nextDayRect, next);
        }
    }

    painter.setClipRect(track);
    const QFont savedFont = painter.font();
    QFont font = savedFont;
    font.setPointSize(9);
    font.setPixelSize(9);
    painter.setFont(font);
    PaintTimeAxis(painter);
    painter.setFont(savedFont);

    const double perSecond = m.virtualWidth / static_cast<double>(kDay);
    const int lineHeight = painter.fontMetrics().height();
    for (int row = 0; row < PlayProgressModel::kRows; ++row) {
        const int channel = m.ChannelOfRow(row);
        const PlayChannelInfo* info = m.FindChannel(channel);
        const auto indexIt = m.dayIndex.find(channel);
        if (info == nullptr || (indexIt != m.dayIndex.end() && indexIt->second < m.shownDayIndex)) {
            continue;
        }
        const int top = m.RowTop(row);
        const int bottom = m.RowBottom(row);
        const auto daysIt = m.days.find(channel);
        if (daysIt != m.days.end()) {
            const PlayDate& day = daysIt->second.current;
            const auto listed = daysIt->second.days.find(day);
            if (listed != daysIt->second.days.end()) {
                const std::vector<size_t>& listedSegments = listed->second;
                for (size_t i = 0; i < listedSegments.size(); ++i) {
                    const size_t index = listedSegments[i];
                    // A segment that starts and ends on this day is listed
                    // twice; a second coat of the translucent colour would
                    // make it darker than one that crosses midnight.
                    if (index >= info->segments.size() || (i > 0 && listedSegments[i - 1] == index)) {
                        continue;
                    }
                    const PlaySegment& segment = info->segments[index];
                    const int a = PlayDateOf(segment.nStart) == day ? PlaySecondOfDay(segment.nStart) : 0;
                    const int b = PlayDateOf(segment.nEnd) == day ? PlaySecondOfDay(segment.nEnd) : kDay;
                    const int xa = PlayTruncate(perSecond * a - m.offset);
                    const int xb = PlayTruncate(perSecond * b - m.offset);
                    QRect bar(QPoint(track.left() + xa, top), QPoint(track.left() + xb, bottom));
                    if (bar.intersects(track)) {
                        // Recordings fill the lower third of the row.
                        bar.setTop(top + (2 * (bottom - top) + 2) / 3 + 1);
                        painter.fillRect(bar, kSegment);
                    }
                }
            }
        }
        if (!info->strNote.empty()) {
            painter.setPen(Qt::white);
            painter.drawText(
                Span(track.left(), top, track.right(), bottom), Qt::AlignCenter, KWToQString(info->strNote));
        }
        int position = 0;
        if (!m.commonCursor && m.GetPositionOf(channel, position)) {
            const int second = PlaySecondOfDay(position);
            const int x = PlayTruncate(second * perSecond - m.offset);
            painter.fillRect(QRect(track.left() + x, top, 1, bottom - top + 1), Qt::white);
            PaintPositionLabel(painter, x, top, bottom,
                ClockText(second / 3600, (second % 3600) / 60, second % 60), kLabelBox, kChannelLabel);
        }
    }

    if (m.commonCursor && m.commonPosition > 0) {
        const int second = PlaySecondOfDay(m.commonPosition);
        const int x = PlayTruncate(second * perSecond - m.offset);
        painter.fillRect(QRect(track.left() + x, names.top(), 1, names.height()), Qt::white);
        const int top = (names.top() + names.bottom()) / 2 - lineHeight / 2;
        PaintPositionLabel(painter, x, top, top + lineHeight - 1,
            ClockText(second / 3600, (second % 3600) / 60, second % 60), kLabelBox, Qt::white);
    }

    if (m.cutEnabled) {
        const int xa = PlayTruncate(PlaySecondOfDay(m.cutMarks[0]) * perSecond - m.offset);
        const int xb = PlayTruncate(PlaySecondOfDay(m.cutMarks[1]) * perSecond - m.offset);
        PaintCutSelection(painter, xa, xb, Qt::white);
    }
}

// ---- Mouse and wheel ---------------------------------------------------------------

void KWQtPlayProgressPanel::ReportCut(const PlayCutResult& result)
{
    if (result.bReport) {
        emit PositionChanged(result.nChannel, result.nSegment, result.nTime, result.bFirstMark);
    }
}

void KWQtPlayProgressPanel::EmitMousePress(int channel)
{
    m_pressReported = true;
    m_reportedChannel = channel;
    emit MousePress(channel);
}

void KWQtPlayProgressPanel::EmitMouseRelease(int channel)
{
    m_pressReported = false;
    emit MouseRelease(channel);
}

void KWQtPlayProgressPanel::mousePressEvent(QMouseEvent* event)
{
    PlayProgressModel& m = *m_model;
    const QPoint point = event->position().toPoint();
    const int along = point.x() - m.trackRect.left();
    m_pressed = true;
    if (m.trackRect.contains(point)) {
        if (m.singleMode) {
            if (m.cutEnabled) {
                ReportCut(m.SetCutPoint(point.x()));
                update();
            } else if (m.HasChannel(m.singleChannel)) {
                const int time = m.PixelToTime(along);
                // 0 and -1 mean that no recording holds the position: keep it.
                if (time > 0) {
                    m.positions[m.singleChannel] = time;
                    update();
                }
            }
            EmitMousePress(-1);
        } else if (m.cutEnabled) {
            ReportCut(m.SetCutPoint(point.x()));
            const int channel = m.ChannelOfRow(m.RowAt(point.y()));
            if (m.HasChannel(channel)) {
                EmitMousePress(channel);
            }
            update();
        } else {
            m_pressedRow = m.RowAt(point.y());
            const int channel = m.ChannelOfRow(m_pressedRow);
            const int secondOfDay = m.PixelToTime(along);
            if (m_pressedRow != -1 && m.HasChannel(channel) && secondOfDay >= 0) {
                const int time = PlayMidnightOf(m.DayAt(channel, m.shownDayIndex)) + secondOfDay;
                m.positions[channel] = time;
                m.highlightedChannel = channel;
                m.commonPosition = time;
                const int segment = m.FindSegmentAt(channel, m.PixelToPercent(along));
                emit PositionChanged(channel, segment, time, false);
                emit PropertyChanged();
                emit HighlightChannelChanged(m.highlightedChannel);
                EmitMousePress(channel);
                update();
            }
        }
    }
    // Accepted so that the drag's moves and its release come here.
    event->accept();
}

void KWQtPlayProgressPanel::mouseReleaseEvent(QMouseEvent* event)
{
    PlayProgressModel& m = *m_model;
    const QPoint point = event->position().toPoint();
    if (m.prevDayRect.contains(point)) {
        if (m.hasPrevDay) {
            m.StepAllToPreviousDay();
            emit PropertyChanged();
            update();
        }
    } else if (m.nextDayRect.contains(point)) {
        if (m.hasNextDay) {
            m.StepAllToNextDay();
            emit PropertyChanged();
            update();
        }
    } else if (m.nameRect.contains(point)) {
        if (!m.singleMode) {
            const int channel = m.ChannelOfRow(m.NameRowAt(point.y()));
            if (channel >= 0) {
                m.highlightedChannel = channel;
                m.SyncToChannel(channel);
                emit PropertyChanged();
                emit HighlightChannelChanged(channel);
                update();
            }
        }
        EmitMouseRelease(-1);
    } else if (m_pressed) {
        const int along = ClampedTrackX(point.x());
        const int clampedX = m.trackRect.left() + along;
        if (m.singleMode && m.cutEnabled) {
            ReportCut(m.SetCutPoint(clampedX));
            update();
            EmitMouseRelease(-1);
        } else if (m.singleMode) {
            if (m.HasChannel(m.singleChannel)) {
                const int time = m.PixelToTime(along);
                // 0 and -1 mean that no recording holds the position: keep it.
                if (time > 0) {
                    m.positions[m.singleChannel] = time;
                }
                const float percent = m.PixelToPercent(along);
                const int segment = m.FindSegmentAt(m.singleChannel, percent);
                emit PositionChanged(m.singleChannel, segment, PlayTruncate(percent), false);
                emit PropertyChanged();
                update();
            }
            EmitMouseRelease(-1);
        } else if (!m.cutEnabled) {
            const int channel = m.ChannelOfRow(m_pressedRow);
            const int secondOfDay = m.PixelToTime(along);
            if (m.HasChannel(channel) && secondOfDay >= 1) {
                m.positions[channel] = PlayMidnightOf(m.CurrentDayOf(channel)) + secondOfDay;
                emit PropertyChanged();
                EmitMouseRelease(channel);
                update();
            }
        } else {
            ReportCut(m.SetCutPoint(clampedX));
            const int channel = m.ChannelOfRow(m.RowAt(point.y()));
            if (m.HasChannel(channel)) {
                EmitMouseRelease(channel);
            }
            update();
        }
    }
    if (m_pressReported) {
        EmitMouseRelease(m_reportedChannel);
    }
    m_pressed = false;
    event->accept();
}

void KWQtPlayProgressPanel::mouseMoveEvent(QMouseEvent* event)
{
    PlayProgressModel& m = *m_model;
    const QPoint point = event->position().toPoint();
    if (m_pressed) {
        const int along = ClampedTrackX(point.x());
        if (m.cutEnabled) {
            ReportCut(m.SetCutPoint(m.trackRect.left() + along));
            update();
        } else if (m.singleMode) {
            if (m.HasChannel(m.singleChannel)) {
                const int time = m.PixelToTime(along);
                if (time > 0) {
                    m.positions[m.singleChannel] = time;
                }
                emit PropertyChanged();
                update();
            }
        } else {
            const int channel = m.ChannelOfRow(m_pressedRow);
            const int secondOfDay = m.PixelToTime(along);
            if (m.HasChannel(channel) && secondOfDay >= 1) {
                const int time = PlayMidnightOf(m.DayAt(channel, m.shownDayIndex)) + secondOfDay;
                m.positions[channel] = time;
                const int segment = m.FindSegmentAt(channel, m.PixelToPercent(along));
                emit PositionChanged(channel, segment, time, false);
                emit PropertyChanged();
                update();
            }
        }
    } else {
        const int row = m.RowAt(point.y());
        const PlayChannelInfo* info = m.FindChannel(m.ChannelOfRow(row));
        if (info != nullptr) {
            const QPoint global = event->globalPosition().toPoint();
            // Over the names there is no time under the pointer.
            const int along = point.x() - m.trackRect.left();
            emit MouseOver(info->nChannel, global, along < 0 ? -1 : m.PixelToTime(along));
            const int top = m.NameRowTop(row);
            const QRect cell(
                QPoint(NamesLeft(), top), QPoint(m.trackRect.left(), top + m.NameRowHeight() - 1));
            if (cell.contains(point)) {
                QToolTip::showText(global, KWToQString(info->strName), this, cell);
            }
        }
    }
    event->accept();
}

void KWQtPlayProgressPanel::wheelEvent(QWheelEvent* event)
{
    PlayProgressModel& m = *m_model;
    const QPoint point = event->position().toPoint();
    if (!m.trackRect.contains(point)) {
        QWidget::wheelEvent(event);
        return;
    }
    const int anchor = point.x() - m.trackRect.left();
    if (event->angleDelta().y() < 1) {
        m.ZoomOut(anchor);
    } else {
        m.ZoomIn(anchor);
    }
    update();
    emit PropertyChanged();
    event->accept();
}
