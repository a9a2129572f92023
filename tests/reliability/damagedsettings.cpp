#include "reliability/damagedsettings.h"

#include <QStringList>
#include <array>
#include <random>

namespace {

// Values a hand, a foreign program or a bad disk may leave where the game keeps a number.
const std::array<const char*, 40> kNumbers{"0",
                                           "1",
                                           "2",
                                           "7",
                                           "-1",
                                           "128",
                                           "11310476",
                                           "16777215",
                                           "16777216",
                                           "-16777216",
                                           "32767",
                                           "32768",
                                           "-32768",
                                           "-32769",
                                           "65535",
                                           "2147483647",
                                           "2147483648",
                                           "-2147483649",
                                           "99999999999999999999999",
                                           " 1",
                                           " 12 ",
                                           "+3",
                                           "-0",
                                           "1.0",
                                           "1e3",
                                           "0x10",
                                           "010",
                                           "abc",
                                           "",
                                           "\"1\"",
                                           "\" 7 \"",
                                           "1,2",
                                           "@Invalid()",
                                           "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)",
                                           "@ByteArray(12)",
                                           "\xef\xbc\x91",
                                           "\xd9\xa1",
                                           "\xff\xfe",
                                           "1\\n2",
                                           "\\x31"};

// Values where the game keeps a name.
const std::array<const char*, 16> kNames{"Ada",
                                         "\" Ada\"",
                                         " Ada",
                                         "",
                                         "\"\"",
                                         "Zo\xc3\xab",
                                         "\xe6\x97\xa5\xe6\x9c\xac",
                                         "a,b",
                                         "\\x41\\x42",
                                         "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\aQString)",
                                         "@ByteArray(\\xff)",
                                         "\xc3\x28",
                                         "\xed\xa0\x80",
                                         "semi;colon",
                                         "quote\"inside",
                                         "tab\\there"};

class Maker {
public:
    explicit Maker(unsigned seed) : engine_(seed) {}

    int below(int bound) { return int(engine_() % unsigned(bound)); }
    bool chance(int percent) { return below(100) < percent; }

    // Another spelling of a name: the same letters in other cases.
    QByteArray respelled(const QByteArray& name) {
        QByteArray out = name;
        for (char& ch : out) {
            if (chance(50))
                ch = char(std::isupper(static_cast<unsigned char>(ch)) ? std::tolower(ch)
                                                                       : std::toupper(ch));
        }
        return out;
    }

    QByteArray number() {
        if (chance(10))
            return QByteArray::number(qint64(engine_()) - qint64(1) * 0x7fffffff);
        return kNumbers[unsigned(below(int(kNumbers.size())))];
    }

    QByteArray name() {
        if (chance(3))
            return QByteArray(below(20000), 'n');
        return kNames[unsigned(below(int(kNames.size())))];
    }

    // A file laid out as the game writes it, with values from the lists above, some keys left
    // out, some given again in other cases, some sections split in two spellings.
    QByteArray structured(bool healthy) {
        struct Key {
            QByteArray section;
            QByteArray key;
            bool isName;
        };
        std::vector<Key> keys;
        for (const char* k : {"Gridvalue", "Numvalue", "Enable"})
            keys.push_back({"options", k, false});
        for (const char* k : {"NumColor", "BkColor", "BoxColor"})
            keys.push_back({"color", k, false});
        for (int s = 0; s < 3; ++s) {
            for (int i = 0; i < 10; ++i) {
                keys.push_back(
                    {"Scores" + QByteArray::number(s), "top" + QByteArray::number(i), false});
                keys.push_back(
                    {"Scores" + QByteArray::number(s), "Nam" + QByteArray::number(i), true});
            }
        }
        std::vector<std::pair<QByteArray, QByteArray>> lines; // section, "key=value"
        for (const Key& k : keys) {
            const auto value = [&] {
                if (healthy)
                    return k.isName ? QByteArray("\" Ada\"") : QByteArray::number(below(2));
                return k.isName ? name() : number();
            };
            if (healthy || !chance(15))
                lines.push_back({k.section, k.key + '=' + value()});
            if (!healthy && chance(8))
                lines.push_back({chance(70) ? k.section : respelled(k.section),
                                 respelled(k.key) + '=' + value()});
        }
        if (!healthy)
            std::shuffle(lines.begin(), lines.end(), engine_);
        QByteArray out;
        QByteArray current;
        for (const auto& [section, line] : lines) {
            if (section != current || (!healthy && chance(2))) {
                out += '[' + section + "]\n";
                current = section;
            }
            out += line + '\n';
        }
        return out;
    }

    QByteArray randomBytes() {
        QByteArray out(below(4096), Qt::Uninitialized);
        for (char& ch : out)
            ch = char(engine_());
        return out;
    }

    // Bit flips, stray bytes and lost stretches, as a bad disk or a torn write leaves them.
    QByteArray mutated(QByteArray bytes) {
        static constexpr char kStray[] = "\n\r[]=\"\\;,%@\0\xff\xc3\xa9\x80 ";
        static const QByteArray stray(kStray, sizeof kStray - 1);
        const int edits = 1 + below(12);
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const int at = below(int(bytes.size()));
            switch (below(4)) {
            case 0:
                bytes[at] = char(bytes[at] ^ (1 << below(8)));
                break;
            case 1:
                bytes.insert(at, stray[below(int(stray.size()))]);
                break;
            case 2:
                bytes.remove(at, 1 + below(40));
                break;
            default:
                bytes.insert(at, QByteArray(1 + below(30), stray[below(int(stray.size()))]));
                break;
            }
        }
        return bytes;
    }

private:
    std::mt19937 engine_;
};

} // namespace

DamagedSettings damagedSettings(unsigned seed) {
    Maker make(seed);
    switch (seed % 6) {
    case 0:
        return {QStringLiteral("random bytes"), make.randomBytes()};
    case 1: {
        const QByteArray whole = make.structured(true);
        return {QStringLiteral("truncated"), whole.left(make.below(int(whole.size())))};
    }
    case 2:
        return {QStringLiteral("odd values and spellings"), make.structured(false)};
    case 3:
        return {QStringLiteral("flipped, inserted and lost bytes"),
                make.mutated(make.structured(make.chance(50)))};
    case 4: {
        // Bytes that are not UTF-8 inside names and values.
        QByteArray bytes = make.structured(false);
        for (int i = 0; i < 8 && !bytes.isEmpty(); ++i)
            bytes.insert(make.below(int(bytes.size())), make.chance(50) ? "\xc0\xaf" : "\xfe");
        return {QStringLiteral("not UTF-8"), bytes};
    }
    default: {
        // A healthy file with one huge line somewhere.
        QByteArray bytes = make.structured(true);
        const QByteArray huge = make.chance(50) ? QByteArray(300000, '9') : make.randomBytes();
        bytes.insert(make.below(int(bytes.size())), "Enable=" + huge + '\n');
        return {QStringLiteral("huge value"), bytes};
    }
    }
}
