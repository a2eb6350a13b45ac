#include "message/MessageFields.h"

namespace message {

const QVector<MessageAdjustmentPage>& messageFieldPages() {
    using M = MessageLayout;
    static const QVector<MessageAdjustmentPage> pages = {
        {"NMoji",
         u"年賀状の文字調整",
         "NEDefault",
         {{u"３行目までの設定",
           {{"NES0", u"文字大（S)", -120, 200, &M::NES0},
            {"NEG0", u"行　間（G)", -100, 300, &M::NEG0},
            {"NEX0", u"右余白（X)", -300, 300, &M::NEX0},
            {"NEY0", u"上余白（Y)", -100, 100, &M::NEY0}}},
          {u"４行目以降の設定",
           {{"NES1", u"文字大（S)", -70, 200, &M::NES1},
            {"NEG1", u"行　間（G)", -100, 300, &M::NEG1},
            {"NEX1", u"右余白（X)", -500, 500, &M::NEX1},
            {"NEY1", u"上余白（Y)", -100, 100, &M::NEY1}}}}},
        {"FMoji",
         u"普通はがきの文字調整",
         "FuDefault",
         {{u"文字の設定",
           {{"FHS0", u"文字大（S）", -70, 70, &M::FHS0},
            {"FHG0", u"行　間（G）", -100, 200, &M::FHG0},
            {"FHX0", u"右余白（X)", -300, 300, &M::FHX0},
            {"FHY0", u"上余白（Y)", -400, 100, &M::FHY0}}}}},
        {"SetPrint",
         u"画像の印刷設定",
         "SPrintDefault",
         {{u"印刷の設定",
           {{"PGsize1", u"画像大（S)", -70, 200, &M::PGsize1},
            {"PIndL", u"右余白（X)", -500, 500, &M::PIndL},
            {"PIndT", u"上余白（Y)", -100, 100, &M::PIndT}}}}},
    };
    return pages;
}

}  // namespace message
