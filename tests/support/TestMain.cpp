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

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication app(argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshHome);
    return RUN_ALL_TESTS();
}
