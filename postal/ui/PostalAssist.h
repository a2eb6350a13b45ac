#pragma once
// The postal-code dictionary at work on a page's code and address fields:
// a code typed whole fills an empty 住所1 (or offers its address when 住所1
// already holds text), and leaving 住所1 with no code offers the code. An
// offer is said in the page's status line and taken with F2 in the address
// or code fields; several candidates open a small list. Nothing the user
// typed is overwritten without that key.

#include <QObject>
#include <functional>
#include <vector>

#include "postal/PostalDictionary.h"

class QLineEdit;
class QWidget;

namespace book {

class PostalChoiceList;
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
    // error colour); an empty line takes back the helper's last one, which
    // no longer holds. `edited` tells the page that the record changed.
    PostalAssist(const Fields& fields, std::function<void(const QString&, bool error)> status,
                 std::function<void()> edited, QObject* parent);

    void setDictionary(PostalDictionaryFile* file) { file_ = file; }
    // Called with the dictionary's entries for an address just filled in.
    void setFilledHook(std::function<void(const std::vector<PostalPlace>&)> hook) {
        filled_ = std::move(hook);
    }

    // The list of candidates while it is open, for the tests.
    PostalChoiceList* choices() const { return choices_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const PostalDictionary* dictionary();
    void codeEntered();
    void codeTyped(int box, const QString& text);
    void codeChanged(int box, const QString& text);
    void codeEdited();
    void addressLeft();
    bool takeOffer();
    void offerPlaces(const std::vector<PostalPlace>& places);
    void applyCandidate(const PostalPlace& place);
    void settleInAddress();
    void fillCode(int code);
    void openChoices(const QStringList& items, const std::function<void(int)>& take);
    void say(const QString& text, bool error);
    void clearOffer();

    Fields f_;
    std::function<void(const QString&, bool)> status_;
    std::function<void()> edited_;
    PostalDictionaryFile* file_ = nullptr;
    PostalChoiceList* choices_ = nullptr;
    std::vector<PostalPlace> offeredPlaces_;
    std::vector<int> offeredCodes_;
    QString said_;
    // Per code box: every digit in it was typed (or pasted) since the user
    // came to the code, so a lookup never mixes new digits with old ones.
    bool typedWhole_[2] = {true, true};
    bool keyStartsAfresh_[2] = {false, false};
    QString lastTyped_[2];
    QString changedTo_[2];
    bool wholeBefore_[2] = {true, true};
    std::vector<PostalPlace> places_;  // of the code typed last
    std::function<void(const std::vector<PostalPlace>&)> filled_;
};

}  // namespace book
