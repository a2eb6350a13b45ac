#include "postal/PostalDictionaryFile.h"

#include "platform/files/AppPaths.h"

namespace book {

QString PostalDictionaryFile::defaultPath() {
    return platform::AppPaths::resourcePath(QStringLiteral("postal-codes.bin"));
}

const PostalDictionary* PostalDictionaryFile::get() {
    if (!tried_) {
        tried_ = true;
        if (!dictionary_.load(path_, &failure_))
            failure_ += QStringLiteral(" 郵便番号の自動入力は使えません。");
    }
    return dictionary_.isLoaded() ? &dictionary_ : nullptr;
}

QString PostalDictionaryFile::takeFailure() {
    get();
    if (failure_.isEmpty() || failureTold_) return QString();
    failureTold_ = true;
    return failure_;
}

}  // namespace book
