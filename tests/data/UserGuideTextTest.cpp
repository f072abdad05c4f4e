// The user's guide in each language names what the screen shows in it.

#include "UserGuide.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace
{

// Every text of the tool bar, the panels, the views, the density display and
// its dialog that a reader of the guide looks for on screen.
const char* const kScreenKeys[] = {
    // the first page and the tool bar
    "IPC Calculator Tool", "FishEye Calculator Tool", "switch to fisheye calculator tool",
    "switch to ipc calculator tool", "Setting", "Language", "english", "Portuguese", "Spanish", "About",
    "Min", "Close",
    // the IPC panel
    "Camera Information", "ModelSelect", "CameraMode:", "Target:", "InstallH:", "HDistance:", "InstallA:",
    "(The angle of the vertical direction)", "FDistance:",
    // the fisheye panel
    "FishDevice:", "TopInstall", "SideInstall", "ObjectHeight:", "ObjectDis:",
    // the views
    "3D View", "Side View", "Top View", "Height", "Length", "Area", "distance",
    // the density display and its dialog
    "LimpidValue", "PixelAmount", "explainPPM >", "Base real monitor 25PPM", "Object sense 63PPM",
    "Object discriminate 125PPM", "Distinguish details 250PPM",
};

// How each language speaks of rings, by language index.
const char* const kRingWords[] = { "\\bring", "\xE7\x8E\xAF" /* 环 */, "anel|an\xC3\xA9is", "anillo" };

QString ReadSource(const QString& relative)
{
    QFile file(QStringLiteral(KW_SOURCE_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QMap<QString, QString> ScreenTexts(int language)
{
    QMap<QString, QString> texts;
    QXmlStreamReader xml(ReadSource(QStringLiteral("resources/Lang_%1.xml").arg(language)));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Text") {
            const QXmlStreamAttributes attributes = xml.attributes();
            texts.insert(attributes.value("name").toString(), attributes.value("value").toString());
        }
    }
    return texts;
}

TEST(UserGuideText, NamesEveryScreenTextOfItsLanguageAndNoRingsForTheWallMount)
{
    int count = 0;
    const MkAppData::GuideLanguage* languages = MkAppData::GuideLanguages(&count);
    ASSERT_EQ(count, 4);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(languages[i].source);
        const QString guide = ReadSource(QStringLiteral("resources/guide/") + languages[i].source);
        const QMap<QString, QString> texts = ScreenTexts(languages[i].languageIndex);
        ASSERT_FALSE(guide.isEmpty());
        for (const char* key : kScreenKeys) {
            // A label's colon and a link's arrow are not part of its name.
            QString shown = texts.value(QString::fromUtf8(key)).trimmed();
            shown.remove(QRegularExpression(QStringLiteral("\\s*(>|:|\uFF1A)$")));
            ASSERT_FALSE(shown.isEmpty()) << key;
            EXPECT_TRUE(guide.contains(shown)) << key << " shows as \"" << shown.toStdString() << '"';
        }
        // Each sentence that names the wall mount, as its choice reads.
        const QString wall = texts.value(QStringLiteral("SideInstall"));
        const QRegularExpression sentenceEnd(QStringLiteral("[.!?]\\s|\u3002|\n"));
        const QRegularExpression ring(QString::fromUtf8(kRingWords[languages[i].languageIndex]),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
        for (const QString& sentence : guide.split(sentenceEnd)) {
            if (sentence.contains(wall, Qt::CaseInsensitive)) {
                EXPECT_FALSE(sentence.contains(ring)) << sentence.toStdString();
            }
        }
    }
}

}  // namespace
