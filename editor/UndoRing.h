#pragma once
// The editor's five-level undo ("レスキュー"). Every press on the picture
// pushes a copy; undos walk back from the newest copy, and a new press
// starts the walk again at the newest.

#include <QImage>
#include <array>
#include <optional>

namespace editor {

class UndoRing {
  public:
    static constexpr int kLevels = 5;

    // Keeps a copy of `picture` as the newest level, dropping the oldest.
    void push(const QImage& picture);

    // The picture to restore (with its own size), or nothing when no level
    // is left. The undo command is disabled once canUndo() turns false.
    std::optional<QImage> undo();

    bool canUndo() const { return count_ >= 1; }
    int count() const { return count_; }  // usable levels, 0..5
    int index() const { return index_; }  // level the next undo restores, 0..4

    // A new or loaded picture: nothing left to undo.
    void clear();

  private:
    std::array<QImage, kLevels> snapshots_;  // [0] newest
    int count_ = 0;
    int index_ = 0;
};

}  // namespace editor
