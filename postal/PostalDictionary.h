#pragma once
// The postal-code dictionary (郵便番号辞書): from a code to its towns, and
// from an address to its codes. Works on the data file read whole into
// memory; nothing is copied out of it until asked for.

#include <QByteArray>
#include <QString>
#include <string_view>
#include <vector>

namespace book {

struct PostalPlace {
    int code = 0;
    QString prefecture, prefectureReading;
    QString municipality, municipalityReading;
    QString town;         // empty when the code stands for the whole municipality
    QString townReading;  // empty when the list has none
    // Set only for a code an office has of its own: the block numbers (and
    // building) after the town, and the office's name.
    QString street, office;

    QString address() const { return prefecture + municipality + town + street; }
};

class PostalDictionary {
  public:
    // Reads and checks a data file (a regular file, of a bounded size, whose
    // body inflates to no more than it says). On failure the dictionary stays empty
    // and `error` says why, in words for the user.
    bool load(const QString& path, QString* error = nullptr);
    bool loadData(const QByteArray& file, QString* error = nullptr);
    bool isLoaded() const { return !body_.isEmpty(); }

    QString source() const;
    QString date() const;

    // The towns of a seven-digit code, in the order of the list; none when
    // the code is unknown.
    std::vector<PostalPlace> lookup(int code) const;

    // The codes whose prefecture (which may be left out), municipality and
    // town begin `address`, best match first. Blanks, full- and half-width
    // forms, and whatever follows the town (丁目, block numbers) make no
    // difference. When no town matches, the codes for the whole
    // municipality. After these, the codes of offices whose town and street
    // begin the address.
    std::vector<int> find(const QString& address) const;

    // True when `address` begins with the prefecture (which may be left
    // out) and the municipality of one of the code's places.
    bool addressInArea(int code, const QString& address) const;

  private:
    struct Section {
        const char* at = nullptr;
        uint32_t count = 0;
    };
    uint32_t word(const Section& s, uint32_t record, int words, int field) const;
    uint32_t placeWord(uint32_t place, int field) const;
    std::string_view text(uint32_t ref) const;
    QString string(uint32_t ref) const;
    bool validate(QString* error);
    // A place's number, or a range's number + kRangeEntry.
    std::vector<uint32_t> entriesOf(int code) const;
    PostalPlace place(uint32_t index) const;
    PostalPlace rangePlace(int code, uint32_t range) const;
    std::string_view prefectureKey(uint32_t prefecture) const;

    QByteArray body_;
    Section prefectures_, municipalities_, townStart_, municipalityKeys_, places_, townIndex_,
        officeStart_, officeIndex_, ranges_;
    const char* pool_ = nullptr;
    uint32_t poolBytes_ = 0;
    uint32_t sourceRef_ = 0, dateRef_ = 0;
};

}  // namespace book
