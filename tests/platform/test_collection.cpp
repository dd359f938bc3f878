#include "collection.h"
#include "error.h"
#include "storedzip.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

std::vector<ImageRecord> sampleImages()
{
    QImage a(64, 32, QImage::Format_ARGB32);
    a.fill(qRgba(10, 20, 30, 255));
    a.setPixel(5, 7, qRgba(200, 100, 50, 128));
    QImage b(3, 5, QImage::Format_ARGB32);
    b.fill(qRgb(255, 0, 255));
    return {{QStringLiteral("telo0"), a, 32, 32, false, 0},
            {QStringLiteral("Strela žltá"), b, 0, 0, true, qRgb(255, 0, 255)}};
}

QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Error &e) {
        return e.text();
    }
    return QStringLiteral("(no error)");
}

} // namespace

TEST(Collection, ImagesRoundTripKeepFieldsPixelsAndOrder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.zki"));
    const auto written = sampleImages();
    writeImageCollection(path, written);
    const auto read = readImageCollection(path);
    ASSERT_EQ(read.size(), written.size());
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].name, written[i].name);
        EXPECT_EQ(read[i].patternWidth, written[i].patternWidth);
        EXPECT_EQ(read[i].patternHeight, written[i].patternHeight);
        EXPECT_EQ(read[i].transparent, written[i].transparent);
        EXPECT_EQ(read[i].colorKey & 0xffffff, written[i].colorKey & 0xffffff);
        EXPECT_EQ(read[i].picture.convertToFormat(QImage::Format_ARGB32),
                  written[i].picture.convertToFormat(QImage::Format_ARGB32));
    }
}

TEST(Collection, SoundsRoundTripKeepFieldsAndData)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.zks"));
    std::vector<SoundRecord> written = {
        {QStringLiteral("fire"), sineWav(50), QStringLiteral("x.wav"), 80, -40, 11025, false, 3},
        {QStringLiteral("shield on"), sineWav(20), QStringLiteral("y.WAV"), 0, 100, 0, true, 0}};
    writeSoundCollection(path, written);
    const auto read = readSoundCollection(path);
    ASSERT_EQ(read.size(), 2u);
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].name, written[i].name);
        EXPECT_EQ(read[i].data, written[i].data);
        EXPECT_EQ(read[i].volume, written[i].volume);
        EXPECT_EQ(read[i].pan, written[i].pan);
        EXPECT_EQ(read[i].frequency, written[i].frequency);
        EXPECT_EQ(read[i].looped, written[i].looped);
        EXPECT_EQ(read[i].maxPlaying, written[i].maxPlaying);
        EXPECT_TRUE(read[i].fileName.endsWith(QLatin1String(".wav")));
    }
}

TEST(Collection, WritingIsDeterministic)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.zki"));
    const QString b = dir.filePath(QStringLiteral("b.zki"));
    writeImageCollection(a, sampleImages());
    // Two seconds apart: a clock time stamp would differ in the archive's DOS time.
    QThread::msleep(2100);
    writeImageCollection(b, sampleImages());
    EXPECT_EQ(readBytes(a), readBytes(b));
}

TEST(Collection, NamesThatWouldNotSurviveTheIndexAreRefused)
{
    QTemporaryDir dir;
    for (const QString &name : {QString(), QStringLiteral(" x"), QStringLiteral("a\nb")}) {
        auto records = sampleImages();
        records[1].name = name;
        EXPECT_TRUE(errorOf([&] {
                        writeImageCollection(dir.filePath(QStringLiteral("n.zki")), records);
                    }).contains(QLatin1String("[image2]")))
            << name.toStdString();
    }
}

// Each bad archive must give an error naming the file and, where there is one, the entry.
TEST(Collection, BadArchivesGiveClearErrors)
{
    QTemporaryDir dir;
    const QByteArray goodIndex = "[collection]\nkind=images\ncount=2\n"
                                 "[image1]\nname=a\nfile=a.png\n"
                                 "[image2]\nname=b\nfile=b.png\n";
    writeImageCollection(dir.filePath(QStringLiteral("valid.zki")), sampleImages());
    const QByteArray valid = readBytes(dir.filePath(QStringLiteral("valid.zki")));
    struct Case
    {
        const char *label;
        std::function<QByteArray()> archive;
        const char *expected; // a part of the text besides the file name
    };
    const Case cases[] = {
        {"plain text", [] { return QByteArray("[collection]\nkind=images\n"); },
         "not a collection archive"},
        {"empty file", [] { return QByteArray(); }, "not a collection archive"},
        {"truncated", [&] { return valid.left(valid.size() / 2); }, "not a collection archive"},
        {"damaged member data",
         [&] {
             // The directory is intact but a member's bytes no longer match their checksum.
             StoredZip z;
             z.add("index.ini", goodIndex);
             z.add("a.png", pngBytes(2, 2));
             z.add("b.png", pngBytes(2, 2));
             QByteArray b = z.bytes();
             const qsizetype at = b.lastIndexOf("IDAT");
             b[at + 6] = char(b[at + 6] ^ 0x5a);
             return b;
         },
         "entry [image2] 'b': member 'b.png' is damaged"},
        {"no index",
         [&] {
             StoredZip z;
             z.add("a.png", pngBytes(2, 2));
             return z.bytes();
         },
         "member 'index.ini' is missing"},
        {"sound index read as images",
         [&] {
             StoredZip z;
             z.add("index.ini", "[collection]\nkind=sounds\ncount=0\n");
             return z.bytes();
         },
         "not a collection of images"},
        {"missing member",
         [&] {
             StoredZip z;
             z.add("index.ini", goodIndex);
             z.add("a.png", pngBytes(2, 2));
             return z.bytes();
         },
         "entry [image2] 'b': member 'b.png' is missing"},
        {"picture that does not decode",
         [&] {
             StoredZip z;
             z.add("index.ini", goodIndex);
             z.add("a.png", pngBytes(2, 2));
             z.add("b.png", "\x89PNG\r\n\x1a\n garbage");
             return z.bytes();
         },
         "entry [image2] 'b': the picture does not decode"},
        {"picture wider than 8192",
         [&] {
             StoredZip z;
             z.add("index.ini", goodIndex);
             z.add("a.png", pngBytes(8193, 1));
             z.add("b.png", pngBytes(2, 2));
             return z.bytes();
         },
         "entry [image1] 'a': the picture is 8193 x 1, larger than 8192 x 8192"},
        {"index without name",
         [&] {
             StoredZip z;
             z.add("index.ini", "[collection]\nkind=images\ncount=1\n[image1]\nfile=a.png\n");
             z.add("a.png", pngBytes(2, 2));
             return z.bytes();
         },
         "entry [image1] has no name"},
        {"count beyond the sections",
         [&] {
             StoredZip z;
             z.add("index.ini",
                   "[collection]\nkind=images\ncount=2\n[image1]\nname=a\nfile=a.png\n");
             z.add("a.png", pngBytes(2, 2));
             return z.bytes();
         },
         "entry [image2] is missing"},
        {"bad count",
         [&] {
             StoredZip z;
             z.add("index.ini", "[collection]\nkind=images\ncount=2000000000\n");
             return z.bytes();
         },
         "no valid count"},
        {"bad number",
         [&] {
             StoredZip z;
             z.add("index.ini", "[collection]\nkind=images\ncount=1\n[image1]\nname=a\nfile=a.png\n"
                                "patternWidth=wide\n");
             z.add("a.png", pngBytes(2, 2));
             return z.bytes();
         },
         "patternWidth=wide"},
        {"member that claims 1 GiB",
         [&] {
             StoredZip z;
             z.add("index.ini", goodIndex, qint64(1) << 30);
             return z.bytes();
         },
         "'"},
    };
    for (const Case &c : cases) {
        const QString path = dir.filePath(QStringLiteral("bad.zki"));
        writeBytes(path, c.archive());
        QElapsedTimer timer;
        timer.start();
        const QString text = errorOf([&] { readImageCollection(path); });
        EXPECT_TRUE(text.contains(path)) << c.label << ": " << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String(c.expected)))
            << c.label << ": " << text.toStdString();
        EXPECT_LT(timer.elapsed(), 2000) << c.label;
    }
}

TEST(Collection, BadSoundsNameTheEntry)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.zks"));
    StoredZip z;
    z.add("index.ini", "[collection]\nkind=sounds\ncount=2\n[sound1]\nname=fire\nfile=a.wav\n"
                       "[sound2]\nname=gun\nfile=b.wav\n");
    z.add("a.wav", sineWav(10));
    z.add("b.wav", "RIFF but not really a wave");
    z.save(path);
    const QString text = errorOf([&] { readSoundCollection(path); });
    EXPECT_TRUE(text.contains(path)) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("entry [sound2] 'gun'"))) << text.toStdString();

    StoredZip range;
    range.add("index.ini", "[collection]\nkind=sounds\ncount=1\n[sound1]\nname=fire\nfile=a.wav\n"
                           "pan=-101\n");
    range.add("a.wav", sineWav(10));
    range.save(path);
    EXPECT_TRUE(errorOf([&] { readSoundCollection(path); }).contains(QLatin1String("pan=-101")));
}

TEST(Collection, FolderIndexMayLeaveOutKindAndCount)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("pics"));
    writeBytes(dir.filePath(QStringLiteral("pics/a.png")), pngBytes(4, 6));
    const QString index = dir.filePath(QStringLiteral("index.ini"));
    writeBytes(index,
               "; made by hand\n[IMAGE1]\nName = hrac\nfile=pics/a.png\n[image2]\nname=again\n"
               "file=pics/a.png\n[image4]\nname=skipped\nfile=pics/a.png\n");
    const auto records = readImageIndex(index);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, QStringLiteral("hrac"));
    EXPECT_EQ(records[0].picture.size(), QSize(4, 6));
    // The sections are image sections, so as sounds it holds nothing.
    EXPECT_TRUE(readSoundIndex(index).empty());
}
