#pragma once
// The registry's time-zone catalogue, answered from the system's tz
// database: the key "Time Zones" under HKEY_LOCAL_MACHINE's
// SOFTWARE\Microsoft\Windows NT\CurrentVersion, with one sub-key per zone
// ("Europe/Berlin", in the order of zone1970.tab, then "UTC"), each with
// the values Display, Std, Dlt, MapID and TZI. Read-only; every other key
// is missing, the path of the non-NT family too, since the system reports
// itself as NT.
#include "platform/qt/registry_keys.h"
#include "platform/qt/zone_rules.h"
#include "platform/qt/zoneinfo.h"
#include "platform/registry.h"

#include <QString>

#include <future>
#include <memory>
#include <optional>
#include <unordered_map>

namespace hv::qt {

class TzDatabaseRegistry : public Registry {
public:
    // The tz database in zoneinfoDir (by default as zoneinfoDir() finds
    // it); now gives "this year" for the change-over dates.
    explicit TzDatabaseRegistry(QString zoneinfoDir = {}, EpochClock now = systemNowMs);

    // Key paths compare without regard to case, as on Windows. Opening the
    // catalogue key reads the tab file afresh; it fails (kFileNotFound)
    // when the folder has none.
    long openKey(RegKey root, std::string_view subKey, std::uint32_t options, std::uint32_t access,
                 RegKey& result) override;
    long enumKey(RegKey key, std::uint32_t index, std::span<char> name) override;
    long queryValue(RegKey key, std::string_view valueName, std::uint32_t& type, std::span<std::uint8_t> data,
                    std::uint32_t& size) override;
    // The catalogue is the system's: it takes no writes.
    long setValue(RegKey, std::string_view, std::uint32_t, std::span<const std::uint8_t>) override
    {
        return reg::kAccessDenied;
    }
    long deleteValue(RegKey, std::string_view) override { return reg::kAccessDenied; }
    long closeKey(RegKey key) override;

    // Starts working out every zone's rules on a thread of its own, so the
    // first read of the catalogue finds them ready; the program calls it
    // before Qt sets itself up.
    void prefetch();

private:
    struct ZoneValues {
        std::string display, std, dlt, mapId;
        Tzi::Bytes tzi{};
    };
    struct OpenKey {
        std::shared_ptr<const ZoneTable> table;
        std::shared_ptr<const ZoneValues> zone; // none for the catalogue key
    };
    struct CachedRules {
        int year = 0;
        std::optional<ZoneRules> rules; // none: no zone Qt may read
    };
    using RulesCache = std::unordered_map<std::string, CachedRules>;

    // False, keeping the last table, when the folder has no tab file.
    bool readTable();
    long openZone(const std::shared_ptr<const ZoneTable>& table, std::string_view id, RegKey& result);
    // Asking Qt for a zone's offsets, transitions and names is what costs;
    // the answers hold for the year. Null for a zone Qt does not know or
    // whose file is damaged: it is left out of the catalogue.
    const ZoneRules* rulesOf(const std::string& id);

    QString dir_;
    EpochClock now_;
    std::shared_ptr<const ZoneTable> table_; // of the last catalogue open
    HandleTable<OpenKey> handles_;
    RulesCache rules_;
    std::future<RulesCache> prefetched_;
};

} // namespace hv::qt
