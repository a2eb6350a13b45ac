#pragma once
// The import dialog: shows the first rows of a CSV file as read, lets the
// user correct the encoding, separator, header row and the field of each
// column, or shows the cards of a vCard file; says what is wrong with a file
// it cannot take. Nothing reaches the book until the user confirms.

#include <QDialog>
#include <QVector>

#include "book/exchange/BookImport.h"
#include "book/exchange/ImportMemory.h"
#include "book/exchange/ImportSource.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QRadioButton;
class QTableWidget;
class QWidget;

namespace book {

class ImportDialog : public QDialog {
    Q_OBJECT
  public:
    // `remembered` are the mappings used before; the one for a file of this
    // layout is offered again.
    ImportDialog(const QString& path, const QByteArray& bytes, const RememberedMappings& remembered,
                 QWidget* parent = nullptr);

    bool isCsv() const { return kind_ == ImportKind::Csv; }
    const CsvChoices& choices() const { return choices_; }
    // The records as the dialog would import them, or the reason it cannot.
    const ImportResult& result() const { return result_; }
    ImportMode mode() const;
    // The mapping to remember after the import.
    RememberedMapping mappingToRemember() const;

    // Changes the choice of one column, as its selector does.
    void setColumnField(int column, ImportField field);

    QComboBox* encodingBox() const { return encodingBox_; }
    QComboBox* separatorBox() const { return separatorBox_; }
    QCheckBox* headerCheck() const { return headerCheck_; }
    QComboBox* columnBox(int column) const { return columnBoxes_.value(column); }
    QTableWidget* previewTable() const { return table_; }
    QLabel* messageLabel() const { return message_; }
    QRadioButton* replaceButton() const { return replace_; }

  private:
    void readEncodingAndSeparator();
    void headerToggled(bool on);
    void rebuildCsvPreview();
    void showCards();
    void refreshResult();
    void showRefusal(QString why);

    DecodedFile file_;
    ImportKind kind_;
    CsvChoices choices_;
    CsvTable preview_;
    ImportResult result_;

    QWidget* csvOptions_;
    QComboBox* encodingBox_;
    QComboBox* separatorBox_;
    QCheckBox* headerCheck_;
    QTableWidget* table_;
    QVector<QComboBox*> columnBoxes_;
    QRadioButton* append_;
    QRadioButton* replace_;
    QLabel* message_;
    QDialogButtonBox* buttons_;
};

}  // namespace book
