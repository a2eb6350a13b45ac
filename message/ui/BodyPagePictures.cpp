// Pictures for the back of the card: read by extension through the
// program's own readers, then shown under the text.

#include "message/ui/BodyPage.h"
#include "platform/pictures/PictureFiles.h"
#include "platform/seams/Dialogs.h"

namespace message {

bool BodyPage::openPicture(const QString& path) {
    // Decoded in full before anything changes: a picture that cannot be read
    // leaves the previous one, its name and the status as they were.
    const platform::DecodedPicture decoded = platform::readPicture(path);
    if (!decoded.ok()) {
        dialogs_.error(this, decoded.error);
        return false;
    }
    // Metafiles arrive drawn on white at their own size, so nothing of an
    // earlier picture shows through where they leave the canvas untouched.
    BackPicture = decoded.image;
    PictureFileName = path;
    renderPreview();
    return true;
}

}  // namespace message
