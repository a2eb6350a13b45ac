#pragma once
// One print job: the pages in order, a new page between them, and a job
// that is always closed, so a failure never keeps the next job from starting.

#include <QString>
#include <functional>

class QPainter;

namespace platform {
class PrintTarget;
}

namespace print {

// Prints `pages` pages, calling `drawPage(painter, index)` for each. Returns
// an empty string, or the reason the job failed (it was closed regardless).
QString runPrintJob(platform::PrintTarget& target, const QString& title, int pages,
                    const std::function<void(QPainter&, int)>& drawPage);

}  // namespace print
