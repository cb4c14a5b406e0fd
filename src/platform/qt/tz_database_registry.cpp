#include "platform/qt/tz_database_registry.h"

#include "platform/qt/registry_keys.h"
#include "platform/qt/zone_file_check.h"

#include <QDateTime>

#include <cstring>

namespace hv::qt {

namespace {

int yearOf(std::int64_t msSinceEpoch) { return QDateTime::fromMSecsSinceEpoch(msSinceEpoch, Qt::UTC).date().year(); }

constexpr std::string_view kCataloguePath = "software\\microsoft\\windows nt\\currentversion\\time zones";

std::optional<ZoneRules> rulesFor(const std::string& id, std::int64_t now)
{
    const QTimeZone zone = checkedZone(QByteArray::fromStdString(id));
    if (!zone.isValid())
        return std::nullopt;
    return zoneRules(zone, now);
}

} // namespace

TzDatabaseRegistry::TzDatabaseRegistry(QString zoneinfoDir, EpochClock now)
    : dir_(qt::zoneinfoDir(zoneinfoDir)), now_(std::move(now))
{
}

long TzDatabaseRegistry::openKey(RegKey root, std::string_view subKey, std::uint32_t, std::uint32_t, RegKey& result)
{
    result = 0;
    if (root == reg::kHKeyLocalMachine) {
        const std::string path = lowerAscii(subKey);
        if (path == kCataloguePath) {
            if (!readTable())
                return reg::kFileNotFound;
            result = handles_.add({table_, nullptr});
            return reg::kSuccess;
        }
        const bool belowCatalogue = path.size() > kCataloguePath.size() + 1 && path.starts_with(kCataloguePath) &&
                                    path[kCataloguePath.size()] == '\\';
        if (!belowCatalogue || (!table_ && !readTable()))
            return reg::kFileNotFound;
        return openZone(table_, subKey.substr(kCataloguePath.size() + 1), result);
    }
    const OpenKey* open = handles_.find(root);
    if (!open)
        return root >= kFirstPredefinedKey ? reg::kFileNotFound : kInvalidHandle;
    if (subKey.empty()) {
        result = handles_.add(*open);
        return reg::kSuccess;
    }
    if (open->zone)
        return reg::kFileNotFound;
    return openZone(open->table, subKey, result);
}

bool TzDatabaseRegistry::readTable()
{
    // The catalogue's message says what is missing (the system's note).
    auto table = ZoneTable::read(dir_);
    if (!table)
        return false;
    table_ = std::make_shared<const ZoneTable>(std::move(*table));
    return true;
}

long TzDatabaseRegistry::openZone(const std::shared_ptr<const ZoneTable>& table, std::string_view id, RegKey& result)
{
    const int index = table->find(id);
    if (index < 0)
        return reg::kFileNotFound;
    const ZoneRow& row = table->rows()[index];
    const ZoneRules* rules = rulesOf(row.id);
    if (!rules)
        return reg::kFileNotFound;

    auto values = std::make_shared<ZoneValues>();
    const std::string offset = row.id == kUtcKey ? std::string() : offsetText(-rules->tzi.bias);
    values->display = "(UTC" + offset + ") " + table->placeName(row);
    values->std = rules->standardName;
    values->dlt = rules->daylightName;
    values->mapId = row.codes;
    values->tzi = rules->tzi.toBytes();
    result = handles_.add({table, std::move(values)});
    return reg::kSuccess;
}

void TzDatabaseRegistry::prefetch()
{
    prefetched_ = std::async(std::launch::async, [dir = dir_, now = now_] {
        RulesCache rules;
        const auto table = ZoneTable::read(dir);
        if (!table)
            return rules;
        const std::int64_t at = now();
        const int year = yearOf(at);
        for (const ZoneRow& row : table->rows())
            rules.emplace(row.id, CachedRules{year, rulesFor(row.id, at)});
        return rules;
    });
}

const ZoneRules* TzDatabaseRegistry::rulesOf(const std::string& id)
{
    if (prefetched_.valid())
        rules_.merge(prefetched_.get());
    const std::int64_t now = now_();
    const int year = yearOf(now);
    auto cached = rules_.find(id);
    if (cached == rules_.end() || cached->second.year != year)
        cached = rules_.insert_or_assign(id, CachedRules{year, rulesFor(id, now)}).first;
    return cached->second.rules ? &*cached->second.rules : nullptr;
}

long TzDatabaseRegistry::enumKey(RegKey key, std::uint32_t index, std::span<char> name)
{
    const OpenKey* open = handles_.find(key);
    if (!open)
        return kInvalidHandle;
    const auto& rows = open->table->rows();
    if (open->zone || index >= rows.size())
        return reg::kNoMoreItems;
    const std::string& id = rows[index].id;
    if (id.size() + 1 > name.size())
        return reg::kMoreData;
    std::memcpy(name.data(), id.c_str(), id.size() + 1);
    return reg::kSuccess;
}

long TzDatabaseRegistry::queryValue(RegKey key, std::string_view valueName, std::uint32_t& type,
                                    std::span<std::uint8_t> data, std::uint32_t& size)
{
    const OpenKey* open = handles_.find(key);
    if (!open)
        return kInvalidHandle;
    const ZoneValues* zone = open->zone.get();
    if (!zone)
        return reg::kFileNotFound;

    const std::string name = lowerAscii(valueName);
    std::vector<std::uint8_t> bytes;
    if (name == "tzi")
        bytes.assign(zone->tzi.begin(), zone->tzi.end());
    else if (name == "display")
        bytes = textBytes(zone->display);
    else if (name == "std")
        bytes = textBytes(zone->std);
    else if (name == "dlt")
        bytes = textBytes(zone->dlt);
    else if (name == "mapid")
        bytes = textBytes(zone->mapId);
    else
        return reg::kFileNotFound;

    return returnValue(name == "tzi" ? reg::kBinary : reg::kString, bytes, type, data, size);
}

long TzDatabaseRegistry::closeKey(RegKey key)
{
    return handles_.remove(key) ? reg::kSuccess : kInvalidHandle;
}

} // namespace hv::qt
