#include "cli/MessageCardJob.h"

#include <cstdio>

#include "cli/ExportCharacters.h"
#include "message/BodyFile.h"
#include "message/MessageFit.h"
#include "platform/pictures/PictureFiles.h"
#include "settings/SettingsInput.h"

namespace app {

QString readMessageCard(const CardJob& job, const QString& settingsFile,
                        message::MessageSideInput& in) {
    if (const QString why = japaneseFontProblem(); !why.isEmpty()) return why;
    in = messageSideInputFromSettings(settingsFile);
    in.target = platform::OutputTarget::Printer;
    const message::BodyReadResult body = message::readBodyFile(job.inputs.first());
    if (!body.ok) return job.inputs.first() + QStringLiteral(": ") + body.error;
    if (!body.text.isEmpty()) in.lines = body.text.split(QLatin1Char('\n'));
    if (job.inputs.size() > 1) {
        const platform::DecodedPicture picture = platform::readPicture(job.inputs[1]);
        if (!picture.ok()) return picture.error;
        in.picture = picture.image;
        in.showPicture = true;
    }
    // Lines the card cannot hold are said, not lost silently; the card is made.
    if (const QString fit = message::messageFitWarning(message::checkMessageFit(in));
        !fit.isEmpty())
        std::fprintf(stderr, "mirel36: %s\n", qPrintable(fit));
    return QString();
}

}  // namespace app
