// Measures how well the card's print is read back from scans: random tubes'
// cards printed and scanned at 150, 200, 300 and 600 dpi with a scanner's
// mild blur, noise and JPEG, each text judged read exactly, left unread or
// read wrong, and the time a whole read takes.
// Not a test: `text_read_rates [cards per resolution] [seed]` prints tables.

#include "card.h"
#include "cardtext_layout.h"
#include "form_replay.h"
#include "printed_texts.h"
#include "scan_reader.h"
#include "synthetic_scan.h"
#include "tube.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTextStream>

#include <array>
#include <ctime>

namespace {

struct Tally
{
    int exact = 0, unread = 0, wrong = 0, absent = 0, phantom = 0;
};

// This thread's processor time: what the reading costs, however busy the
// machine is.
double processorMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int cards = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 20;
    const quint32 seed = argc > 2 ? QString::fromLatin1(argv[2]).toUInt() : 1;
    // "png": the program's 927 x 700 picture resampled instead of a print;
    // "harsh": a poor scan, blurred, noisy, turned and compressed hard.
    const QString mode = argc > 3 ? QString::fromLatin1(argv[3]) : QString();
    const double resolutions[] = {150, 200, 300, 600};
    QTextStream out(stdout);
    std::array<std::array<Tally, CardTextCount>, 4> tallies{};
    std::array<double, 4> slowest{}, total{}, holesTotal{};
    QRandomGenerator random(seed);
    for (int n = 0; n < cards; ++n) {
        const Card card = FormReplay::holding(randomFormTube(random)).card();
        for (int r = 0; r < 4; ++r) {
            ScanDistortion d = scannerLike(random, resolutions[r]);
            if (mode == QLatin1String("harsh")) {
                d.angle = -8 + 16 * random.generateDouble();
                d.noise = 0.06;
                d.blur = 1 + 0.5 * random.generateDouble();
                d.jpegQuality = 50;
            }
            const QImage scan = mode == QLatin1String("png")
                                    ? syntheticScanOf(createdCardPicture(card), card.holes, d)
                                    : printedCardScan(card, d);
            const double start = processorMilliseconds();
            const ScanReading reading = readCardPicture(scan);
            const double holesMs = processorMilliseconds() - start;
            const PrintedTexts texts = readPrintedTexts(scan, reading);
            const double ms = processorMilliseconds() - start;
            holesTotal[r] += holesMs;
            slowest[r] = std::max(slowest[r], ms);
            total[r] += ms;
            for (int t = 0; t < CardTextCount; ++t) {
                const CardTextValue &printed = card.texts[size_t(t)];
                const PrintedTextReading &got = texts.texts[size_t(t)];
                Tally &tally = tallies[size_t(r)][size_t(t)];
                const bool shown = printed.visible && !printed.content.isEmpty();
                if (!shown) {
                    ++(got.read ? tally.phantom : tally.absent);
                } else if (!got.read) {
                    ++tally.unread;
                } else if (got.text == printed.content) {
                    ++tally.exact;
                } else {
                    ++tally.wrong;
                    out << "WRONG " << cardTextKey(CardText(t)) << " at " << d.describe() << ": \""
                        << printed.content << "\" read \"" << got.text << "\"\n";
                }
                if (getenv("TEXT_RATES_VERBOSE") && shown && !got.read)
                    out << "unread " << cardTextKey(CardText(t)) << " card " << n << " "
                        << resolutions[r] << " dpi: \"" << printed.content << "\" conf "
                        << got.confidence << "\n";
            }
        }
        out.flush();
    }
    out << "Exact reads of printed texts (exact/printed; wrong reads in brackets), " << cards
        << " cards per resolution, seed " << seed << "\n";
    out << QStringLiteral("%1").arg(QStringLiteral("text"), -20);
    for (double dpi : resolutions)
        out << QStringLiteral("%1").arg(QStringLiteral("%1 dpi").arg(dpi), 16);
    out << "\n";
    for (int t = 0; t < CardTextCount; ++t) {
        out << QStringLiteral("%1").arg(QLatin1String(cardTextKey(CardText(t))), -20);
        for (int r = 0; r < 4; ++r) {
            const Tally &tally = tallies[size_t(r)][size_t(t)];
            const int printed = tally.exact + tally.unread + tally.wrong;
            out << QStringLiteral("%1").arg(
                QStringLiteral("%1/%2 (%3)%4")
                    .arg(tally.exact)
                    .arg(printed)
                    .arg(tally.wrong)
                    .arg(tally.phantom ? QStringLiteral("!%1").arg(tally.phantom) : QString()),
                16);
        }
        out << "\n";
    }
    out << QStringLiteral("%1").arg(QStringLiteral("read cpu ms mean/max"), -20);
    for (int r = 0; r < 4; ++r)
        out << QStringLiteral("%1").arg(
            QStringLiteral("%1/%2").arg(total[r] / cards, 0, 'f', 0).arg(slowest[r], 0, 'f', 0),
            16);
    out << "\n";
    out << QStringLiteral("%1").arg(QStringLiteral("of it holes ms"), -20);
    for (int r = 0; r < 4; ++r)
        out << QStringLiteral("%1").arg(holesTotal[r] / cards, 16, 'f', 0);
    out << "\n";
    return 0;
}
