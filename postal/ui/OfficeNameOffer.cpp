#include "postal/ui/OfficeNameOffer.h"

#include <QLineEdit>
#include <QStringList>

namespace book {

QString offerOfficeName(QLineEdit* company, const std::vector<PostalPlace>& places) {
    QStringList names;
    for (const PostalPlace& p : places)
        if (!p.office.isEmpty() && !names.contains(p.office)) names << p.office;
    if (names.isEmpty() || names.contains(company->text().trimmed())) return QString();
    if (company->text().trimmed().isEmpty() && names.size() == 1) {
        // Typed in rather than set, so that undo takes it out again.
        company->selectAll();
        company->insert(names.front());
        return QStringLiteral("社名に入れました: %1").arg(names.front());
    }
    // Several offices share the code (the faculties of one university), or
    // the field already says something: only name them.
    const QStringList shown = names.mid(0, 3);
    return QStringLiteral("社名の候補: %1%2")
        .arg(shown.join(QStringLiteral("、")),
             names.size() > shown.size()
                 ? QStringLiteral(" ほか %1 件").arg(names.size() - shown.size())
                 : QString());
}

}  // namespace book
