#include "platform/pdf/PdfResources.h"

namespace platform::pdf {

int PdfResources::font(const FontFace* face, bool* addedNow) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto [it, added] = fontIndex_.try_emplace(face, int(fonts_.size()));
    if (added) fonts_.push_back(FontUse{face, std::vector<char32_t>(0x10000, FontUse::kUnused)});
    if (addedNow) *addedNow = added;
    return it->second;
}

int PdfResources::image(const QImage& image, const QByteArray& jpeg) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto [it, added] = imageIndex_.try_emplace(image.cacheKey(), int(images_.size()));
    if (added) images_.push_back(ImageUse{image, jpeg});
    return it->second;
}

bool PdfResources::firstSight(const FontRecord& font) {
    for (const FontRecord& f : seen_)
        if (f == font) return false;
    seen_.push_back(font);
    return true;
}

void PdfResources::addGlyphs(int font, const std::vector<std::pair<unsigned, char32_t>>& glyphs) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto& used = fonts_[size_t(font)].characters;
    // The first character seen for a glyph keeps it, so a glyph shared by two
    // characters extracts as one of them.
    for (const auto& [glyph, ch] : glyphs)
        if (glyph < used.size() && used[glyph] == FontUse::kUnused)
            used[glyph] = ch == 0 ? FontUse::kNoCharacter : ch;
}

int PdfResources::formFor(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = formIndex_.find(key);
    if (it != formIndex_.end()) return it->second;
    return met_.check(key) ? kNeedsContent : -1;
}

int PdfResources::addForm(const std::string& key, std::string compressedContent) {
    std::lock_guard<std::mutex> lock(mutex_);
    // Another page may have made it meanwhile: both are the same drawing.
    const auto [it, added] = formIndex_.try_emplace(key, int(forms_.size()));
    if (added) forms_.push_back(std::move(compressedContent));
    return it->second;
}

std::map<unsigned, char32_t> FontUse::glyphs() const {
    std::map<unsigned, char32_t> out;
    for (size_t g = 0; g < characters.size(); ++g)
        if (characters[g] != kUnused)
            out.emplace(unsigned(g), characters[g] == kNoCharacter ? 0 : characters[g]);
    return out;
}

}  // namespace platform::pdf
