#pragma once
// The fonts and pictures the pages of one PDF use, shared by the threads that
// build the pages. The thread that orders the pages registers every face and
// picture before a page is handed out; the page builders only look them up
// and report which glyphs they drew. Everything is written once, at the end
// of the file, so each face and picture is embedded once however many pages
// use it.

#include <QByteArray>
#include <QImage>
#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/page/FontRecord.h"
#include "platform/pdf/MetBefore.h"

namespace platform {
class FontFace;
}

namespace platform::pdf {

struct FontUse {
    const FontFace* face = nullptr;
    // By glyph id: the character the glyph stands for, kUnused for a glyph
    // not drawn, kNoCharacter for one drawn for no known character.
    std::vector<char32_t> characters;
    static constexpr char32_t kUnused = 0, kNoCharacter = 0xFFFFFFFF;

    // The glyphs drawn, with their characters (0 when none is known). A
    // glyph drawn for several characters keeps the lowest, whatever order
    // the pages reported them in.
    std::map<unsigned, char32_t> glyphs() const;
};

struct ImageUse {
    QImage image;
    QByteArray jpeg;  // the picture's JPEG file, embedded as it is when present
};

class PdfResources {
  public:
    // Resource numbers: /F<n> and /Im<n> in the page content.
    int font(const FontFace* face, bool* added = nullptr);
    int image(const QImage& image, const QByteArray& jpeg = QByteArray());

    void addGlyphs(int font, const std::vector<std::pair<unsigned, char32_t>>& glyphs);

    // True the first time the registering thread meets a font record: cards
    // of one document use a handful, each needs looking up once.
    bool firstSight(const FontRecord& font);

    // Text drawn the same way on several pages (the sender on every card)
    // is written once, as a form the pages place by name. The registering
    // thread decides, page after page, so that the file does not depend on
    // which thread builds which page first: -1 the first time the text
    // `key` stands for is met, when the page draws it itself; from the
    // second time on the number of its form.
    int formFor(const std::string& key);
    // True when the form's drawing is still to be made; the page builder
    // that meets it first makes it with setFormContent.
    bool formNeedsContent(int form);
    void setFormContent(int form, std::string compressedContent);
    // For writing, once every page is done.
    const std::vector<FontUse>& fonts() const { return fonts_; }
    const std::vector<ImageUse>& images() const { return images_; }
    const std::vector<std::string>& forms() const { return forms_; }

  private:
    std::mutex mutex_;
    std::vector<FontUse> fonts_;
    std::unordered_map<const FontFace*, int> fontIndex_;
    std::vector<ImageUse> images_;
    std::unordered_map<qint64, int> imageIndex_;
    std::vector<FontRecord> seen_;  // only the registering thread touches it
    // A document has a few texts per card that never repeat; they are
    // remembered by hash only. Two keys of one hash at worst give a form
    // used once. Only the registering thread touches these two.
    MetBefore met_;
    std::unordered_map<std::string, int> formIndex_;
    std::vector<std::string> forms_;  // content streams, compressed; empty until made
};

}  // namespace platform::pdf
