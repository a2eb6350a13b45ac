#include "cli/ExportCharacters.h"

#include <algorithm>

#include "platform/page/FontFaces.h"
#include "platform/page/VerticalText.h"
#include "records/AddressRecord.h"

namespace app {
namespace {

constexpr int kListedRecords = 50;

QString quoted(const QStringList& chars) {
    return QStringLiteral("「") + chars.join(QStringLiteral("」「")) + QStringLiteral("」");
}

}  // namespace

QString japaneseFontProblem() {
    // The face every card falls back on draws kana and kanji when any
    // installed face does.
    const platform::FontFace* face = platform::FontFaces::fallback();
    if (face && face->covers(U'あ') && face->covers(U'漢')) return QString();
    return QStringLiteral(
        "日本語のフォントが見つからないため、はがきを書き出せません。"
        "IPA明朝（fonts-ipafont-mincho）などの日本語フォントをインストールしてください");
}

void UnprintableCharacters::check(int row, const render::AddressSideInput& in,
                                  const platform::PagePicture& card) {
    QStringList own;
    for (const platform::PageOp& op : card.ops) {
        const auto* text = std::get_if<platform::op::Text>(&op);
        if (!text) continue;
        for (const QString& c : platform::VerticalText::unprintable(text->text)) {
            // A character of no field of the record came from the sender.
            const bool inRecord = std::any_of(in.record.cbegin(), in.record.cend(),
                                              [&](const QString& f) { return f.contains(c); });
            QStringList& list = inRecord ? own : sender_;
            if (!list.contains(c)) list.append(c);
        }
    }
    if (own.isEmpty()) return;
    if (++records_ <= kListedRecords)
        lines_.append(QStringLiteral("%1行目（%2）: %3は印刷できない文字のため「?」で印刷されます")
                          .arg(row)
                          .arg(in.record[records::ColName], quoted(own)));
}

QStringList UnprintableCharacters::lines() const {
    QStringList out = lines_;
    if (records_ > kListedRecords)
        out.append(QStringLiteral("ほかに%1件のあて名にも「?」で印刷される文字があります")
                       .arg(records_ - kListedRecords));
    if (!sender_.isEmpty())
        out.append(QStringLiteral("差出人: %1は印刷できない文字のため「?」で印刷されます")
                       .arg(quoted(sender_)));
    return out;
}

}  // namespace app
