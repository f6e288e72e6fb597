// Measures how the picture reader fares on simulated phone photos, family
// by family and strength by strength: read right, refused with every wrong
// position flagged, no card found, or wrong (a wrong position not flagged).
// Not a test: `scan_photo_rates [photos per row]` prints a table.

#include "card_outline.h"
#include "card_painting.h"
#include "form_replay.h"
#include "scan_reader.h"
#include "synthetic_scan.h"
#include "testsupport.h"
#include "tube_file.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <functional>

namespace {

enum class Outcome { Right, Flagged, NoCard, Wrong };

Outcome judge(const ScanReading &reading, const HoleList &expected)
{
    if (!reading.cardFound)
        return Outcome::NoCard;
    HoleList wrong = withoutHoles(expected, reading.holes);
    const HoleList extra = withoutHoles(reading.holes, expected);
    wrong.insert(wrong.end(), extra.begin(), extra.end());
    for (const Hole &hole : wrong) {
        if (std::find(reading.uncertain.begin(), reading.uncertain.end(), hole)
            == reading.uncertain.end())
            return Outcome::Wrong;
    }
    return reading.isDoubtful() ? Outcome::Flagged : Outcome::Right;
}

double keystone(const QPolygonF &c)
{
    auto length = [](QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); };
    const double top = length(c[0], c[1]), bottom = length(c[3], c[2]);
    const double left = length(c[0], c[3]), right = length(c[1], c[2]);
    return std::max(std::abs(top - bottom) / std::max(top, bottom),
                    std::abs(left - right) / std::max(left, right));
}

struct Row
{
    QString family;
    double strength;
    std::function<void(PhotoDistortion &, QRandomGenerator &)> apply;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // `scan_photo_rates --photo FILE TUBE.tds`: one simulated photo of the
    // tube's card as the program prints it, as the README shows it.
    if (argc > 3 && QByteArray(argv[1]) == "--photo") {
        const PhotoDistortion photo = showcasePhoto();
        const Card card = cardOf(TubeData::readTube(QString::fromLocal8Bit(argv[3])).tube);
        return syntheticPhotoOf(createdCardPicture(card), card.holes, photo)
                       .save(QString::fromLocal8Bit(argv[2]), nullptr, 80)
                   ? 0
                   : 1;
    }
    const int perRow = argc > 1 ? std::max(0, atoi(argv[1])) : 10;
    QTextStream out(stdout);
    std::vector<Row> rows;
    for (double t : {0.0, 5.0, 10.0, 15.0, 20.0, 25.0})
        rows.push_back({QStringLiteral("tilt"), t,
                        [t](PhotoDistortion &p, QRandomGenerator &) { p.tilt = t; }});
    for (double s : {0.005, 0.01, 0.015, 0.02})
        rows.push_back(
            {QStringLiteral("sag"), s, [s](PhotoDistortion &p, QRandomGenerator &) { p.sag = s; }});
    for (double k : {-0.08, -0.04, 0.02, 0.04, 0.06, 0.08})
        rows.push_back({QStringLiteral("barrel"), k,
                        [k](PhotoDistortion &p, QRandomGenerator &) { p.barrel = k; }});
    for (double s : {0.75, 0.5, 0.35, 0.25})
        rows.push_back({QStringLiteral("shadow"), s,
                        [s](PhotoDistortion &p, QRandomGenerator &) { p.shadow = s; }});
    for (double f : {0.8, 0.6, 0.4})
        rows.push_back({QStringLiteral("falloff"), f,
                        [f](PhotoDistortion &p, QRandomGenerator &) { p.falloff = f; }});
    for (double b : {1.0, 2.0, 3.0})
        rows.push_back({QStringLiteral("blur"), b,
                        [b](PhotoDistortion &p, QRandomGenerator &) { p.blur = b; }});
    for (double n : {0.05, 0.1, 0.2})
        rows.push_back({QStringLiteral("noise"), n,
                        [n](PhotoDistortion &p, QRandomGenerator &) { p.noise = n; }});
    for (int q : {60, 40, 25})
        rows.push_back({QStringLiteral("jpeg"), double(q),
                        [q](PhotoDistortion &p, QRandomGenerator &) { p.jpegQuality = q; }});
    for (double c : {0.9, 0.6, 0.3})
        rows.push_back({QStringLiteral("coverage"), c,
                        [c](PhotoDistortion &p, QRandomGenerator &) { p.coverage = c; }});
    for (double m : {0.5, 1.0})
        rows.push_back(
            {QStringLiteral("mixed"), m,
             [m](PhotoDistortion &p, QRandomGenerator &random) { p = randomPhoto(random, m); }});
    const double keystoneBins[] = {0, 0.005, 0.02, 0.05, 0.1, 1};
    int keystoneCounts[5][4] = {};
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("family"), -8)
               .arg(QStringLiteral("strength"), 9)
               .arg(QStringLiteral("right"), 6)
               .arg(QStringLiteral("flagged"), 8)
               .arg(QStringLiteral("nocard"), 7)
               .arg(QStringLiteral("WRONG"), 6);
    quint32 seed = 1000;
    if (qEnvironmentVariableIsSet("RATES_FIRST"))
        seed = quint32(qEnvironmentVariableIntValue("RATES_FIRST")) - 1;
    // RATES_ONLY="tilt 20" runs that row alone, from seed RATES_FIRST.
    const QString only = qEnvironmentVariable("RATES_ONLY");
    for (const Row &row : rows) {
        if (!only.isEmpty() && only != QStringLiteral("%1 %2").arg(row.family).arg(row.strength))
            continue;
        int counts[4] = {};
        for (int i = 0; i < perRow; ++i) {
            QRandomGenerator random(++seed);
            const HoleList holes = randomHoles(random);
            PhotoDistortion photo = ordinaryPhoto(random);
            row.apply(photo, random);
            // The same texts again for a saved copy of the photo.
            QRandomGenerator texts = random;
            const ScanReading reading = readCardPicture(syntheticPhoto(holes, photo, &random));
            const Outcome outcome = judge(reading, holes);
            ++counts[int(outcome)];
            const double k = keystone(photoCardCorners(photo));
            for (int b = 0; b < 5; ++b) {
                if (k >= keystoneBins[b] && k < keystoneBins[b + 1])
                    ++keystoneCounts[b][int(outcome)];
            }
            if (outcome == Outcome::Wrong || qEnvironmentVariableIsSet("RATES_VERBOSE")) {
                const HoleList missing = withoutHoles(holes, reading.holes);
                const HoleList extra = withoutHoles(reading.holes, holes);
                out << "  seed " << seed << " " << int(outcome) << ": " << photo.describe()
                    << "\n    uncertain " << TestSupport::holesText(reading.uncertain)
                    << "; missing " << TestSupport::holesText(missing) << "; extra "
                    << TestSupport::holesText(extra) << "\n";
                if (qEnvironmentVariableIsSet("RATES_SAVE"))
                    syntheticPhoto(holes, photo, &texts)
                        .save(QStringLiteral("/tmp/photo-%1.png").arg(seed));
            }
        }
        out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(row.family, -8)
                   .arg(row.strength, 9, 'g', 3)
                   .arg(counts[0], 6)
                   .arg(counts[1], 8)
                   .arg(counts[2], 7)
                   .arg(counts[3], 6);
        out.flush();
    }
    out << "keystone bins (all photos above): right flagged nocard WRONG\n";
    for (int b = 0; b < 5; ++b)
        out << QStringLiteral("  %1 - %2 %: %3 %4 %5 %6\n")
                   .arg(keystoneBins[b] * 100)
                   .arg(keystoneBins[b + 1] * 100)
                   .arg(keystoneCounts[b][0])
                   .arg(keystoneCounts[b][1])
                   .arg(keystoneCounts[b][2])
                   .arg(keystoneCounts[b][3]);
    // The time for a 12 MP photo, the picture already decoded.
    QRandomGenerator random(77);
    PhotoDistortion big = randomPhoto(random, 0.5);
    big.frame = QSize(4000, 3000);
    const QImage photo = syntheticPhoto(randomHoles(random), big, &random);
    // Processor time, not wall time: the machine may be busy.
    const std::clock_t start = std::clock();
    for (int i = 0; i < 5; ++i)
        (void)readCardPicture(photo);
    out << "12 MP photo: " << (std::clock() - start) * 1000.0 / CLOCKS_PER_SEC / 5
        << " ms processor time per read\n";
    return 0;
}
