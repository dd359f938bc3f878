#pragma once

// A program folder for the settings window: small default collections, an environment and
// scripted dialogs, in a temporary folder that is also the working folder.
#include "collection.h"
#include "dialogs.h"
#include "gamestate.h"
#include "ini.h"
#include "testfiles.h"
#include "tmain.h"
#include "workingfolder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

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
    r.data = silentWav(200);
    r.fileName = QStringLiteral("a.wav");
    writeSoundCollection(path, {r});
}

class SettingsWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        programDir = dir.path() + QLatin1Char('/');
        writePlayerImages(file("blue.zki"), Qt::blue);
        writePlayerImages(file("green.zki"), Qt::green, 30, 16);
        writeSounds(file("sound.zks"));
        writeBytes(file("zem.env"), "[ZK3 enviroment]\nname=Zem\nversion=1.0\ncreator=Autor\n"
                                    "source=zem.zki\nsound=zem.zks\ntext=Prvá\\nDruhá\n");
    }
    void TearDown() override { window.reset(); }

    QString file(const char *name) const { return programDir + QLatin1String(name); }
    void writeIni(const QByteArray &bytes) { writeBytes(file("zarkul.ini"), bytes); }

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

    WorkingFolder dir;
    QString programDir;
    ScriptedDialogs answers;
    DialogsOverride installed{answers};
    GameState state;
    std::unique_ptr<Tmain> window;
};
