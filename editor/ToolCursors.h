#pragma once
// The pointers shown over the picture: our own pen, line, paint-bucket and
// dropper images, each with its hot spot where the tool acts; the box tools
// use the cross-hair.

#include <QCursor>

#include "editor/ToolStroke.h"

namespace editor {

QCursor toolCursor(DrawingTool tool);

}  // namespace editor
