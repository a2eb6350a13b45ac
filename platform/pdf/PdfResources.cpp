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
    // A glyph shared by two characters extracts as the lower of them (any
    // character before none), the same in every run.
    for (const auto& [glyph, ch] : glyphs) {
        if (glyph >= used.size()) continue;
        const char32_t c = ch == 0 ? FontUse::kNoCharacter : ch;
        if (used[glyph] == FontUse::kUnused || c < used[glyph]) used[glyph] = c;
    }
}

int PdfResources::formFor(const std::string& key) {
    // Most texts are met once: they cost one hash. A form's key whose mark
    // another key took since is drawn in place once more, and marked again.
    if (!met_.check(key)) return -1;
    const auto it = formIndex_.find(key);
    if (it != formIndex_.end()) return it->second;
    std::lock_guard<std::mutex> lock(mutex_);
    const int form = int(forms_.size());
    forms_.emplace_back();
    formIndex_.emplace(key, form);
    return form;
}

bool PdfResources::formNeedsContent(int form) {
    std::lock_guard<std::mutex> lock(mutex_);
    return forms_[size_t(form)].empty();
}

void PdfResources::setFormContent(int form, std::string compressedContent) {
    std::lock_guard<std::mutex> lock(mutex_);
    // Another page may have made it meanwhile: both are the same drawing.
    if (forms_[size_t(form)].empty()) forms_[size_t(form)] = std::move(compressedContent);
}

std::map<unsigned, char32_t> FontUse::glyphs() const {
    std::map<unsigned, char32_t> out;
    for (size_t g = 0; g < characters.size(); ++g)
        if (characters[g] != kUnused)
            out.emplace(unsigned(g), characters[g] == kNoCharacter ? 0 : characters[g]);
    return out;
}

}  // namespace platform::pdf
