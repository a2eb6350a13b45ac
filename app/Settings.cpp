#include "app/Settings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include "platform/Dialogs.h"
#include "platform/ProfileFile.h"
#include "platform/SpinField.h"

namespace app {

const QVector<SettingKey>& settingKeys() {
    // The numbering of the "SE" keys has gaps; they are kept as they are.
    static const QVector<SettingKey> keys = {
        {"Edit", "text1", SettingType::Text, "SSimei"},
        {"Edit", "text2", SettingType::Text, "SRenmei"},
        {"Edit", "text3", SettingType::Text, "SYuubinBangou1"},
        {"Edit", "text4", SettingType::Text, "SYuubinBangou2"},
        {"Edit", "text5", SettingType::Text, "SJuusho1"},
        {"Edit", "text6", SettingType::Text, "SJuusho2"},
        {"SE", "int001", SettingType::Integer, "UXPos"},
        {"SE", "int002", SettingType::Integer, "UYPos"},
        {"SE", "int003", SettingType::Integer, "UWidth"},
        {"SE", "int004", SettingType::Integer, "UHeight"},
        {"SE", "int005", SettingType::Integer, "J1XPos"},
        {"SE", "int006", SettingType::Integer, "J1YPos"},
        {"SE", "int007", SettingType::Integer, "J2XPos"},
        {"SE", "int008", SettingType::Integer, "J2YPos"},
        {"SE", "int011", SettingType::Integer, "JHeight"},
        {"SE", "int012", SettingType::Integer, "NXPos"},
        {"SE", "int013", SettingType::Integer, "NYPos"},
        {"SE", "int014", SettingType::Integer, "NGyokan"},
        {"SE", "int015", SettingType::Integer, "NHeight"},
        {"SE", "int016", SettingType::Integer, "SUXPos1"},
        {"SE", "int017", SettingType::Integer, "SUXPos2"},
        {"SE", "int018", SettingType::Integer, "SUYPos1"},
        {"SE", "int019", SettingType::Integer, "SUYPos2"},
        {"SE", "int020", SettingType::Integer, "SUWidth"},
        {"SE", "int021", SettingType::Integer, "SUHeight"},
        {"SE", "int022", SettingType::Integer, "SJ1XPos"},
        {"SE", "int023", SettingType::Integer, "SJ1YPos"},
        {"SE", "int024", SettingType::Integer, "SJ2XPos"},
        {"SE", "int025", SettingType::Integer, "SJ2YPos"},
        {"SE", "int026", SettingType::Integer, "SJHeight"},
        {"SE", "int027", SettingType::Integer, "SNXPos"},
        {"SE", "int028", SettingType::Integer, "SNYPos"},
        {"SE", "int029", SettingType::Integer, "SNHeight"},
        {"SE", "int030", SettingType::Integer, "SNGyokan"},
        {"SE", "int031", SettingType::Integer, "NES0"},
        {"SE", "int032", SettingType::Integer, "NES1"},
        {"SE", "int033", SettingType::Integer, "NEG0"},
        {"SE", "int034", SettingType::Integer, "NEG1"},
        {"SE", "int038", SettingType::Integer, "NEX0"},
        {"SE", "int039", SettingType::Integer, "NEX1"},
        {"SE", "int040", SettingType::Integer, "NEY0"},
        {"SE", "int041", SettingType::Integer, "NEY1"},
        {"SE", "int045", SettingType::Integer, "FHS0"},
        {"SE", "int046", SettingType::Integer, "FHG0"},
        {"SE", "int047", SettingType::Integer, "FHX0"},
        {"SE", "int048", SettingType::Integer, "FHY0"},
        {"SE", "int049", SettingType::Integer, "ShameiXPos"},
        {"SE", "int050", SettingType::Integer, "ShameiYPos"},
        {"SE", "int051", SettingType::Integer, "ShameiSize"},
        {"SE", "int052", SettingType::Integer, "YakushokuXPos"},
        {"SE", "int053", SettingType::Integer, "YakushokuYPos"},
        {"SE", "int054", SettingType::Integer, "YakushokuSize"},
        {"SE", "int055", SettingType::Integer, "YGyoukan"},
        {"SE", "int056", SettingType::Integer, "PGsize1"},
        {"SE", "int057", SettingType::Integer, "PIndL"},
        {"SE", "int058", SettingType::Integer, "PIndT"},
        {"Font", "intCB1", SettingType::Choice, "ComboBox1"},
        {"Kind", "intCB2", SettingType::Choice, "ComboBox2"},
        {"Keishou", "intCB3", SettingType::Choice, "ComboBox3"},
        {"Font", "intCB4", SettingType::Choice, "ComboBox4"},
        {"Kind", "intCB5", SettingType::Choice, "ComboBox5"},
        {"Typeset", "JointAlign", SettingType::Choice, "JointAlign"},
        {"Typeset", "BlockDash", SettingType::Choice, "BlockDash"},
        {"Typeset", "HalfKana", SettingType::Choice, "HalfKana"},
    };
    return keys;
}

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
