#include "platform/qt/zones/zone_file_check.h"

#include "platform/qt/storage/small_file.h"
#include "platform/qt/zones/tz_text.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>

#include <cctype>
#include <cstdio>
#include <optional>

namespace hv::qt {

namespace {

constexpr qsizetype kHeaderSize = 44;
// Real zone files are a few KB; Qt itself refuses more than 1200
// transitions.
constexpr qint64 kMaxZoneFileBytes = 1024 * 1024;
// Links longer than this do not occur; the bound guards against a cycle.
constexpr int kMaxLinkSteps = 40;

quint32 bigEndian32(QByteArrayView bytes, qsizetype at)
{
    quint32 value = 0;
    for (qsizetype i = 0; i < 4; ++i)
        value = value << 8 | static_cast<quint8>(bytes[at + i]);
    return value;
}

// Checks the header and data block that start at `at`, with transition
// times of timeSize bytes, and moves `at` past the block.
std::string blockFault(QByteArrayView bytes, qsizetype& at, int timeSize)
{
    if (bytes.size() - at < kHeaderSize)
        return "shorter than its header";
    if (bytes.sliced(at, 4) != QByteArrayView("TZif"))
        return "no TZif magic";
    const char version = bytes[at + 4];
    if (version != '\0' && (version < '2' || version > '9'))
        return "unknown version";
    const quint32 isUt = bigEndian32(bytes, at + 20), isStd = bigEndian32(bytes, at + 24),
                  leaps = bigEndian32(bytes, at + 28), times = bigEndian32(bytes, at + 32),
                  types = bigEndian32(bytes, at + 36), chars = bigEndian32(bytes, at + 40);
    if (types == 0)
        return "no local time types";
    if (chars == 0)
        return "no abbreviations";
    if ((isUt != 0 && isUt != types) || (isStd != 0 && isStd != types))
        return "indicator counts that do not match the types";
    // In 64 bits: the counts are 32-bit and their products must not wrap.
    const quint64 length
        = quint64(times) * (timeSize + 1) + quint64(types) * 6 + chars + quint64(leaps) * (timeSize + 4) + isStd + isUt;
    const qsizetype data = at + kHeaderSize;
    if (length > quint64(bytes.size() - data))
        return "counts that run past the end of the file";

    const qsizetype typeIndices = data + qsizetype(times) * timeSize;
    for (qsizetype i = 0; i < qsizetype(times); ++i) {
        if (static_cast<quint8>(bytes[typeIndices + i]) >= types)
            return "a transition to a type that does not exist";
    }
    const qsizetype typeRecords = typeIndices + times;
    const qsizetype abbreviations = typeRecords + qsizetype(types) * 6;
    for (qsizetype i = 0; i < qsizetype(types); ++i) {
        if (static_cast<quint8>(bytes[typeRecords + i * 6 + 5]) >= chars)
            return "an abbreviation index past the abbreviations";
    }
    if (bytes[abbreviations + chars - 1] != '\0')
        return "abbreviations not ended by NUL";
    at = data + qsizetype(length);
    return {};
}

// The files Qt may read for a zone id: its own folder, its legacy one,
// and $TZDIR, which later Qt versions read first.
QStringList filesFor(const QByteArray& id, const QString& folder)
{
    // Joined as Qt joins them: an absolute id stays below the folder.
    const QString name = '/' + QString::fromLocal8Bit(id);
    QStringList files{folder + name, QStringLiteral("/usr/lib/zoneinfo") + name};
    if (const QString tzdir = qEnvironmentVariable("TZDIR"); !tzdir.isEmpty())
        files.prepend(tzdir + name);
    return files;
}

// Why the file may not go to Qt; empty when it may (also when it is
// missing or unreadable, since Qt then reads nothing from it).
std::string fileFault(const QString& path)
{
    const SmallFile file = readSmallFile(path, kMaxZoneFileBytes);
    switch (file.refusal) {
    case SmallFile::Refusal::None: return tzifFault(file.bytes);
    case SmallFile::Refusal::NotRegular: return "not an ordinary file";
    case SmallFile::Refusal::TooLarge: return "larger than any zone file";
    case SmallFile::Refusal::CannotOpen:
    case SmallFile::Refusal::ReadFailed: break;
    }
    return {};
}

void reportDamaged(const QString& path, const std::string& fault, const QByteArray& id)
{
    std::fprintf(stderr, "horavista: the zone file %s is damaged (%s); the zone %s is not used\n",
        qPrintable(QDir::cleanPath(path)), fault.c_str(), id.isEmpty() ? "of this computer" : id.constData());
}

bool filesSound(const QStringList& files, const QByteArray& id)
{
    for (const QString& path : files) {
        if (const std::string fault = fileFault(path); !fault.empty()) {
            reportDamaged(path, fault, id);
            return false;
        }
    }
    return true;
}

QByteArray etcLocalTimeZone()
{
    // Qt takes the first link target that lies in a zoneinfo folder.
    const QString zoneinfo = QStringLiteral("/zoneinfo/");
    QString path = QStringLiteral("/etc/localtime");
    for (int step = 0; step < kMaxLinkSteps; ++step) {
        path = QFile::symLinkTarget(path);
        if (path.isEmpty())
            return {};
        if (const qsizetype at = path.indexOf(zoneinfo); at >= 0)
            return path.mid(at + zoneinfo.size()).toUtf8();
    }
    return {};
}

QByteArray etcContent(const QString& path)
{
    const auto contents = readTzText(path, 4096);
    return contents ? contents->trimmed() : QByteArray();
}

// Reads the footer's rule for times after the last transition, a POSIX TZ
// string: Qt works out the change-overs from it by counting days, and a
// date no calendar has (month 14) keeps it counting for ever.
class FooterRule {
public:
    explicit FooterRule(QByteArrayView text)
        : text_(text)
    {
    }

    bool sound()
    {
        if (text_.isEmpty())
            return true;
        if (!name() || !offset(24))
            return false;
        if (done())
            return true;
        if (!name())
            return false;
        if (!done() && peek() != ',' && !offset(24))
            return false;
        if (done())
            return true;
        for (int change = 0; change < 2; ++change) {
            if (!take(',') || !date())
                return false;
            // Times of day run past 24 hours and below 0 in such rules.
            if (take('/') && !offset(167))
                return false;
        }
        return done();
    }

private:
    bool done() const { return at_ >= text_.size(); }
    char peek() const { return done() ? '\0' : text_[at_]; }
    bool take(char c)
    {
        if (peek() != c)
            return false;
        ++at_;
        return true;
    }
    bool number(int min, int max)
    {
        int value = 0;
        const qsizetype start = at_;
        while (peek() >= '0' && peek() <= '9') {
            value = value * 10 + (text_[at_++] - '0');
            if (value > max)
                return false;
        }
        return at_ > start && value >= min;
    }
    // Three letters or more, or anything of signs, letters and digits in
    // angle brackets ("<+0530>").
    bool name()
    {
        const qsizetype start = at_;
        if (take('<')) {
            while (!done() && (std::isalnum(static_cast<unsigned char>(peek())) || peek() == '+' || peek() == '-'))
                ++at_;
            return at_ - start >= 4 && take('>');
        }
        while (std::isalpha(static_cast<unsigned char>(peek())))
            ++at_;
        return at_ - start >= 3;
    }
    bool offset(int maxHours)
    {
        if (!take('+'))
            take('-');
        return number(0, maxHours) && (!take(':') || (number(0, 59) && (!take(':') || number(0, 59))));
    }
    bool date()
    {
        if (take('J'))
            return number(1, 365);
        if (take('M'))
            return number(1, 12) && take('.') && number(1, 5) && take('.') && number(0, 6);
        return number(0, 365);
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
};

} // namespace

std::string tzifFault(QByteArrayView bytes)
{
    qsizetype at = 0;
    if (std::string fault = blockFault(bytes, at, 4); !fault.empty())
        return fault;
    if (bytes[4] == '\0')
        return {};
    if (std::string fault = blockFault(bytes, at, 8); !fault.empty())
        return "second block: " + fault;
    if (at >= bytes.size() || bytes[at] != '\n' || bytes.sliced(at + 1).indexOf('\n') < 0)
        return "no footer";
    const QByteArrayView footer = bytes.sliced(at + 1);
    if (!FooterRule(footer.first(footer.indexOf('\n'))).sound())
        return "a footer that is no TZ rule";
    return {};
}

QTimeZone checkedZone(const QByteArray& id, const QString& folder)
{
    // To Qt an empty id is the computer's zone.
    if (id.isEmpty())
        return {};
    // Each id is checked once in the process, and a damaged file named
    // once. Only the verdict is kept, not the zone: a later catalogue read
    // has Qt read the zones again, rather than the clock holding every
    // zone of the catalogue for the rest of its run.
    static QMutex mutex;
    static QHash<QString, bool> sound;
    const QString key = folder + QChar(0) + QString::fromLocal8Bit(id);
    std::optional<bool> known;
    {
        const QMutexLocker lock(&mutex);
        if (const auto found = sound.constFind(key); found != sound.constEnd())
            known = *found;
    }
    if (!known) {
        known = filesSound(filesFor(id, folder), id);
        const QMutexLocker lock(&mutex);
        sound.insert(key, *known);
    }
    return *known ? QTimeZone(id) : QTimeZone();
}

QByteArray systemZoneId()
{
    QByteArray id = qgetenv("TZ");
    if (id == ":/etc/localtime")
        id.clear();
    else if (id.startsWith(':'))
        id.remove(0, 1);
    if (id.isEmpty())
        id = etcLocalTimeZone();
    if (id.isEmpty())
        id = etcContent(QStringLiteral("/etc/TZ"));
    if (id.isEmpty())
        id = etcContent(QStringLiteral("/etc/timezone"));
    return id;
}

QTimeZone checkedSystemZone(const QString& folder)
{
    const QByteArray id = systemZoneId();
    if (!id.isEmpty())
        return checkedZone(id, folder);
    // Named nowhere: Qt reads /etc/localtime itself.
    if (!filesSound({QStringLiteral("/etc/localtime")}, id))
        return {};
    return QTimeZone::systemTimeZone();
}

} // namespace hv::qt
