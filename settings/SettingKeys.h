#pragma once
// The keys of the settings file, in the order they are read and written.

#include <QVector>

namespace app {

enum class SettingType { Text, Integer, Choice };

struct SettingKey {
    const char* section;
    const char* key;
    SettingType type;
    const char* control;  // objectName of the control that holds the value
};

// Every key, in the order of reading and writing.
const QVector<SettingKey>& settingKeys();

}  // namespace app
