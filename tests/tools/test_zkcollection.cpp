#include "storedzip.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Result
{
    int exitCode = -1;
    QString out, err;
};

Result run(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ZKCOLLECTION), args);
    Result r;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// Writes the file, making its folder first, as a user building a source folder would.
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeBytes(path, bytes);
}

class Zkcollection : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    // A folder with an index and its member files, as a user would make it.
    void imageSource()
    {
        writeFile(path("src/red.png"), pngBytes(64, 32, Qt::red));
        writeFile(path("src/key.png"), pngBytes(5, 7, QColor(255, 0, 255)));
        writeFile(path("src/index.ini"), "[collection]\nkind=images\n"
                                         "[image1]\nname=telo0\nfile=red.png\n"
                                         "patternWidth=32\npatternHeight=32\n"
                                         "[image2]\nname=Strela0\nfile=key.png\ntransparent=1\n"
                                         "colorKey=#FF00FF\n");
    }
    void soundSource()
    {
        writeFile(path("snd/a.wav"), sineWav(100));
        writeFile(path("snd/b.wav"), sineWav(30, 11025));
        writeFile(path("snd/index.ini"), "[sound1]\nname=fire\nfile=a.wav\nvolume=80\npan=-50\n"
                                         "[sound2]\nname=water\nfile=b.wav\nlooped=1\n"
                                         "frequency=22050\nmaxPlaying=3\n");
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(Zkcollection, ImagesMakeListUnpackAndMakeAgain)
{
    imageSource();
    ASSERT_EQ(run({"make", path("src/index.ini"), path("a.zki")}).exitCode, 0);
    const Result list = run({"list", path("a.zki")});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_EQ(list.out,
              QStringLiteral("1\tname=telo0\tsize=64x32\tpatternWidth=32\tpatternHeight=32"
                             "\ttransparent=0\tcolorKey=#000000\n"
                             "2\tname=Strela0\tsize=5x7\tpatternWidth=0\tpatternHeight=0"
                             "\ttransparent=1\tcolorKey=#ff00ff\n"));
    // What unpack gives back is itself a source that makes the same bytes.
    ASSERT_EQ(run({"unpack", path("a.zki"), path("out")}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(path("out/image1.png")));
    ASSERT_EQ(run({"make", path("out/index.ini"), path("b.zki")}).exitCode, 0);
    EXPECT_EQ(readBytes(path("a.zki")), readBytes(path("b.zki")));
}

TEST_F(Zkcollection, SoundsMakeAndList)
{
    soundSource();
    const Result make = run({"make", path("snd/index.ini"), path("s.zks")});
    ASSERT_EQ(make.exitCode, 0) << make.err.toStdString();
    const Result list = run({"list", path("s.zks")});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    const QString bytesA = QString::number(sineWav(100).size());
    const QString bytesB = QString::number(sineWav(30, 11025).size());
    EXPECT_EQ(list.out,
              QStringLiteral("1\tname=fire\tfile=sound1.wav\tbytes=%1\tvolume=80\tpan=-50\t"
                             "frequency=0\tlooped=0\tmaxPlaying=0\n"
                             "2\tname=water\tfile=sound2.wav\tbytes=%2\tvolume=100\tpan=0\t"
                             "frequency=22050\tlooped=1\tmaxPlaying=3\n")
                  .arg(bytesA, bytesB));
    ASSERT_EQ(run({"unpack", path("s.zks"), path("out")}).exitCode, 0);
    EXPECT_EQ(readBytes(path("out/sound1.wav")), sineWav(100));
}

// Every bad input: exit status 1 and a message naming the file and, where there is one, the
// entry.
TEST_F(Zkcollection, BadInputsFailWithTheFileAndEntry)
{
    imageSource();
    ASSERT_EQ(run({"make", path("src/index.ini"), path("good.zki")}).exitCode, 0);
    const QByteArray good = readBytes(path("good.zki"));
    const QByteArray index = "[image1]\nname=a\nfile=a.png\n[image2]\nname=b\nfile=b.png\n";
    struct Case
    {
        const char *label;
        std::function<void(const QString &folder)> prepare; // writes folder/index.ini or x.zki
        const char *command;                                // make or list
        const char *expected;
    } cases[] = {
        {"not a collection", [](const QString &f) { writeFile(f + "/x.zki", "hello"); }, "list",
         "not a collection archive"},
        {"truncated archive",
         [&](const QString &f) { writeFile(f + "/x.zki", good.left(good.size() - 30)); }, "list",
         "not a collection archive"},
        {"missing member in an archive",
         [&](const QString &f) {
             StoredZip z;
             z.add("index.ini", "[collection]\nkind=images\ncount=2\n" + index);
             z.add("a.png", pngBytes(2, 2, Qt::red));
             z.save(f + "/x.zki");
         },
         "list", "entry [image2] 'b': member 'b.png' is missing"},
        {"missing member file",
         [&](const QString &f) {
             writeFile(f + "/index.ini", index);
             writeFile(f + "/a.png", pngBytes(2, 2, Qt::red));
         },
         "make", "entry [image2] 'b': file"},
        {"picture that does not decode",
         [&](const QString &f) {
             writeFile(f + "/index.ini", index);
             writeFile(f + "/a.png", "not a picture");
             writeFile(f + "/b.png", pngBytes(2, 2, Qt::red));
         },
         "make", "entry [image1] 'a': the picture does not decode"},
        {"picture larger than 8192 x 8192",
         [&](const QString &f) {
             writeFile(f + "/index.ini", index);
             writeFile(f + "/a.png", pngBytes(2, 2, Qt::red));
             writeFile(f + "/b.png", pngBytes(1, 8193, Qt::red));
         },
         "make", "entry [image2] 'b': the picture is 1 x 8193"},
        {"index without name",
         [&](const QString &f) {
             writeFile(f + "/index.ini", "[image1]\nfile=a.png\n");
             writeFile(f + "/a.png", pngBytes(2, 2, Qt::red));
         },
         "make", "entry [image1] has no name"},
    };
    int n = 0;
    for (const Case &c : cases) {
        const QString folder = dir.filePath(QStringLiteral("case%1").arg(++n));
        QDir().mkpath(folder);
        c.prepare(folder);
        const bool make = QByteArray(c.command) == "make";
        const QString input = folder + (make ? "/index.ini" : "/x.zki");
        const Result r = make ? run({"make", input, folder + "/out.zki"}) : run({"list", input});
        EXPECT_EQ(r.exitCode, 1) << c.label;
        EXPECT_TRUE(r.err.contains(input)) << c.label << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String(c.expected)))
            << c.label << ": " << r.err.toStdString();
        if (make) {
            EXPECT_FALSE(QFile::exists(folder + "/out.zki")) << c.label;
        }
    }
    EXPECT_EQ(run({"make", path("src/index.ini"), path("a.zip")}).exitCode, 1);
    EXPECT_EQ(run({"list"}).exitCode, 2);
}

TEST_F(Zkcollection, UnpackRefusesNamesThatLeaveTheFolder)
{
    for (const char *name :
         {"../evil.txt", "/tmp/evil.txt", "a/../../evil.txt", "..\\evil.txt", "C:evil.txt"}) {
        StoredZip z;
        z.add("index.ini", "[collection]\nkind=images\ncount=0\n");
        z.add(name, "bad");
        z.save(path("x.zki"));
        const Result r = run({"unpack", path("x.zki"), path("target/inner")});
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_TRUE(r.err.contains(QLatin1String("would leave the target folder"))) << name;
        EXPECT_FALSE(QFile::exists(path("target/evil.txt"))) << name;
        EXPECT_FALSE(QFile::exists(path("target/inner/index.ini"))) << name;
    }
}

TEST_F(Zkcollection, SheetShowsEveryPictureAtOneOrFourTimes)
{
    imageSource();
    ASSERT_EQ(run({"make", path("src/index.ini"), path("a.zki")}).exitCode, 0);
    const Result plain = run({"sheet", path("a.zki"), path("sheet.png")});
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    const Result zoomed = run({"sheet", path("a.zki"), path("zoom.png"), "--zoom"});
    ASSERT_EQ(zoomed.exitCode, 0) << zoomed.err.toStdString();
    const QImage sheet(path("sheet.png")), zoom(path("zoom.png"));
    ASSERT_FALSE(sheet.isNull());
    ASSERT_FALSE(zoom.isNull());
    // The first picture sits at the top-left margin: red over its whole 64 x 32 (or 256 x 128).
    EXPECT_EQ(sheet.pixel(8, 8), QColor(Qt::red).rgba());
    EXPECT_EQ(sheet.pixel(8 + 63, 8 + 31), QColor(Qt::red).rgba());
    EXPECT_EQ(zoom.pixel(8 + 255, 8 + 127), QColor(Qt::red).rgba());
    EXPECT_GT(zoom.width(), sheet.width());
    // The colour-keyed picture shows the checkerboard, not magenta.
    bool magenta = false;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            magenta |= sheet.pixel(x, y) == qRgb(255, 0, 255);
    EXPECT_FALSE(magenta);
    EXPECT_EQ(run({"sheet", path("src/index.ini"), path("bad.png")}).exitCode, 1);
}
