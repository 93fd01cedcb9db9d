// The settings file's text, as the program reads it: the file is judged
// first, then read by QSettings, and the values our code reads from it go
// through our own parsing. For any text:
// - a file of this size is judged usable and is never set aside;
// - the aspect rule's key gives a rule only when it is that rule's own key;
// - the diagram's style is always one of the two, and its key reads back;
// - the reminder date's stored text decodes, to no more bytes than it has.

#include "core/aspects/rashi_drishti.h"
#include "core/chart_files/stored_text.h"
#include "core/chart_files/windows1252.h"
#include "core/files/settings_file_check.h"
#include "drawing/chart_geometry.h"
#include "fuzz_support.h"

#include <QSettings>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace rashi;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = [] {
        const char* scratch = std::getenv("TMPDIR");
        return std::string(scratch ? scratch : "/tmp") + "/fuzz_settings_values." + std::to_string(::getpid()) +
               ".conf";
    }();
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    const SettingsFileCheck check = CheckSettingsFile(path, std::time(nullptr));
    FUZZ_CHECK(check.state == (size <= kLargestSettingsFile ? SettingsFileCheck::State::Usable
                                                             : SettingsFileCheck::State::SetAside));
    if (check.state != SettingsFileCheck::State::Usable)
        return 0;

    QSettings settings(QString::fromStdString(path), QSettings::NativeFormat);
    const std::string rule = settings.value(QStringLiteral("chart/rule")).toString().toStdString();
    if (const auto chosen = RuleFromKey(rule))
        FUZZ_CHECK(RuleKey(*chosen) == rule);

    const QString styleKey = settings.value(QStringLiteral("chart/style")).toString();
    const ChartStyle style = ChartStyleFromKey(styleKey);
    FUZZ_CHECK(style == ChartStyle::South || style == ChartStyle::North);
    FUZZ_CHECK(ChartStyleFromKey(QString::fromLatin1(ChartStyleKey(style))) == style);

    // The update reminder's date, stored shifted as chart lines are.
    const std::string stored = Utf8ToWindows1252(settings.value(QStringLiteral("LastReminderDate")).toString().toStdString());
    FUZZ_CHECK(DecodeText(stored).size() <= stored.size());
    (void)settings.value(QStringLiteral("Charts/LastFolder")).toString();
    (void)settings.value(QStringLiteral("Reading/Ephemeris")).toString();
    return 0;
}
