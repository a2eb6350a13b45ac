#pragma once
// What the settings file keeps for each printer: the paper (and tray) the
// user chose for each kind of card and for the list, and how far that
// printer feeds each kind off its place.

#include <QPageSize>
#include <QPointF>
#include <QString>
#include <optional>

namespace print {

// The "kind" under which the address list's paper is kept, after the cards.
constexpr int kListSheet = 6;

struct PaperChoice {
    QPageSize size;
    QString tray;
};

// The choice kept for `printer` and `kind`, if any.
std::optional<PaperChoice> readPaperChoice(const QString& settingsFile, const QString& printer,
                                           int kind);
// Keeps the choice; false when the file cannot be written.
bool writePaperChoice(const QString& settingsFile, const QString& printer, int kind,
                      const PaperChoice& choice);

// The calibration runs from -10 to +10 mm in 0.1 mm steps.
constexpr double kMaxCalibrationMm = 10.0;

// How far this printer puts a kind of card right and down of its place, in
// millimetres, as the user measured it; zero when none is kept. Printing
// moves the page back by as much.
QPointF readCalibration(const QString& settingsFile, const QString& printer, int kind);
bool writeCalibration(const QString& settingsFile, const QString& printer, int kind,
                      QPointF offsetMm);

}  // namespace print
