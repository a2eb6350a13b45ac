#include "platform/pictures/ProgramIcon.h"

namespace platform {

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/pelcor/icons/jp.pelcor.Pelcor-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

}  // namespace platform
