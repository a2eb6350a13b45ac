#pragma once
// A Windows-style initialisation file in CP932: "[Section]" lines and
// "key=value" lines. Section and key names match without regard to case.
//
// The whole file is held in memory as its lines, so a program can read every
// value, set many, and write the file once. Lines this program does not know
// (other sections, other keys, comments) are written back unchanged and in
// their place; new keys go after the last key of their section, new sections
// at the end, both in the order they were set. Saving replaces the file
// atomically, so a failed write leaves the old file as it was.

#include <QByteArray>
#include <QString>
#include <vector>

namespace platform {

struct ProfileResult {
    bool ok = true;
    QString reason;  // the system's reason when !ok
};

class ProfileFile {
  public:
    // A text value is read as at most this many CP932 bytes, cut before a
    // character that would not fit whole.
    static constexpr int kMaxTextBytes = 2047;
    // Settings files are a few kilobytes; a larger one is refused unread.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

    explicit ProfileFile(QString path);
    const QString& path() const { return path_; }

    // Reads the file. A file that does not exist reads as empty and is not an
    // error. One that cannot be read leaves the profile empty, and save() then
    // refuses to replace it, so its unread contents are not lost.
    ProfileResult load();

    // The value with blanks around it and one pair of enclosing quotes
    // (" or ') removed, or `fallback` when the section or key is missing.
    QString readText(const QString& section, const QString& key, const QString& fallback) const;

    // A decimal integer with an optional minus sign, or hexadecimal after
    // "0x", "0X" or "$". A missing key, or a value that is anything else or
    // does not fit an int, gives `fallback`.
    int readInt(const QString& section, const QString& key, int fallback) const;

    // Sets a value in memory; save() writes it. A line break in a text would
    // start a new line of the file, so it is written as a blank instead.
    // Characters with no CP932 form are written as '?'.
    void writeText(const QString& section, const QString& key, const QString& value);
    void writeInt(const QString& section, const QString& key, int value);

    // The file as save() writes it (CR LF line ends).
    QByteArray contents() const;

    // Replaces the file through a temporary file in the same folder.
    ProfileResult save() const;

    // The message a failed save shows: "<path> に書き込めません".
    static QString cannotWriteMessage(const QString& path);

  private:
    struct Line {
        enum Kind { Other, Section, Entry };
        Kind kind = Other;
        QByteArray raw;    // the line without its line end
        QString name;      // section name or key, blanks removed
        QByteArray value;  // for entries: the bytes after '=' as they stand
    };

    static Line parseLine(const QByteArray& raw);
    int findSection(const QString& section) const;             // index of the header, or -1
    int findEntry(int sectionLine, const QString& key) const;  // index of the entry, or -1
    const QByteArray* rawValue(const QString& section, const QString& key) const;

    QString path_;
    std::vector<Line> lines_;
    QString loadFailure_;  // why the existing file could not be read
};

}  // namespace platform
