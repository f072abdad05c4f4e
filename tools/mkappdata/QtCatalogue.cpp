#include "QtCatalogue.h"

#include <QDataStream>
#include <QDir>
#include <QFile>

#include <set>

namespace MkAppData
{

namespace
{

const uchar kQmMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                            0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
constexpr quint8 kDependenciesTag = 0x96;

bool CopyOne(const QString& sourceDir, const QString& name, const QString& targetDir,
             std::set<QString>* done, QString* error)
{
    if (!done->insert(name).second) {
        return true;
    }
    const QString source = sourceDir + QLatin1Char('/') + name + QStringLiteral(".qm");
    const QString target = targetDir + QLatin1Char('/') + name + QStringLiteral(".qm");
    QFile::remove(target);
    if (!QFile::copy(source, target)) {
        *error = QStringLiteral("cannot copy %1 to %2").arg(source, target);
        return false;
    }
    for (const QString& dependency : QtCatalogueDependencies(source)) {
        if (!CopyOne(sourceDir, dependency, targetDir, done, error)) {
            return false;
        }
    }
    return true;
}

}  // namespace

QStringList QtCatalogueDependencies(const QString& qmPath)
{
    QFile file(qmPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll();
    if (data.size() < 16 || !data.startsWith(QByteArray(reinterpret_cast<const char*>(kQmMagic), 16))) {
        return {};
    }
    // After the magic: blocks of {tag: u8, length: u32 big-endian, bytes}.
    QDataStream in(data);
    in.skipRawData(16);
    QStringList names;
    while (!in.atEnd()) {
        quint8 tag = 0;
        quint32 length = 0;
        in >> tag >> length;
        if (in.status() != QDataStream::Ok) {
            break;
        }
        if (tag != kDependenciesTag) {
            if (in.skipRawData(static_cast<int>(length)) != static_cast<int>(length)) {
                break;
            }
            continue;
        }
        const QByteArray block = data.mid(static_cast<int>(in.device()->pos()), static_cast<int>(length));
        in.skipRawData(static_cast<int>(length));
        QDataStream deps(block);
        while (!deps.atEnd()) {
            QString name;
            deps >> name;
            if (deps.status() != QDataStream::Ok) {
                break;
            }
            names << name;
        }
    }
    return names;
}

bool CopyQtCatalogue(const QString& sourceDir, const QString& catalogue, const QString& targetDir,
                     QString* error)
{
    if (!QDir().mkpath(targetDir)) {
        *error = QStringLiteral("cannot create %1").arg(targetDir);
        return false;
    }
    std::set<QString> done;
    return CopyOne(sourceDir, catalogue, targetDir, &done, error);
}

}  // namespace MkAppData
