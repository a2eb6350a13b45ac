#pragma once
// The editor's tool bar and menu images, drawn in code.

#include <QIcon>

namespace editor {

enum class EditorIcon {
    Open,
    New,
    Print,
    Save,
    Close,
    Rotate90,
    MirrorLeftRight,
    MirrorTopBottom,
    Undo,
    Pen,
    Line,
    Rect,
    Ellipse,
    RoundRect,
    Fill,
    Picker,
    Size,
};

QIcon editorIcon(EditorIcon icon);

}  // namespace editor
