#include "app/SettingsInput.h"

#include "app/SettingKeys.h"
#include "message/MessageFields.h"
#include "platform/ProfileFile.h"
#include "render/Honorifics.h"
#include "render/LayoutFields.h"
#include "render/MediaKind.h"
#include "render/VerticalFont.h"

namespace app {
namespace {

const render::LayoutFieldSpec* layoutField(const char* name) {
    for (const render::LayoutTabSpec& tab : render::layoutTabs())
        for (const render::LayoutFieldSpec& f : tab.fields)
            if (qstrcmp(f.name, name) == 0) return &f;
    return nullptr;
}

QString* senderField(render::SenderTexts& s, const char* control) {
    const QLatin1String name(control);
    if (name == QLatin1String("SSimei")) return &s.SSimei;
    if (name == QLatin1String("SRenmei")) return &s.SRenmei;
    if (name == QLatin1String("SYuubinBangou1")) return &s.SYuubinBangou1;
    if (name == QLatin1String("SYuubinBangou2")) return &s.SYuubinBangou2;
    if (name == QLatin1String("SJuusho1")) return &s.SJuusho1;
    if (name == QLatin1String("SJuusho2")) return &s.SJuusho2;
    return nullptr;
}

const message::MessageFieldSpec* messageField(const char* name) {
    for (const message::MessageFieldPageSpec& page : message::messageFieldPages())
        for (const message::MessageGroupSpec& group : page.groups)
            for (const message::MessageFieldSpec& f : group.fields)
                if (qstrcmp(f.name, name) == 0) return &f;
    return nullptr;
}

}  // namespace

render::AddressSideInput addressSideInputFromSettings(const QString& settingsFile) {
    platform::ProfileFile file(settingsFile);
    file.load();  // a missing file gives the defaults
    render::AddressSideInput in;
    int honorific = 0;
    int jointAlign = 0, blockDash = 0, halfKana = 0;
    for (const SettingKey& k : settingKeys()) {
        const QString section = QLatin1String(k.section), key = QLatin1String(k.key);
        switch (k.type) {
            case SettingType::Text:
                if (QString* text = senderField(in.sender, k.control)) *text = file.readText(section, key, QString());
                break;
            case SettingType::Integer:
                // Only the address side's fields; the message side has its own.
                if (const render::LayoutFieldSpec* f = layoutField(k.control)) {
                    int v = file.readInt(section, key, 0);
                    if (f->minimum != f->maximum) v = std::clamp(v, f->minimum, f->maximum);
                    in.layout.*(f->member) = v;
                }
                break;
            case SettingType::Choice: {
                const int i = file.readInt(section, key, 0);
                const QLatin1String control(k.control);
                // An index outside the list leaves nothing chosen, as in the window.
                if (control == QLatin1String("ComboBox1"))
                    in.faceIndex = i >= 0 && i < int(render::VerticalFaceList.size()) ? i : -1;
                else if (control == QLatin1String("ComboBox2"))
                    in.mediaKind = i >= 0 && i < render::kMediaKindCount ? i : -1;
                else if (control == QLatin1String("ComboBox3"))
                    honorific = i;
                else if (control == QLatin1String("JointAlign"))
                    jointAlign = i;
                else if (control == QLatin1String("BlockDash"))
                    blockDash = i;
                else if (control == QLatin1String("HalfKana"))
                    halfKana = i;
                break;
            }
        }
    }
    const QStringList honorifics = render::honorificItems();
    in.typeset = render::typesetChoicesFromNumbers(jointAlign, blockDash, halfKana);
    in.honorific = honorific >= 0 && honorific < honorifics.size() ? honorifics[honorific] : QString();
    return in;
}

message::MessageSideInput messageSideInputFromSettings(const QString& settingsFile) {
    platform::ProfileFile file(settingsFile);
    file.load();
    message::MessageSideInput in;
    for (const SettingKey& k : settingKeys()) {
        const QString section = QLatin1String(k.section), key = QLatin1String(k.key);
        if (k.type == SettingType::Integer) {
            if (const message::MessageFieldSpec* f = messageField(k.control))
                in.layout.*(f->member) = std::clamp(file.readInt(section, key, 0), f->minimum, f->maximum);
        } else if (k.type == SettingType::Choice) {
            const int i = file.readInt(section, key, 0);
            if (qstrcmp(k.control, "ComboBox4") == 0)
                in.faceIndex = i >= 0 && i < int(render::VerticalFaceList.size()) ? i : -1;
            else if (qstrcmp(k.control, "ComboBox5") == 0)
                in.cardKind = i == 0 || i == 1 ? i : -1;
        }
    }
    return in;
}

}  // namespace app
