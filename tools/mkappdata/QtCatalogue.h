#pragma once

// Ships Qt's own Chinese translation beside the executable. qt_zh_CN.qm of
// Qt 6 is a meta-catalogue: it holds no messages, only the names of the
// catalogues it loads from its own folder (qtbase_zh_CN and so on), and
// QTranslator::load fails when one of them is missing. So the catalogue is
// copied together with every catalogue it names.

#include <QString>
#include <QStringList>

namespace MkAppData
{

// The names (without ".qm") that a .qm file lists as its dependencies; empty
// for a catalogue without any, or for a file that is not a catalogue.
QStringList QtCatalogueDependencies(const QString& qmPath);

// Copies `catalogue` (e.g. "qt_zh_CN") and, recursively, what it names from
// `sourceDir` into `targetDir`.
bool CopyQtCatalogue(const QString& sourceDir, const QString& catalogue, const QString& targetDir,
                     QString* error);

}  // namespace MkAppData
