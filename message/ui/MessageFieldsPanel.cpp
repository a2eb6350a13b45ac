#include "message/ui/MessageFieldsPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/ui/SpinField.h"

namespace message {

MessageFieldsPanel::MessageFieldsPanel(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("PageControl3"));
    const QVector<MessageAdjustmentPage>& table = messageFieldPages();
    for (int p = 0; p < table.size(); ++p) {
        const MessageAdjustmentPage& entry = table[p];
        const auto which = MessageFieldPage(p);
        auto* page = new QWidget(this);
        page->setObjectName(QLatin1String(entry.name));
        page->setContextMenuPolicy(Qt::NoContextMenu);
        auto* grid = new QGridLayout(page);
        grid->setContentsMargins(6, 4, 6, 4);
        int column = 0;
        for (const MessageAdjustmentGroup& g : entry.groups) {
            auto* box = new QGroupBox(QString::fromUtf16(g.caption), page);
            auto* rows = new QGridLayout(box);
            rows->setContentsMargins(6, 2, 6, 2);
            rows->setVerticalSpacing(2);
            for (int r = 0; r < g.fields.size(); ++r) {
                const MessageAdjustmentField& f = g.fields[r];
                auto* spin = new platform::SpinField(f.minimum, f.maximum, box);
                spin->setObjectName(QLatin1String(f.name));
                spin->setFixedWidth(64);
                spin->setContextMenuPolicy(Qt::NoContextMenu);
                fields_.insert(spin->objectName(), spin);
                rows->addWidget(new QLabel(QString::fromUtf16(f.label), box), r, 0);
                rows->addWidget(spin, r, 1);
                connect(spin, &platform::SpinField::changed, this,
                        [this, which, spin] { emit fieldChanged(which, spin); });
            }
            grid->addWidget(box, 0, column++);
        }
        auto* reset = new QPushButton(QStringLiteral("初期値に戻す"), page);
        reset->setObjectName(QLatin1String(entry.resetButton));
        reset->setEnabled(false);
        connect(reset, &QPushButton::clicked, this, [this, which] { emit resetClicked(which); });
        grid->addWidget(reset, 1, std::max(column - 1, 0), Qt::AlignRight);
        grid->setRowStretch(2, 1);
        grid->setColumnStretch(column, 1);
        resets_.append(reset);
        pages_.append(page);
        addTab(page, QString::fromUtf16(entry.caption));
    }
    setCurrentIndex(0);
}

platform::SpinField* MessageFieldsPanel::field(const char* name) const {
    return fields_.value(QLatin1String(name), nullptr);
}

void MessageFieldsPanel::setFieldValues(const MessageLayout& layout) {
    for (const MessageAdjustmentPage& page : messageFieldPages())
        for (const MessageAdjustmentGroup& group : page.groups)
            for (const MessageAdjustmentField& f : group.fields)
                if (platform::SpinField* spin = field(f.name)) spin->setValue(layout.*f.member);
}

MessageLayout MessageFieldsPanel::layout() const {
    MessageLayout m;
    for (const MessageAdjustmentPage& page : messageFieldPages())
        for (const MessageAdjustmentGroup& g : page.groups)
            for (const MessageAdjustmentField& f : g.fields) m.*f.member = field(f.name)->value();
    return m;
}

bool MessageFieldsPanel::anyNonZero(MessageFieldPage page) const {
    for (const MessageAdjustmentGroup& g : messageFieldPages()[page].groups)
        for (const MessageAdjustmentField& f : g.fields)
            if (field(f.name)->value() != 0) return true;
    return false;
}

void MessageFieldsPanel::zero(MessageFieldPage page) {
    for (const MessageAdjustmentGroup& g : messageFieldPages()[page].groups)
        for (const MessageAdjustmentField& f : g.fields) field(f.name)->setValue(0);
}

}  // namespace message
