#include "core/StringTable.h"

#include <QFile>
#include <QHash>
#include <QStringList>

#include <array>
#include <map>

namespace {

constexpr int kBlocks = 5;

// Parsed once, on first use, from the compiled-in table: a header line, then one line per id
// with the texts of the five blocks separated by TABs (an empty cell = the block lacks the id).
struct Table {
    std::map<int, std::array<QString, kBlocks>> entries;
    std::map<int, std::array<bool, kBlocks>> present;

    Table() {
        QFile file(":/strings.tsv");
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        for (qsizetype i = 1; i < lines.size(); ++i) {
            QString line = lines[i];
            if (line.endsWith('\r'))
                line.chop(1);
            const QStringList cells = line.split('\t');
            bool ok = false;
            const int id = cells.value(0).toInt(&ok);
            if (!ok)
                continue;
            for (int b = 0; b < kBlocks; ++b) {
                const QString cell = cells.value(b + 1);
                entries[id][b] = cell;
                present[id][b] = !cell.isEmpty();
            }
        }
    }
};

const Table& table() {
    static const Table t;
    return t;
}

} // namespace

QString TextIdioma(int id, int idioma) {
    const Table& t = table();
    const auto it = t.entries.find(id);
    if (it == t.entries.end())
        return {};
    if (idioma >= 0 && idioma < kBlocks && t.present.at(id)[idioma])
        return it->second[idioma];
    return it->second[0];
}

QString CodiIdioma(int idioma) {
    static const std::array<const char*, 6> codes = {"CAT", "CAS", "GAL", "EUS", "ANG", "FRA"};
    return (idioma >= 0 && idioma < 6) ? codes[idioma] : codes[0];
}

namespace StringTable {

bool has(int id, int idioma) {
    const Table& t = table();
    const auto it = t.present.find(id);
    return it != t.present.end() && idioma >= 0 && idioma < kBlocks && it->second[idioma];
}

QList<int> ids() {
    QList<int> out;
    for (const auto& [id, texts] : table().entries)
        if (!texts[0].isEmpty())
            out.append(id);
    return out;
}

} // namespace StringTable
