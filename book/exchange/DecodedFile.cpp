#include "book/exchange/DecodedFile.h"

#include <utility>

namespace book {

DecodedFile::DecodedFile(QByteArray bytes)
    : bytes_(std::move(bytes)), encoding_(detectTextEncoding(bytes_)) {}

const QString& DecodedFile::text() const {
    if (!text_) text_ = decodeText(bytes_, encoding_);
    return *text_;
}

QString DecodedFile::textIn(TextEncoding encoding) const {
    return encoding == encoding_ ? text() : decodeText(bytes_, encoding);
}

}  // namespace book
