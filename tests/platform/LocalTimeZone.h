#pragma once
// Sets a local time zone with summer time for one test and restores the previous one.

#include <QByteArray>

#include <cstdlib>
#include <ctime>
#include <optional>

class LocalTimeZone {
public:
    // Central European time, by rule, so that no zone database is needed.
    explicit LocalTimeZone(const char *zone = "CET-1CEST,M3.5.0,M10.5.0/3")
    {
        if (const char *previous = std::getenv("TZ"))
            previous_ = QByteArray(previous);
        setenv("TZ", zone, 1);
        tzset();
    }
    ~LocalTimeZone()
    {
        if (previous_)
            setenv("TZ", previous_->constData(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    LocalTimeZone(const LocalTimeZone &) = delete;
    LocalTimeZone &operator=(const LocalTimeZone &) = delete;

private:
    std::optional<QByteArray> previous_;
};
