#pragma once

// A program folder for the settings window: small default collections, an environment and
// scripted dialogs, in a temporary folder that is also the working folder.
#include "collection.h"
#include "dialogs.h"
#include "gamestate.h"
#include "ini.h"
#include "tmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>

// A short mono 16-bit PCM WAV of silence.
inline QByteArray silentWav()
{
    const auto u32 = [](quint32 v) {
        char c[4];
        qToLittleEndian(v, c);
        return QByteArray(c, 4);
    };
    const auto u16 = [](quint16 v) {
        char c[2];
        qToLittleEndian(v, c);
        return QByteArray(c, 2);
    };
    const QByteArray data(400, '\0');
    return "RIFF" + u32(36 + data.size()) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(8000) +
           u32(16000) + u16(2) + u16(16) + "data" + u32(data.size()) + data;
}

// An image collection whose "telo0" is a w x h picture of one colour.
inline void writePlayerImages(const QString &path, QColor colour, int w = 20, int h = 12)
{
    QImage body(w, h, QImage::Format_ARGB32);
    body.fill(colour);
    writeImageCollection(path, {ImageRecord{QStringLiteral("telo0"), body}});
}

inline void writeSounds(const QString &path, const QString &name = QStringLiteral("shot"))
{
    SoundRecord r;
    r.name = name;
    r.data = silentWav();
    r.fileName = QStringLiteral("a.wav");
    writeSoundCollection(path, {r});
}

inline void writeText(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class SettingsWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        programDir = dir.path() + QLatin1Char('/');
        previousCurrent = QDir::currentPath();
        QDir::setCurrent(dir.path());
        writePlayerImages(file("blue.zki"), Qt::blue);
        writePlayerImages(file("green.zki"), Qt::green, 30, 16);
        writeSounds(file("sound.zks"));
        writeText(file("zem.env"), "[ZK3 enviroment]\nname=Zem\nversion=1.0\ncreator=Autor\n"
                                   "source=zem.zki\nsound=zem.zks\ntext=Prvá\\nDruhá\n");
    }
    void TearDown() override
    {
        window.reset();
        QDir::setCurrent(previousCurrent);
    }

    QString file(const char *name) const { return programDir + QLatin1String(name); }
    void writeIni(const QByteArray &bytes) { writeText(file("zarkul.ini"), bytes); }

    Tmain &start()
    {
        window = std::make_unique<Tmain>(state, programDir);
        window->setAttribute(Qt::WA_QuitOnClose, false);
        return *window;
    }
    // Closes the window the way the user does, which writes the settings file.
    void closeWindow()
    {
        window->close();
        window.reset();
    }

    QTemporaryDir dir;
    QString programDir;
    QString previousCurrent;
    ScriptedDialogs answers;
    DialogsOverride installed{answers};
    GameState state;
    std::unique_ptr<Tmain> window;
};
