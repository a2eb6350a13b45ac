#pragma once
// The file structure of a PDF: numbered objects written one after another to
// a device as they are made, their offsets kept for the cross-reference
// table at the end. Nothing but the offsets stays in memory.

#include <QCryptographicHash>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QIODevice;

namespace platform::pdf {

class ObjectWriter {
  public:
    explicit ObjectWriter(QIODevice& device);

    // A number for an object that is written later.
    int reserve();
    // Writes object `id` with the given body (a dictionary, array, ...).
    void object(int id, std::string_view body);
    // Writes object `id` as a stream; `dictionary` holds the entries besides
    // /Length, without the angle brackets. The data is written as given.
    void stream(int id, std::string_view dictionary, std::string_view data);
    // Cross-reference table and trailer, whose /ID is a digest of all that
    // came before, so that equal files carry equal IDs; then flushes.
    void finish(int catalog, int info);

    bool failed() const { return failed_; }
    QString error() const { return error_; }

  private:
    void put(std::string_view s);
    void flush();
    void begin(int id);

    QIODevice& device_;
    std::string buffer_;
    long long offset_ = 0;
    std::vector<long long> offsets_{0};  // by object number; 0 is the free head
    QCryptographicHash digest_{QCryptographicHash::Md5};
    bool digested_ = false;
    bool failed_ = false;
    QString error_;
};

}  // namespace platform::pdf
