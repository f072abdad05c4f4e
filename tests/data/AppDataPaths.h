#pragma once

// Where the data tests find what the build staged: beside the test
// executables, in the folder the application runs from.

#include <QCoreApplication>
#include <QString>

inline QString BinPath(const QString& relative)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative;
}

// The built-in model list exactly as the application compiles it.
struct BuiltInModel
{
    const wchar_t* name;
    int id;
};

inline const BuiltInModel kBuiltInModels[] = {
#include "BuiltInModels.inc"
};

inline const wchar_t* const kDefaultCameraPicture =
#include "DefaultCameraPicture.inc"
    ;
