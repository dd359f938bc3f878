#pragma once

// A match folder made in the test: complete player collections, an environment with its
// collections, and a host that records what setup and the loop ask of the window.
#include "collection.h"
#include "gameloop.h"
#include "gamestate.h"
#include "matchsetup.h"
#include "settingsfile.h"
#include "testfiles.h"
#include "workingfolder.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace matchfixture {

// A mono 16-bit PCM WAV of silence.
inline QByteArray wav()
{
    return silentWav(100);
}

inline QImage picture(int w, int h, QColor colour)
{
    QImage p(w, h, QImage::Format_ARGB32);
    p.fill(colour);
    return p;
}

// Files in a temporary folder that is also the working folder, as in the game.
class MatchFolder
{
public:
    QString path(const QString &name) const { return dir_.filePath(name); }

    // A player collection holding every name the game needs but those left out.
    void writePlayerImages(const QString &name, QColor colour, const QStringList &without = {})
    {
        std::vector<ImageRecord> records;
        for (const QString &n : matchsetup::requiredImageNames())
            if (!without.contains(n))
                records.push_back({n, picture(n.startsWith("telo") ? 24 : 8, 16, colour)});
        writeImageCollection(path(name), records);
    }
    void writePlayerSounds(const QString &name, const QStringList &without = {})
    {
        std::vector<SoundRecord> records;
        for (const QString &n : matchsetup::requiredSoundNames())
            if (!without.contains(n))
                records.push_back({n, wav(), QStringLiteral("a.wav")});
        writeSoundCollection(path(name), records);
    }
    // The environment's collections: a 64 x 48 grey "back" (or the given name) and the pictures
    // setup and a match look up, less those left out.
    void writeEnvironmentCollections(const QStringList &without = {},
                                     const QString &backName = QStringLiteral("back"))
    {
        std::vector<ImageRecord> records{{backName, picture(64, 48, QColor(100, 150, 200))}};
        for (const char *n : {"Blabel", "doraz", "drbod", "dead", "splash"})
            if (!without.contains(QLatin1String(n)))
                records.push_back({QLatin1String(n), picture(40, 20, Qt::red)});
        writeImageCollection(path("arena.zki"), records);
        writeSoundCollection(path("arena.zks"), {{QStringLiteral("boom"), wav(), "a.wav"}});
    }
    void writeEnvironment(const QByteArray &header)
    {
        writeBytes(path("arena.env"), "[ZK3 enviroment]\n" + header);
    }

    // Everything a plain match needs, and settings that use it.
    void writeAll()
    {
        writePlayerImages("blue.zki", Qt::blue);
        writePlayerImages("green.zki", Qt::green);
        writePlayerSounds("p1.zks");
        writePlayerSounds("p2.zks");
        writeEnvironmentCollections();
        writeEnvironment("source=arena.zki\nsound=arena.zks\nback=back\n");
    }
    Settings settings() const
    {
        Settings s;
        s.players[0] = {"Modrý", {"Strela", "Mina", "Duch"}, "blue.zki", "p1.zks", {}};
        s.players[1] = {"Zelený", {"Strela", "Strela", "Strela"}, "green.zki", "p2.zks", {}};
        s.env = QStringLiteral("arena.env");
        s.options.snd = true;
        return s;
    }
    // What the settings window loads at start-up.
    static void loadPlayers(GameState &gs, const Settings &s)
    {
        gs.pllist1.loadFromFile(s.players[0].image);
        gs.pllist2.loadFromFile(s.players[1].image);
        gs.WaveList1.loadFromFile(s.players[0].sound);
        gs.WaveList2.loadFromFile(s.players[1].sound);
    }

private:
    WorkingFolder dir_;
};

// Records every request; draws nowhere but the back buffer.
class RecordingHost : public MatchHost
{
public:
    void showProgress(const QString &text) override { progress << text; }
    void hideProgress() override { calls << "hideProgress"; }
    void wait(int ms) override { waits << ms; }
    void failed(const QString &message) override { messages << message; }
    QImage grabScreen() override
    {
        calls << "grabScreen";
        return picture(50, 40, Qt::yellow);
    }
    void enterMatchMode() override { calls << "enterMatchMode"; }
    bool playsSound() const override { return false; }
    void startDrawing() override
    {
        calls << "startDrawing";
        drawing = true;
    }
    bool readyToDraw() const override { return drawing; }
    void present() override { ++presented; }
    int frameRate() const override { return 60; }
    void stopTimer() override { calls << "stopTimer"; }
    void leaveMatchMode() override
    {
        calls << "leaveMatchMode";
        drawing = false;
    }

    QStringList progress, messages, calls;
    QList<int> waits;
    bool drawing = false;
    int presented = 0;
};

} // namespace matchfixture
