#include "commands.h"

#include "collection.h"
#include "error.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool isImageCollectionName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("zki"))
        return true;
    if (suffix == QLatin1String("zks"))
        return false;
    throw Error(
        QStringLiteral("'%1': a collection file ends in .zki (images) or .zks (sounds)").arg(path));
}

void makeCollection(const QString &indexPath, const QString &outPath)
{
    if (isImageCollectionName(outPath))
        writeImageCollection(outPath, readImageIndex(indexPath));
    else
        writeSoundCollection(outPath, readSoundIndex(indexPath));
}

void listCollection(const QString &path, QTextStream &out)
{
    // The kind comes from the index, so a collection with a wrong extension still lists.
    if (collectionKind(path) == QLatin1String("images")) {
        const auto records = readImageCollection(path);
        for (size_t i = 0; i < records.size(); ++i) {
            const ImageRecord &r = records[i];
            out << i + 1 << '\t' << "name=" << r.name << '\t' << "size=" << r.picture.width() << 'x'
                << r.picture.height() << '\t' << "patternWidth=" << r.patternWidth << '\t'
                << "patternHeight=" << r.patternHeight << '\t'
                << "transparent=" << (r.transparent ? 1 : 0) << '\t' << "colorKey=#"
                << QStringLiteral("%1").arg(r.colorKey & 0xffffff, 6, 16, QLatin1Char('0')) << '\n';
        }
    } else {
        const auto records = readSoundCollection(path);
        for (size_t i = 0; i < records.size(); ++i) {
            const SoundRecord &r = records[i];
            out << i + 1 << '\t' << "name=" << r.name << '\t' << "file=" << r.fileName << '\t'
                << "bytes=" << r.data.size() << '\t' << "volume=" << r.volume << '\t'
                << "pan=" << r.pan << '\t' << "frequency=" << r.frequency << '\t'
                << "looped=" << (r.looped ? 1 : 0) << '\t' << "maxPlaying=" << r.maxPlaying << '\n';
        }
    }
}

namespace {

// A member name may only name a file inside the target folder: relative, no "." or ".."
// component, no backslash or drive letter that another system could read as a path.
bool safeMemberName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')) || name.contains(QChar(0)))
        return false;
    for (const QString &part : name.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

} // namespace

void unpackCollection(const QString &path, const QString &folder)
{
    const QStringList members = collectionMembers(path);
    if (!members.contains(QStringLiteral("index.ini")))
        throw Error(QStringLiteral("Cannot read collection '%1': it has no index.ini").arg(path));
    // Refuse the whole archive before writing anything.
    for (const QString &member : members) {
        if (!safeMemberName(member))
            throw Error(QStringLiteral("Cannot unpack collection '%1': member '%2' would leave "
                                       "the target folder")
                            .arg(path, member));
    }
    QDir target(folder);
    if (!target.mkpath(QStringLiteral(".")))
        throw Error(QStringLiteral("Cannot create folder '%1'").arg(folder));
    for (const QString &member : members) {
        const QString file = target.filePath(member);
        if (!QDir().mkpath(QFileInfo(file).absolutePath()))
            throw Error(QStringLiteral("Cannot create folder for '%1'").arg(file));
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            throw Error(QStringLiteral("Cannot write '%1'").arg(file));
        out.write(readCollectionMember(path, member));
        if (!out.commit())
            throw Error(QStringLiteral("Cannot write '%1'").arg(file));
    }
}
