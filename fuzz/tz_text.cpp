// The tz database's text files as a damaged or hostile folder may hold
// them. Any bytes parse without an error, and what comes out holds what a
// reader of it relies on: no row without a zone, no field that still holds
// the separator it was split at or a line break.
#include "check.h"
#include "platform/qt/zones/tz_text.h"

#include <cstddef>
#include <cstdint>

namespace {

using hv::fuzz::check;

bool oneLineField(const std::string& field, char separator)
{
    return field.find(separator) == std::string::npos && field.find('\n') == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    for (const hv::qt::ZoneRow& row : hv::qt::parseZoneRows(bytes)) {
        check(!row.id.empty(), "a zone row names its zone");
        check(oneLineField(row.id, '\t') && oneLineField(row.codes, '\t') && oneLineField(row.comment, '\t'),
            "a zone row's fields are one field each");
    }
    const QHash<QString, QString> countries = hv::qt::parseCountryNames(bytes);
    for (auto it = countries.begin(); it != countries.end(); ++it)
        check(!it.key().isEmpty() && !it.key().contains('\n') && !it.value().contains('\n'),
            "a country is a code and a name on one line");
    const QHash<QString, QString> links = hv::qt::parseTzdataLinks(bytes);
    for (auto it = links.begin(); it != links.end(); ++it)
        check(!it.key().isEmpty() && !it.value().isEmpty() && !it.key().contains(' ') && !it.value().contains(' '),
            "a link joins two names");
    return 0;
}
