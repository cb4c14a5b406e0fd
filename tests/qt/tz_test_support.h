#pragma once
// What the tz-database tests share: fixed instants, the catalogue's keys,
// and a zoneinfo folder a test writes.
#include "platform/qt/zones/tz_zone_catalogue.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace hv::tzsupport {

inline std::int64_t utcMs(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toMSecsSinceEpoch();
}

inline qt::EpochClock fixedAt(std::int64_t ms)
{
    return [ms] { return ms; };
}

inline std::vector<std::string> keysOf(const std::vector<CatalogueZone>& zones)
{
    std::vector<std::string> keys;
    for (const CatalogueZone& zone : zones)
        keys.push_back(zone.key);
    return keys;
}

// The computer set to another zone for one test.
class SystemZone {
public:
    explicit SystemZone(const QByteArray& id)
        : saved_(qEnvironmentVariableIsSet("TZ") ? std::optional(qgetenv("TZ")) : std::nullopt)
    {
        qputenv("TZ", id);
        tzset();
    }
    ~SystemZone()
    {
        if (saved_)
            qputenv("TZ", *saved_);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    std::optional<QByteArray> saved_;
};

// A zoneinfo folder written by the test.
class TzMadeFolder : public ::testing::Test {
protected:
    // Writes the file, making the folders it goes in.
    void write(const QString& name, const QByteArray& contents)
    {
        const QString path = QDir(dir_.path()).filePath(name);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    std::vector<CatalogueZone> zones() { return qt::TzZoneCatalogue(dir_.path(), fixedAt(utcMs(2026, 7, 1))).zones(); }

    // A short name: Qt takes zone ids whose parts are short.
    QTemporaryDir dir_{QDir::tempPath() + "/hvXXXXXX"};
};

} // namespace hv::tzsupport
