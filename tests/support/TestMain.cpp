// Test entry: an offscreen application, and for every test fresh HOME and XDG folders
// so that no test touches the real home, settings or trash.

#include "platform/Application.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <memory>

namespace {

class FreshHome : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo &) override
    {
        dir_ = std::make_unique<QTemporaryDir>();
        const QByteArray root = dir_->path().toLocal8Bit();
        for (const char *sub : {"config", "data", "runtime", "home"})
            QDir().mkpath(QString::fromLocal8Bit(root + "/" + sub));
        // the runtime folder must be private, or Qt warns on every start
        chmod((root + "/runtime").constData(), 0700);
        setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
        setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
        setenv("XDG_RUNTIME_DIR", (root + "/runtime").constData(), 1);
        setenv("HOME", (root + "/home").constData(), 1);
    }
    void OnTestEnd(const testing::TestInfo &) override { dir_.reset(); }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

} // namespace

// Sanitizer options of the test programs themselves (read before main runs).
extern "C" const char *__asan_default_options() { return "detect_leaks=1:abort_on_error=0"; }
extern "C" const char *__lsan_default_options()
{
    return "suppressions=" CORVEX_LSAN_SUPPRESSIONS ":print_suppressions=0";
}
extern "C" const char *__ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // for the program started by the process tests
    setenv("CORVEX_PROGRAM", CORVEX_PROGRAM_PATH, 0);
    setenv("ASAN_OPTIONS", "detect_leaks=1:abort_on_error=0", 0);
    setenv("LSAN_OPTIONS", "suppressions=" CORVEX_LSAN_SUPPRESSIONS ":print_suppressions=0", 0);
    setenv("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1", 0);
    TApplication app(argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshHome);
    return RUN_ALL_TESTS();
}
