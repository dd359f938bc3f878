#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// An INI file with private-profile rules: sections and keys match without regard to case, a value
// is the rest of its line after the first '=' with blanks trimmed (at most 2047 characters), and a
// section exists only while it holds a key. Lines that are neither a section nor a key (and
// lines starting with ';') are ignored but kept when the file is rewritten. Text is Windows-1250
// on disk (a file saved as valid UTF-8 with non-ASCII letters is read as UTF-8, a UTF-8 BOM is
// skipped) and UTF-8 in the program. LF and CRLF both read; new files get CRLF.
//
// The file is read once when the object is made; a missing file reads as empty. In the default
// mode every write goes straight to disk: existing keys keep their place, a new key is added at
// the end of its section, a new section at the end of the file, and the whole file is replaced
// atomically (temporary file, then rename). In Deferred mode writes only change the content held
// in memory until save() writes it once (for writers of hundreds of keys).
class IniFile
{
public:
    enum class Mode { Immediate, Deferred };
    // How the object starts: from the file on disk, or empty (the file is replaced on save).
    enum class Start { Load, Empty };

    static constexpr int maxValueLength = 2047;
    // Files larger than this are refused rather than read into memory.
    static constexpr qint64 maxFileSize = 8 * 1024 * 1024;

    // Throws Error when the file exists but cannot be read or is larger than maxFileSize.
    explicit IniFile(const QString &path, Mode mode = Mode::Immediate, Start start = Start::Load);

    const QString &path() const { return path_; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal, or hexadecimal with '$', or with 0x/0X when the value is longer than two
    // characters (an optional sign may come first). An absent, empty or non-integer value, or one
    // outside the 32-bit range, reads as the default.
    int readInteger(const QString &section, const QString &key, int def) const;
    // The same rules, for keys whose default is not a number (such as a picture's own size).
    std::optional<int> readOptionalInteger(const QString &section, const QString &key) const;
    // An integer; any value but 0 is true.
    bool readBool(const QString &section, const QString &key, bool def) const;
    bool sectionExists(const QString &section) const;
    bool keyExists(const QString &section, const QString &key) const;
    // The keys of a section in file order, as spelt in the file (for tools and tests).
    QStringList keys(const QString &section) const;
    // The sections that hold at least one key, in file order.
    QStringList sections() const;

    // Line breaks in a value are written as spaces: nothing may start a line of its own.
    // Characters Windows-1250 lacks are written as their base letter when they have one
    // (ñ -> n), else as '?'. In Immediate mode throws Error when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value); // "1" / "0"

    // Writes the whole content to the file atomically. Throws Error when it cannot.
    void save() const;
    // The bytes save() writes.
    QByteArray toBytes() const;

private:
    struct Entry
    {
        QString key;
        QString value;
        int line; // index into lines_
    };
    struct Section
    {
        QString name;
        int headerLine;
        std::vector<Entry> entries;
        QHash<QString, int> index; // case-folded key -> entry
    };

    void parse(const QByteArray &bytes);
    void addLine(const QString &line);
    const Section *findSection(const QString &name) const;
    const Entry *findEntry(const QString &section, const QString &key) const;
    void insertLine(int at, const QString &text);

    QString path_;
    Mode mode_;
    bool crlf_ = true;
    std::vector<QString> lines_;
    std::vector<Section> sections_;
    QHash<QString, int> sectionIndex_; // case-folded name -> section
    int current_ = -1;                 // section being parsed
};
