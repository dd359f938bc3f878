#pragma once

#include <QString>
#include <QStringList>

// What the settings window shows of an environment: its name and six lines of information.
struct EnvironmentInfo
{
    QString name;
    QStringList lines; // exactly six
};

// Reads the header of an environment file. A file that does not exist reads as all defaults;
// one that exists but cannot be read throws Error.
EnvironmentInfo readEnvironmentInfo(const QString &path);

// The panel of an environment whose header gives nothing: its file name and the defaults.
EnvironmentInfo defaultEnvironmentInfo(const QString &path);
