// The built-in model list that the IPC panel compiles in, and its agreement
// with the 3D pictures.

#include "AppDataPaths.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <iterator>
#include <map>
#include <set>
#include <string>

namespace
{

QString PictureName(const std::wstring& name)
{
    QString picture = QString::fromStdWString(name);
    picture.replace(QLatin1Char(' '), QLatin1Char('_'));
    return picture + QStringLiteral(".png");
}

TEST(ModelList, Has133EntriesWithIdsInOrder)
{
    ASSERT_EQ(std::size(kBuiltInModels), 133u);
    for (size_t i = 0; i < std::size(kBuiltInModels); ++i) {
        EXPECT_EQ(kBuiltInModels[i].id, static_cast<int>(i) + 1);
    }
}

TEST(ModelList, Has132NamesWithTheLastRepeatingThe66th)
{
    std::set<std::wstring> names;
    for (const BuiltInModel& m : kBuiltInModels) {
        names.insert(m.name);
        const std::wstring name(m.name);
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 24u) << QString::fromStdWString(name).toStdString();
    }
    EXPECT_EQ(names.size(), 132u);
    EXPECT_EQ(std::wstring(kBuiltInModels[132].name), std::wstring(kBuiltInModels[65].name));
}

TEST(ModelList, ComboOrderStartsWithTheModelLoadedAtStart)
{
    // The panel inserts the pairs into an ordered map (the first pair of a
    // name wins) and fills its combo in map order; item 0 must be the id-1
    // model that it loads when it is created.
    std::map<std::wstring, int> table;
    for (const BuiltInModel& m : kBuiltInModels) {
        table.insert({m.name, m.id});
    }
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table.begin()->second, 1);
    EXPECT_EQ(table.at(kBuiltInModels[132].name), 66);
}

TEST(ModelList, SomeNamesHaveBlanksAndAllPictureNamesDiffer)
{
    std::set<QString> pictures;
    int withBlank = 0;
    for (const BuiltInModel& m : kBuiltInModels) {
        if (std::wstring(m.name).find(L' ') != std::wstring::npos) {
            ++withBlank;
        }
        pictures.insert(PictureName(m.name));
    }
    EXPECT_GT(withBlank, 0);
    EXPECT_EQ(pictures.size(), 132u);
}

TEST(ModelList, DefaultCameraPictureIsTheFirstModelsAndExists)
{
    EXPECT_EQ(QString::fromWCharArray(kDefaultCameraPicture), PictureName(kBuiltInModels[0].name));
    for (const char* dir : {"Skin/", "Skin/4K/"}) {
        EXPECT_TRUE(QFile::exists(BinPath(QLatin1String(dir) + QString::fromWCharArray(kDefaultCameraPicture))));
    }
}

TEST(ModelList, EveryModelHasItsDesignSizedPictureInBothSets)
{
    // 410 x 267 design pixels: twice that in the 4K set.
    for (const BuiltInModel& m : kBuiltInModels) {
        const QString name = PictureName(m.name);
        EXPECT_EQ(QImage(BinPath(QStringLiteral("Skin/") + name)).size(), QSize(410, 267)) << name.toStdString();
        EXPECT_EQ(QImage(BinPath(QStringLiteral("Skin/4K/") + name)).size(), QSize(820, 534)) << name.toStdString();
    }
}

}  // namespace
