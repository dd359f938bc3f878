#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

// Collection files: ZIP archives holding an index.ini and one member per entry.
//
// .zki: [collection] kind=images, count=N; [image1] ... [imageN] with name, file (PNG member),
//       patternWidth, patternHeight (0 = one pattern), transparent (0/1), colorKey (#RRGGBB).
// .zks: [collection] kind=sounds, count=N; [sound1] ... [soundN] with name, file (WAV, FLAC or
//       Ogg member), volume (0..100), pan (-100..100), frequency (Hz, 0 = the data's own rate),
//       looped (0/1), maxPlaying (0 = no limit).
//
// Readers throw Error naming the file (and the entry where there is one) for anything that is
// not such an archive, a missing member, a picture that does not decode or is larger than
// 8192 x 8192, a sound whose format is not recognised, and members over 64 MiB. Member names are
// only looked up in the archive, never used as paths.

struct ImageRecord
{
    QString name;
    QImage picture;
    int patternWidth = 0, patternHeight = 0; // 0 = the whole picture is one pattern
    bool transparent = false;                // draw with colorKey see-through
    QRgb colorKey = 0;
};

struct SoundRecord
{
    QString name;
    QByteArray data;  // the encoded member as stored
    QString fileName; // member name with extension .wav/.flac/.ogg
    int volume = 100, pan = 0, frequency = 0;
    bool looped = false;
    int maxPlaying = 0; // 0 = no limit
};

namespace collection {
constexpr int maxPictureSide = 8192;
constexpr qint64 maxMemberSize = 64 * 1024 * 1024;
constexpr qint64 maxTotalSize = 512 * 1024 * 1024; // all members of one collection together
constexpr int maxEntries = 100000;
} // namespace collection

std::vector<ImageRecord> readImageCollection(const QString &path);
std::vector<SoundRecord> readSoundCollection(const QString &path);

// The source of a new collection: an index file with the same sections, whose file keys name
// files relative to the index's folder. The kind and the count may be left out (the entries are
// then the consecutive sections image1, image2 ... or sound1 ...). Checked like a collection.
std::vector<ImageRecord> readImageIndex(const QString &indexPath);
std::vector<SoundRecord> readSoundIndex(const QString &indexPath);

// Writing is deterministic: the same records give the same bytes (fixed member order, fixed
// timestamps), so generated collections are identical on every build. Pictures are stored as
// PNG members "image1.png" ...; sounds as "sound1.<ext>" with the extension of fileName.
void writeImageCollection(const QString &path, const std::vector<ImageRecord> &records);
void writeSoundCollection(const QString &path, const std::vector<SoundRecord> &records);

// "images" or "sounds" from the archive's index; throws Error when it is not a collection.
QString collectionKind(const QString &path);

// A raw view of an archive for tools: every member name in archive order, and one member's bytes
// (size-limited like the readers).
QStringList collectionMembers(const QString &path);
QByteArray readCollectionMember(const QString &path, const QString &member);
