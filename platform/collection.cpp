#include "collection.h"

#include "error.h"
#include "sounddecode.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>
#include <QStringList>
#include <memory>
#include <zip.h>

namespace {

QString fail(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot read collection '%1': %2").arg(path, reason);
}

// Where the index and the members come from: an archive, or a folder when making one.
class MemberSource
{
public:
    virtual ~MemberSource() = default;
    virtual QByteArray read(const QString &member, const QString &entry) = 0;
};

QString entryPrefix(const QString &entry)
{
    return entry.isEmpty() ? QString() : entry + QStringLiteral(": ");
}

// An open archive, read-only, closed on every way out.
class ZipReader : public MemberSource
{
public:
    explicit ZipReader(const QString &path) : path_(path)
    {
        int code = 0;
        archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
        if (!archive_) {
            zip_error_t error;
            zip_error_init_with_code(&error, code);
            const QString reason = code == ZIP_ER_NOENT || code == ZIP_ER_OPEN
                                       ? QStringLiteral("the file cannot be opened")
                                       : QStringLiteral("not a collection archive (%1)")
                                             .arg(QString::fromUtf8(zip_error_strerror(&error)));
            zip_error_fini(&error);
            throw Error(fail(path, reason));
        }
    }
    ~ZipReader() { zip_discard(archive_); }
    ZipReader(const ZipReader &) = delete;
    ZipReader &operator=(const ZipReader &) = delete;

    QStringList members() const
    {
        QStringList names;
        const zip_int64_t n = zip_get_num_entries(archive_, 0);
        for (zip_int64_t i = 0; i < n; ++i) {
            const char *name = zip_get_name(archive_, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
            names << (name ? QString::fromUtf8(name) : QString());
        }
        return names;
    }

    // The member's bytes, checked against the size limits and the stored checksum.
    QByteArray read(const QString &member, const QString &entry) override
    {
        const QString where = entryPrefix(entry);
        const QByteArray name = member.toUtf8();
        const zip_int64_t index = zip_name_locate(archive_, name.constData(), ZIP_FL_ENC_UTF_8);
        if (index < 0)
            throw Error(fail(path_, where + QStringLiteral("member '%1' is missing").arg(member)));
        zip_stat_t st;
        if (zip_stat_index(archive_, zip_uint64_t(index), 0, &st) != 0 ||
            !(st.valid & ZIP_STAT_SIZE))
            throw Error(fail(path_, where + QStringLiteral("member '%1' is damaged").arg(member)));
        if (st.size > zip_uint64_t(collection::maxMemberSize) ||
            total_ + qint64(st.size) > collection::maxTotalSize)
            throw Error(
                fail(path_, where + QStringLiteral("member '%1' is too large").arg(member)));
        std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(
            zip_fopen_index(archive_, zip_uint64_t(index), 0), &zip_fclose);
        if (!file)
            throw Error(
                fail(path_, where + QStringLiteral("member '%1' cannot be read (%2)")
                                        .arg(member, QString::fromUtf8(zip_strerror(archive_)))));
        QByteArray data(qsizetype(st.size), Qt::Uninitialized);
        qint64 done = 0;
        while (done < qint64(st.size)) {
            const zip_int64_t got =
                zip_fread(file.get(), data.data() + done, zip_uint64_t(qint64(st.size) - done));
            if (got <= 0)
                break;
            done += got;
        }
        char extra;
        // Reading past the end also makes libzip verify the checksum.
        const bool intact = done == qint64(st.size) && zip_fread(file.get(), &extra, 1) == 0;
        if (!intact)
            throw Error(fail(
                path_, where + QStringLiteral("member '%1' is damaged (%2)")
                                   .arg(member, QString::fromUtf8(zip_file_strerror(file.get())))));
        total_ += done;
        return data;
    }

private:
    QString path_;
    zip_t *archive_ = nullptr;
    qint64 total_ = 0;
};

// The index file and the member files of a folder, named relative to the index's folder.
class FolderReader : public MemberSource
{
public:
    explicit FolderReader(const QString &indexPath)
        : path_(indexPath), folder_(QFileInfo(indexPath).absoluteDir())
    {
    }

    QByteArray read(const QString &member, const QString &entry) override
    {
        const QString where = entryPrefix(entry);
        const QString file =
            member.isEmpty() ? path_ : folder_.filePath(QDir::fromNativeSeparators(member));
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            throw Error(
                fail(path_, where + QStringLiteral("file '%1' cannot be opened").arg(file)));
        if (f.size() > collection::maxMemberSize || total_ + f.size() > collection::maxTotalSize)
            throw Error(fail(path_, where + QStringLiteral("file '%1' is too large").arg(file)));
        QByteArray data = f.read(collection::maxMemberSize + 1);
        if (data.size() > collection::maxMemberSize)
            throw Error(fail(path_, where + QStringLiteral("file '%1' is too large").arg(file)));
        total_ += data.size();
        return data;
    }

private:
    QString path_;
    QDir folder_;
    qint64 total_ = 0;
};

// The collection's index: sections and keys matched without regard to case, value after the
// first '=' trimmed. Our own small reader, because the index lives inside the archive.
class Index
{
public:
    explicit Index(const QByteArray &text)
    {
        QString current;
        for (QString line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
            line = line.trimmed();
            if (line.startsWith(QChar(0xfeff)))
                line = line.mid(1).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
                continue;
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
                current = line.mid(1, line.size() - 2).trimmed().toLower();
                continue;
            }
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq <= 0)
                continue;
            const QString key = line.left(eq).trimmed().toLower();
            auto &values = sections_[current];
            if (!values.contains(key))
                values.insert(key, line.mid(eq + 1).trimmed());
        }
    }

    bool has(const QString &section) const { return sections_.contains(section.toLower()); }
    QString value(const QString &section, const QString &key) const
    {
        return sections_.value(section.toLower()).value(key.toLower());
    }

private:
    QHash<QString, QHash<QString, QString>> sections_;
};

// Reads the entry fields of one collection kind with their errors.
class EntryReader
{
public:
    EntryReader(const QString &path, const Index &index, const QString &section)
        : path_(path), index_(index), section_(section)
    {
    }

    QString where() const { return QStringLiteral("entry [%1]").arg(section_); }
    QString text(const char *key) const { return index_.value(section_, QLatin1String(key)); }

    QString required(const char *key) const
    {
        const QString v = text(key);
        if (v.isEmpty())
            throw Error(
                fail(path_, where() + QStringLiteral(" has no %1").arg(QLatin1String(key))));
        return v;
    }

    int integer(const char *key, int def, int low, int high) const
    {
        const QString v = text(key);
        if (v.isEmpty())
            return def;
        bool ok = false;
        const int n = v.toInt(&ok);
        if (!ok || n < low || n > high)
            throw Error(
                fail(path_, where() + QStringLiteral(": %1=%2 is not a number from %3 to %4")
                                          .arg(QLatin1String(key), v)
                                          .arg(low)
                                          .arg(high)));
        return n;
    }

    QRgb color(const char *key) const
    {
        const QString v = text(key);
        if (v.isEmpty())
            return 0;
        bool ok = false;
        const uint n =
            v.startsWith(QLatin1Char('#')) && v.size() == 7 ? v.mid(1).toUInt(&ok, 16) : 0;
        if (!ok)
            throw Error(fail(path_, where() + QStringLiteral(": %1=%2 is not a colour #RRGGBB")
                                                  .arg(QLatin1String(key), v)));
        return qRgb(int(n >> 16) & 0xff, int(n >> 8) & 0xff, int(n) & 0xff);
    }

private:
    const QString &path_;
    const Index &index_;
    QString section_;
};

// Reads the index and checks the kind; returns the entry count. A folder's index (the source
// of a new collection) may leave out the kind and the count: its entries are then the
// sections image1, image2 ... (or sound1 ...) up to the first one missing.
int openIndex(MemberSource &source, bool inArchive, const QString &path, const char *kind,
              std::unique_ptr<Index> &out)
{
    out = std::make_unique<Index>(
        source.read(inArchive ? QStringLiteral("index.ini") : QString(), QString()));
    const QString collection = QStringLiteral("collection");
    const QString kindText = out->value(collection, QStringLiteral("kind")).toLower();
    if (kindText != QLatin1String(kind) && (inArchive || !kindText.isEmpty()))
        throw Error(fail(path, QStringLiteral("not a collection of %1").arg(QLatin1String(kind))));
    const QString countText = out->value(collection, QStringLiteral("count"));
    if (countText.isEmpty() && !inArchive) {
        const QString prefix = QLatin1String(kind).chopped(1);
        int count = 0;
        while (count < collection::maxEntries && out->has(prefix + QString::number(count + 1)))
            ++count;
        return count;
    }
    bool ok = false;
    const int count = countText.toInt(&ok);
    if (!ok || count < 0 || count > collection::maxEntries)
        throw Error(fail(path, QStringLiteral("the index has no valid count")));
    return count;
}

QImage decodePicture(const QByteArray &data, const QString &path, const QString &where)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid())
        throw Error(fail(path, where + QStringLiteral(": the picture does not decode")));
    if (size.width() > collection::maxPictureSide || size.height() > collection::maxPictureSide)
        throw Error(
            fail(path, where + QStringLiteral(": the picture is %1 x %2, larger than %3 x %3")
                                   .arg(size.width())
                                   .arg(size.height())
                                   .arg(collection::maxPictureSide)));
    // A picture of the largest allowed size needs 256 MiB; the default limit is lower.
    QImageReader::setAllocationLimit(320);
    QImage picture;
    if (!reader.read(&picture) || picture.isNull() ||
        picture.width() > collection::maxPictureSide ||
        picture.height() > collection::maxPictureSide)
        throw Error(fail(path, where + QStringLiteral(": the picture does not decode (%1)")
                                           .arg(reader.errorString())));
    return picture;
}

// Names and values go into an index line: they must come back the same.
QString checkedName(const QString &name, const QString &section)
{
    if (name.trimmed().isEmpty())
        throw Error(QStringLiteral("Cannot write collection: entry [%1] has no name").arg(section));
    if (name != name.trimmed() || name.contains(QLatin1Char('\n')) ||
        name.contains(QLatin1Char('\r')))
        throw Error(QStringLiteral("Cannot write collection: the name of entry [%1] has leading or "
                                   "trailing blanks or a line break")
                        .arg(section));
    return name;
}

// Writes the members in the given order with a fixed time stamp, replacing the file only once
// everything is written.
void writeArchive(const QString &path, const std::vector<std::pair<QString, QByteArray>> &members)
{
    int code = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    auto failure = [&](const QString &reason) {
        return Error(QStringLiteral("Cannot write collection '%1': %2").arg(path, reason));
    };
    if (!archive)
        throw failure(QStringLiteral("the file cannot be created"));
    for (const auto &[name, data] : members) {
        zip_source_t *source =
            zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        const zip_int64_t index =
            source ? zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8)
                   : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            const QString reason = QString::fromUtf8(zip_strerror(archive));
            zip_discard(archive);
            throw failure(reason);
        }
        // 1 January 2000, 00:00, as a DOS date: no local time zone involved.
        constexpr zip_uint16_t dosDate = ((2000 - 1980) << 9) | (1 << 5) | 1;
        zip_file_set_dostime(archive, zip_uint64_t(index), 0, dosDate, 0);
        // PNG, FLAC and Ogg are compressed already: storing them saves an inflate on every load.
        const bool packed = name.endsWith(QLatin1String(".png")) ||
                            name.endsWith(QLatin1String(".flac")) ||
                            name.endsWith(QLatin1String(".ogg"));
        zip_set_file_compression(archive, zip_uint64_t(index),
                                 packed ? ZIP_CM_STORE : ZIP_CM_DEFLATE, packed ? 0 : 9);
    }
    if (zip_close(archive) != 0) {
        const QString reason = QString::fromUtf8(zip_strerror(archive));
        zip_discard(archive);
        throw failure(reason);
    }
}

QString boolText(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

std::vector<ImageRecord> readImages(MemberSource &zip, bool inArchive, const QString &path)
{
    std::unique_ptr<Index> index;
    const int count = openIndex(zip, inArchive, path, "images", index);
    std::vector<ImageRecord> records;
    qint64 pixels = 0;
    for (int i = 1; i <= count; ++i) {
        const QString section = QStringLiteral("image%1").arg(i);
        EntryReader entry(path, *index, section);
        if (!index->has(section))
            throw Error(fail(path, entry.where() + QStringLiteral(" is missing")));
        ImageRecord r;
        r.name = entry.required("name");
        const QString where = entry.where() + QStringLiteral(" '%1'").arg(r.name);
        const QString file = entry.required("file");
        r.patternWidth = entry.integer("patternWidth", 0, 0, collection::maxPictureSide);
        r.patternHeight = entry.integer("patternHeight", 0, 0, collection::maxPictureSide);
        r.transparent = entry.integer("transparent", 0, 0, 1) != 0;
        r.colorKey = entry.color("colorKey");
        r.picture = decodePicture(zip.read(file, where), path, where);
        // Every picture is held three times once drawn: keep a whole collection bounded.
        pixels += qint64(r.picture.width()) * r.picture.height();
        if (pixels > 2 * qint64(collection::maxPictureSide) * collection::maxPictureSide)
            throw Error(
                fail(path, where + QStringLiteral(": the pictures are too large together")));
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<SoundRecord> readSounds(MemberSource &zip, bool inArchive, const QString &path)
{
    std::unique_ptr<Index> index;
    const int count = openIndex(zip, inArchive, path, "sounds", index);
    std::vector<SoundRecord> records;
    for (int i = 1; i <= count; ++i) {
        const QString section = QStringLiteral("sound%1").arg(i);
        EntryReader entry(path, *index, section);
        if (!index->has(section))
            throw Error(fail(path, entry.where() + QStringLiteral(" is missing")));
        SoundRecord r;
        r.name = entry.required("name");
        const QString where = entry.where() + QStringLiteral(" '%1'").arg(r.name);
        r.fileName = entry.required("file");
        r.volume = entry.integer("volume", 100, 0, 100);
        r.pan = entry.integer("pan", 0, -100, 100);
        r.frequency = entry.integer("frequency", 0, 0, 384000);
        r.looped = entry.integer("looped", 0, 0, 1) != 0;
        r.maxPlaying = entry.integer("maxPlaying", 0, 0, 256);
        r.data = zip.read(r.fileName, where);
        if (const QString problem = probeSound(r.data); !problem.isEmpty())
            throw Error(fail(path, where + QStringLiteral(": ") + problem));
        records.push_back(std::move(r));
    }
    return records;
}

} // namespace

std::vector<ImageRecord> readImageCollection(const QString &path)
{
    ZipReader zip(path);
    return readImages(zip, true, path);
}

std::vector<SoundRecord> readSoundCollection(const QString &path)
{
    ZipReader zip(path);
    return readSounds(zip, true, path);
}

std::vector<ImageRecord> readImageIndex(const QString &indexPath)
{
    FolderReader folder(indexPath);
    return readImages(folder, false, indexPath);
}

std::vector<SoundRecord> readSoundIndex(const QString &indexPath)
{
    FolderReader folder(indexPath);
    return readSounds(folder, false, indexPath);
}

void writeImageCollection(const QString &path, const std::vector<ImageRecord> &records)
{
    QString text = QStringLiteral("[collection]\nkind=images\ncount=%1\n").arg(records.size());
    std::vector<std::pair<QString, QByteArray>> members;
    members.emplace_back(QStringLiteral("index.ini"), QByteArray());
    for (size_t i = 0; i < records.size(); ++i) {
        const ImageRecord &r = records[i];
        const QString section = QStringLiteral("image%1").arg(i + 1);
        const QString file = section + QStringLiteral(".png");
        text += QStringLiteral("\n[%1]\nname=%2\nfile=%3\npatternWidth=%4\npatternHeight=%5\n"
                               "transparent=%6\ncolorKey=#%7\n")
                    .arg(section, checkedName(r.name, section), file)
                    .arg(r.patternWidth)
                    .arg(r.patternHeight)
                    .arg(boolText(r.transparent))
                    .arg(r.colorKey & 0xffffff, 6, 16, QLatin1Char('0'));
        if (r.picture.isNull() || r.picture.width() > collection::maxPictureSide ||
            r.picture.height() > collection::maxPictureSide)
            throw Error(QStringLiteral("Cannot write collection '%1': entry [%2] '%3' has no "
                                       "picture or one larger than %4 x %4")
                            .arg(path, section, r.name)
                            .arg(collection::maxPictureSide));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(r.picture))
            throw Error(QStringLiteral("Cannot write collection '%1': entry [%2] '%3': %4")
                            .arg(path, section, r.name, writer.errorString()));
        members.emplace_back(file, png);
    }
    members.front().second = text.toUtf8();
    writeArchive(path, members);
}

void writeSoundCollection(const QString &path, const std::vector<SoundRecord> &records)
{
    QString text = QStringLiteral("[collection]\nkind=sounds\ncount=%1\n").arg(records.size());
    std::vector<std::pair<QString, QByteArray>> members;
    members.emplace_back(QStringLiteral("index.ini"), QByteArray());
    for (size_t i = 0; i < records.size(); ++i) {
        const SoundRecord &r = records[i];
        const QString section = QStringLiteral("sound%1").arg(i + 1);
        QString suffix = QFileInfo(r.fileName).suffix().toLower();
        if (suffix.isEmpty())
            suffix = QStringLiteral("wav");
        const QString file = section + QLatin1Char('.') + suffix;
        text += QStringLiteral("\n[%1]\nname=%2\nfile=%3\nvolume=%4\npan=%5\nfrequency=%6\n"
                               "looped=%7\nmaxPlaying=%8\n")
                    .arg(section, checkedName(r.name, section), file)
                    .arg(r.volume)
                    .arg(r.pan)
                    .arg(r.frequency)
                    .arg(boolText(r.looped))
                    .arg(r.maxPlaying);
        if (r.data.size() > collection::maxMemberSize)
            throw Error(QStringLiteral("Cannot write collection '%1': entry [%2] '%3' is larger "
                                       "than 64 MiB")
                            .arg(path, section, r.name));
        members.emplace_back(file, r.data);
    }
    members.front().second = text.toUtf8();
    writeArchive(path, members);
}

QString collectionKind(const QString &path)
{
    ZipReader zip(path);
    const Index index(zip.read(QStringLiteral("index.ini"), QString()));
    const QString kind =
        index.value(QStringLiteral("collection"), QStringLiteral("kind")).toLower();
    if (kind != QLatin1String("images") && kind != QLatin1String("sounds"))
        throw Error(fail(path, QStringLiteral("the index names no kind of collection")));
    return kind;
}

QStringList collectionMembers(const QString &path)
{
    return ZipReader(path).members();
}

QByteArray readCollectionMember(const QString &path, const QString &member)
{
    ZipReader zip(path);
    return zip.read(member, QString());
}
