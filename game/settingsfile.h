#pragma once

#include "options.h"
#include "skills.h"

#include <QString>
#include <array>

class IniFile;

struct PlayerSettings
{
    QString name;
    std::array<QString, 3> weapons; // the texts the three weapon lists show
    QString image;                  // path of the image collection
    QString sound;                  // path of the sound collection
    Skills skills;
};

// Everything zarkul.ini keeps: what the settings window shows between runs.
struct Settings
{
    std::array<PlayerSettings, 2> players;
    Options options;
    QString env; // path of the environment file
};

// The settings of a first run (no zarkul.ini): the default files in the program folder, which
// ends with a separator.
Settings firstRunSettings(const QString &programDir);

// Reads an existing settings file. Missing keys (and numbers or booleans that are no numbers)
// take the read defaults: bare file names, "Strela", skills 10 and every option on.
Settings readSettings(const IniFile &ini);

// Writes every key, in the order a fresh file gets them. Each write reaches the disk.
void writeSettings(IniFile &ini, const Settings &settings);

// The path of the settings file in the program folder.
QString settingsPath(const QString &programDir);
