#include "collection.h"
#include "error.h"
#include "sound.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Sounds long enough to be still playing while a test looks at them, plus a short one.
QString writeSounds(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("s.zks"));
    writeSoundCollection(
        path,
        {{QStringLiteral("fire"), sineWav(3000), QStringLiteral("a.wav"), 100, 0, 0, false, 0},
         {QStringLiteral("gun"), sineWav(3000), QStringLiteral("b.wav"), 50, -100, 44100, false, 2},
         {QStringLiteral("water"), sineWav(500), QStringLiteral("c.wav"), 100, 100, 0, true, 0},
         {QStringLiteral("click"), sineWav(20), QStringLiteral("d.wav"), 100, 0, 0, false, 0}});
    return path;
}

class SoundTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.loadFromFile(writeSounds(dir));
        list.setOnPlay([this](const QString &name) { requests << name; });
    }
    void start()
    {
        output.start();
        list.prepare(output);
        ASSERT_TRUE(list.isPrepared());
    }

    QTemporaryDir dir;
    SoundOutput output;
    WaveList list;
    QStringList requests;
};

} // namespace

TEST_F(SoundTest, BeforeStartPlayAndStopDoNothingButFindStillFails)
{
    ASSERT_EQ(list.count(), 4);
    list.prepare(output); // not started: nothing to prepare on
    EXPECT_FALSE(list.isPrepared());
    list.play(QStringLiteral("FIRE"));
    list.find(QStringLiteral("water"))->play();
    list.stop(QStringLiteral("fire"));
    EXPECT_EQ(list.find(QStringLiteral("fire"))->copies(), 0);
    EXPECT_EQ(list.find(QStringLiteral("water"))->copies(), 0);
    EXPECT_EQ(requests, (QStringList{QStringLiteral("fire"), QStringLiteral("water")}));
    try {
        list.play(QStringLiteral("slide"));
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Wave 'slide' not found"));
    }
}

TEST_F(SoundTest, EachPlayOfAPlayingEntryAddsACopy)
{
    start();
    const WavePtr fire = list.find(QStringLiteral("fire"));
    fire->play();
    fire->play();
    EXPECT_EQ(fire->copies(), 2);
    EXPECT_EQ(fire->playingCount(), 2);
    fire->play();
    EXPECT_EQ(fire->copies(), 3);
}

TEST_F(SoundTest, AtTheMaximumTheOldestCopyRestartsAndBecomesNewest)
{
    start();
    const WavePtr gun = list.find(QStringLiteral("gun"));
    gun->play();
    gun->play();
    ASSERT_EQ(gun->copies(), 2);
    const quint64 first = gun->copyStartSerial(0), second = gun->copyStartSerial(1);
    ASSERT_LT(first, second);
    gun->play();
    EXPECT_EQ(gun->copies(), 2);
    EXPECT_EQ(gun->copyStartSerial(0), second); // the younger copy is now the oldest
    EXPECT_GT(gun->copyStartSerial(1), second); // the oldest restarted at the end
    EXPECT_EQ(gun->playingCount(), 2);
}

TEST_F(SoundTest, AFinishedCopyIsReusedBeforeAddingOne)
{
    start();
    const WavePtr click = list.find(QStringLiteral("click"));
    click->play();
    for (int i = 0; i < 100 && click->playingCount() > 0; ++i)
        QThread::msleep(20);
    ASSERT_EQ(click->playingCount(), 0);
    click->play();
    EXPECT_EQ(click->copies(), 1);
    EXPECT_EQ(click->playingCount(), 1);
}

TEST_F(SoundTest, ALoopedEntryKeepsOneCopyAndStopEndsAll)
{
    start();
    const WavePtr water = list.find(QStringLiteral("water"));
    for (int i = 0; i < 3; ++i)
        water->play();
    EXPECT_EQ(water->copies(), 1);
    EXPECT_EQ(water->playingCount(), 1);
    // Still playing after its 0.5 s: it loops.
    QThread::msleep(700);
    EXPECT_EQ(water->playingCount(), 1);

    const WavePtr fire = list.find(QStringLiteral("fire"));
    fire->play();
    fire->play();
    list.stop(QStringLiteral("fire"));
    water->stop();
    EXPECT_EQ(fire->playingCount(), 0);
    EXPECT_EQ(fire->copies(), 2);
    EXPECT_EQ(water->playingCount(), 0);
}

TEST_F(SoundTest, ReloadingAPreparedListPreparesTheNewEntries)
{
    start();
    const WavePtr old = list.find(QStringLiteral("fire"));
    old->play();
    list.loadFromFile(writeSounds(dir));
    EXPECT_FALSE(old->isPrepared()); // an entry no longer in the list falls silent
    EXPECT_EQ(old->playingCount(), 0);
    const WavePtr fresh = list.find(QStringLiteral("fire"));
    EXPECT_TRUE(fresh->isPrepared());
    fresh->play();
    EXPECT_EQ(fresh->playingCount(), 1);
}

TEST_F(SoundTest, StoppingTheOutputReleasesItsLists)
{
    start();
    const WavePtr fire = list.find(QStringLiteral("fire"));
    fire->play();
    output.stop();
    EXPECT_FALSE(list.isPrepared());
    EXPECT_FALSE(fire->isPrepared());
    fire->play(); // silent again, and safe
    EXPECT_EQ(fire->copies(), 0);
    start();
    fire->play();
    EXPECT_EQ(fire->playingCount(), 1);
}

TEST(Sound, FailedLoadLeavesTheListUnchanged)
{
    QTemporaryDir dir;
    WaveList list;
    list.loadFromFile(writeSounds(dir));
    const QString bad = dir.filePath(QStringLiteral("bad.zks"));
    writeSoundCollection(
        bad, {{QStringLiteral("fire"), sineWav(10), QStringLiteral("a.wav")},
              {QStringLiteral("gun"), QByteArray("RIFF....WAVEjunk"), QStringLiteral("b.wav")}});
    try {
        list.loadFromFile(bad);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().contains(bad)) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(QLatin1String("gun"))) << e.text().toStdString();
    }
    EXPECT_EQ(list.count(), 4);
}

namespace {

// Runs one disabled test of this program in a child process with the given sound drivers.
int runChild(const char *test, const QString &drivers, const QString &conf = QString())
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ALSOFT_DRIVERS"), drivers);
    if (!conf.isEmpty())
        env.insert(QStringLiteral("ALSOFT_CONF"), conf);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Sound.") + QLatin1String(test),
                 QStringLiteral("--gtest_also_run_disabled_tests")});
    if (!child.waitForFinished(30000))
        return -1;
    // A filter that matches nothing also exits with 0.
    if (!child.readAllStandardOutput().contains("[  PASSED  ] 1 test."))
        return -2;
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

} // namespace

TEST(Sound, DISABLED_StartWithoutDevice)
{
    SoundOutput output;
    try {
        output.start();
        FAIL() << "started";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().contains(QLatin1String("no sound device"))) << e.text().toStdString();
    }
    EXPECT_FALSE(output.isStarted());
}

TEST(Sound, StartingWithoutADeviceFailsWithAClearText)
{
    // A driver list naming no real backend leaves OpenAL without any device.
    EXPECT_EQ(runChild("DISABLED_StartWithoutDevice", QStringLiteral("nosuchdriver")), 0);
}

// Run in a child process (below): OpenAL reads its configuration once per process, and the
// other tests run with the null driver.
TEST(Sound, DISABLED_PlayIntoWaveWriter)
{
    QTemporaryDir dir;
    WaveList list;
    list.loadFromFile(writeSounds(dir));
    SoundOutput output;
    output.start();
    list.prepare(output);
    list.play(QStringLiteral("fire"));
    list.play(QStringLiteral("gun"));
    QThread::msleep(400);
    output.stop();
}

TEST(Sound, WaveWriterRecordsWhatIsPlayed)
{
    QTemporaryDir dir;
    const QString wave = dir.filePath(QStringLiteral("out.wav"));
    const QString conf = dir.filePath(QStringLiteral("alsoft.conf"));
    QFile f(conf);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[general]\ndrivers=wave\n[wave]\nfile=" + wave.toUtf8() + "\n");
    f.close();

    // The test entry point picks the null driver when none is named.
    ASSERT_EQ(runChild("DISABLED_PlayIntoWaveWriter", QStringLiteral("wave"), conf), 0);

    QFile out(wave);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray bytes = out.readAll();
    ASSERT_GT(bytes.size(), 44 + 1000);
    ASSERT_TRUE(bytes.startsWith("RIFF"));
    // Whatever the sample format, a silent file holds only zero bytes (or 0x80 for 8-bit).
    const qsizetype data = bytes.indexOf("data") + 8;
    ASSERT_GT(data, 8);
    int loud = 0;
    for (qsizetype i = data; i < bytes.size(); ++i)
        loud += (bytes[i] != 0 && quint8(bytes[i]) != 0x80) ? 1 : 0;
    EXPECT_GT(loud, (bytes.size() - data) / 4);
}
