#pragma once
// The window's commands as a page under test sees them: every switch is
// recorded by name.

#include <QHash>
#include <QString>

#include "platform/ui/Commands.h"

namespace testsupport {

class RecordingCommands : public platform::Commands {
  public:
    void setEnabled(std::initializer_list<const char*> names, bool on) override {
        for (const char* name : names) enabled[QLatin1String(name)] = on;
    }

    QHash<QString, bool> enabled;
};

}  // namespace testsupport
