#include "ui/qt/KWQTNumSpiner.h"

#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QTest>

#include <functional>

namespace {

struct Listener : IKWNumSpinerEvent, KWCallRecorder {
    void OnCurrentNumChanged(UINT id, int value) override { Record("OnCurrentNumChanged", id, value); }
};

constexpr UINT kId = 77;

TEST(NumSpiner, SetCurrentNumReportsAChangeOnceWhileSetRangeStaysSilent)
{
    struct Row {
        const char* what;
        std::function<void(CKWNumSpiner&)> act;
        std::vector<std::vector<double>> reports;
        int value;
    };
    const Row rows[] = {
        { "SetCurrentNum to a new value", [](CKWNumSpiner& b) { b.SetCurrentNum(42); }, { { kId, 42 } }, 42 },
        { "SetCurrentNum to the current value", [](CKWNumSpiner& b) { b.SetCurrentNum(10); }, {}, 10 },
        { "SetRange clamping the value", [](CKWNumSpiner& b) { b.SetRange(0, 5); }, {}, 5 },
        { "StepUp", [](CKWNumSpiner& b) { b.StepUp(); }, { { kId, 11 } }, 11 },
        { "StepDown", [](CKWNumSpiner& b) { b.StepDown(); }, { { kId, 9 } }, 9 },
        { "wheel down", [](CKWNumSpiner& b) { KWSendWheel(dynamic_cast<QWidget*>(&b), -120); },
            { { kId, 9 } }, 9 },
        { "typing without Enter", [](CKWNumSpiner& b) { QTest::keyClicks(dynamic_cast<QWidget*>(&b), "5"); },
            {}, 10 },
        { "typing above the maximum and Enter",
            [](CKWNumSpiner& b) { KWTypeAndEnter(dynamic_cast<QWidget*>(&b), QStringLiteral("500")); },
            { { kId, 99 } }, 99 },
    };
    Listener listener;
    KWEventSinkWidget parent;
    CKWNumSpiner* box = CreateKWNumSpiner(&listener);
    ASSERT_NE(box, nullptr);
    box->Create(nullptr, RECT { 0, 0, 80, 24 }, parent.Handle(), kId);
    for (const Row& row : rows) {
        box->SetRange(0, 99);
        box->SetCurrentNum(10);
        listener.Clear();
        row.act(*box);
        EXPECT_EQ(box->GetCurrentNum(), row.value) << row.what;
        EXPECT_EQ(listener.ArgsOf("OnCurrentNumChanged"), row.reports) << row.what;
    }
}

TEST(NumSpiner, ReportsCarryMinusOneBeforeCreate)
{
    Listener listener;
    CKWQTNumSpiner box(&listener);
    box.SetCurrentNum(3);
    EXPECT_EQ(
        listener.ArgsOf("OnCurrentNumChanged"), (std::vector<std::vector<double>> { { 4294967295.0, 3 } }));
}

// Digits the program prints everywhere else, not the system's.
TEST(NumSpiner, ShowsNumbersWithoutTheSystemLocale)
{
    struct DefaultLocale {
        QLocale saved;
        ~DefaultLocale() { QLocale::setDefault(saved); }
    } restore;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    CKWQTNumSpiner box;
    box.SetRange(0, 2000);
    box.SetCurrentNum(1234);
    EXPECT_EQ(box.text(), QStringLiteral("1234"));
}

TEST(NumSpiner, MoveWindowReadsTheRectangleInclusiveCreateExclusive)
{
    KWEventSinkWidget parent;
    CKWQTNumSpiner box;
    box.Create(nullptr, RECT { 10, 20, 110, 45 }, parent.Handle(), 1);
    EXPECT_EQ(box.geometry(), QRect(10, 20, 100, 25));
    RECT rect { 10, 20, 110, 45 };
    box.MoveWindow(&rect);
    EXPECT_EQ(box.geometry(), QRect(10, 20, 101, 26));
}

ImageNumSpinerStyle SolidSkin()
{
    ImageNumSpinerStyle style;
    style.strFrame = L"frame.png";
    style.strDownNormal = style.strDownHover = style.strDownPressed = style.strDownDisabled = L"down.png";
    style.strUpNormal = style.strUpHover = style.strUpPressed = style.strUpDisabled = L"up.png";
    return style;
}

// A folder may be named with any text a user types: every picture of the
// box is drawn, and the style sheet parses (Qt says nothing when it does).
TEST(NumSpiner, SkinPicturesComeFromTheSkinDirectoryWhateverItsName)
{
    KWTempSkinDir base;
    for (const QString& name : { QStringLiteral("my skin (1x)"), QStringLiteral("Área de Trabalho"),
             QStringLiteral("Câmeras"), QStringLiteral("Überwachung"), QStringLiteral("R&D"),
             QStringLiteral("Installer's tools"), QStringLiteral("say \"cheese\" #1; {x}"),
             QStringLiteral("one \" quote"), QStringLiteral("shut\") early"), QStringLiteral("back\\slash"),
             QStringLiteral("two\nlines"), QStringLiteral("监控 100%"), QStringLiteral("a\\1b"),
             QStringLiteral("x\\41"), QStringLiteral("ends\\") }) {
        SCOPED_TRACE(name.toStdString());
        const QString folder = base.Path() + name + QLatin1Char('/');
        ASSERT_TRUE(QDir().mkpath(folder));
        for (const auto& [picture, colour] : { std::pair { "frame.png", Qt::red },
                 std::pair { "down.png", Qt::blue }, std::pair { "up.png", Qt::green } }) {
            QPixmap pixels(8, 8);
            pixels.fill(colour);
            ASSERT_TRUE(pixels.save(folder + QLatin1String(picture)));
        }
        SetSkinPath(folder.toStdWString());

        KWWarningCatcher catcher;
        KWEventSinkWidget parent;
        CKWQTNumSpiner box;
        ImageNumSpinerStyle skin = SolidSkin();
        box.SetSkin(&skin);
        box.Create(nullptr, RECT { 0, 0, 120, 30 }, parent.Handle(), 1);
        parent.show();

        EXPECT_TRUE(box.styleSheet().startsWith(
            QStringLiteral("QSpinBox { color:white; padding: 0 8px; font-size: 12px; border-image: ")
            + KWStyleSheetUrl(folder + "frame.png") + ";}"));
        const QImage image = KWGrabImage(&box);
        EXPECT_EQ(image.pixelColor(2, 15), QColor(Qt::red)) << "frame";
        EXPECT_EQ(image.pixelColor(110, 7), QColor(Qt::green)) << "up button";
        EXPECT_EQ(image.pixelColor(110, 23), QColor(Qt::blue)) << "down button";
        EXPECT_TRUE(catcher.Warnings().isEmpty()) << catcher.Warnings().join("; ").toStdString();
    }
}

} // namespace
