// The skin pictures beside the executable: every name the application loads
// exists in Skin/ and Skin/4K/ at the manifest's size, and every rectangle the
// controls cut from a picture lies inside it.

#include "AppDataPaths.h"
#include "PngRowFilters.h"

#include "SkinManifest.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <string>

namespace
{

using MkAppData::FindSkin;
using MkAppData::SkinEntry;
using MkAppData::SkinManifest;
using MkAppData::SkinSet;

QString SkinPath(SkinSet set, const QString& name)
{
    return BinPath(set == SkinSet::Normal ? QStringLiteral("Skin/") : QStringLiteral("Skin/4K/")) + name;
}

TEST(SkinFiles, EveryManifestPictureExistsAtItsSizeInBothSets)
{
    for (const SkinEntry& e : SkinManifest()) {
        for (SkinSet set : {SkinSet::Normal, SkinSet::Large}) {
            // File names are case-sensitive here: ".PNG" must stay ".PNG".
            const QString path = SkinPath(set, QLatin1String(e.name));
            const QImage image(path);
            EXPECT_FALSE(image.isNull()) << path.toStdString();
            EXPECT_EQ(image.size(), e.SizeIn(set)) << path.toStdString();
        }
    }
}

TEST(SkinFiles, ManifestNamesEveryPictureTheApplicationLoads)
{
    // Every skin name of the application's windows, controls and views.
    static const char* const kUsed[] = {
        "DlgBackgorund.png", "bg_monitor.png", "CalTool.png", "ipc_nor.png", "ipc_hov.png", "ipc_pre.png",
        "yuyan_nor.png", "yuyan_hov.png", "yuyan_pre.png", "ppmpic_nor.png", "ppmpic250_nor100.png",
        "ppmpic125_nor100.png", "ppmpic63_nor100.png", "ppmpic25_nor100.png", "ppmpic15_nor.png", "logo.png",
        "closed_nor.png", "closed_hov.png", "closed_pre.png", "mini_nor.png", "mini_hov.png", "mini_pre.png",
        "btn_maximize_n.png", "btn_maximize_h.png", "btn_maximize_p.png", "down_nor.png", "down_hov.png",
        "down_pre.png", "exchange_nor.png", "exchange_hov.png", "exchange_pre.png", "ft_nor.png", "ft_hov.png",
        "m_nor.png", "m_hov.png", "bg_toolbar.png", "bg_calendar.png", "AboutPic.png", "btn_ok_nor.png",
        "btn_ok_hov.png", "btn_ok_pre.png", "close-normal.png", "close-hover.png", "close-pressed.png",
        "close-disabled.png", "bg_modelslect_dlg.png", "close_nor.png", "close_hov.png", "25ppm_nor.png",
        "63ppm_nor.png", "125ppm_nor.png", "250ppm_nor.png", "search_nor.png", "radio_check_nor.png",
        "radio_check_hov.png", "radio_uncheck_nor.png", "lastpage_nor.png", "lastpage_hov.png",
        "lastpage_pre.png", "lastpage_dis.png", "nextpage_nor.png", "nextpage_hov.png", "nextpage_pre.png",
        "nextpage_dis.png", "check_nor.png", "uncheck_nor.png", "ComboBox.png", "ComboBox_100.png", "ComboBox_268.png", "menu_check.png", "menu_arrow.png",
        "help_nor.png", "kuang2_nor.png", "spiner_down_n.png", "spiner_down_h.png", "spiner_down_p.png",
        "spiner_down_d.png", "spiner_up_n.png", "spiner_up_h.png", "spiner_up_p.png", "spiner_up_d.png",
        "slidingblock.png", "move_shangxia_nor.PNG", "move_shangxia_hov.PNG", "move_shangxia_pre.PNG",
        "move_zuoyou_nor.PNG", "move_zuoyou_hov.PNG", "move_zuoyou_pre.PNG", "besidepeople_nor.PNG",
        "besidevideodown_nor.png", "besidevideoup_nor.png", "topviewpeople_nor.png", "top_radian_nor.png",
        "ceshi_bizhuang_nor.png", "ceshi_dingzhuang_nor.png", "3d_dingzhuang_nor.png", "3d_bizhuang_nor.png",
        "3dpicpeople_nor.png", "dingzhuang_nor.png", "bizhuang_nor.png", "h_nor.png", "h2_nor.png", "d_nor.png",
        "a_nor.png", "w_nor.png", "hand_pointing.png", "icon_set.png", "icon_weblogin.png",
    };
    for (const char* name : kUsed) {
        EXPECT_NE(FindSkin(QLatin1String(name)), nullptr) << name;
    }
}

TEST(SkinFiles, EverySkinNameInTheSourcesIsDrawn)
{
    // Picture names written in the application's and the framework's
    // sources; a per-model picture is made from a model name at run time and
    // checked by the model-list tests.
    const QRegularExpression literal(QStringLiteral("\"([A-Za-z0-9_.\\-]+\\.(?:png|PNG))\""));
    QSet<QString> models;
    for (const BuiltInModel& m : kBuiltInModels) {
        models.insert(QString::fromWCharArray(m.name).replace(QLatin1Char(' '), QLatin1Char('_'))
                      + QStringLiteral(".png"));
    }
    int scanned = 0;
    for (const char* dir : {"app", "ui"}) {
        QDirIterator it(QStringLiteral(KW_SOURCE_DIR "/") + QLatin1String(dir),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            ++scanned;
            const QString text = QString::fromUtf8(file.readAll());
            for (auto match = literal.globalMatch(text); match.hasNext();) {
                const QString name = match.next().captured(1);
                EXPECT_TRUE(FindSkin(name) != nullptr || models.contains(name))
                    << name.toStdString() << " in " << file.fileName().toStdString();
            }
        }
    }
    EXPECT_GT(scanned, 0);
}

// A source rectangle x,y,w,h as a control reads it from its picture.
struct Cut
{
    const char* picture;
    SkinSet set;
    int x, y, w, h;
    int extra;  // 1 where the control reads (w + 1) x (h + 1) pixels
};

TEST(SkinFiles, EveryCutRectangleLiesInsideItsPicture)
{
    const SkinSet N = SkinSet::Normal;
    const SkinSet L = SkinSet::Large;
    static const Cut kCuts[] = {
        // Main window frame pieces, the same at both scales.
        {"DlgBackgorund.png", N, 0, 0, 10, 8, 0}, {"DlgBackgorund.png", N, 30, 0, 1, 8, 0},
        {"DlgBackgorund.png", N, 138, 0, 10, 8, 0}, {"DlgBackgorund.png", N, 0, 37, 1, 30, 0},
        {"DlgBackgorund.png", N, 0, 84, 10, 1, 0}, {"DlgBackgorund.png", N, 10, 84, 30, 1, 0},
        {"DlgBackgorund.png", N, 84, 84, 2, 1, 0}, {"DlgBackgorund.png", N, 85, 37, 1, 30, 0},
        {"DlgBackgorund.png", L, 138, 0, 10, 8, 0}, {"DlgBackgorund.png", L, 84, 84, 2, 1, 0},
        // About and message boxes: 35-high band, 70-high in the 4K set.
        {"bg_toolbar.png", N, 0, 0, 10, 35, 0}, {"bg_toolbar.png", N, 76, 0, 10, 35, 0},
        {"bg_toolbar.png", N, 85, 37, 1, 30, 0}, {"bg_toolbar.png", N, 85, 84, 1, 1, 0},
        {"bg_toolbar.png", N, 71, 41, 23, 14, 0}, {"bg_toolbar.png", L, 0, 0, 10, 70, 0},
        {"bg_toolbar.png", L, 76, 0, 10, 70, 0}, {"bg_toolbar.png", L, 85, 71, 1, 1, 0},
        {"bg_toolbar.png", L, 10, 84, 30, 1, 0}, {"bg_toolbar.png", L, 71, 41, 23, 14, 0},
        // Explanation and model dialogs, the same at both scales.
        {"bg_modelslect_dlg.png", N, 734, 474, 20, 20, 0}, {"bg_modelslect_dlg.png", N, 746, 27, 8, 30, 0},
        {"bg_modelslect_dlg.png", L, 734, 474, 20, 20, 0}, {"bg_modelslect_dlg.png", L, 30, 474, 1, 20, 0},
        // Combo faces: the wide and the narrow cut, rows 0 to 54 (108).
        {"ComboBox.png", N, 0, 54, 134, 17, 0}, {"ComboBox.png", N, 0, 36, 100, 17, 0},
        {"ComboBox_100.png", N, 0, 54, 100, 17, 0},
        {"ComboBox.png", L, 0, 108, 200, 34, 0}, {"ComboBox_268.png", L, 0, 108, 268, 34, 0},
        // Slider grooves and handles.
        {"slidingblock.png", N, 108, 0, 100, 18, 0}, {"slidingblock.png", N, 256, 0, 16, 16, 0},
        {"slidingblock.png", L, 215, 0, 200, 36, 0}, {"slidingblock.png", L, 512, 0, 35, 35, 0},
    };
    for (const Cut& cut : kCuts) {
        const QImage image(SkinPath(cut.set, QLatin1String(cut.picture)));
        const QRect source(cut.x, cut.y, cut.w + cut.extra, cut.h + cut.extra);
        EXPECT_TRUE(image.rect().contains(source))
            << cut.picture << (cut.set == N ? "" : " (4K) ") << cut.x << "," << cut.y << "," << cut.w << "," << cut.h;
    }
}

TEST(SkinFiles, SliderGroovesAreOpaqueWhereTheHandleRuns)
{
    // The slider shows the filled groove left of its handle and the empty
    // one right of it; both must have their track on the handle's centre row.
    const QImage normal(SkinPath(SkinSet::Normal, QStringLiteral("slidingblock.png")));
    const QImage large(SkinPath(SkinSet::Large, QStringLiteral("slidingblock.png")));
    for (int x = 4; x < 96; x += 8) {
        EXPECT_GT(qAlpha(normal.pixel(x, 9)), 200) << x;
        EXPECT_GT(qAlpha(normal.pixel(108 + x, 9)), 200) << x;
        EXPECT_GT(qAlpha(large.pixel(2 * x, 18)), 200) << x;
        EXPECT_GT(qAlpha(large.pixel(215 + 2 * x, 18)), 200) << x;
    }
}

TEST(SkinFiles, EveryPictureHasItsRowsUnfiltered)
{
    // Undoing row filters is most of the time a picture takes to load: a
    // camera model's picture is loaded on every change of model.
    int pictures = 0;
    for (const QString& dir : {BinPath(QStringLiteral("Skin")), BinPath(QStringLiteral("Skin/4K"))}) {
        QDirIterator it(dir, {QStringLiteral("*.png"), QStringLiteral("*.PNG")}, QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const std::vector<int> filters = PngRowFilters(file.readAll());
            EXPECT_FALSE(filters.empty()) << file.fileName().toStdString();
            EXPECT_TRUE(std::all_of(filters.begin(), filters.end(), [](int f) { return f == 0; }))
                << file.fileName().toStdString();
            ++pictures;
        }
    }
    EXPECT_GT(pictures, 2 * static_cast<int>(SkinManifest().size()));
}

}  // namespace
