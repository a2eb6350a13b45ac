#include "render/ui/LayoutPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/ui/SpinField.h"
#include "render/LayoutFields.h"
#include "render/ui/BarcodeTab.h"
#include "render/ui/TypesetTab.h"

namespace render {

LayoutPanel::LayoutPanel(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("PageControl2"));
    const QVector<AdjustmentTab>& tabs = layoutTabs();
    for (int t = 0; t < tabs.size(); ++t) {
        const AdjustmentTab& entry = tabs[t];
        auto* page = new QWidget(this);
        page->setObjectName(QLatin1String(entry.name));
        page->setContextMenuPolicy(Qt::NoContextMenu);
        auto* grid = new QGridLayout(page);
        grid->setContentsMargins(8, 6, 8, 6);
        grid->setVerticalSpacing(4);
        auto* heading = new QLabel(QString::fromUtf16(entry.heading), page);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, 0, 0, 1, 4);

        // Fields fill two columns; grouped ones stand under their group name.
        QString lastGroup;
        int row = 1;
        int col = 0;
        for (const AdjustmentField& f : entry.fields) {
            const QString group = QString::fromUtf16(f.group);
            if (!group.isEmpty() && group != lastGroup) {
                if (col != 0) {
                    ++row;
                    col = 0;
                }
                grid->addWidget(new QLabel(group, page), row++, 0, 1, 2);
            }
            lastGroup = group;
            auto* spin = new platform::SpinField(f.minimum, f.maximum, page);
            spin->setObjectName(QLatin1String(f.name));
            spin->setFixedWidth(64);
            fields_.insert(spin->objectName(), spin);
            grid->addWidget(new QLabel(QString::fromUtf16(f.label), page), row, col * 2);
            grid->addWidget(spin, row, col * 2 + 1);
            connect(spin, &platform::SpinField::changed, this, [this, t, spin] {
                spin->hideCaret();
                tabChanged(t);
                emit refreshRequested();
            });
            if (++col == 2) {
                col = 0;
                ++row;
            }
        }
        auto* reset = new QPushButton(QStringLiteral("初期値に戻す"), page);
        reset->setObjectName(QLatin1String(entry.resetButton));
        reset->setEnabled(false);
        resets_.append(reset);
        connect(reset, &QPushButton::clicked, this, [this, t] { resetTab(t); });
        grid->addWidget(reset, row + (col ? 1 : 0), 2, 1, 2, Qt::AlignRight);
        grid->setRowStretch(row + 2, 1);
        addTab(page, QString::fromUtf16(entry.caption));
    }
    typeset_ = new TypesetTab(this);
    connect(typeset_, &TypesetTab::changed, this, &LayoutPanel::refreshRequested);
    addTab(typeset_, QStringLiteral("文字の整形"));
    barcode_ = new BarcodeTab(this);
    connect(barcode_, &BarcodeTab::changed, this, &LayoutPanel::refreshRequested);
    addTab(barcode_, QStringLiteral("バーコード"));
    setCurrentIndex(0);
}

platform::SpinField* LayoutPanel::field(const char* name) const {
    return fields_.value(QLatin1String(name), nullptr);
}

QPushButton* LayoutPanel::resetButton(const char* name) const {
    for (QPushButton* b : resets_)
        if (b->objectName() == QLatin1String(name)) return b;
    return nullptr;
}

int LayoutPanel::value(const char* name) const {
    const platform::SpinField* f = field(name);
    return f ? f->value() : 0;
}

LayoutSettings LayoutPanel::settings() const {
    LayoutSettings s;
    for (const AdjustmentTab& tab : layoutTabs())
        for (const AdjustmentField& f : tab.fields) f.valueIn(s) = value(f.name);
    return s;
}

void LayoutPanel::setSettings(const LayoutSettings& settings) {
    for (const AdjustmentTab& tab : layoutTabs())
        for (const AdjustmentField& f : tab.fields)
            if (platform::SpinField* spin = field(f.name)) spin->setValue(f.valueIn(settings));
}

TypesetChoices LayoutPanel::typesetChoices() const { return typeset_->choices(); }

void LayoutPanel::tabChanged(int tab) {
    bool any = false;
    for (const AdjustmentField& f : layoutTabs()[tab].fields) any = any || value(f.name) != 0;
    resets_[tab]->setEnabled(any);
}

void LayoutPanel::resetTab(int tab) {
    for (const AdjustmentField& f : layoutTabs()[tab].fields) field(f.name)->setValue(0);
    emit refreshRequested();
    resets_[tab]->setEnabled(false);
}

}  // namespace render
