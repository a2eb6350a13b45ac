// Pictures for the back of the card: read by the document through the
// program's own readers, then shown under the text.

#include "message/ui/BodyPage.h"
#include "platform/seams/Dialogs.h"

namespace message {

bool BodyPage::openPicture(const QString& path) {
    // A picture that cannot be read leaves the previous one, its name and
    // the status as they were.
    const QString error = document_.openPicture(path);
    if (!error.isEmpty()) {
        dialogs_.error(this, error);
        return false;
    }
    renderPreview();
    return true;
}

}  // namespace message
