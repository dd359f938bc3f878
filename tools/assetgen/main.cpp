// Writes the default collections and arena into the program folder, so that a fresh build is
// playable: blue.zki, green.zki, sound.zks, zem.zki, zem.zks, zem.env, and a second arena veza.env.
// Every picture and sound is generated here; the output is the same, byte for byte, on every run.
#include "arena.h"
#include "art_arena.h"
#include "art_player.h"
#include "error.h"
#include "sounds.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    try {
        if (!QDir().mkpath(dir.path()))
            throw Error(QString("Cannot create folder %1").arg(dir.path()));
        writeImageCollection(dir.filePath("blue.zki"), playerImages(blueTeam()));
        writeImageCollection(dir.filePath("green.zki"), playerImages(greenTeam()));
        writeSoundCollection(dir.filePath("sound.zks"), playerSounds());
        writeImageCollection(dir.filePath("zem.zki"), arenaImages());
        writeSoundCollection(dir.filePath("zem.zks"), arenaSounds());
        const Arena arena = courtyard();
        writeEnvironment(dir.filePath("zem.env"), arena.header, arena.objects);
        const Arena small = watchtower();
        writeEnvironment(dir.filePath("veza.env"), small.header, small.objects);
    } catch (const Error &e) {
        std::fprintf(stderr, "assetgen: %s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
