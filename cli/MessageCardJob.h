#pragma once
// The message side a command-line job puts on a card, whether it writes a
// PDF or prints: the text and the picture named, over the settings file's
// choices.

#include <QString>

#include "cli/CardJobArguments.h"
#include "message/MessageSideInput.h"

namespace app {

// Reads job.inputs (the text, then a picture if any) into `in`; lines the
// card cannot hold are said on standard error. Returns an empty string, or
// why there is no card, in Japanese.
QString readMessageCard(const CardJob& job, const QString& settingsFile,
                        message::MessageSideInput& in);

}  // namespace app
