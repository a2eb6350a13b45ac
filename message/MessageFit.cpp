#include "message/MessageFit.h"

#include "message/MessageLineLayout.h"
#include "platform/page/VerticalText.h"
#include "render/ConvertForVertical.h"
#include "render/VerticalFont.h"

namespace message {

MessageFit checkMessageFit(const MessageSideInput& in) {
    MessageFit fit;
    for (const PlacedLine& line : placeMessageLines(in.cardKind, in.layout, in.lines)) {
        const platform::FontRecord font = render::verticalFontRecord(in.faceIndex, line.height);
        const platform::TextLayout laid =
            platform::VerticalText::layout(font, render::ConvertForVertical(line.text));
        // Half a unit of slack: a column that ends on the edge fits.
        const bool pastBottom = line.y - laid.length < -kCardHeight - 0.5;
        const bool pastLeft = line.x - laid.em < -0.5;
        if (pastBottom || pastLeft) fit.offCard.append(line.index + 1);
    }
    int last = -1;
    if (in.cardKind == int(CardKind::NewYear)) last = kNewYearLastLine;
    if (in.cardKind == int(CardKind::Ordinary)) last = kOrdinaryLastLine;
    if (last < 0) return fit;
    for (int i = last + 1; i < in.lines.size(); ++i)
        if (!in.lines[i].isEmpty()) {
            fit.firstUndrawn = i + 1;
            break;
        }
    return fit;
}

QString messageFitWarning(const MessageFit& fit) {
    QStringList sentences;
    if (!fit.offCard.isEmpty()) {
        QStringList numbers;
        for (int n : fit.offCard) numbers.append(QString::number(n));
        sentences.append(QStringLiteral("%1 行目がはがきからはみ出します。")
                             .arg(numbers.join(QStringLiteral("・"))));
    }
    if (fit.firstUndrawn > 0)
        sentences.append(QStringLiteral("%1 行目から後は印刷されません。").arg(fit.firstUndrawn));
    return sentences.join(QString());
}

}  // namespace message
