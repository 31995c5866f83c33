// The platform Qt is given before the application object exists.

#include "platform/Application.h"

#include <QByteArray>
#include <gtest/gtest.h>

#include <optional>

namespace {

class PlatformChoice : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : Names)
            saved_.push_back(Saved(name));
    }
    void TearDown() override
    {
        for (size_t i = 0; i < std::size(Names); ++i)
            Set(Names[i], saved_[i]);
    }
    static void Set(const char *name, const std::optional<QByteArray> &value)
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    static std::optional<QByteArray> Saved(const char *name)
    {
        return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    }
    static constexpr const char *Names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    std::vector<std::optional<QByteArray>> saved_;
};

TEST_F(PlatformChoice, XcbUnderXWaylandOffscreenForACommandFileWithoutDisplay)
{
    const std::optional<QByteArray> none;
    struct Case {
        std::optional<QByteArray> display, wayland;
        bool commandFile;
        std::optional<QByteArray> chosen;
    };
    const Case cases[] = {
        {none, none, true, "offscreen"},   // no desktop: a command file still runs
        {none, none, false, none},         // a normal start fails as Qt fails
        {":0", none, true, none},          // X11: Qt's own choice
        {":0", none, false, none},
        {none, "wayland-0", false, none},  // Wayland without XWayland: Qt's own choice
        {none, "wayland-0", true, none},
        {":0", "wayland-0", false, "xcb"}, // XWayland: global positions work
        {":0", "wayland-0", true, "xcb"},
        {"", "", true, "offscreen"},       // empty counts as unset
        {":0", "", false, none},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "DISPLAY=" << c.display.value_or("(unset)").constData()
                                        << " WAYLAND_DISPLAY=" << c.wayland.value_or("(unset)").constData()
                                        << " command file " << c.commandFile);
        Set("QT_QPA_PLATFORM", none);
        Set("DISPLAY", c.display);
        Set("WAYLAND_DISPLAY", c.wayland);
        ChoosePlatform(c.commandFile);
        EXPECT_EQ(Saved("QT_QPA_PLATFORM"), c.chosen);
    }
}

TEST_F(PlatformChoice, APlatformTheUserSetIsKept)
{
    for (const char *display : {":0", ""})
        for (const char *wayland : {"wayland-0", ""}) {
            qputenv("QT_QPA_PLATFORM", "wayland");
            qputenv("DISPLAY", display);
            qputenv("WAYLAND_DISPLAY", wayland);
            ChoosePlatform(true);
            EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "wayland") << display << " " << wayland;
        }
}

} // namespace
