#include "settings/ProgramSettings.h"

#include "message/MessageFields.h"
#include "platform/files/ProfileFile.h"
#include "render/LayoutFields.h"
#include "settings/SettingKeys.h"

namespace app {
namespace {

// The text a key of [Edit] names.
QString* textOf(ProgramSettings& s, const char* control) {
    render::SenderTexts& t = s.sender;
    const QLatin1String name(control);
    if (name == QLatin1String("SSimei")) return &t.name;
    if (name == QLatin1String("SRenmei")) return &t.jointName;
    if (name == QLatin1String("SYuubinBangou1")) return &t.postalCodeUpper;
    if (name == QLatin1String("SYuubinBangou2")) return &t.postalCodeLower;
    if (name == QLatin1String("SJuusho1")) return &t.address1;
    if (name == QLatin1String("SJuusho2")) return &t.address2;
    if (name == QLatin1String("BarcodeSize")) return &s.barcodeSize;
    return nullptr;
}

// The number a key of [SE] or a choice names.
int* numberOf(ProgramSettings& s, const char* control) {
    for (const render::AdjustmentTab& tab : render::layoutTabs())
        for (const render::AdjustmentField& f : tab.fields)
            if (qstrcmp(f.name, control) == 0) return &f.valueIn(s.addressLayout);
    for (const message::MessageAdjustmentPage& page : message::messageFieldPages())
        for (const message::MessageAdjustmentGroup& group : page.groups)
            for (const message::MessageAdjustmentField& f : group.fields)
                if (qstrcmp(f.name, control) == 0) return &(s.messageLayout.*f.member);
    const struct {
        const char* control;
        int ProgramSettings::*member;
    } choices[] = {
        {"ComboBox1", &ProgramSettings::addressFace}, {"ComboBox2", &ProgramSettings::mediaKind},
        {"ComboBox3", &ProgramSettings::honorific},   {"ComboBox4", &ProgramSettings::messageFace},
        {"ComboBox5", &ProgramSettings::messageKind}, {"JointAlign", &ProgramSettings::jointAlign},
        {"BlockDash", &ProgramSettings::blockDash},   {"HalfKana", &ProgramSettings::halfKana},
        {"FitColumns", &ProgramSettings::fitColumns}, {"PictureFit", &ProgramSettings::pictureFit},
    };
    if (qstrcmp(control, "BarcodePrint") == 0) return &s.barcodePrint;
    if (qstrcmp(control, "BarcodeXPos") == 0) return &s.barcodeXPos;
    if (qstrcmp(control, "BarcodeYPos") == 0) return &s.barcodeYPos;
    for (const auto& c : choices)
        if (qstrcmp(c.control, control) == 0) return &(s.*c.member);
    return nullptr;
}

}  // namespace

ProgramSettings readSettingsFile(const QString& path, const ProgramSettings& defaults) {
    platform::ProfileFile file(path);
    file.load();  // a missing or unreadable file keeps every default
    ProgramSettings s = defaults;
    for (const SettingKey& k : settingKeys()) {
        const QString section = QLatin1String(k.section), key = QLatin1String(k.key);
        if (k.type == SettingType::Text) {
            if (QString* text = textOf(s, k.control)) *text = file.readText(section, key, *text);
        } else if (int* number = numberOf(s, k.control)) {
            *number = file.readInt(section, key, *number);
        }
    }
    return s;
}

bool writeSettingsFile(const QString& path, const ProgramSettings& values) {
    platform::ProfileFile file(path);
    file.load();
    ProgramSettings s = values;
    for (const SettingKey& k : settingKeys()) {
        const QString section = QLatin1String(k.section), key = QLatin1String(k.key);
        if (k.type == SettingType::Text) {
            if (const QString* text = textOf(s, k.control)) file.writeText(section, key, *text);
        } else if (const int* number = numberOf(s, k.control)) {
            file.writeInt(section, key, *number);
        }
    }
    return file.save().ok;
}

}  // namespace app
