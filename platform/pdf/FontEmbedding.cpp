#include "platform/pdf/FontEmbedding.h"

#include <hb-subset.h>
#include <hb.h>

#include <cmath>

#include "platform/page/FontFaces.h"
#include "platform/pdf/Deflate.h"
#include "platform/pdf/PdfSyntax.h"

namespace platform::pdf {
namespace {

// A signed 16-bit value at `at` of a table of the face, 0 past its end.
int be16(const FontFace& face, hb_tag_t table, unsigned at) {
    hb_blob_t* blob = hb_face_reference_table(hb_font_get_face(face.hb()), table);
    unsigned length = 0;
    const auto* data = reinterpret_cast<const uint8_t*>(hb_blob_get_data(blob, &length));
    const int value = length >= at + 2 ? int16_t((data[at] << 8) | data[at + 1]) : 0;
    hb_blob_destroy(blob);
    return value;
}

std::string postScriptName(const FontFace& face) {
    std::string name;
    for (QChar c : face.family())
        if (c.unicode() < 128 && c.isLetterOrNumber()) name.push_back(char(c.unicode()));
    return name.empty() ? std::string("Font") : name;
}

// Six capitals that differ between subsets of one face, as PDF readers expect.
std::string subsetTag(const std::map<unsigned, char32_t>& glyphs) {
    uint32_t h = 2166136261u;
    for (const auto& [g, c] : glyphs) h = (h ^ g) * 16777619u;
    std::string tag;
    for (int i = 0; i < 6; ++i, h /= 26) tag.push_back(char('A' + h % 26));
    return tag;
}

void appendUtf16Hex(std::string& out, char32_t c) {
    if (c >= 0x10000) {
        c -= 0x10000;
        appendHex4(out, 0xD800 + (c >> 10));
        appendHex4(out, 0xDC00 + (c & 0x3FF));
    } else {
        appendHex4(out, c);
    }
}

}  // namespace

QByteArray subsetFont(const FontFace& face, const std::map<unsigned, char32_t>& glyphs,
                      bool* isCff) {
    hb_face_t* source = hb_face_reference(hb_font_get_face(face.hb()));
    hb_blob_t* cff = hb_face_reference_table(source, HB_TAG('C', 'F', 'F', ' '));
    *isCff = hb_blob_get_length(cff) > 0;
    hb_blob_destroy(cff);

    hb_subset_input_t* input = hb_subset_input_create_or_fail();
    QByteArray result;
    if (input) {
        hb_set_t* set = hb_subset_input_glyph_set(input);
        hb_set_add(set, 0);
        for (const auto& entry : glyphs) hb_set_add(set, entry.first);
        // The pages address glyphs by their ids in the whole face. Hinting
        // programs stay out: the painter draws unhinted, PDF readers mostly
        // ignore them, and they are about a third of the subset's bytes.
        hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NO_HINTING);
        // A PDF reader draws glyphs by id at the positions the page gives:
        // layout, vertical metrics and device tables would be dead weight.
        hb_set_t* drop = hb_subset_input_set(input, HB_SUBSET_SETS_DROP_TABLE_TAG);
        for (const char* tag :
             {"GSUB", "GPOS", "GDEF", "BASE", "JSTF", "MATH", "morx", "kern", "vhea", "vmtx",
              "VORG", "DSIG", "gasp", "hdmx", "LTSH", "VDMX", "PCLT"})
            hb_set_add(drop, hb_tag_from_string(tag, 4));
        if (hb_face_t* subset = hb_subset_or_fail(source, input)) {
            hb_blob_t* blob = hb_face_reference_blob(subset);
            unsigned length = 0;
            const char* data = hb_blob_get_data(blob, &length);
            result = QByteArray(data, int(length));
            hb_blob_destroy(blob);
            hb_face_destroy(subset);
        }
        hb_subset_input_destroy(input);
    }
    hb_face_destroy(source);
    return result;
}

std::string toUnicodeCMap(const std::map<unsigned, char32_t>& glyphs) {
    std::string s =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    std::vector<std::pair<unsigned, char32_t>> pairs;
    for (const auto& [g, c] : glyphs)
        if (c != 0 && g != 0 && g <= 0xFFFF) pairs.emplace_back(g, c);
    for (size_t i = 0; i < pairs.size(); i += 100) {
        const size_t n = std::min<size_t>(100, pairs.size() - i);
        appendInt(s, (long long)n);
        s += " beginbfchar\n";
        for (size_t k = i; k < i + n; ++k) {
            s.push_back('<');
            appendHex4(s, pairs[k].first);
            s += "> <";
            appendUtf16Hex(s, pairs[k].second);
            s += ">\n";
        }
        s += "endbfchar\n";
    }
    s += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return s;
}

std::string cidWidths(const std::vector<std::pair<unsigned, double>>& widths, double defaultWidth) {
    std::vector<std::pair<unsigned, double>> all;
    all.reserve(widths.size());
    for (const auto& [glyph, w] : widths)
        all.emplace_back(glyph, std::round(w * 1000) / 1000);  // as written
    const auto listed = [&](size_t k) { return k < all.size() && all[k].second != defaultWidth; };
    std::string s = "[";
    for (size_t i = 0; i < all.size();) {
        if (!listed(i)) {
            ++i;
            continue;
        }
        // A drawn glyph of another width, the default's too, ends a range.
        size_t same = i + 1;
        while (same < all.size() && all[same].second == all[i].second) ++same;
        if (same - i >= 2) {
            appendInt(s, all[i].first);
            s.push_back(' ');
            appendInt(s, all[same - 1].first);
            s.push_back(' ');
            appendNumber(s, all[i].second, 3);
            s.push_back(' ');
            i = same;
            continue;
        }
        // Consecutive glyphs of differing widths share one array.
        appendInt(s, all[i].first);
        s += " [";
        size_t k = i;
        do {
            appendNumber(s, all[k].second, 3);
            s.push_back(' ');
            ++k;
        } while (listed(k) && all[k].first == all[k - 1].first + 1 &&
                 !(k + 1 < all.size() && all[k + 1].second == all[k].second));
        s.back() = ']';
        s.push_back(' ');
        i = k;
    }
    if (s.back() == ' ') s.pop_back();
    s.push_back(']');
    return s;
}

void writeFont(ObjectWriter& out, int fontId, int verticalId, const FontUse& use) {
    const FontFace& face = *use.face;
    const std::map<unsigned, char32_t> glyphs = use.glyphs();
    const int cidFont = out.reserve(), descriptor = out.reserve(), file = out.reserve(),
              toUnicode = out.reserve();
    // The subset tag names the font program; the CIDFont and its descriptor
    // carry it.
    const std::string name = "/" + subsetTag(glyphs) + "+" + postScriptName(face);
    const double toThousandths = 1000.0 / face.unitsPerEm();

    bool cff = false;
    const QByteArray program = subsetFont(face, glyphs, &cff);

    for (const bool vertical : {false, true}) {
        // A Type0 font over a CFF CIDFont is named after the CIDFont and its
        // CMap; over a TrueType CIDFont, after the CIDFont alone.
        const std::string cmap = vertical ? "Identity-V" : "Identity-H";
        std::string s = "<</Type /Font /Subtype /Type0 /BaseFont " + name +
                        (cff ? "-" + cmap : std::string()) + " /Encoding /" + cmap +
                        " /DescendantFonts [";
        appendInt(s, cidFont);
        s += " 0 R] /ToUnicode ";
        appendInt(s, toUnicode);
        s += " 0 R>>";
        out.object(vertical ? verticalId : fontId, s);
    }

    std::string s = "<</Type /Font /Subtype ";
    s += cff ? "/CIDFontType0" : "/CIDFontType2";
    s += " /BaseFont " + name +
         " /CIDSystemInfo <</Registry (Adobe) /Ordering (Identity) /Supplement 0>>";
    s += " /FontDescriptor ";
    appendInt(s, descriptor);
    s += " 0 R";
    if (!cff) s += " /CIDToGIDMap /Identity";
    // Widths so that extraction and selection see each glyph's true advance.
    std::vector<std::pair<unsigned, double>> widths;
    widths.reserve(glyphs.size());
    for (const auto& entry : glyphs)
        widths.emplace_back(entry.first, face.horizontalAdvance(entry.first) * toThousandths);
    s += " /DW 1000 /W " + cidWidths(widths, 1000) + ">>";
    out.object(cidFont, s);

    const hb_tag_t head = HB_TAG('h', 'e', 'a', 'd'), hhea = HB_TAG('h', 'h', 'e', 'a');
    s = "<</Type /FontDescriptor /FontName " + name + " /Flags 4 /FontBBox [";
    for (int at : {36, 38, 40, 42}) {
        appendNumber(s, be16(face, head, unsigned(at)) * toThousandths, 0);
        s.push_back(' ');
    }
    s += "] /ItalicAngle 0 /Ascent ";
    appendNumber(s, be16(face, hhea, 4) * toThousandths, 0);
    s += " /Descent ";
    appendNumber(s, be16(face, hhea, 6) * toThousandths, 0);
    s += " /CapHeight ";
    appendNumber(s, be16(face, hhea, 4) * toThousandths, 0);
    s += " /StemV 80 ";
    s += cff ? "/FontFile3 " : "/FontFile2 ";
    appendInt(s, file);
    s += " 0 R>>";
    out.object(descriptor, s);

    const std::string packed =
        deflate(std::string_view(program.constData(), size_t(program.size())));
    std::string dict = " /Filter /FlateDecode";
    if (cff) {
        dict += " /Subtype /OpenType";
    } else {
        dict += " /Length1 ";
        appendInt(dict, program.size());
    }
    out.stream(file, dict, packed);

    out.stream(toUnicode, " /Filter /FlateDecode", deflate(toUnicodeCMap(glyphs)));
}

}  // namespace platform::pdf
