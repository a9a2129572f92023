#include "reliability/documentedreadings.h"

#include "reliability/scratchfolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

namespace {

// Written out here from the rules, not taken from the game, so that the two can disagree.
std::optional<qint64> wholeNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?[0-9]{1,18})\\s*$"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toLongLong();
}

std::optional<qint64> numberIn(const QString& text, qint64 low, qint64 high) {
    const std::optional<qint64> n = wholeNumber(text);
    return n && *n >= low && *n <= high ? n : std::nullopt;
}

QString firstSpelling(const QStringList& names, const QString& wanted) {
    QString found;
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0 && (found.isNull() || name < found))
            found = name;
    }
    return found;
}

// The raw text of section/key as a plain reading of the INI file gives it, or nothing.
std::optional<QString> stored(QSettings& file, const QString& section, const QString& key) {
    const QString group = firstSpelling(file.childGroups(), section);
    if (group.isNull())
        return std::nullopt;
    file.beginGroup(group);
    const QString name = firstSpelling(file.childKeys(), key);
    std::optional<QString> text;
    if (!name.isNull()) {
        const QVariant v = file.value(name);
        text = v.metaType().id() == QMetaType::QStringList
                   ? v.toStringList().join(QStringLiteral(", "))
                   : v.toString();
    }
    file.endGroup();
    return text;
}

// QSettings shares one reading of a file among all its objects in a process and may answer
// from it, also with changes it failed to write. A copy under a new name is read from disk.
class FreshReading {
public:
    explicit FreshReading(const QString& path)
        : folder_(scratchPattern()), copy_(folder_.filePath(QStringLiteral("copy.conf"))) {
        QFile::copy(path, copy_);
    }
    QString path() const { return copy_; }

private:
    QTemporaryDir folder_;
    QString copy_;
};

constexpr qint64 kInt16Min = -32768;
constexpr qint64 kInt16Max = 32767;
constexpr qint64 kMaxColor = 16777215;
constexpr std::array<qint32, 3> kDefaultColors{128, 11310476, 11310476};
const std::array<QString, 3> kColorKeys{QStringLiteral("NumColor"), QStringLiteral("BkColor"),
                                        QStringLiteral("BoxColor")};

QString scoreSection(int s) {
    return QStringLiteral("Scores%1").arg(s);
}

} // namespace

Readings documentedReadings(const QString& path) {
    const FreshReading fresh(path);
    QSettings file(fresh.path(), QSettings::IniFormat);
    Readings r;
    const auto option = [&](const char* key) {
        const std::optional<QString> text =
            stored(file, QStringLiteral("options"), QLatin1String(key));
        return text ? numberIn(*text, kInt16Min, kInt16Max) : std::nullopt;
    };
    r.gridHidden = option("Gridvalue") == 1;
    const std::optional<qint64> num = option("Numvalue");
    r.numbersHidden = !num || *num == 1;
    const std::optional<qint64> enable = option("Enable");
    r.autoScramble = enable && *enable != 0;
    for (unsigned c = 0; c < 3; ++c) {
        const std::optional<QString> text = stored(file, QStringLiteral("color"), kColorKeys[c]);
        const std::optional<qint64> v = text ? numberIn(*text, 0, kMaxColor) : std::nullopt;
        r.colors[c] = v ? qint32(*v) : kDefaultColors[c];
    }
    for (unsigned s = 0; s < 3; ++s) {
        for (unsigned i = 0; i < 10; ++i) {
            const std::optional<QString> top =
                stored(file, scoreSection(int(s)), QStringLiteral("top%1").arg(i));
            const std::optional<qint64> moves = top ? numberIn(*top, 1, kInt16Max) : std::nullopt;
            r.moves[s][i] = moves ? qint16(*moves) : qint16(0);
            r.names[s][i] = stored(file, scoreSection(int(s)), QStringLiteral("Nam%1").arg(i))
                                .value_or(QStringLiteral(" None"));
        }
    }
    return r;
}

QString readingsDifference(const Readings& expected, const Readings& actual) {
    QStringList d;
    if (expected.gridHidden != actual.gridHidden)
        d << QStringLiteral("grid lines hidden: want %1").arg(expected.gridHidden);
    if (expected.numbersHidden != actual.numbersHidden)
        d << QStringLiteral("numbers hidden: want %1").arg(expected.numbersHidden);
    if (expected.autoScramble != actual.autoScramble)
        d << QStringLiteral("auto-scramble: want %1").arg(expected.autoScramble);
    for (unsigned c = 0; c < 3; ++c) {
        if (expected.colors[c] != actual.colors[c])
            d << QStringLiteral("%1: want %2, got %3")
                     .arg(kColorKeys[c])
                     .arg(expected.colors[c])
                     .arg(actual.colors[c]);
    }
    for (unsigned s = 0; s < 3; ++s) {
        for (unsigned i = 0; i < 10; ++i) {
            if (expected.moves[s][i] != actual.moves[s][i])
                d << QStringLiteral("Scores%1 top%2: want %3, got %4")
                         .arg(s)
                         .arg(i)
                         .arg(expected.moves[s][i])
                         .arg(actual.moves[s][i]);
            if (expected.names[s][i] != actual.names[s][i])
                d << QStringLiteral("Scores%1 Nam%2 differs").arg(s).arg(i);
        }
    }
    return d.join(QStringLiteral("; "));
}

QString notAsTheGameWritesIt(const QString& path) {
    const FreshReading fresh(path);
    QSettings file(fresh.path(), QSettings::IniFormat);
    QStringList wrong;
    const auto check = [&](const QString& section, const QString& key, qint64 low, qint64 high) {
        const std::optional<QString> text = stored(file, section, key);
        const std::optional<qint64> n = text ? numberIn(*text, low, high) : std::nullopt;
        if (!n || QString::number(*n) != *text)
            wrong << section + u'/' + key;
    };
    for (const char* key : {"Gridvalue", "Numvalue", "Enable"})
        check(QStringLiteral("options"), QLatin1String(key), 0, 1);
    for (const QString& key : kColorKeys)
        check(QStringLiteral("color"), key, 0, kMaxColor);
    for (int s = 0; s < 3; ++s) {
        for (int i = 0; i < 10; ++i) {
            check(scoreSection(s), QStringLiteral("top%1").arg(i), 0, kInt16Max);
            if (!stored(file, scoreSection(s), QStringLiteral("Nam%1").arg(i)))
                wrong << scoreSection(s) + QStringLiteral("/Nam%1").arg(i);
        }
    }
    return wrong.join(QStringLiteral(", "));
}
