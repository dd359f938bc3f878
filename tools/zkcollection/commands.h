#pragma once

#include <QString>
#include <QTextStream>

// The commands of zkcollection. Each throws Error on failure; output goes to out.
void makeCollection(const QString &indexPath, const QString &outPath);
void listCollection(const QString &path, QTextStream &out);
void unpackCollection(const QString &path, const QString &folder);

// True when the path names an image collection (.zki), false for a sound collection (.zks);
// throws Error for any other extension.
bool isImageCollectionName(const QString &path);
