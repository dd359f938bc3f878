#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A temporary folder that is the working folder while this lives, as the program folder is when
// the game starts; the previous working folder comes back before the folder is removed.
class WorkingFolder
{
public:
    WorkingFolder() : previous_(QDir::currentPath())
    {
        EXPECT_TRUE(dir_.isValid());
        QDir::setCurrent(dir_.path());
    }
    ~WorkingFolder() { QDir::setCurrent(previous_); }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString filePath(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};
