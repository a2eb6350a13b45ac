#include "editor/UndoRing.h"

#include <algorithm>

namespace editor {

void UndoRing::push(const QImage& picture) {
    count_ = std::min(count_ + 1, kLevels);
    for (int i = kLevels - 1; i > 0; --i) snapshots_[size_t(i)] = snapshots_[size_t(i) - 1];
    // QImage shares its pixels until the picture is drawn on, so a press
    // that changes nothing costs no copy.
    snapshots_[0] = picture;
    index_ = 0;
}

std::optional<QImage> UndoRing::undo() {
    if (count_ < 1) return std::nullopt;
    QImage restored = snapshots_[size_t(index_)];
    index_ = std::min(index_ + 1, kLevels - 1);
    --count_;
    return restored;
}

void UndoRing::clear() {
    count_ = 0;
    index_ = 0;
    for (QImage& s : snapshots_) s = QImage();
}

}  // namespace editor
