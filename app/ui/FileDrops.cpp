#include "app/ui/FileDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace app {
namespace {

class FileDropFilter : public QObject {
  public:
    FileDropFilter(QObject* parent, std::function<void(const QStringList&)> open)
        : QObject(parent), open_(std::move(open)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = droppedFiles(drop->mimeData());
        if (files.isEmpty()) return false;  // text: the field takes it
        drop->acceptProposedAction();
        if (type == QEvent::Drop) open_(files);
        return true;
    }

  private:
    std::function<void(const QStringList&)> open_;
};

}  // namespace

QStringList droppedFiles(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    return paths;
}

void routeFileDrops(QWidget* window, std::function<void(const QStringList&)> open) {
    auto* filter = new FileDropFilter(window, std::move(open));
    // Every child, not only those that accept drops: a text box's drops
    // arrive at its viewport, which forwards them without a filter of its own.
    for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(filter);
}

}  // namespace app
