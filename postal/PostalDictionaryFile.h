#pragma once
// The program's one postal-code dictionary, read from its file on first use
// so that starting the program never waits for it. When the file is missing
// or damaged the dictionary is off, and the reason is told once.

#include <QString>

#include "postal/PostalDictionary.h"

namespace book {

class PostalDictionaryFile {
  public:
    explicit PostalDictionaryFile(QString path) : path_(std::move(path)) {}

    // The file the program ships: resources/postal-codes.bin.
    static QString defaultPath();

    // The dictionary, read now if it was not yet; null when it cannot be read.
    const PostalDictionary* get();
    // Why the dictionary is off, the first time it is asked; empty after that
    // and while it works.
    QString takeFailure();

  private:
    QString path_;
    PostalDictionary dictionary_;
    bool tried_ = false;
    bool failureTold_ = false;
    QString failure_;
};

}  // namespace book
