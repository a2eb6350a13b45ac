#include "platform/text/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

bool installQtTranslation(QCoreApplication& application, const QString& folder) {
    const QString where =
        folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    // The program is Japanese whatever the user's locale says, so ask for
    // Japanese by name. The application owns the translator from here on.
    // The few print-dialog texts Qt's own translation lacks, compiled in.
    auto* ours = new QTranslator(&application);
    if (ours->load(QStringLiteral(":/pelcor/translations/print-dialog_ja.qm")))
        QCoreApplication::installTranslator(ours);
    else
        delete ours;
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), where)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace platform
