#pragma once
// Qt reads a zone's TZif file trusting its counts: a damaged file (one
// without abbreviations, or whose counts run past its end) crashes it in
// QTimeZone's constructor. Every zone id the program hands to QTimeZone
// goes through here first.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QTimeZone>

#include <string>

namespace hv::qt {

// Where Qt 6.4 reads zone files from, whatever $TZDIR says.
inline constexpr char kQtZoneFolder[] = "/usr/share/zoneinfo";

// What is wrong with the bytes as a TZif file, in a few words; empty when
// they hold together: the magic, counts that fit the file for the first
// block and for the version 2+ block, types and abbreviations that every
// index finds, and the footer.
std::string tzifFault(QByteArrayView bytes);

// The zone, or an invalid one when a file Qt would read for it is damaged;
// stderr names that file. folder stands for Qt's own folder. Each zone is
// checked once in the process; later calls read it from its file again.
QTimeZone checkedZone(const QByteArray& id, const QString& folder = kQtZoneFolder);

// The computer's zone as Qt names it: $TZ (without a leading colon), else
// the zone /etc/localtime links to, else /etc/TZ or /etc/timezone; empty
// when none says. Reads no zone file.
QByteArray systemZoneId();
// The computer's zone, checked as checkedZone checks a zone.
QTimeZone checkedSystemZone(const QString& folder = kQtZoneFolder);

} // namespace hv::qt
