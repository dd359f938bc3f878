#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// An INI file with private-profile rules: sections and keys match without regard to case, a value
// is the rest of its line after the first '=' with blanks trimmed (at most 2047 characters), and a
// section exists only while it holds a key. Text is Windows-1250 on disk (a file saved as valid
// UTF-8 is read as UTF-8) and UTF-8 in the program.
//
// The file is read once when the object is made. Every write goes straight to disk: existing
// keys keep their place, a new key is added at the end of its section, a new section at the end
// of the file, and the whole file is replaced atomically (temporary file, then rename).
class IniFile
{
public:
    explicit IniFile(const QString &path);

    const QString &path() const { return path_; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal, or hexadecimal with '$', or with 0x/0X when the value is longer than two
    // characters. An absent, empty or non-integer value reads as the default.
    int readInteger(const QString &section, const QString &key, int def) const;
    // An integer; any value but 0 is true.
    bool readBool(const QString &section, const QString &key, bool def) const;
    bool sectionExists(const QString &section) const;
    // The keys of a section in file order (for tools and tests).
    QStringList keys(const QString &section) const;
    QStringList sections() const;

    // Throws Error when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value); // "1" / "0"

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        std::vector<Entry> entries;
    };

    const Section *findSection(const QString &name) const;
    const Entry *findEntry(const QString &section, const QString &key) const;
    void load();
    void save() const;

    QString path_;
    std::vector<Section> sections_;
};
