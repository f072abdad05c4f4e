#include "ui/qt/KWQTRadioBox.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QPropertyAnimation>
#include <QTest>

#include <functional>
#include <memory>

namespace {

struct Listener : IKWRadioBoxEvent, KWCallRecorder {
    void RADIO_OnClicked(int checked, int id, POINT pt) override
    {
        Record("RADIO_OnClicked", checked, id, pt.x, pt.y);
        commandsSentBefore = parent != nullptr ? parent->events.size() : 0;
    }
    KWEventSinkWidget* parent = nullptr;
    size_t commandsSentBefore = 0;
};

constexpr UINT kId = 114;

// One colour per picture, 16 x 16.
struct Picture {
    const char* name;
    QColor colour;
};
const Picture kPictures[] = {
    { "c_nor.png", QColor(200, 0, 0) },
    { "c_hov.png", QColor(0, 200, 0) },
    { "c_pre.png", QColor(0, 0, 200) },
    { "u_nor.png", QColor(200, 200, 0) },
    { "u_hov.png", QColor(0, 200, 200) },
    { "u_pre.png", QColor(200, 0, 200) },
    { "c_dis.png", QColor(100, 0, 0) },
    { "u_dis.png", QColor(0, 100, 0) },
};

ImageRadioBox Skin(KWTempSkinDir& dir)
{
    for (const Picture& picture : kPictures) {
        dir.Add(QString::fromLatin1(picture.name), picture.colour);
    }
    ImageRadioBox style;
    std::wstring* fields[] = { &style.strCheckedNormal, &style.strCheckedHover, &style.strCheckedPressed,
        &style.strUncheckedNormal, &style.strUncheckedHover, &style.strUncheckedPressed,
        &style.strCheckedDisabled, &style.strUncheckedDisabled };
    for (size_t i = 0; i < 8; ++i) {
        *fields[i] = QString::fromLatin1(kPictures[i].name).toStdWString();
    }
    return style;
}

void ProcessDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class RadioBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        listener.parent = &parent;
        style = Skin(skin);
        box.reset(static_cast<CKWQTRadioBox*>(CreateKWRadioBox(&listener)));
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->Create(L"Ceiling", WS_VISIBLE, RECT { 10, 20, 110, 44 }, parent.Handle(), kId), 1);
        ASSERT_EQ(box->SetSkin(&style), 1);
        parent.show();
    }

    // The icon sits at the left, vertically centred (24 high, 16-pixel icon).
    QColor Icon() { return KWPixelAt(box.get(), 8, 12); }

    KWTempSkinDir skin;
    ImageRadioBox style;
    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTRadioBox> box; // released before the parent
};

TEST_F(RadioBoxTest, ClickInsideTogglesReportsThenSendsTheCommand)
{
    QTest::mouseClick(box.get(), Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(box->GetCheck(), 1);
    QTest::mouseClick(box.get(), Qt::LeftButton, {}, QPoint(7, 8));
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_EQ(listener.ArgsOf("RADIO_OnClicked"),
        (std::vector<std::vector<double>> { { 1, kId, 5, 6 }, { 0, kId, 7, 8 } }));
    EXPECT_EQ(listener.commandsSentBefore, 1u); // the listener hears first
    ASSERT_EQ(parent.events.size(), 2u);
    for (const KWReceivedEvent& event : parent.events) {
        EXPECT_EQ(event.message, WM_COMMAND);
        EXPECT_EQ(event.wParam, 0u);
        EXPECT_EQ(event.lParam, 0);
        EXPECT_EQ(event.id, kId);
    }
    EXPECT_EQ(box->VisualState(), CKWQTRadioBox::STATE_NORMAL);
}

TEST_F(RadioBoxTest, WhichClicksToggle)
{
    struct Row {
        const char* what;
        std::function<void(QWidget*)> act;
        int reports;
        int checked;
    };
    const Row rows[] = {
        { "right button", [](QWidget* w) { QTest::mouseClick(w, Qt::RightButton, {}, QPoint(5, 5)); }, 1, 1 },
        { "pressed inside, released outside",
            [](QWidget* w) {
                QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5));
                QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(150, 5));
            },
            0, 0 },
        { "double click: once per release",
            [](QWidget* w) {
                // What the platform sends: press, release, double click, release.
                QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
                QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(5, 5));
                QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(5, 5));
            },
            2, 0 },
    };
    for (const Row& row : rows) {
        box->SetCheck(0);
        listener.Clear();
        parent.events.clear();
        row.act(box.get());
        EXPECT_EQ(listener.Count("RADIO_OnClicked"), row.reports) << row.what;
        EXPECT_EQ(parent.events.size(), static_cast<size_t>(row.reports)) << row.what;
        EXPECT_EQ(box->GetCheck(), row.checked) << row.what;
        EXPECT_EQ(box->VisualState(), CKWQTRadioBox::STATE_NORMAL) << row.what;
    }
}

TEST_F(RadioBoxTest, SetCheckIsSilent)
{
    box->SetCheck(1);
    EXPECT_EQ(box->GetCheck(), 1);
    box->SetCheck(5);
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_TRUE(listener.calls.empty());
    EXPECT_TRUE(parent.events.empty());
}

TEST_F(RadioBoxTest, PicturePerStateAndCheck)
{
    for (int checked : { 1, 0 }) {
        const size_t base = checked ? 0 : 3;
        box->SetCheck(checked);
        EXPECT_EQ(Icon(), kPictures[base].colour) << "normal " << checked;
        KWSendEnter(box.get());
        EXPECT_EQ(Icon(), kPictures[base + 1].colour) << "hover " << checked;
        QTest::mousePress(box.get(), Qt::LeftButton, {}, QPoint(150, 5));
        EXPECT_EQ(Icon(), kPictures[base + 2].colour) << "pressed " << checked;
        QTest::mouseRelease(box.get(), Qt::LeftButton, {}, QPoint(150, 5));
        KWSendLeave(box.get());
        box->SetEnabled(0);
        EXPECT_EQ(Icon(), kPictures[checked ? 6 : 7].colour) << "disabled " << checked;
        EXPECT_EQ(box->VisualState(), CKWQTRadioBox::STATE_DISABLED);
        box->SetEnabled(1);
        EXPECT_EQ(box->VisualState(), CKWQTRadioBox::STATE_NORMAL);
    }
}

TEST_F(RadioBoxTest, MissingPictureFallsBackToQtPaintingOfOurCheckedFlag)
{
    CKWQTRadioBox plain(&listener);
    plain.Create(L"Wall", WS_VISIBLE, RECT { 10, 50, 110, 74 }, parent.Handle(), 115);
    plain.SetCheck(0);
    const QImage unchecked = KWGrabImage(&plain);
    plain.SetCheck(1);
    const QImage checked = KWGrabImage(&plain);
    EXPECT_NE(unchecked, checked);
    EXPECT_EQ(plain.SetSkin(nullptr), 0);
}

TEST_F(RadioBoxTest, BackgroundFillsTheWholeBoxOrTheStripAfterTheIcon)
{
    const QColor checkedBk(10, 20, 30);
    const QColor uncheckedBk(40, 50, 60);
    box->SetBkColor(0x1E140A, 0x3C3228);
    box->SetWindowTextW(L"");
    box->SetCheck(0);
    EXPECT_EQ(KWPixelAt(box.get(), 99, 0), uncheckedBk);
    box->SetCheck(1);
    EXPECT_EQ(KWPixelAt(box.get(), 99, 0), checkedBk);

    box->SetBkRect(false);
    box->update();
    const QImage strip = KWGrabImage(box.get());
    EXPECT_NE(strip.pixelColor(99, 0), checkedBk);
    EXPECT_NE(strip.pixelColor(50, 1), checkedBk);
    EXPECT_EQ(strip.pixelColor(50, 2), checkedBk);
    EXPECT_EQ(strip.pixelColor(98, 21), checkedBk);
    EXPECT_NE(strip.pixelColor(98, 22), checkedBk);
    EXPECT_EQ(strip.pixelColor(8, 12), kPictures[0].colour); // the icon is drawn over it
}

TEST_F(RadioBoxTest, IconPlacementLeftOffsetCentredOrTiled)
{
    box->SetWindowTextW(L"");
    box->SetIconOffsetLeft(30);
    box->update();
    EXPECT_EQ(KWPixelAt(box.get(), 30, 12), kPictures[3].colour);
    EXPECT_NE(KWPixelAt(box.get(), 29, 12), kPictures[3].colour);

    // Centred with no text: (100 - 0 - 16 - 0 - 2) / 2 = 41.
    box->SetIconAlign(1);
    box->update();
    EXPECT_EQ(KWPixelAt(box.get(), 41, 12), kPictures[3].colour);
    EXPECT_NE(KWPixelAt(box.get(), 40, 12), kPictures[3].colour);

    // Tiled: copies at 0, 16, ... 80; the one at 96 would reach the edge.
    box->SetExpendBGImge(1);
    box->update();
    const QImage tiled = KWGrabImage(box.get());
    EXPECT_EQ(tiled.pixelColor(0, 12), kPictures[3].colour);
    EXPECT_EQ(tiled.pixelColor(95, 12), kPictures[3].colour);
    EXPECT_NE(tiled.pixelColor(96, 12), kPictures[3].colour);
}

TEST(RadioBox, TextColoursFlagsAndEnabling)
{
    CKWQTRadioBox box;
    box.SetTextColor(0x0000FF, 0);
    EXPECT_EQ(box.NormalTextColour(), QColor(255, 0, 0));
    EXPECT_EQ(box.ActiveTextColour(), QColor(255, 0, 0));
    box.SetTextColor(0x0000FF, 0x00FF00);
    EXPECT_EQ(box.ActiveTextColour(), QColor(0, 255, 0));

    EXPECT_EQ(box.TextFlags(), 0x184);
    const std::pair<DWORD, int> aligns[]
        = { { 0, 0x180 }, { 1, 0x184 }, { 2, 0x182 }, { 3, 0x186 }, { 4, 0x180 } };
    for (const auto& align : aligns) {
        box.SetTextAlign(align.first);
        EXPECT_EQ(box.TextFlags(), align.second) << align.first;
    }

    box.SetEnabled(0);
    EXPECT_FALSE(box.isEnabled());
    EXPECT_EQ(box.NormalTextColour(), QColor(0xBC, 0xBC, 0xBC));
    EXPECT_EQ(box.ActiveTextColour(), QColor(0xBC, 0xBC, 0xBC));
    box.SetEnabled(1);
    EXPECT_EQ(box.NormalTextColour(), QColor(0, 0, 0));
    EXPECT_EQ(box.ActiveTextColour(), QColor(0, 0, 0));
}

TEST(RadioBox, TextGettersCopyAtMostCountWithoutATerminator)
{
    CKWQTRadioBox box;
    box.SetWindowTextW(L"Metres");
    box.SetToolTipText(L"switch");
    WCHAR buffer[10];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(box.GetWindowTextW(buffer, 4), 4);
    EXPECT_EQ(std::wstring(buffer, 5), L"Metr#");
    EXPECT_EQ(box.GetWindowTextW(buffer, 10), 6);
    EXPECT_EQ(std::wstring(buffer, 7), L"Metres#");
    EXPECT_EQ(box.GetToolTipText(buffer, 3), 3);
    EXPECT_EQ(std::wstring(buffer, 4), L"swir");
    EXPECT_EQ(box.GetWindowTextW(nullptr, 4), 0);
    EXPECT_EQ(box.GetWindowTextW(buffer, 0), 0);
}

TEST_F(RadioBoxTest, RectanglesAndGeometry)
{
    EXPECT_EQ(box->geometry(), QRect(10, 20, 100, 24));
    EXPECT_FALSE(box->autoExclusive()); // groups are the application's

    RECT rect {};
    box->Geometry(&rect);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.bottom, 43);
    box->GetRadioClientRect(&rect);
    EXPECT_EQ(rect.right, 99);
    EXPECT_EQ(rect.bottom, 23);
    box->GetRadioWindowRect(&rect);
    const QPoint origin = box->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(rect.left, origin.x());
    EXPECT_EQ(rect.right, origin.x() + 99);

    RECT move { 0, 0, 49, 19 };
    box->MoveWindow(&move, 0);
    EXPECT_EQ(box->geometry(), QRect(0, 0, 50, 20));
}

TEST_F(RadioBoxTest, WithoutAnimationNothingFades)
{
    KWSendEnter(box.get());
    QTest::mouseClick(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(box->FadeAnimation(), nullptr);
    EXPECT_FLOAT_EQ(box->property("picTransparence").toFloat(), 1.0f);
}

TEST_F(RadioBoxTest, FadeDimsAndEndsClearedAndARepeatReplacesTheRunningOne)
{
    box->EnableAnimation(1);
    KWSendEnter(box.get());
    QPointer<QPropertyAnimation> first = box->FadeAnimation();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first->state(), QAbstractAnimation::Running);
    EXPECT_EQ(first->duration(), CKWQTRadioBox::FADE_MS);
    EXPECT_EQ(first->easingCurve().type(), QEasingCurve::OutInBack);

    QTest::mouseClick(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QPointer<QPropertyAnimation> second = box->FadeAnimation();
    ASSERT_FALSE(second.isNull());
    EXPECT_NE(second.data(), first.data());
    ProcessDeferredDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(box->findChildren<QPropertyAnimation*>().size(), 1);

    second->setCurrentTime(CKWQTRadioBox::FADE_MS / 2);
    EXPECT_LT(box->PicTransparence(), 0.9f);
    second->setCurrentTime(CKWQTRadioBox::FADE_MS);
    EXPECT_EQ(box->FadeAnimation(), nullptr);
    EXPECT_FLOAT_EQ(box->PicTransparence(), 1.0f);
    ProcessDeferredDeletes();
    EXPECT_TRUE(second.isNull());
}

TEST_F(RadioBoxTest, AnimatedMoveEndsAtTheTargetAndAnImmediateMoveCancelsIt)
{
    RECT target { 50, 60, 149, 83 };
    box->MoveWindow(&target, 1);
    QPointer<QPropertyAnimation> move = box->MoveAnimation();
    ASSERT_FALSE(move.isNull());
    EXPECT_EQ(move->duration(), CKWQTRadioBox::MOVE_MS);
    EXPECT_EQ(move->easingCurve().type(), QEasingCurve::OutBounce);
    move->setCurrentTime(CKWQTRadioBox::MOVE_MS);
    EXPECT_EQ(box->geometry(), QRect(50, 60, 100, 24));
    EXPECT_EQ(box->MoveAnimation(), nullptr);

    RECT again { 0, 0, 99, 23 };
    box->MoveWindow(&again, 1);
    move = box->MoveAnimation();
    RECT now { 5, 5, 104, 28 };
    box->MoveWindow(&now, 0);
    EXPECT_EQ(box->MoveAnimation(), nullptr);
    ProcessDeferredDeletes();
    EXPECT_TRUE(move.isNull());
    EXPECT_EQ(box->geometry(), QRect(5, 5, 100, 24));
}

} // namespace
