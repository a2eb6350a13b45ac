#pragma once
// The layout of the postal-code data file, shared by its writer and reader.
//
// The file is an 8-byte magic, a 32-bit format version, then the body
// compressed with qCompress (its 32-bit size, big-endian, then a zlib
// stream, whose checksum catches damage). The body
// is little-endian 32-bit words in the sections below, then a string pool;
// a string is referred to by its offset in the pool, where a 16-bit length
// precedes its UTF-8 bytes. "Key" strings are book::postal::matchKey forms.

#include <QtGlobal>
#include <cstdint>

namespace book {
namespace postalfile {

constexpr char kMagic[8] = {'P', 'E', 'L', 'P', 'O', 'S', 'T', '\0'};
constexpr uint32_t kVersion = 2;
constexpr int kHeaderBytes = 12;
// No real list comes near these (the file is under 3 MB, its body about
// 9 MB); a larger file or claim means a damaged one, refused before any of
// it is held.
constexpr qint64 kMaxFileBytes = 16 << 20;
constexpr uint32_t kMaxBodyBytes = 32u << 20;

enum Counts {
    Prefectures,
    Municipalities,
    Places,
    Ranges,
    MunicipalityKeys,
    PoolBytes,
    SourceRef,
    DateRef,
    Offices,
    CountWords
};

// Words per record of each section, in file order:
constexpr int kPrefectureWords = 3;  // name, reading, key
constexpr int kMunicipalityWords =
    6;  // code, prefecture, name, reading, key, key without the district (郡)
// then (municipalities + 1) words: where each municipality's towns begin in the town index
constexpr int kMunicipalityKeyWords = 2;  // key, municipality; sorted by key bytes
// code, municipality, town, town key, town reading, street, office name;
// sorted by code, and stored a field at a time (every place's code, then
// every place's municipality, …). Only a code an office has of its own has
// a street and a name ("大手町" "１丁目３－３" "東京国税局").
constexpr int kPlaceWords = 7;
// then (places - offices) words: the town index, the numbers of the places
// without an office sorted by municipality, then town key bytes;
// then (municipalities + 1) words: where each municipality's offices begin
// in the office index;
// then offices words: the office index, the numbers of the places with an
// office sorted by municipality, town key bytes, then street
constexpr int kRangeWords = 4;  // five-digit prefix, municipality, town, reading; sorted by prefix

}  // namespace postalfile
}  // namespace book
