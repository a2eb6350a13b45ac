#include "platform/pdf/PdfDocument.h"

#include <pthread.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/files/NativeSaveFile.h"
#include "platform/pdf/Deflate.h"
#include "platform/pdf/FontEmbedding.h"
#include "platform/pdf/ImageEmbedding.h"
#include "platform/pdf/ObjectWriter.h"
#include "platform/pdf/PageContent.h"
#include "platform/pdf/PdfSyntax.h"

namespace platform::pdf {
namespace {

// A page on its way: recorded on the calling thread, turned into compressed
// content by a worker, written by the calling thread.
struct Slot {
    PdfPage page;
    FormChoices forms;
    double widthPt = 0, heightPt = 0;
    std::string content;  // compressed; its room is reused page after page
    bool ready = false;
};

class Workers {
  public:
    Workers(std::vector<Slot>& pending, PdfResources& resources)
        : slots_(pending), resources_(resources) {
        const unsigned n = std::max(1u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < n; ++i) {
            threads_.emplace_back([this] { work(); });
            // Named, so that a look at the running program shows what they do.
            pthread_setname_np(threads_.back().native_handle(), "pdf-pages");
        }
    }
    ~Workers() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        for (std::thread& t : threads_) t.join();
    }

    // Hands out slots [first, first + count) as one job: a page is built in
    // tens of microseconds, so waking a thread for each would cost as much.
    void submit(int first, int count) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (int i = 0; i < count; ++i) slots_[size_t(first + i)].ready = false;
            queue_.emplace_back(first, count);
        }
        wake_.notify_one();
    }

    void waitFor(int slot) {
        std::unique_lock<std::mutex> lock(mutex_);
        done_.wait(lock, [&] { return slots_[size_t(slot)].ready; });
    }

  private:
    void work() {
        // Kept per thread: a fresh buffer for every page costs more in page
        // faults than the content takes to build.
        std::string content;
        for (;;) {
            std::pair<int, int> job;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [&] { return stop_ || !queue_.empty(); });
                if (queue_.empty()) return;
                job = queue_.front();
                queue_.pop_front();
            }
            run(job, content);
        }
    }

    void run(std::pair<int, int> job, std::string& content) {
        for (int i = job.first; i < job.first + job.second; ++i) {
            Slot& s = slots_[size_t(i)];
            pageContent(s.page.picture, s.page.offset, resources_, s.forms, content);
            deflateInto(content, Packing::Fast, s.content);
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (int i = job.first; i < job.first + job.second; ++i) slots_[size_t(i)].ready = true;
        }
        done_.notify_all();
    }

    std::vector<Slot>& slots_;
    PdfResources& resources_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable wake_, done_;
    std::deque<std::pair<int, int>> queue_;  // first slot, count
    bool stop_ = false;
};

// One entry of a resource dictionary: "/Fm3 17 0 R ", the name the pages
// use and the object it stands for.
void resourceEntry(std::string& dict, const char* prefix, size_t index, int id) {
    dict += prefix;
    appendInt(dict, (long long)index);
    dict.push_back(' ');
    appendInt(dict, id);
    dict += " 0 R ";
}

// A PDF text string: UTF-16 with its byte-order mark, in hex.
std::string textString(const QString& s) {
    std::string out = "<FEFF";
    for (QChar c : s) appendHex4(out, c.unicode());
    out += ">";
    return out;
}

}  // namespace

QString writePdf(const QString& path, int pageCount, const PageSource& source,
                 const PdfDocumentInfo& info) {
    platform::NativeSaveFile file(path);
    if (!file.open()) return file.errorString();
    ObjectWriter out(file.device());
    const int catalog = out.reserve(), pages = out.reserve(), resourcesId = out.reserve(),
              infoId = out.reserve();

    PdfResources resources;
    std::vector<int> kids;
    kids.reserve(size_t(std::max(0, pageCount)));
    QString error;
    {
        // Enough pages in flight to keep every core busy, few enough that
        // memory does not grow with the document.
        constexpr int kBatch = 8;
        const int window = int(std::max(1u, std::thread::hardware_concurrency())) * kBatch * 4;
        std::vector<Slot> pending(static_cast<size_t>(window));
        Workers workers(pending, resources);
        int submitted = 0;
        for (int written = 0; written < pageCount && error.isEmpty() && !out.failed(); ++written) {
            // Whole batches that fit the window without wrapping round it.
            while (submitted < pageCount && error.isEmpty()) {
                const int first = submitted % window;
                const int count = std::min({kBatch, pageCount - submitted, window - first});
                if (submitted + count - written > window) break;
                for (int i = 0; i < count && error.isEmpty(); ++i) {
                    Slot& s = pending[size_t(first + i)];
                    error = source(submitted + i, s.page);
                    if (error.isEmpty() && !s.page.picture.isValid())
                        error = QStringLiteral("%1 ページ目に描くものがありません。")
                                    .arg(submitted + i + 1);
                    s.widthPt = pointsFromHundredths(s.page.picture.widthHundredths);
                    s.heightPt = pointsFromHundredths(s.page.picture.heightHundredths);
                    prepare(s.page.picture, resources, s.forms);
                }
                if (!error.isEmpty()) break;
                workers.submit(first, count);
                submitted += count;
            }
            if (!error.isEmpty()) break;
            Slot& s = pending[size_t(written % window)];
            workers.waitFor(written % window);
            const int pageId = out.reserve(), contentId = out.reserve();
            std::string dict = "<</Type /Page /Parent ";
            appendInt(dict, pages);
            dict += " 0 R /MediaBox [0 0 ";
            appendNumber(dict, s.widthPt, 2);
            dict.push_back(' ');
            appendNumber(dict, s.heightPt, 2);
            dict += "] /Resources ";
            appendInt(dict, resourcesId);
            dict += " 0 R /Contents ";
            appendInt(dict, contentId);
            dict += " 0 R>>";
            out.object(pageId, dict);
            out.stream(contentId, " /Filter /FlateDecode", s.content);
            // Memory goes back to the thread that took it: the recording
            // here, the content (kept for the slot's next page) there.
            s.page = PdfPage();
            kids.push_back(pageId);
        }
    }
    if (!error.isEmpty()) {
        file.cancelWriting();
        return error;
    }

    std::string dict = "<</ProcSet [/PDF /Text /ImageC] /Font <<";
    std::vector<int> fontIds, verticalIds, imageIds;
    for (size_t i = 0; i < resources.fonts().size(); ++i) {
        fontIds.push_back(out.reserve());
        verticalIds.push_back(out.reserve());
        resourceEntry(dict, "/F", i, fontIds.back());
        resourceEntry(dict, "/V", i, verticalIds.back());
    }
    dict += ">> /XObject <<";
    for (size_t i = 0; i < resources.images().size(); ++i) {
        imageIds.push_back(out.reserve());
        resourceEntry(dict, "/Im", i, imageIds.back());
    }
    std::vector<int> formIds;
    for (size_t i = 0; i < resources.forms().size(); ++i) {
        formIds.push_back(out.reserve());
        resourceEntry(dict, "/Fm", i, formIds.back());
    }
    dict += ">>>>";
    out.object(resourcesId, dict);
    // Forms draw in the units of the page that places them; the box is the
    // whole plane, they clip nothing.
    std::string formDict =
        " /Type /XObject /Subtype /Form /BBox [-100000 -100000 100000 100000] /Resources ";
    appendInt(formDict, resourcesId);
    formDict += " 0 R /Filter /FlateDecode";
    for (size_t i = 0; i < formIds.size(); ++i)
        out.stream(formIds[i], formDict, resources.forms()[i]);
    for (size_t i = 0; i < fontIds.size(); ++i)
        writeFont(out, fontIds[i], verticalIds[i], resources.fonts()[i]);
    for (size_t i = 0; i < imageIds.size(); ++i)
        writeImage(out, imageIds[i], resources.images()[i]);

    dict = "<</Type /Pages /Count ";
    appendInt(dict, (long long)kids.size());
    dict += " /Kids [";
    for (int id : kids) {
        appendInt(dict, id);
        dict += " 0 R ";
    }
    dict += "]>>";
    out.object(pages, dict);
    dict = "<</Type /Catalog /Pages ";
    appendInt(dict, pages);
    dict += " 0 R>>";
    out.object(catalog, dict);
    dict = "<</Producer " + textString(info.creator) + " /Creator " + textString(info.creator) +
           " /Title " + textString(info.title) + ">>";
    out.object(infoId, dict);
    out.finish(catalog, infoId);

    if (out.failed()) {
        file.cancelWriting();
        return out.error();
    }
    if (!file.commit()) return file.errorString();
    return QString();
}

}  // namespace platform::pdf
