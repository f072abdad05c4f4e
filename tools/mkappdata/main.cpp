// mkappdata: makes the application data that lies beside the executable.
//
//   mkappdata db <sensors.csv> <models.csv> <Product.db>
//   mkappdata models <sensors.csv> <models.csv> <include-dir>
//   mkappdata lens <output-dir>
//   mkappdata skins <sensors.csv> <models.csv> <Skin-dir> <contact-sheet.png>
//   mkappdata guide <guide-source-dir> <output-dir>
//   mkappdata qttr <output-dir>
//
// Each job either completes or exits with status 1 and a message on stderr.

#include "LensTables.h"
#include "ModelListWriter.h"
#include "ProductDbWriter.h"
#include "QtCatalogue.h"
#include "SeedData.h"
#include "SkinWriter.h"
#include "UserGuide.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QStringList>

#include <cstdio>

namespace
{

using namespace MkAppData;

int Usage()
{
    std::fprintf(stderr,
                 "usage: mkappdata db|models|skins <sensors.csv> <models.csv> <output>...\n"
                 "       mkappdata lens <dir> | guide <source-dir> <dir> | qttr <dir>\n");
    return 2;
}

bool Seeds(const QStringList& args, SeedData* seeds, QString* error)
{
    return LoadSeeds(args.at(2), args.at(3), seeds, error);
}

bool Run(const QStringList& args, QString* error)
{
    const QString job = args.value(1);
    SeedData seeds;
    if (job == QLatin1String("db") && args.size() == 5) {
        return Seeds(args, &seeds, error) && WriteProductDatabase(args.at(4), seeds, error);
    }
    if (job == QLatin1String("models") && args.size() == 5) {
        return Seeds(args, &seeds, error) && WriteModelList(args.at(4), seeds, error);
    }
    if (job == QLatin1String("skins") && args.size() == 6) {
        return Seeds(args, &seeds, error) && WriteSkins(args.at(4), seeds, error)
               && WriteContactSheet(args.at(5), seeds, error);
    }
    if (job == QLatin1String("lens") && args.size() == 3) {
        return WriteLensTables(args.at(2), error);
    }
    if (job == QLatin1String("guide") && args.size() == 4) {
        return WriteUserGuides(args.at(2), args.at(3), error);
    }
    if (job == QLatin1String("qttr") && args.size() == 3) {
        return CopyQtCatalogue(QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral("qt_zh_CN"),
                               args.at(2), error);
    }
    *error = QStringLiteral("unknown job or wrong arguments");
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    // Skins and the guide need fonts and a paint device; the build runs this
    // with the offscreen platform, so no display is needed.
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        return Usage();
    }
    QString error;
    if (!Run(args, &error)) {
        std::fprintf(stderr, "mkappdata %s: %s\n", qPrintable(args.value(1)), qPrintable(error));
        return 1;
    }
    return 0;
}
