#pragma once
// The address book as a document: the whole book and the rows of the chosen
// relation, the file it came from, whether it changed, the record the pages
// show, the window's caption, and opening, saving, importing and exporting.
// It asks nothing: where a question or a file dialog is needed, the window
// asks and passes the answer in.

#include <QObject>
#include <QString>

#include "book/AddressFile.h"
#include "book/BookModel.h"
#include "book/exchange/BookImport.h"

namespace book {

class AddressBookDocument : public QObject {
    Q_OBJECT
  public:
    explicit AddressBookDocument(QObject* parent = nullptr);

    // The whole book, the rows of the shown relation, and whichever of the
    // two is shown.
    BookModel& wholeBook() { return whole_; }
    BookModel& filteredBook() { return filtered_; }
    BookModel& activeBook() { return showingAll_ ? whole_ : filtered_; }
    const BookModel& wholeBook() const { return whole_; }
    const BookModel& filteredBook() const { return filtered_; }
    const BookModel& activeBook() const { return showingAll_ ? whole_ : filtered_; }

    // The file the book was last opened from or saved to; empty for a new
    // book or one read from another program's format.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& path) { fileName_ = path; }
    // The file a book in another format was read from; saving never writes
    // over it.
    const QString& foreignFileName() const { return foreignFileName_; }
    // The name a plain save writes to: the book's own file when it has an
    // extension, else empty (the window asks for one).
    QString savePath() const;
    // Where the book's file dialogs start: the open book's folder, or the
    // 住所録 folder the program made; a save dialog for a book read from
    // another format starts at that file's folder.
    QString folder() const;
    QString saveFolder() const;

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // The relation shown: every row for the "全部" entry, else one relation.
    bool showingAll() const { return showingAll_; }
    const QString& relation() const { return relation_; }
    void selectRelation(const QString& relation);

    // The record the pages show, in the whole book and in the filtered rows.
    int currentRecord() const { return currentRecord_; }
    void setCurrentRecord(int row) { currentRecord_ = row; }
    int filteredCurrentRow() const { return filteredCurrentRow_; }
    void setFilteredCurrentRow(int row) { filteredCurrentRow_ = row; }

    const QString& caption() const { return caption_; }

    // Reads `path` (the program's own file, another program's CSV or a
    // vCard) into the book, shown whole. Returns the reason it failed, and
    // then leaves the book as it was.
    QString open(const QString& path);
    // An empty book with no name.
    void newBook();
    // The records holding characters the file cannot keep, described for
    // the question asked before they are written as '?'; empty when none.
    QString unsaveableRecords() const;
    static QString unsaveableRecords(const AddressRows& rows);
    // Writes the whole book to `path`, whichever rows are shown, and names
    // the book after it. Returns the reason it failed; the book and the old
    // file are then untouched.
    QString save(const QString& path);
    // Puts imported rows into the whole book as `mode` says, shows it whole
    // and marks it changed; a replaced book loses its name. Returns the row
    // of the first imported record.
    int importRows(const AddressRows& rows, ImportMode mode);
    // Writes the filled rows of the whole book as UTF-8 CSV or vCard 3.0.
    // Returns the reason it failed.
    QString exportTo(const QString& path, bool vcard) const;

    // Inserts empty rows at `selection` or deletes its rows; both change the book.
    int insertRows(const platform::GridRect& selection);
    void deleteRows(const platform::GridRect& selection);

  signals:
    void captionChanged(const QString& caption);
    // The relation shown changed, or the book went back to showing all rows.
    void filterChanged(bool showingAll);

  private:
    // Back to the whole book, as every new or imported book is shown.
    void showWholeBook();
    void setCaption(const QString& caption);
    // "『 name 』 N件中 relation M件 を表示中" for the book as it is now.
    void showCounts();

    BookModel whole_;
    BookModel filtered_;
    QString fileName_;
    QString foreignFileName_;
    bool modified_ = false;
    bool showingAll_ = true;
    QString relation_;
    int currentRecord_ = 1;
    int filteredCurrentRow_ = 0;
    QString caption_;
};

}  // namespace book
