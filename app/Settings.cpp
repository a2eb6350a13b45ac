#include "app/Settings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include "platform/Dialogs.h"
#include "platform/ProfileFile.h"
#include "platform/SpinField.h"

namespace app {

namespace {

QString section(const SettingKey& k) { return QLatin1String(k.section); }
QString key(const SettingKey& k) { return QLatin1String(k.key); }

}  // namespace

void readSettings(QWidget& window, const QString& path) {
    platform::ProfileFile file(path);
    file.load();  // a missing or unreadable file leaves every control as it is
    for (const SettingKey& k : settingKeys()) {
        const QString name = QLatin1String(k.control);
        switch (k.type) {
            case SettingType::Text:
                if (auto* edit = window.findChild<QLineEdit*>(name))
                    edit->setText(file.readText(section(k), key(k), edit->text()));
                break;
            case SettingType::Integer:
                if (auto* spin = window.findChild<platform::SpinField*>(name))
                    spin->setValue(file.readInt(section(k), key(k), spin->value()));
                break;
            case SettingType::Choice:
                if (auto* box = window.findChild<QComboBox*>(name)) {
                    const int index = file.readInt(section(k), key(k), box->currentIndex());
                    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
                }
                break;
        }
    }
}

bool writeSettings(QWidget& window, const QString& path, platform::Dialogs& dialogs) {
    platform::ProfileFile file(path);
    file.load();
    for (const SettingKey& k : settingKeys()) {
        const QString name = QLatin1String(k.control);
        switch (k.type) {
            case SettingType::Text:
                if (auto* edit = window.findChild<QLineEdit*>(name)) file.writeText(section(k), key(k), edit->text());
                break;
            case SettingType::Integer:
                if (auto* spin = window.findChild<platform::SpinField*>(name))
                    file.writeInt(section(k), key(k), spin->value());
                break;
            case SettingType::Choice:
                if (auto* box = window.findChild<QComboBox*>(name))
                    file.writeInt(section(k), key(k), box->currentIndex());
                break;
        }
    }
    if (!file.save().ok) {
        dialogs.error(&window, platform::ProfileFile::cannotWriteMessage(path));
        return false;
    }
    return true;
}

}  // namespace app
