// A huge fisheye lens table, as the user meets it: the lookup of one image
// height in tables of growing size, and one change in the fisheye tool (the
// install height's spin box stepped, the density on the target and the rings
// computed again) with a 2.3-million-point table of 50 MB beside the program,
// and with a 50 MB file of random text in its place. Each change case also
// prints the time of its first calculation (the table read) and the resident
// memory after it.

#include "app/DatabaseManager.h"
#include "app/LensTableNames.h"
#include "app/MainFrameEventImp.h"
#include "app/calc/FishCalc.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "base/Globals.h"
#include "bench/BenchSupport.h"
#include "ui/qt/KWQtSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr int kHugePoints = 2300000;
constexpr qint64 kGarbageBytes = 50 * 1000 * 1000;

QTemporaryDir* g_folders = nullptr;

QString ValidDir()
{
    return g_folders->filePath(QStringLiteral("valid"));
}

QString GarbageDir()
{
    return g_folders->filePath(QStringLiteral("garbage"));
}

// An equidistant lens of 1.2 mm focal length, sampled from 0 to 100 degrees
// with nine decimals: every angle and image height distinct in a float.
FishLensTable HugeLens(int points)
{
    FishLensTable table;
    for (int i = 0; i < points; ++i) {
        const double angle = 100.0 * i / points;
        table.emplace_hint(
            table.end(), static_cast<float>(angle), static_cast<float>(1.2 * angle * 3.14159265 / 180.0));
    }
    return table;
}

bool WriteTable(const QString& dir, const QByteArray& bytes)
{
    QFile file(dir + QLatin1Char('/') + QString::fromStdString(KWLensTables::LensTableFileName(0)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool WriteHugeTables()
{
    QByteArray valid;
    valid.reserve(kHugePoints * 24);
    char line[64];
    for (int i = 0; i < kHugePoints; ++i) {
        const double angle = 100.0 * i / kHugePoints;
        const int n
            = std::snprintf(line, sizeof line, "%.9f,%.9f\n", angle, 1.2 * angle * 3.14159265 / 180.0);
        valid.append(line, n);
    }
    // Random printable text in lines of up to 80 characters, with commas.
    QByteArray garbage(kGarbageBytes, '\0');
    std::mt19937 random(42);
    for (qint64 i = 0; i < garbage.size(); ++i) {
        const unsigned r = random() % 96;
        garbage[i] = r < 1 ? '\n' : static_cast<char>(' ' + r - 1);
    }
    return QDir().mkpath(ValidDir()) && QDir().mkpath(GarbageDir()) && WriteTable(ValidDir(), valid)
        && WriteTable(GarbageDir(), garbage);
}

void BM_ImageHeightLookup(benchmark::State& state)
{
    const FishLensTable table = HugeLens(static_cast<int>(state.range(0)));
    std::mt19937 random(7);
    std::uniform_real_distribution<float> angles(0.0f, 99.0f);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FishImageHeight(table, angles(random)));
    }
    state.SetLabel("per lookup");
}
BENCHMARK(BM_ImageHeightLookup)->Arg(1000)->Arg(100000)->Arg(kHugePoints)->Unit(benchmark::kMicrosecond);

// The fisheye tool with the table of the folder in place of the shipped one.
// The first change reads the table and is timed on its own.
void FisheyeChange(benchmark::State& state, const QString& tableDir)
{
    const boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
    frame->OnFishToolClicked();
    QCoreApplication::processEvents();
    frame->GetDatabaseManager()->SetDataDir(tableDir.toStdWString());
    auto* box = dynamic_cast<QDoubleSpinBox*>(frame->GetFishParameterSetting()->GetInstallHeightSpin());
    if (box == nullptr) {
        state.SkipWithError("no install-height spin box");
        return;
    }
    QElapsedTimer first;
    first.start();
    box->setValue(3.5);
    QCoreApplication::processEvents();
    state.counters["first_calculation_s"] = static_cast<double>(first.nsecsElapsed()) / 1e9;
    state.counters["resident_MB"] = ResidentMegabytes();
    bool high = false;
    for (auto _ : state) {
        high = !high;
        box->setValue(high ? 4.0 : 3.5);
        QCoreApplication::processEvents();
    }
}

void BM_FisheyeChangeHugeTable(benchmark::State& state)
{
    FisheyeChange(state, ValidDir());
}
BENCHMARK(BM_FisheyeChangeHugeTable)->Unit(benchmark::kMillisecond);

void BM_FisheyeChangeGarbageTable(benchmark::State& state)
{
    FisheyeChange(state, GarbageDir());
}
BENCHMARK(BM_FisheyeChangeGarbageTable)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenUnlessAsked();
    QApplication app(argc, argv);
    InitKWApplication(&app);
    UseProgramLookAt1x();
    QTemporaryDir folders;
    g_folders = &folders;
    if (!folders.isValid() || !WriteHugeTables()) {
        return 1;
    }
    return RunBenchmarks(argc, argv);
}
