// The 4K look is the normal look at exactly twice the size: every text of
// the main window, the about box and the density explanation is drawn at
// twice its pixel size, and the main window on the chooser page and in both
// tools, grabbed at both scales and the 4K picture halved, agrees with the
// normal one region by region except for anti-aliasing.

#include "app/AboutDlgEventImp.h"
#include "app/MainFrameEventImp.h"
#include "app/PPMExplainDlgEventImp.h"
#include "base/Globals.h"
#include "tests/common/KWTextFit.h"
#include "tests/common/ScreenLook.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QImage>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Every shadow margin is 10 pixels at both scales; inside it the windows scale.
constexpr int kMargin = 10;
// Regions of 20 x 20 pixels of the normal look, 40 x 40 of the 4K one.
constexpr int kRegion = 20;
// The largest mean grey difference a region may show. Anti-aliasing and
// hinting alone stay below it (the mended look: at most 10.8); a text of the
// wrong size or a picture a few pixels off does not (texts kept at their
// normal size and the 10-pixel shift of unscaled offsets: 33 to 41).
constexpr double kTolerance = 16.0;

using Step = std::function<void(CMainFrameEventImp&)>;

struct Screen {
    const char* name;
    Step show;
};

void PrintTo(const Screen& screen, std::ostream* os)
{
    *os << screen.name;
}

struct Drawn {
    QImage main;
    std::vector<int> fontSizes; // of every text, in creation order
};

void AddFontSizes(QWidget* window, std::vector<int>& sizes)
{
    for (const KWTextPlace& place : KWTextPlaces(window)) {
        sizes.push_back(QFontInfo(place.font).pixelSize());
    }
    for (QGraphicsView* view : window->findChildren<QGraphicsView*>()) {
        for (QGraphicsItem* item : view->scene()->items(Qt::AscendingOrder)) {
            if (auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item)) {
                sizes.push_back(QFontInfo(text->font()).pixelSize());
            }
        }
    }
}

// The program at a UI scale after step, in English.
Drawn Draw(int scale, const Step& step)
{
    const ScreenLook look(scale);
    const int savedLanguage = g_languageIndex;
    g_languageIndex = 0;
    Drawn drawn;
    {
        boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
        auto* window = dynamic_cast<QWidget*>(frame->GetDlg());
        step(*frame);
        QCoreApplication::processEvents();
        drawn.main = window->grab().toImage();
        AddFontSizes(window, drawn.fontSizes);
        for (CKWDialog* dialog : { frame->GetAboutDlg()->GetDlg(), frame->GetPPMExplainDlg()->GetDlg() }) {
            auto* widget = dynamic_cast<QWidget*>(dialog);
            widget->show();
            QCoreApplication::processEvents();
            AddFontSizes(widget, drawn.fontSizes);
            widget->hide();
        }
    }
    g_languageIndex = savedLanguage;
    return drawn;
}

// What lies inside the shadow margin, the 4K one halved by averaging.
QImage Inside(const QImage& image, int scale)
{
    const QImage inner = image.copy(image.rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
    const QImage halved = scale == 1 ? inner
                                     : inner.scaled(inner.width() / scale, inner.height() / scale,
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return halved.convertToFormat(QImage::Format_ARGB32);
}

struct Worst {
    double difference = 0.0;
    QPoint at;
};

// The region whose mean grey level differs most between the two pictures.
// A region's mean does not care where inside it a stroke falls, so the half
// pixel that hinting moves a text does not count; a text of the wrong size
// carries a quarter or four times the ink and does.
Worst WorstRegion(const QImage& normal, const QImage& large)
{
    Worst worst;
    const int width = std::min(normal.width(), large.width());
    const int height = std::min(normal.height(), large.height());
    for (int top = 0; top + kRegion <= height; top += kRegion) {
        for (int left = 0; left + kRegion <= width; left += kRegion) {
            double difference = 0.0;
            for (int y = top; y < top + kRegion; ++y) {
                const auto* a = reinterpret_cast<const QRgb*>(normal.constScanLine(y));
                const auto* b = reinterpret_cast<const QRgb*>(large.constScanLine(y));
                for (int x = left; x < left + kRegion; ++x) {
                    difference += qGray(a[x]) - qGray(b[x]);
                }
            }
            const double mean = std::abs(difference) / (kRegion * kRegion);
            if (mean > worst.difference) {
                worst = Worst { mean, QPoint(left, top) };
            }
        }
    }
    return worst;
}

class ScaleTwoTest : public ::testing::TestWithParam<Screen> { };

TEST_P(ScaleTwoTest, EveryTextIsTwiceAsLargeAndEveryRegionAgreesWhenHalved)
{
    const Drawn normal = Draw(1, GetParam().show);
    const Drawn large = Draw(2, GetParam().show);

    ASSERT_EQ(large.fontSizes.size(), normal.fontSizes.size());
    for (size_t i = 0; i < normal.fontSizes.size(); ++i) {
        EXPECT_EQ(large.fontSizes[i], 2 * normal.fontSizes[i]) << "text " << i;
    }

    const QImage one = Inside(normal.main, 1);
    const QImage two = Inside(large.main, 2);
    EXPECT_EQ(two.size(), one.size());
    const Worst worst = WorstRegion(one, two);
    std::printf("[ regions ] %s: worst mean difference %.1f at %d,%d\n", GetParam().name, worst.difference,
        worst.at.x(), worst.at.y());
    RecordProperty("worst_region_difference", static_cast<int>(std::lround(worst.difference * 10)));
    EXPECT_LE(worst.difference, kTolerance) << "region at " << worst.at.x() << "," << worst.at.y();
}

INSTANTIATE_TEST_SUITE_P(Screens, ScaleTwoTest,
    ::testing::Values(Screen { "chooser", [](CMainFrameEventImp&) {} },
        Screen { "ipc", [](CMainFrameEventImp& frame) { frame.OnIPCToolClicked(); } },
        Screen { "fisheye", [](CMainFrameEventImp& frame) { frame.OnFishToolClicked(); } }),
    [](const ::testing::TestParamInfo<Screen>& info) { return std::string(info.param.name); });

} // namespace
