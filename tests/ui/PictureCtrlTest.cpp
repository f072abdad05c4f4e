#include "ui/qt/KWQTPictureCtrl.h"

#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQTStatic.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureCtrl, CreateIsExclusiveMoveWindowInclusiveAndVisibilityFollowsTheParent)
{
    KWEventSinkWidget parent;
    CKWPictureCtrl* picture = CreateKWPictureCtrl(nullptr);
    ASSERT_NE(picture, nullptr);
    // No visible bit, yet it shows with its parent: the style is not read.
    picture->Create(L"", 0, RECT { 0, 0, 50, 50 }, parent.Handle(), 1);
    auto* widget = dynamic_cast<QWidget*>(picture);
    parent.show();
    EXPECT_EQ(widget->geometry(), QRect(0, 0, 50, 50));
    EXPECT_TRUE(widget->isVisible());

    RECT rect { 0, 0, 50, 50 };
    picture->MoveWindow(&rect);
    EXPECT_EQ(widget->geometry(), QRect(0, 0, 51, 51));
    picture->ShowWindow(0);
    EXPECT_FALSE(widget->isVisible());
}

TEST(PictureCtrl, PictureIsStretchedUnderACentredCaptionAndAMissingOneLeavesTheCaption)
{
    KWTempSkinDir skins { { "ppmpic_nor.png", Qt::red, QSize(4, 4) } };
    KWEventSinkWidget parent;
    CKWQTPictureCtrl picture;
    picture.Create(L"", 0, RECT { 0, 0, 120, 60 }, parent.Handle(), 1);
    parent.show();

    picture.SetImage(L"ppmpic_nor.png");
    EXPECT_EQ(KWPixelAt(&picture, 0, 0), QColor(Qt::red));
    EXPECT_EQ(KWPixelAt(&picture, 119, 59), QColor(Qt::red));
    EXPECT_TRUE(KWInkBox(KWGrabImage(&picture), Qt::red).isNull()) << "no caption yet";

    picture.SetPictureCtrlText(L"HH");
    QRect caption = KWInkBox(KWGrabImage(&picture), Qt::red);
    EXPECT_NEAR(caption.center().x(), 60, 3);
    EXPECT_NEAR(caption.center().y(), 30, 3);

    const QColor window = KWPixelAt(&parent, 200, 150);
    picture.SetImage(L"missing.png");
    EXPECT_TRUE(picture.Picture().isNull());
    EXPECT_EQ(KWPixelAt(&picture, 0, 0), window);
    caption = KWInkBox(KWGrabImage(&picture), window);
    EXPECT_NEAR(caption.center().x(), 60, 3);
}

TEST(PictureCtrl, ItsHandleIsTheParentOfOtherControls)
{
    KWEventSinkWidget parent;
    CKWQTPictureCtrl picture;
    picture.Create(L"", 0, RECT { 10, 10, 110, 60 }, parent.Handle(), 1);
    CKWQTStatic caption;
    caption.Create(L"25 PPM", WS_VISIBLE, RECT { 5, 5, 60, 25 }, picture.GetHWnd(), 2);
    EXPECT_EQ(caption.parentWidget(), &picture);
    EXPECT_EQ(caption.geometry().topLeft(), QPoint(5, 5));
}

} // namespace
