#include "postal/PostalTable.h"

#include <libdeflate.h>

#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <numeric>
#include <tuple>

#include "postal/PostalFileLayout.h"
#include "postal/PostalKey.h"

namespace book {
namespace {

// Strings are stored once each, however often they are used.
class StringPool {
  public:
    uint32_t add(const QString& text) {
        const QByteArray utf8 = text.toUtf8().left(0xFFFF);
        const auto found = offsets_.constFind(utf8);
        if (found != offsets_.constEnd()) return *found;
        const auto offset = uint32_t(bytes_.size());
        char length[2];
        qToLittleEndian<quint16>(quint16(utf8.size()), length);
        bytes_.append(length, 2);
        bytes_.append(utf8);
        offsets_.insert(utf8, offset);
        return offset;
    }
    const QByteArray& bytes() const { return bytes_; }

  private:
    QByteArray bytes_;
    QHash<QByteArray, uint32_t> offsets_;
};

// The municipality without its district: "余市郡余市町" is also written "余市町".
QString withoutDistrict(const QString& name) {
    const qsizetype at = name.indexOf(u'郡');
    return at > 0 && at + 1 < name.size() ? name.mid(at + 1) : name;
}

}  // namespace

QByteArray encodePostalTable(const PostalTable& table) {
    using namespace postalfile;
    StringPool pool;
    std::vector<uint32_t> words(CountWords, 0);
    auto put = [&words](uint32_t w) { words.push_back(w); };

    words[SourceRef] = pool.add(table.source);
    words[DateRef] = pool.add(table.date);
    for (const auto& p : table.prefectures) {
        put(pool.add(p.name));
        put(pool.add(p.reading));
        put(pool.add(postal::matchKey(p.name)));
    }

    struct Key {
        QByteArray bytes;
        uint32_t ref, owner;
    };
    std::vector<Key> municipalityKeys;
    for (size_t i = 0; i < table.municipalities.size(); ++i) {
        const auto& m = table.municipalities[i];
        const QString key = postal::matchKey(m.name),
                      shortKey = postal::matchKey(withoutDistrict(m.name));
        put(uint32_t(m.code));
        put(uint32_t(m.prefecture));
        put(pool.add(m.name));
        put(pool.add(m.reading));
        put(pool.add(key));
        put(pool.add(shortKey));
        municipalityKeys.push_back({key.toUtf8(), pool.add(key), uint32_t(i)});
        if (shortKey != key)
            municipalityKeys.push_back({shortKey.toUtf8(), pool.add(shortKey), uint32_t(i)});
    }
    std::sort(municipalityKeys.begin(), municipalityKeys.end(), [](const Key& a, const Key& b) {
        return std::tie(a.bytes, a.owner) < std::tie(b.bytes, b.owner);
    });

    std::vector<PostalTable::Place> places = table.places;
    std::stable_sort(places.begin(), places.end(),
                     [](const auto& a, const auto& b) { return a.code < b.code; });
    std::vector<QByteArray> townKeys, streetKeys;
    townKeys.reserve(places.size());
    streetKeys.reserve(places.size());
    for (const auto& p : places) {
        townKeys.push_back(postal::matchKey(p.town).toUtf8());
        streetKeys.push_back(postal::blockKey(p.street).toUtf8());
    }
    // Towns and offices are looked up apart, so that an address finds the
    // offices of its town only when it also names their street.
    std::vector<uint32_t> townIndex, officeIndex;
    for (uint32_t i = 0; i < places.size(); ++i)
        (places[i].office.isEmpty() ? townIndex : officeIndex).push_back(i);
    auto byKeys = [&](uint32_t a, uint32_t b) {
        return std::tie(places[a].municipality, townKeys[a], streetKeys[a]) <
               std::tie(places[b].municipality, townKeys[b], streetKeys[b]);
    };
    std::stable_sort(townIndex.begin(), townIndex.end(), byKeys);
    std::stable_sort(officeIndex.begin(), officeIndex.end(), byKeys);
    // Where each municipality's entries begin in an index. A place naming no
    // municipality is written as it is (the reader refuses such a file) but
    // counted nowhere.
    auto starts = [&](const std::vector<uint32_t>& index) {
        std::vector<uint32_t> start(table.municipalities.size() + 1, 0);
        for (uint32_t i : index)
            if (size_t(places[i].municipality) < table.municipalities.size())
                ++start[size_t(places[i].municipality) + 1];
        std::partial_sum(start.begin(), start.end(), start.begin());
        return start;
    };
    for (uint32_t s : starts(townIndex)) put(s);

    for (const Key& k : municipalityKeys) {
        put(k.ref);
        put(k.owner);
    }
    // A field at a time: long runs of alike words pack far smaller.
    for (const auto& p : places) put(uint32_t(p.code));
    for (const auto& p : places) put(uint32_t(p.municipality));
    for (const auto& p : places) put(pool.add(p.town));
    for (const QByteArray& k : townKeys) put(pool.add(QString::fromUtf8(k)));
    for (const auto& p : places) put(pool.add(p.reading));
    for (const auto& p : places) put(pool.add(p.street));
    for (const auto& p : places) put(pool.add(p.office));
    for (uint32_t i : townIndex) put(i);
    for (uint32_t s : starts(officeIndex)) put(s);
    for (uint32_t i : officeIndex) put(i);
    std::vector<PostalTable::Range> ranges = table.ranges;
    std::stable_sort(ranges.begin(), ranges.end(),
                     [](const auto& a, const auto& b) { return a.prefix < b.prefix; });
    for (const auto& r : ranges) {
        put(uint32_t(r.prefix));
        put(uint32_t(r.municipality));
        put(pool.add(r.town));
        put(pool.add(r.reading));
    }

    words[Prefectures] = uint32_t(table.prefectures.size());
    words[Municipalities] = uint32_t(table.municipalities.size());
    words[Places] = uint32_t(places.size());
    words[Ranges] = uint32_t(ranges.size());
    words[MunicipalityKeys] = uint32_t(municipalityKeys.size());
    words[Offices] = uint32_t(officeIndex.size());
    words[PoolBytes] = uint32_t(pool.bytes().size());

    QByteArray body(qsizetype(words.size() * 4), Qt::Uninitialized);
    for (size_t i = 0; i < words.size(); ++i)
        qToLittleEndian<quint32>(words[i], body.data() + i * 4);
    body += pool.bytes();

    QByteArray file(kMagic, sizeof kMagic);
    char version[4];
    qToLittleEndian<quint32>(kVersion, version);
    file.append(version, 4);
    // qCompress's form (the size, big-endian, then a zlib stream), packed
    // as tightly as libdeflate can.
    char size[4];
    qToBigEndian<quint32>(quint32(body.size()), size);
    file.append(size, 4);
    libdeflate_compressor* packer = libdeflate_alloc_compressor(12);
    if (!packer) return {};  // out of memory: no file, which the reader refuses
    QByteArray packed(qsizetype(libdeflate_zlib_compress_bound(packer, size_t(body.size()))),
                      Qt::Uninitialized);
    packed.resize(qsizetype(libdeflate_zlib_compress(packer, body.constData(), size_t(body.size()),
                                                     packed.data(), size_t(packed.size()))));
    libdeflate_free_compressor(packer);
    return file + packed;
}

}  // namespace book
