#include "cli/offscreen_gui.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace rashi {
namespace {

// The toolkit's rule for a runtime folder: ours, and for us alone.
bool UsableRuntimeFolder(const char* path) {
    struct stat info {};
    return path && *path && ::stat(path, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 0777) == 0700;
}

// A fresh folder in the temporary folder, removed when the program ends.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/rashi-drishti-report-XXXXXX";
        if (::mkdtemp(pattern.data())) { // mode 0700
            path_ = pattern;
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(path_));
        }
    }
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;
    ~PrivateRuntimeFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }

private:
    std::string path_;
};

} // namespace

void EnsureOffscreenGui() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::optional<PrivateRuntimeFolder> runtime;
    if (!UsableRuntimeFolder(std::getenv("XDG_RUNTIME_DIR"))) runtime.emplace();
    static int argc = 1;
    static char name[] = "rashi-drishti-report";
    static char* argv[] = {name, nullptr};
    // Ended at exit before the toolkit's font database and cache, which its
    // destructor uses to take out the fonts drawing added (a PDF page's glyph
    // fonts): they are made here, before the ending is registered, and exit
    // undoes in the reverse order. The runtime folder goes after it.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)QFontMetrics(QFont()).height();
    std::atexit([] {
        delete application;
        application = nullptr;
    });
}

} // namespace rashi
