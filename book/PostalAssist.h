#pragma once
// The postal-code dictionary at work on a page's code and address fields:
// a complete code fills an empty 住所1 (or offers its address when 住所1
// already holds text), and leaving 住所1 with no code offers the code. An
// offer is said in the page's status line and taken with F2 in the address
// or code fields; several candidates open a small list. Nothing the user
// typed is overwritten without that key.

#include <QObject>
#include <functional>
#include <vector>

#include "book/PostalDictionary.h"

class QLineEdit;
class QMenu;

namespace book {

class PostalDictionary;
class PostalDictionaryFile;

class PostalAssist : public QObject {
    Q_OBJECT
  public:
    struct Fields {
        QLineEdit* code3;  // the first three digits
        QLineEdit* code4;  // the last four
        QLineEdit* address1;
        QLineEdit* address2;
    };
    // `status` shows a line in the page's status display (`error` in the
    // error colour); `edited` tells the page that the record changed.
    PostalAssist(const Fields& fields, std::function<void(const QString&, bool error)> status,
                 std::function<void()> edited, QObject* parent);

    void setDictionary(PostalDictionaryFile* file) { file_ = file; }
    // Called with the dictionary's entries for an address just filled in.
    void setFilledHook(std::function<void(const std::vector<PostalPlace>&)> hook) {
        filled_ = std::move(hook);
    }

    // The list of candidates while it is open, for the tests.
    QMenu* choices() const { return choices_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const PostalDictionary* dictionary();
    void codeEdited();
    void addressLeft();
    bool takeOffer();
    void fillAddress(const QString& address);
    void fillCode(int code);
    void offerChoices(const QStringList& items, const std::function<void(int)>& take);
    void clearOffer();

    Fields f_;
    std::function<void(const QString&, bool)> status_;
    std::function<void()> edited_;
    PostalDictionaryFile* file_ = nullptr;
    QMenu* choices_ = nullptr;
    QStringList offeredAddresses_;
    std::vector<int> offeredCodes_;
    std::vector<PostalPlace> places_;  // of the code typed last
    std::function<void(const std::vector<PostalPlace>&)> filled_;
};

}  // namespace book
