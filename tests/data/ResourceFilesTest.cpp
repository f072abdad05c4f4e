// The text resources and copied files beside the executable.

#include "AppDataPaths.h"

#include "UserGuide.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>


namespace
{

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ResourceFiles, QtChineseTranslationLoadsWithItsCatalogues)
{
    QTranslator translator;
    EXPECT_TRUE(translator.load(BinPath(QStringLiteral("qt_zh_CN.qm")), QString(), QString(), QString()));
    EXPECT_FALSE(translator.isEmpty());
}

TEST(ResourceFiles, ConfigurationIsExactlyWhatTheStoreWrites)
{
    // The layout the configuration store saves: no declaration, root
    // "Setting", one group element, one item with five attributes.
    const QByteArray saved = "<Setting>\n"
                             "    <UIConfig>\n"
                             "        <Language value=\"0\" Default=\"0\" Min=\"0\" Max=\"3\" Scale=\"0\" />\n"
                             "    </UIConfig>\n"
                             "</Setting>\n";
    EXPECT_EQ(ReadAll(BinPath(QStringLiteral("Config/config.xml"))), saved);
}

TEST(ResourceFiles, LargeStyleSheetDoublesEverySize)
{
    const QString normal = QString::fromUtf8(ReadAll(BinPath(QStringLiteral("Lumivane_Style.css"))));
    const QString large = QString::fromUtf8(ReadAll(BinPath(QStringLiteral("Lumivane_Style_4K.css"))));
    ASSERT_FALSE(normal.isEmpty());
    const QRegularExpression pixels(QStringLiteral("(\\d+)px"));
    const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption);
    auto halved = [&](QString text) {
        text.remove(comment);
        QString out;
        int last = 0;
        for (auto it = pixels.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            out += text.mid(last, m.capturedStart() - last);
            const int value = m.captured(1).toInt();
            EXPECT_EQ(value % 2, 0) << "odd size " << value;
            out += QString::number(value / 2) + QStringLiteral("px");
            last = m.capturedEnd();
        }
        return out + text.mid(last);
    };
    QString normalText = normal;
    normalText.remove(comment);
    EXPECT_EQ(halved(large), normalText);
    for (const char* selector : {"QToolTip", "QMenu", "QComboBox QAbstractItemView", "QLineEdit", "QScrollBar"}) {
        EXPECT_TRUE(normal.contains(QLatin1String(selector))) << selector;
    }
    // The framework reads the sheet as plain bytes.
    for (QChar c : normal + large) {
        EXPECT_LT(c.unicode(), 0x80);
    }
}

TEST(ResourceFiles, UserGuideExistsUnderEachLanguagesName)
{
    int count = 0;
    const MkAppData::GuideLanguage* languages = MkAppData::GuideLanguages(&count);
    ASSERT_EQ(count, 4);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(languages[i].languageIndex, i);
        const QByteArray pdf = ReadAll(BinPath(QString::fromUtf8(languages[i].pdfName)));
        EXPECT_TRUE(pdf.startsWith("%PDF-")) << languages[i].pdfName;
        EXPECT_GT(pdf.size(), 20000) << languages[i].pdfName;
    }
    EXPECT_STREQ(languages[0].pdfName, "User's Guide.pdf");
}

}  // namespace
