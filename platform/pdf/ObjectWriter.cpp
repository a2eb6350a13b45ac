#include "platform/pdf/ObjectWriter.h"

#include <QIODevice>
#include <cstdio>

#include "platform/pdf/PdfSyntax.h"

namespace platform::pdf {
namespace {
constexpr size_t kFlushAt = 1 << 18;
}

ObjectWriter::ObjectWriter(QIODevice& device) : device_(device) {
    // A binary comment tells transfer programs the file is not text.
    put("%PDF-1.6\n%\xE2\xE3\xCF\xD3\n");
}

int ObjectWriter::reserve() {
    offsets_.push_back(-1);
    return int(offsets_.size() - 1);
}

void ObjectWriter::begin(int id) {
    offsets_[size_t(id)] = offset_ + (long long)buffer_.size();
    std::string head;
    appendInt(head, id);
    head += " 0 obj\n";
    put(head);
}

void ObjectWriter::object(int id, std::string_view body) {
    begin(id);
    put(body);
    put("\nendobj\n");
}

void ObjectWriter::stream(int id, std::string_view dictionary, std::string_view data) {
    begin(id);
    std::string head = "<<";
    head += dictionary;
    head += " /Length ";
    appendInt(head, (long long)data.size());
    head += ">>\nstream\n";
    put(head);
    put(data);
    put("\nendstream\nendobj\n");
}

void ObjectWriter::finish(int catalog, int info) {
    flush();
    const std::string id = digest_.result().toHex().toUpper().toStdString();
    digested_ = true;
    const long long xref = offset_;
    std::string s = "xref\n0 ";
    appendInt(s, (long long)offsets_.size());
    s += "\n0000000000 65535 f \n";
    char line[32];
    for (size_t i = 1; i < offsets_.size(); ++i) {
        // A number reserved but never written would make a broken file.
        if (offsets_[i] < 0) {
            failed_ = true;
            error_ = QStringLiteral("PDF のオブジェクト %1 が書かれていません。").arg(i);
            return;
        }
        std::snprintf(line, sizeof line, "%010lld 00000 n \n", offsets_[i]);
        s.append(line, 20);
    }
    s += "trailer\n<</Size ";
    appendInt(s, (long long)offsets_.size());
    s += " /Root ";
    appendInt(s, catalog);
    s += " 0 R /Info ";
    appendInt(s, info);
    s += " 0 R /ID [<" + id + "> <" + id + ">]>>\nstartxref\n";
    appendInt(s, xref);
    s += "\n%%EOF\n";
    put(s);
    flush();
}

void ObjectWriter::put(std::string_view s) {
    buffer_.append(s);
    if (buffer_.size() >= kFlushAt) flush();
}

void ObjectWriter::flush() {
    if (!digested_) digest_.addData(QByteArrayView(buffer_.data(), qsizetype(buffer_.size())));
    if (buffer_.empty() || failed_) {
        offset_ += (long long)buffer_.size();
        buffer_.clear();
        return;
    }
    // Written until every byte is out: a full disk first shows as a short
    // write, which carries no reason; the next write fails with the
    // system's (ENOSPC), which is what the user needs to read.
    for (size_t done = 0; done < buffer_.size();) {
        const qint64 n = device_.write(buffer_.data() + done, qint64(buffer_.size() - done));
        if (n <= 0) {
            failed_ = true;
            error_ = device_.errorString();
            break;
        }
        done += size_t(n);
    }
    offset_ += (long long)buffer_.size();
    buffer_.clear();
}

}  // namespace platform::pdf
