#pragma once
// A playback timeline laid out by a skin record, with a listener that records
// the owner's callbacks, for the control's interaction and painting tests.
// Layout (drawing-surface coordinates): names x 0-99, track x 100-1099, both
// y 20-99, so rows are 20 pixels high from y 20; 10 s of one day per pixel at
// zoom 1 is 86.4 s.

#include "tests/common/KWTestKit.h"
#include "ui/video/KWQTPlayProgressPanel.h"
#include "ui/video/QtPlayProgressPanel.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <memory>

struct PlayListener : IPlayProgressEvent, KWCallRecorder {
    void OnPositionChanged(UINT id, int channel, int segment, int time, VIDEOCUT_TYPE type) override
    {
        Record("OnPositionChanged", id, channel, segment, time, type);
    }
    void OnSetHighlight(UINT id, int channel) override { Record("OnSetHighlight", id, channel); }
    void OnMouseOverChannel(UINT id, int channel, POINT point, int time) override
    {
        Record("OnMouseOverChannel", id, channel, point.x, point.y, time);
    }
    void PPP_OnMouseLeave(UINT id) override { Record("PPP_OnMouseLeave", id); }
};

constexpr int kPlayDay0 = 1710028800; // 2024-03-10 00:00:00 UTC
constexpr int kPlayHour = 3600;
constexpr UINT kPlayId = 77;
constexpr int kTrackLeft = 100;

inline PlayChannelInfo PlayChannel(int id, std::vector<PlaySegment> segments)
{
    PlayChannelInfo info;
    info.nChannel = id;
    info.strName = L"Cam" + std::to_wstring(id);
    info.segments = std::move(segments);
    return info;
}

inline ImagePlayProgressStyle PlayLayoutSkin()
{
    ImagePlayProgressStyle style;
    style.strField[0] = L"100,20,1000,80";
    style.strField[1] = L"0,20,100,80";
    style.strField[2] = L"0,0,16,16";
    style.strField[3] = L"1084,0,16,16";
    style.strField[4] = L"0,0,1110,110";
    style.strField[5] = L"4,0,90,100";
    style.strField[13] = L"900,130,100,15";
    style.strField[26] = L"1115,20,20,20";
    style.strField[27] = L"1115,60,20,20";
    return style;
}

class PlayPanelFixture {
public:
    PlayPanelFixture()
    {
        ImagePlayProgressStyle skin = PlayLayoutSkin();
        panel.SetSkin(&skin);
        RECT rect { 0, 0, 1150, 150 };
        panel.Create(0, 0, 0, &rect, window.Handle(), kPlayId);
        panel.ShowWindow(1);
        window.resize(1200, 200);
        window.show();
    }

    PlayProgressModel& Model() { return panel.Model(); }
    KWQtPlayProgressPanel* Surface() { return panel.Surface(); }
    void Add(PlayChannelInfo info) { panel.SetChannelInfo(&info); }
    // Channel 1: 06:00-12:00 (segment 11); channel 2: 09:00-10:00 (21) and
    // the next day 01:00-02:00 (22).
    void AddTwoChannels()
    {
        Add(PlayChannel(1, { { 11, kPlayDay0 + 6 * kPlayHour, kPlayDay0 + 12 * kPlayHour, 0 } }));
        Add(PlayChannel(2,
            { { 21, kPlayDay0 + 9 * kPlayHour, kPlayDay0 + 10 * kPlayHour, 0 },
                { 22, kPlayDay0 + 86400 + kPlayHour, kPlayDay0 + 86400 + 2 * kPlayHour, 0 } }));
    }

    void Mouse(QEvent::Type type, int x, int y, Qt::MouseButtons buttons)
    {
        const QPointF local(x, y);
        QMouseEvent event(type, local, Surface()->mapToGlobal(local),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(Surface(), &event);
    }
    void Press(int x, int y) { Mouse(QEvent::MouseButtonPress, x, y, Qt::LeftButton); }
    void Drag(int x, int y) { Mouse(QEvent::MouseMove, x, y, Qt::LeftButton); }
    void Hover(int x, int y) { Mouse(QEvent::MouseMove, x, y, Qt::NoButton); }
    void Release(int x, int y) { Mouse(QEvent::MouseButtonRelease, x, y, Qt::NoButton); }

    KWEventSinkWidget window;
    PlayListener listener;
    CKWQTPlayProgressPanel panel { &listener };
};
