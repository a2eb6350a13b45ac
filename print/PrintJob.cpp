#include "print/PrintJob.h"

#include "platform/seams/PrintTarget.h"

namespace print {

QString runPrintJob(platform::PrintTarget& target, const QString& title, int pages,
                    const std::function<void(QPainter&, int)>& drawPage) {
    QPainter* painter = target.beginJob(title);
    if (!painter) return target.errorString();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !target.newPage()) {
            const QString why = target.errorString();
            target.endJob();
            return why;
        }
        drawPage(*painter, i);
    }
    if (!target.endJob()) return target.errorString();
    return QString();
}

}  // namespace print
