#include "collection.h"
#include "error.h"
#include "images.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ImageRecord record(const char *name, int w, int h, int pw = 0, int ph = 0)
{
    QImage picture(w, h, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    return {QString::fromUtf8(name), picture, pw, ph, false, 0};
}

class ImageListTest : public ::testing::Test
{
protected:
    QString write(const char *file, const std::vector<ImageRecord> &records)
    {
        const QString path = dir.filePath(QString::fromUtf8(file));
        writeImageCollection(path, records);
        return path;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ImageListTest, LoadsInOrderAndFindsIgnoringCase)
{
    ImageList list;
    list.loadFromFile(write("a.zki", {record("strela0", 8, 8), record("Telo0", 16, 4)}));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.entry(0)->name(), QStringLiteral("strela0"));
    EXPECT_EQ(list.entry(1)->name(), QStringLiteral("Telo0"));
    EXPECT_EQ(list.find(QStringLiteral("STRELA0")), list.entry(0));
    EXPECT_EQ(list.find(QStringLiteral("telo0")), list.entry(1));
    EXPECT_EQ(list.tryFind(QStringLiteral("strela")), nullptr);
    try {
        list.find(QStringLiteral("doraz"));
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Image 'doraz' not found"));
    }
}

// The size a sprite takes from its image: the pattern size where positive, else the picture's.
TEST_F(ImageListTest, EntrySizeFollowsPatternThenPicture)
{
    ImageList list;
    list.loadFromFile(write("a.zki", {record("both", 64, 32, 32, 16), record("none", 20, 10),
                                      record("width only", 64, 32, 16, 0)}));
    const struct
    {
        int width, height, patterns;
    } expected[] = {{32, 16, 4}, {20, 10, 1}, {16, 32, 4}};
    for (int i = 0; i < list.count(); ++i) {
        EXPECT_EQ(list.entry(i)->width(), expected[i].width) << i;
        EXPECT_EQ(list.entry(i)->height(), expected[i].height) << i;
        EXPECT_EQ(list.entry(i)->patternCount(), expected[i].patterns) << i;
    }
}

TEST_F(ImageListTest, ReloadReplacesContentsButKeepsHeldEntriesAlive)
{
    ImageList list;
    list.loadFromFile(write("a.zki", {record("a", 8, 8), record("b", 8, 8)}));
    const ImagePtr held = list.find(QStringLiteral("a"));
    list.loadFromFile(write("b.zki", {record("c", 4, 4)}));
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.tryFind(QStringLiteral("a")), nullptr);
    // The sprite that showed "a" still draws it.
    EXPECT_EQ(held->name(), QStringLiteral("a"));
    EXPECT_EQ(held->picture().size(), QSize(8, 8));
    EXPECT_EQ(held->picture().pixel(3, 3), QColor(Qt::blue).rgba());
}

TEST_F(ImageListTest, FailedLoadLeavesTheListUnchanged)
{
    ImageList list;
    list.loadFromFile(write("a.zki", {record("a", 8, 8)}));
    const ImagePtr before = list.entry(0);
    const QString bad = dir.filePath(QStringLiteral("bad.zki"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not an archive");
    f.close();
    EXPECT_THROW(list.loadFromFile(bad), Error);
    EXPECT_THROW(list.loadFromFile(dir.filePath(QStringLiteral("missing.zki"))), Error);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0), before);
}

TEST_F(ImageListTest, AppendedEntriesAreFound)
{
    ImageList list;
    QImage picture(5, 5, QImage::Format_ARGB32);
    picture.fill(Qt::green);
    list.append(std::make_shared<const ImageEntry>(QStringLiteral("Backgr"), picture));
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.find(QStringLiteral("backgr"))->width(), 5);
}
