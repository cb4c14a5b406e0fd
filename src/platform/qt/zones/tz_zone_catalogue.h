#pragma once
// The zone catalogue of this platform, the system's tz database: the rows
// of its tab file with UTC last, each shown with its standard offset and
// place name, and the zone the computer is set to, named as the catalogue
// names it.
#include "platform/qt/zones/zone_rules.h"
#include "platform/zone_catalogue.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include <future>
#include <optional>

namespace hv::qt {

class TzZoneCatalogue : public ZoneCatalogue {
public:
    // The tz database in zoneinfoDir (by default as zoneinfoDir() finds
    // it); now gives "this year" for the standard offsets.
    explicit TzZoneCatalogue(QString zoneinfoDir = {}, EpochClock now = systemNowMs);

    // Reads the tab file afresh, but for the first read after prefetch();
    // a zone Qt does not know, or whose file is damaged, is left out.
    std::vector<CatalogueZone> zones() override;
    // Starts reading the zones on a thread of its own, so the first read
    // finds them ready: checking and reading every zone's file is what
    // costs. The program calls it before Qt sets itself up.
    void prefetch();
    // The system's zone id, or its catalogue key where it is an alias the
    // tz database resolves with certainty; otherwise the id as it is.
    std::string ownZoneKey() override;
    std::int32_t ownStandardBias() override;
    // The tz database's own test: the same UTC offsets since 1970.
    ZoneAgreement agreementWithOwnZone(std::string_view key) override;
    // Names the tz database folder and the package that fills it.
    std::string missingCatalogueNote() override;

private:
    // The computer's zone, read again only when its id changes: the list
    // asks about every zone in turn.
    const QTimeZone& ownZone();

    QString dir_;
    EpochClock now_;
    std::optional<QByteArray> ownId_; // none before the first read
    QTimeZone own_;
    std::future<std::vector<CatalogueZone>> prefetched_;
};

} // namespace hv::qt
