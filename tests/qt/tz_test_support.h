#pragma once
// What the tz-database tests share: fixed instants, the catalogue read
// through the registry port, and a zoneinfo folder a test writes.
#include "platform/qt/tz_database_registry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace hv::tzsupport {

inline constexpr char kCatalogue[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

inline std::int64_t utcMs(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toMSecsSinceEpoch();
}

inline qt::EpochClock fixedAt(std::int64_t ms)
{
    return [ms] { return ms; };
}

// Opened for reading, as the catalogue opens its keys.
inline RegKey openOrZero(Registry& registry, RegKey root, const std::string& path)
{
    RegKey key = 0;
    registry.openKey(root, path, 0, reg::kKeyRead, key);
    return key;
}

inline std::vector<std::string> subKeys(Registry& registry, RegKey key)
{
    std::vector<std::string> names;
    std::array<char, 2048> name{};
    for (std::uint32_t i = 0; registry.enumKey(key, i, name) == reg::kSuccess; ++i)
        names.emplace_back(name.data());
    return names;
}

inline std::string text(Registry& registry, RegKey key, const std::string& value)
{
    std::array<std::uint8_t, 2048> data{};
    std::uint32_t type = 0, size = 0;
    if (registry.queryValue(key, value, type, data, size) != reg::kSuccess || type != reg::kString)
        return "<missing>";
    EXPECT_EQ(data[size - 1], 0) << value << ": texts end in NUL";
    return std::string(reinterpret_cast<const char*>(data.data()));
}

inline Tzi tzi(Registry& registry, RegKey key)
{
    Tzi::Bytes bytes{};
    std::uint32_t type = 0, size = 0;
    EXPECT_EQ(registry.queryValue(key, "TZI", type, bytes, size), reg::kSuccess);
    EXPECT_EQ(type, reg::kBinary);
    EXPECT_EQ(size, Tzi::kSize);
    return Tzi::fromBytes(bytes);
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
    std::vector<std::string> catalogue()
    {
        qt::TzDatabaseRegistry registry(dir_.path(), fixedAt(utcMs(2026, 7, 1)));
        const RegKey root = openOrZero(registry, reg::kHKeyLocalMachine, kCatalogue);
        return root ? subKeys(registry, root) : std::vector<std::string>{"<does not open>"};
    }

    // A short name: Qt takes zone ids whose parts are short.
    QTemporaryDir dir_{QDir::tempPath() + "/hvXXXXXX"};
};

} // namespace hv::tzsupport
