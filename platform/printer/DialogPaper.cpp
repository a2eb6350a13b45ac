#include "platform/printer/DialogPaper.h"

#include <cups/ppd.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QPageLayout>
#include <QPrintDialog>
#include <QRadioButton>
#include <cmath>

namespace platform {
namespace {

// Qt's own object names and properties in its print dialogs (Qt 6.4).
const char* const kPresetDone = "pelcorPaperPreset";
const char* const kPpdOption = "_q_ppd_option";
const char* const kPpdSavedChoice = "_q_ppd_originally_selected_choice";

bool sameSize(const QPageSize& a, const QPageSize& b) {
    const QSizeF x = a.size(QPageSize::Millimeter), y = b.size(QPageSize::Millimeter);
    // Drivers round their sizes to whole points: half a millimetre is the same paper.
    return std::abs(x.width() - y.width()) < 0.5 && std::abs(x.height() - y.height()) < 0.5;
}

void presetPaper(QDialog& dialog, QComboBox& combo, const QPageSize& size) {
    int custom = -1;
    for (int i = 0; i < combo.count(); ++i) {
        const QVariant data = combo.itemData(i);
        if (!data.canConvert<QPageSize>() || !data.value<QPageSize>().isValid()) {
            custom = i;  // "Custom" carries no size
        } else if (sameSize(data.value<QPageSize>(), size)) {
            combo.setCurrentIndex(i);
            custom = -2;
            break;
        }
    }
    if (custom >= 0) {
        combo.setCurrentIndex(custom);
        auto* units = dialog.findChild<QComboBox*>(QStringLiteral("unitCombo"));
        const auto unit =
            units ? units->currentData().value<QPageLayout::Unit>() : QPageLayout::Millimeter;
        // QPageLayout and QPageSize count their units in the same order.
        const QSizeF s = size.size(QPageSize::Unit(unit));
        auto* width = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"));
        auto* height = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"));
        if (width && height) {
            width->setValue(s.width());
            height->setValue(s.height());
        }
    }
    // Cards are drawn upright.
    if (auto* portrait = dialog.findChild<QRadioButton*>(QStringLiteral("portrait")))
        portrait->setChecked(true);
}

// The Advanced tab's combo of a PPD option carries the option itself.
const ppd_option_t* ppdOption(const QComboBox& combo) {
    const QVariant v = combo.property(kPpdOption);
    if (!v.isValid() || qstrcmp(v.typeName(), "const ppd_option_s*") != 0) return nullptr;
    return *static_cast<const ppd_option_t* const*>(v.constData());
}

void presetTray(QDialog& dialog, const QString& tray) {
    for (QComboBox* combo : dialog.findChildren<QComboBox*>()) {
        const ppd_option_t* option = ppdOption(*combo);
        if (!option || qstrcmp(option->keyword, "InputSlot") != 0) continue;
        for (int i = 0; i < combo->count(); ++i) {
            const int choice = combo->itemData(i).toInt();
            if (choice < 0 || choice >= option->num_choices ||
                tray != QLatin1String(option->choices[choice].choice))
                continue;
            combo->setCurrentIndex(i);
            // Cancel goes back to this, not to the printer's default.
            combo->setProperty(kPpdSavedChoice, i);
            return;
        }
    }
}

}  // namespace

DialogPaperPreset::DialogPaperPreset(const QPageSize& size, const QString& tray)
    : size_(size), tray_(tray) {
    qApp->installEventFilter(this);
}

DialogPaperPreset::~DialogPaperPreset() { qApp->removeEventFilter(this); }

bool DialogPaperPreset::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || dialog->property(kPresetDone).toBool()) return false;
    auto* paper = dialog->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
    // Only the dialog that holds the controls, not the print dialog around it.
    if (!paper || paper->window() != dialog) return false;
    dialog->setProperty(kPresetDone, true);
    if (size_.isValid()) presetPaper(*dialog, *paper, size_);
    if (!tray_.isEmpty()) presetTray(*dialog, tray_);
    return false;
}

bool propertiesConfirmed(const QPrintDialog& dialog) {
    for (const QDialog* child : dialog.findChildren<QDialog*>())
        if (child->inherits("QPrintPropertiesDialog") && child->result() == QDialog::Accepted)
            return true;
    return false;
}

}  // namespace platform
