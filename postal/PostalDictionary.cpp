#include "postal/PostalDictionary.h"

#include <libdeflate.h>

#include <QtEndian>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>

#include "platform/files/BoundedRead.h"
#include "postal/PostalFileLayout.h"
#include "postal/PostalKey.h"

namespace book {

using namespace postalfile;

namespace {

constexpr uint32_t kAnyPrefecture = UINT32_MAX;
// Marks a range's number among the places' numbers entriesOf gives.
constexpr uint32_t kRangeEntry = 0x80000000u;

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::memcmp(text.data(), prefix.data(), prefix.size()) == 0;
}

// Ends of the characters of a UTF-8 text after `from`, shortest first.
template <typename Visit>
void forEachCharacterEnd(std::string_view text, size_t from, Visit visit) {
    for (size_t end = from + 1; end <= text.size(); ++end)
        if (end == text.size() || (uchar(text[end]) & 0xC0) != 0x80)
            if (!visit(end)) return;
}

QString damaged(const QString& what) {
    return QStringLiteral("郵便番号辞書が壊れています（%1）。").arg(what);
}

}  // namespace

bool PostalDictionary::load(const QString& path, QString* error) {
    // A FIFO, a device or a huge file in its place must neither hang nor
    // fill the memory.
    const platform::FileBytes file = platform::readRegularFile(path, kMaxFileBytes);
    if (!file.ok()) {
        body_.clear();
        if (error)
            *error = QStringLiteral("郵便番号辞書 %1 を開けません: %2").arg(path, file.error);
        return false;
    }
    return loadData(file.bytes, error);
}

bool PostalDictionary::loadData(const QByteArray& file, QString* error) {
    body_.clear();
    QString why;
    const quint32 claimed = file.size() < kHeaderBytes + 4
                                ? 0
                                : qFromBigEndian<quint32>(file.constData() + kHeaderBytes);
    if (file.size() < kHeaderBytes + 4 ||
        std::memcmp(file.constData(), kMagic, sizeof kMagic) != 0) {
        why = damaged(QStringLiteral("郵便番号辞書のファイルではありません"));
    } else if (qFromLittleEndian<quint32>(file.constData() + sizeof kMagic) != kVersion) {
        why = damaged(QStringLiteral("形式の版が違います"));
    } else if (claimed > kMaxBodyBytes) {
        why = damaged(QStringLiteral("大きさが合いません"));
    } else {
        // Inflated into exactly the size the header claims: a stream that
        // would give more stops there, however much it holds.
        const std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor*)> inflater(
            libdeflate_alloc_decompressor(), libdeflate_free_decompressor);
        body_.resize(qsizetype(claimed));
        size_t inflated = 0;
        const libdeflate_result result =
            inflater ? libdeflate_zlib_decompress(
                           inflater.get(), file.constData() + kHeaderBytes + 4,
                           size_t(file.size() - kHeaderBytes - 4), body_.data(), claimed, &inflated)
                     : LIBDEFLATE_BAD_DATA;
        if (result == LIBDEFLATE_INSUFFICIENT_SPACE ||
            (result == LIBDEFLATE_SUCCESS && inflated != claimed))
            why = damaged(QStringLiteral("大きさが合いません"));
        else if (result != LIBDEFLATE_SUCCESS)
            why = damaged(QStringLiteral("圧縮されたデータが読めません"));
    }
    if (why.isEmpty() && validate(&why)) return true;
    body_.clear();
    if (error) *error = why;
    return false;
}

bool PostalDictionary::validate(QString* error) {
    const auto size = uint64_t(body_.size());
    if (size < CountWords * 4u) {
        *error = damaged(QStringLiteral("短すぎます"));
        return false;
    }
    const char* at = body_.constData();
    auto count = [at](int i) { return qFromLittleEndian<quint32>(at + i * 4); };
    uint64_t offset = CountWords * 4u;
    auto section = [&](Section& s, uint32_t records, int words) {
        s.at = at + std::min(offset, size);
        s.count = records;
        offset += uint64_t(records) * uint32_t(words) * 4u;
    };
    const uint32_t nMunicipalities = count(Municipalities), nPlaces = count(Places),
                   nOffices = count(Offices);
    if (nOffices > nPlaces || nMunicipalities == UINT32_MAX) {
        *error = damaged(QStringLiteral("大きさが合いません"));
        return false;
    }
    section(prefectures_, count(Prefectures), kPrefectureWords);
    section(municipalities_, nMunicipalities, kMunicipalityWords);
    section(townStart_, nMunicipalities + 1u, 1);
    section(municipalityKeys_, count(MunicipalityKeys), kMunicipalityKeyWords);
    section(places_, nPlaces, kPlaceWords);
    section(townIndex_, nPlaces - nOffices, 1);
    section(officeStart_, nMunicipalities + 1u, 1);
    section(officeIndex_, nOffices, 1);
    section(ranges_, count(Ranges), kRangeWords);
    poolBytes_ = count(PoolBytes);
    pool_ = at + std::min(offset, size);
    if (offset + poolBytes_ != size) {
        *error = damaged(QStringLiteral("大きさが合いません"));
        return false;
    }
    sourceRef_ = count(SourceRef);
    dateRef_ = count(DateRef);

    // Every reference must land inside the file, so that no later look-up
    // has to check again.
    bool ok = true;
    auto stringAt = [&](uint32_t ref) {
        ok = ok && uint64_t(ref) + 2 <= poolBytes_ &&
             uint64_t(ref) + 2 + qFromLittleEndian<quint16>(pool_ + ref) <= poolBytes_;
    };
    auto below = [&](uint32_t value, uint32_t limit) { ok = ok && value < limit; };
    stringAt(sourceRef_);
    stringAt(dateRef_);
    for (uint32_t i = 0; ok && i < prefectures_.count; ++i)
        for (int f = 0; f < kPrefectureWords; ++f)
            stringAt(word(prefectures_, i, kPrefectureWords, f));
    for (uint32_t i = 0; ok && i < nMunicipalities; ++i) {
        below(word(municipalities_, i, kMunicipalityWords, 1), prefectures_.count);
        for (int f = 2; f < kMunicipalityWords; ++f)
            stringAt(word(municipalities_, i, kMunicipalityWords, f));
        ok = ok && word(townStart_, i, 1, 0) <= word(townStart_, i + 1, 1, 0) &&
             word(officeStart_, i, 1, 0) <= word(officeStart_, i + 1, 1, 0);
    }
    ok = ok && word(townStart_, 0, 1, 0) == 0 &&
         word(townStart_, nMunicipalities, 1, 0) == nPlaces - nOffices &&
         word(officeStart_, 0, 1, 0) == 0 && word(officeStart_, nMunicipalities, 1, 0) == nOffices;
    for (uint32_t i = 0; ok && i < municipalityKeys_.count; ++i) {
        stringAt(word(municipalityKeys_, i, kMunicipalityKeyWords, 0));
        below(word(municipalityKeys_, i, kMunicipalityKeyWords, 1), nMunicipalities);
    }
    for (uint32_t i = 0; ok && i < nPlaces; ++i) {
        below(placeWord(i, 1), nMunicipalities);
        for (int f = 2; f < kPlaceWords; ++f) stringAt(placeWord(i, f));
        if (i > 0) ok = ok && placeWord(i - 1, 0) <= placeWord(i, 0);
    }
    // Each index holds its own kind of place, of the municipality it is filed under.
    auto indexFits = [&](const Section& start, const Section& index, bool offices) {
        for (uint32_t m = 0; ok && m < nMunicipalities; ++m)
            for (uint32_t k = word(start, m, 1, 0); ok && k < word(start, m + 1, 1, 0); ++k) {
                const uint32_t p = word(index, k, 1, 0);
                below(p, nPlaces);
                ok = ok && placeWord(p, 1) == m && text(placeWord(p, 6)).empty() != offices;
            }
    };
    indexFits(townStart_, townIndex_, false);
    indexFits(officeStart_, officeIndex_, true);
    ok = ok && ranges_.count < kRangeEntry;
    for (uint32_t i = 0; ok && i < ranges_.count; ++i) {
        below(word(ranges_, i, kRangeWords, 1), nMunicipalities);
        stringAt(word(ranges_, i, kRangeWords, 2));
        stringAt(word(ranges_, i, kRangeWords, 3));
        if (i > 0)
            ok = ok && word(ranges_, i - 1, kRangeWords, 0) <= word(ranges_, i, kRangeWords, 0);
    }
    if (!ok) *error = damaged(QStringLiteral("索引が合いません"));
    return ok;
}

// The places are stored a field at a time (all codes, then all
// municipalities, …), which packs far smaller than record by record.
uint32_t PostalDictionary::placeWord(uint32_t place, int field) const {
    return qFromLittleEndian<quint32>(places_.at +
                                      (size_t(field) * places_.count + size_t(place)) * 4);
}

uint32_t PostalDictionary::word(const Section& s, uint32_t record, int words, int field) const {
    return qFromLittleEndian<quint32>(s.at + (size_t(record) * size_t(words) + size_t(field)) * 4);
}

std::string_view PostalDictionary::text(uint32_t ref) const {
    return {pool_ + ref + 2, qFromLittleEndian<quint16>(pool_ + ref)};
}

QString PostalDictionary::string(uint32_t ref) const {
    const std::string_view t = text(ref);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QString PostalDictionary::source() const { return isLoaded() ? string(sourceRef_) : QString(); }
QString PostalDictionary::date() const { return isLoaded() ? string(dateRef_) : QString(); }

std::string_view PostalDictionary::prefectureKey(uint32_t prefecture) const {
    return text(word(prefectures_, prefecture, kPrefectureWords, 2));
}

PostalPlace PostalDictionary::place(uint32_t index) const {
    const uint32_t municipality = placeWord(index, 1);
    const uint32_t prefecture = word(municipalities_, municipality, kMunicipalityWords, 1);
    PostalPlace p;
    p.code = int(placeWord(index, 0));
    p.prefecture = string(word(prefectures_, prefecture, kPrefectureWords, 0));
    p.prefectureReading = string(word(prefectures_, prefecture, kPrefectureWords, 1));
    p.municipality = string(word(municipalities_, municipality, kMunicipalityWords, 2));
    p.municipalityReading = string(word(municipalities_, municipality, kMunicipalityWords, 3));
    p.town = string(placeWord(index, 2));
    p.townReading = string(placeWord(index, 4));
    p.street = string(placeWord(index, 5));
    p.office = string(placeWord(index, 6));
    return p;
}

PostalPlace PostalDictionary::rangePlace(int code, uint32_t range) const {
    const uint32_t municipality = word(ranges_, range, kRangeWords, 1);
    const uint32_t prefecture = word(municipalities_, municipality, kMunicipalityWords, 1);
    PostalPlace p;
    p.code = code;
    p.prefecture = string(word(prefectures_, prefecture, kPrefectureWords, 0));
    p.prefectureReading = string(word(prefectures_, prefecture, kPrefectureWords, 1));
    p.municipality = string(word(municipalities_, municipality, kMunicipalityWords, 2));
    p.municipalityReading = string(word(municipalities_, municipality, kMunicipalityWords, 3));
    p.town = string(word(ranges_, range, kRangeWords, 2));
    p.townReading = string(word(ranges_, range, kRangeWords, 3));
    return p;
}

std::vector<uint32_t> PostalDictionary::entriesOf(int code) const {
    std::vector<uint32_t> entries;
    if (!isLoaded() || code < 0) return entries;
    const auto target = uint32_t(code);
    // The first place whose code is not below the one asked for.
    uint32_t lo = 0, hi = places_.count;
    while (lo < hi) {
        const uint32_t mid = lo + (hi - lo) / 2;
        if (placeWord(mid, 0) < target)
            lo = mid + 1;
        else
            hi = mid;
    }
    for (uint32_t i = lo; i < places_.count && placeWord(i, 0) == target; ++i) entries.push_back(i);
    if (!entries.empty()) return entries;
    for (uint32_t i = 0; i < ranges_.count; ++i)
        if (word(ranges_, i, kRangeWords, 0) == target / 100) entries.push_back(kRangeEntry + i);
    return entries;
}

std::vector<PostalPlace> PostalDictionary::lookup(int code) const {
    std::vector<PostalPlace> found;
    for (uint32_t e : entriesOf(code))
        found.push_back(e >= kRangeEntry ? rangePlace(code, e - kRangeEntry) : place(e));
    return found;
}

std::vector<int> PostalDictionary::find(const QString& address) const {
    struct Candidate {
        int code;
        size_t length;  // how much of the address it matched
        bool office;    // the code of an office, listed after every town's
    };
    std::vector<Candidate> candidates;
    if (!isLoaded()) return {};
    const QByteArray keyBytes = postal::matchKey(address).toUtf8();
    const std::string_view key(keyBytes.constData(), size_t(keyBytes.size()));
    if (key.empty()) return {};

    auto townKeyAt = [this](uint32_t k) { return text(placeWord(word(townIndex_, k, 1, 0), 3)); };
    auto codeAt = [this](uint32_t k) { return int(placeWord(word(townIndex_, k, 1, 0), 0)); };

    // The first of the sorted entries first..last-1 whose key is not below `slice`.
    const auto firstNotBefore = [](uint32_t first, uint32_t last, const auto& keyAt,
                                   std::string_view slice) {
        while (first < last) {
            const uint32_t mid = first + (last - first) / 2;
            if (keyAt(mid) < slice)
                first = mid + 1;
            else
                last = mid;
        }
        return first;
    };

    // The offices of the municipality whose town begins the rest and whose
    // street begins what follows the town, up to a block number's end.
    auto officeAt = [this](uint32_t k) { return word(officeIndex_, k, 1, 0); };
    auto officeTownKey = [&](uint32_t k) { return text(placeWord(officeAt(k), 3)); };
    auto matchOffices = [&](uint32_t m, size_t at) {
        const uint32_t first = word(officeStart_, m, 1, 0), last = word(officeStart_, m + 1, 1, 0);
        if (first == last) return;
        forEachCharacterEnd(key, at, [&](size_t end) {
            const std::string_view slice = key.substr(at, end - at);
            const uint32_t lo = firstNotBefore(first, last, officeTownKey, slice);
            if (lo == last || !startsWith(officeTownKey(lo), slice)) return false;
            QByteArray given;
            bool givenMade = false;
            for (uint32_t k = lo; k < last && officeTownKey(k) == slice; ++k) {
                if (!givenMade) {
                    const std::string_view rest = key.substr(end);
                    given = postal::blockKey(QString::fromUtf8(rest.data(), qsizetype(rest.size())))
                                .toUtf8();
                    givenMade = true;
                }
                const QByteArray street =
                    postal::blockKey(string(placeWord(officeAt(k), 5))).toUtf8();
                if (!street.isEmpty() && given.startsWith(street) &&
                    (given.size() == street.size() || !std::isdigit(uchar(given[street.size()]))))
                    candidates.push_back(
                        {int(placeWord(officeAt(k), 0)), end + size_t(street.size()), true});
            }
            return true;
        });
    };

    // The longest town of the municipality that begins the rest, or the
    // municipality's own codes.
    auto matchTowns = [&](uint32_t m, size_t at) {
        const uint32_t first = word(townStart_, m, 1, 0), last = word(townStart_, m + 1, 1, 0);
        uint32_t bestFirst = first, bestLast = first;
        size_t bestLength = at;
        forEachCharacterEnd(key, at, [&](size_t end) {
            const std::string_view slice = key.substr(at, end - at);
            const uint32_t lo = firstNotBefore(first, last, townKeyAt, slice);
            if (lo == last || !startsWith(townKeyAt(lo), slice))
                return false;  // nothing longer can match
            uint32_t e = lo;
            while (e < last && townKeyAt(e) == slice) ++e;
            if (e > lo) {
                bestFirst = lo;
                bestLast = e;
                bestLength = end;
            }
            return true;
        });
        if (bestLength ==
            at) {  // no town: the codes of the whole municipality (empty town keys sort first)
            bestLast = first;
            while (bestLast < last && townKeyAt(bestLast).empty()) ++bestLast;
        }
        for (uint32_t k = bestFirst; k < bestLast; ++k)
            candidates.push_back({codeAt(k), bestLength, false});
        matchOffices(m, at);
    };

    auto municipalityKeyAt = [this](uint32_t i) {
        return text(word(municipalityKeys_, i, kMunicipalityKeyWords, 0));
    };
    auto matchMunicipalities = [&](uint32_t prefecture, size_t at) {
        forEachCharacterEnd(key, at, [&](size_t end) {
            const std::string_view slice = key.substr(at, end - at);
            uint32_t lo = 0, hi = municipalityKeys_.count;
            while (lo < hi) {
                const uint32_t mid = lo + (hi - lo) / 2;
                if (municipalityKeyAt(mid) < slice)
                    lo = mid + 1;
                else
                    hi = mid;
            }
            if (lo == municipalityKeys_.count || !startsWith(municipalityKeyAt(lo), slice))
                return false;
            for (uint32_t i = lo; i < municipalityKeys_.count && municipalityKeyAt(i) == slice;
                 ++i) {
                const uint32_t m = word(municipalityKeys_, i, kMunicipalityKeyWords, 1);
                if (prefecture == kAnyPrefecture ||
                    word(municipalities_, m, kMunicipalityWords, 1) == prefecture)
                    matchTowns(m, end);
            }
            return true;
        });
    };

    bool prefectureGiven = false;
    for (uint32_t p = 0; p < prefectures_.count; ++p) {
        const std::string_view pk = prefectureKey(p);
        if (!pk.empty() && startsWith(key, pk)) {
            prefectureGiven = true;
            matchMunicipalities(p, pk.size());
        }
    }
    if (!prefectureGiven) matchMunicipalities(kAnyPrefecture, 0);

    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) {
                         if (a.office != b.office) return b.office;
                         return a.length != b.length ? a.length > b.length : a.code < b.code;
                     });
    std::vector<int> codes;
    for (const Candidate& c : candidates)
        if (std::find(codes.begin(), codes.end(), c.code) == codes.end()) codes.push_back(c.code);
    return codes;
}

bool PostalDictionary::addressInArea(int code, const QString& address) const {
    const QByteArray keyBytes = postal::matchKey(address).toUtf8();
    const std::string_view key(keyBytes.constData(), size_t(keyBytes.size()));
    for (uint32_t e : entriesOf(code)) {
        const uint32_t m =
            e >= kRangeEntry ? word(ranges_, e - kRangeEntry, kRangeWords, 1) : placeWord(e, 1);
        std::string_view rest = key;
        const std::string_view pk = prefectureKey(word(municipalities_, m, kMunicipalityWords, 1));
        if (startsWith(rest, pk)) rest.remove_prefix(pk.size());
        if (startsWith(rest, text(word(municipalities_, m, kMunicipalityWords, 4))) ||
            startsWith(rest, text(word(municipalities_, m, kMunicipalityWords, 5))))
            return true;
    }
    return false;
}

}  // namespace book
