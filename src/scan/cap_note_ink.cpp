#include "cap_note_ink.h"

#include "card_outline.h"
#include "cardtext_layout.h"
#include "position_sample.h"
#include "printable_texts.h"
#include "scan_reader.h"
#include "text_ink.h"

#include <QHash>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr CardText capNotes[]
    = {CardText::PlateCapNote, CardText::ScreenGridCapNote, CardText::ControlGridCapNote};

// The notes are painted twice as finely as card pixels, so that they can be
// laid a half pixel off where the map puts them.
constexpr int fineness = 2;
// Card pixels about a position's centre that are compared with a note; the
// disc a hole of it may cover, a little off its place; and how far the
// note's letters may lie off the map.
constexpr int windowReach = 16;
constexpr double holeReach = HoleGrid::MarkerSize / 2.0;
constexpr double fitFrom = holeReach + 2;
constexpr int shiftReach = 2;
// How blurred a picture may show the letters: the spread of the blur in
// card pixels, a coarse picture's own pixels included.
constexpr std::array<double, 6> blurs = {0.5, 0.8, 1.2, 1.7, 2.4, 3.4};

// An upright note reaches from its place up to the frame.
QRectF noteArea(CardText note)
{
    const CardTextLayout &layout = cardTextLayout(note);
    return QRectF(QPointF(layout.x, CardOutline::FrameTop),
                  QPointF(layout.x + textLineHeight(layout.pointSize), layout.y));
}

// The stretch of card a note is painted on: its area and room for every
// window that reaches it. The corner lies a quarter pixel off whole card
// pixels, so that the fine pixels' centres fall on the card's half and
// whole pixels, where the windows are sampled.
TextFrame paintedFrame(CardText note)
{
    const QRectF area = noteArea(note);
    const double pad = windowReach + shiftReach + 2;
    const double quarter = 0.5 / fineness;
    const QPointF corner(std::floor(area.left() - pad) + quarter,
                         std::floor(area.top() - pad) + quarter);
    TextFrame frame;
    frame.scale = fineness;
    frame.card = QRectF(corner, area.bottomRight() + QPointF(pad, pad));
    return frame;
}

// The middle of `ink`, `keep` fine pixels about its centre each way,
// blurred by `spread` card pixels; the rest of `ink` is room for the blur.
InkPatch blurredMiddle(const InkPatch &ink, double spread, int keep)
{
    const double sigma = spread * fineness;
    const int reach = int(std::ceil(3 * sigma));
    std::vector<float> kernel;
    float sum = 0;
    for (int k = -reach; k <= reach; ++k) {
        kernel.push_back(float(std::exp(-k * k / (2 * sigma * sigma))));
        sum += kernel.back();
    }
    for (float &w : kernel)
        w /= sum;
    const int centre = ink.width / 2, side = 2 * keep + 1;
    // Across on every line the second pass reads, then down.
    InkPatch across(side, ink.height);
    for (int y = 0; y < ink.height; ++y) {
        for (int x = 0; x < side; ++x) {
            const float *from = &ink.ink[size_t(y * ink.width + centre - keep + x - reach)];
            float value = 0;
            for (size_t k = 0; k < kernel.size(); ++k)
                value += kernel[k] * from[k];
            across.at(x, y) = value;
        }
    }
    InkPatch middle(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int top = centre - keep + y - reach;
            float value = 0;
            for (size_t k = 0; k < kernel.size(); ++k)
                value += kernel[k] * across.ink[size_t((top + int(k)) * side + x)];
            middle.at(x, y) = value;
        }
    }
    return middle;
}

// A note's text painted in its place; once a process.
const InkPatch &paintedNote(CardText note, const QString &text)
{
    static QHash<QString, std::shared_ptr<InkPatch>> painted;
    const QString key = QStringLiteral("%1|%2").arg(int(note)).arg(text);
    auto found = painted.constFind(key);
    if (found == painted.constEnd()) {
        const CardTextLayout &layout = cardTextLayout(note);
        found = painted.insert(key, std::make_shared<InkPatch>(paintedText(
                                        text, layout.pointSize, true, QPointF(layout.x, layout.y),
                                        paintedFrame(note))));
    }
    return **found;
}

// A note's ink about one position, blurred each way the picture may show
// it: only the stretch its window and the note's moves reach, as blurring
// the whole note would cost more than the rest of the reading.
struct NoteInk
{
    std::array<InkPatch, blurs.size()> blurred;
    int origin = 0; // fine pixel, across and down, of the position's centre
};

NoteInk noteInkAbout(CardText note, const QString &text, const QPointF &centre)
{
    const InkPatch &sharp = paintedNote(note, text);
    const TextFrame frame = paintedFrame(note);
    const int centreX = int(std::lround((centre.x() - frame.card.left()) * fineness - 0.5));
    const int centreY = int(std::lround((centre.y() - frame.card.top()) * fineness - 0.5));
    // The window and the note's moves, and the widest blur's reach beyond.
    const int keep = fineness * (windowReach + shiftReach) + 2;
    const int reach = keep + int(std::ceil(3 * blurs.back() * fineness));
    InkPatch stretch(2 * reach + 1, 2 * reach + 1);
    for (int y = 0; y < stretch.height; ++y) {
        for (int x = 0; x < stretch.width; ++x) {
            const int sx = centreX - reach + x, sy = centreY - reach + y;
            if (sx >= 0 && sy >= 0 && sx < sharp.width && sy < sharp.height)
                stretch.at(x, y) = sharp.at(sx, sy);
        }
    }
    NoteInk ink;
    ink.origin = keep;
    for (size_t blur = 0; blur < blurs.size(); ++blur)
        ink.blurred[blur] = blurredMiddle(stretch, blurs[blur], keep);
    return ink;
}

// The window about a position: its grey in the picture at every card pixel,
// offsets from the position's centre.
struct Window
{
    static constexpr int side = 2 * windowReach + 1;
    std::array<float, side * side> grey{};

    static int offset(int index) { return index - windowReach; }
    float at(int x, int y) const { return grey[size_t(y * side + x)]; }
};

// The face, as a plane across the window, and the ink's darkening of it,
// fitted to the window around the hole's disc: g = f0 + fx x + fy y - a k.
struct Fit
{
    std::array<double, 4> coefficients{}; // f0, fx, fy, a
    double squares = 1e300;               // the fit's summed squared residual
    int points = 0;
    int shiftX = 0, shiftY = 0; // fine pixels
    int blur = 0;

    double face(int x, int y) const
    {
        return coefficients[0] + coefficients[1] * x + coefficients[2] * y;
    }
    double ink() const { return coefficients[3]; }
};

// Least squares for up to four unknowns by elimination.
template<int N>
bool solve(std::array<std::array<double, N>, N> m, std::array<double, N> b,
           std::array<double, N> &solution)
{
    for (int col = 0; col < N; ++col) {
        int pivot = col;
        for (int row = col + 1; row < N; ++row) {
            if (std::abs(m[size_t(row)][size_t(col)]) > std::abs(m[size_t(pivot)][size_t(col)]))
                pivot = row;
        }
        if (std::abs(m[size_t(pivot)][size_t(col)]) < 1e-9)
            return false;
        std::swap(m[size_t(col)], m[size_t(pivot)]);
        std::swap(b[size_t(col)], b[size_t(pivot)]);
        for (int row = col + 1; row < N; ++row) {
            const double f = m[size_t(row)][size_t(col)] / m[size_t(col)][size_t(col)];
            for (int k = col; k < N; ++k)
                m[size_t(row)][size_t(k)] -= f * m[size_t(col)][size_t(k)];
            b[size_t(row)] -= f * b[size_t(col)];
        }
    }
    for (int row = N - 1; row >= 0; --row) {
        double value = b[size_t(row)];
        for (int k = row + 1; k < N; ++k)
            value -= m[size_t(row)][size_t(k)] * solution[size_t(k)];
        solution[size_t(row)] = value / m[size_t(row)][size_t(row)];
    }
    return true;
}

bool isFitPoint(int x, int y)
{
    return std::hypot(Window::offset(x), Window::offset(y)) > fitFrom;
}

// The fine pixel of a painted note under a window point.
struct NoteSampler
{
    const InkPatch *ink = nullptr;
    int originX = 0, originY = 0; // fine pixel of the window's offset (0, 0)

    float at(int x, int y, int shiftX, int shiftY) const
    {
        const int fx
            = std::clamp(originX + fineness * Window::offset(x) + shiftX, 0, ink->width - 1);
        const int fy
            = std::clamp(originY + fineness * Window::offset(y) + shiftY, 0, ink->height - 1);
        return ink->at(fx, fy);
    }
};

NoteSampler noteSampler(const NoteInk &ink, int blur)
{
    return NoteSampler{&ink.blurred[size_t(blur)], ink.origin, ink.origin};
}

template<int N>
Fit fitted(const Window &window, const NoteSampler *note, int shiftX, int shiftY)
{
    std::array<std::array<double, N>, N> m{};
    std::array<double, N> b{};
    double greys = 0;
    int points = 0;
    for (int y = 0; y < Window::side; ++y) {
        for (int x = 0; x < Window::side; ++x) {
            if (!isFitPoint(x, y))
                continue;
            std::array<double, 4> v = {1.0, double(Window::offset(x)), double(Window::offset(y)),
                                       note ? -double(note->at(x, y, shiftX, shiftY)) : 0.0};
            const double g = window.at(x, y);
            for (int i = 0; i < N; ++i) {
                for (int j = 0; j < N; ++j)
                    m[size_t(i)][size_t(j)] += v[size_t(i)] * v[size_t(j)];
                b[size_t(i)] += v[size_t(i)] * g;
            }
            greys += g * g;
            ++points;
        }
    }
    Fit fit;
    std::array<double, N> solution{};
    if (!solve<N>(m, b, solution))
        return fit;
    fit.squares = greys;
    for (int i = 0; i < N; ++i) {
        fit.coefficients[size_t(i)] = solution[size_t(i)];
        fit.squares -= solution[size_t(i)] * b[size_t(i)];
    }
    fit.points = points;
    fit.shiftX = shiftX;
    fit.shiftY = shiftY;
    return fit;
}

// The best fit of one text of a note: the blur at the map's place first,
// then the place, coarsely and finely, then the blur again.
Fit bestFit(const Window &window, const NoteInk &ink)
{
    Fit best;
    auto tryFit = [&](int blur, int shiftX, int shiftY) {
        const NoteSampler sampler = noteSampler(ink, blur);
        Fit fit = fitted<4>(window, &sampler, shiftX, shiftY);
        fit.blur = blur;
        if (fit.squares < best.squares)
            best = fit;
    };
    auto tryBlurs = [&] {
        const int x = best.shiftX, y = best.shiftY;
        for (int blur = 0; blur < int(blurs.size()); ++blur)
            tryFit(blur, x, y);
    };
    tryBlurs();
    const int coarse = fineness * shiftReach;
    for (int y = -coarse; y <= coarse; y += fineness) {
        for (int x = -coarse; x <= coarse; x += fineness)
            tryFit(best.blur, x, y);
    }
    const int aroundX = best.shiftX, aroundY = best.shiftY;
    for (int y = aroundY - 1; y <= aroundY + 1; ++y) {
        for (int x = aroundX - 1; x <= aroundX + 1; ++x)
            tryFit(best.blur, x, y);
    }
    tryBlurs();
    return best;
}

// The note whose area the window reaches; none when none or two do.
std::optional<CardText> noteNear(const QPointF &centre)
{
    const QRectF window(centre - QPointF(windowReach, windowReach),
                        centre + QPointF(windowReach, windowReach));
    std::optional<CardText> near;
    for (CardText note : capNotes) {
        if (!noteArea(note).intersects(window))
            continue;
        if (near)
            return std::nullopt;
        near = note;
    }
    return near;
}

// Where the fitted note leaves the card bare, a hole shows at its full
// stray and an open position shows the face. Of every patch of half a
// hole's size in the window (a hole, or the part of one a little off its
// place, fills one), the bare part's darkening beyond the note is taken;
// the darkest decides. Sure of an open position when it stays below three
// tenths of a hole's stray, never at half of it. The whole window, not
// only the disc, so that a hole the fit took in as ink shows too.
std::optional<double> openByWhatTheNoteLeaves(const Window &window, const Fit &fit,
                                              const NoteSampler &ink, float holeStray,
                                              bool holesLight, float noise)
{
    constexpr float bare = 0.15f; // the note's ink there, after the blur
    constexpr double patchRadius = 4;
    constexpr double clearShare = 0.3, doubtfulShare = 0.5;
    std::array<float, Window::side * Window::side> beyond{};
    std::array<bool, Window::side * Window::side> clear{};
    for (int y = 0; y < Window::side; ++y) {
        for (int x = 0; x < Window::side; ++x) {
            const int ox = Window::offset(x), oy = Window::offset(y);
            const float k = ink.at(x, y, fit.shiftX, fit.shiftY);
            const double face = std::max(fit.face(ox, oy), 1.0);
            const double expected = face - fit.ink() * k;
            const double darker = (expected - window.at(x, y)) / face;
            beyond[size_t(y * Window::side + x)] = float(holesLight ? -darker : darker);
            clear[size_t(y * Window::side + x)] = k < bare;
        }
    }
    std::optional<double> darkest;
    const int c = windowReach - int(patchRadius), r = int(patchRadius);
    for (int cy = -c; cy <= c; ++cy) {
        for (int cx = -c; cx <= c; ++cx) {
            double sum = 0;
            int points = 0, clearPoints = 0;
            for (int dy = -r; dy <= r; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    if (dx * dx + dy * dy > patchRadius * patchRadius)
                        continue;
                    ++points;
                    const size_t at
                        = size_t((cy + dy + windowReach) * Window::side + cx + dx + windowReach);
                    if (!clear[at])
                        continue;
                    sum += beyond[at];
                    ++clearPoints;
                }
            }
            if (clearPoints < 0.2 * points)
                continue;
            darkest = std::max(darkest.value_or(-1.0), sum / clearPoints);
        }
    }
    if (!darkest)
        return std::nullopt;
    const double below = doubtfulShare * holeStray - *darkest;
    const double byShare
        = below / ((doubtfulShare - clearShare) * holeStray) * ScanReading::certain;
    const double byNoise = below * fit.face(0, 0) / (3 * noise / ScanReading::certain);
    return std::clamp(std::min(byShare, byNoise), 0.0, 1.0);
}

} // namespace

std::optional<double> openBesideCapNote(const GrayImage &image, const CardMap &map,
                                        const Hole &hole, float holeStray, bool holesLight,
                                        float noise)
{
    const QPointF centre = holeCentre(hole);
    const std::optional<CardText> note = noteNear(centre);
    if (!note)
        return std::nullopt;
    Window window;
    for (int y = 0; y < Window::side; ++y) {
        for (int x = 0; x < Window::side; ++x)
            window.grey[size_t(y * Window::side + x)]
                = image.sample(map.map(centre + QPointF(Window::offset(x), Window::offset(y))));
    }
    // The window without any note: the face alone.
    const Fit bare = fitted<3>(window, nullptr, 0, 0);
    Fit best;
    std::optional<NoteInk> bestInk;
    for (const QString &text : PrintableTexts::wholeTexts(*note)) {
        NoteInk ink = noteInkAbout(*note, text, centre);
        const Fit fit = bestFit(window, ink);
        if (fit.squares < best.squares) {
            best = fit;
            bestInk = std::move(ink);
        }
    }
    if (!bestInk || best.points == 0)
        return std::nullopt;
    // The note must be there, plainly, explain most of what the window
    // shows beyond the face, down to the picture's noise and a little of
    // its ink, and be no darker than black ink on the face: a fit that
    // takes in a hole beside the disc darkens its ink beyond that. (A hole
    // taken in all the same shows where the note leaves the card bare.)
    const double faceGrey = std::max(best.face(0, 0), 1.0);
    const double rms = std::sqrt(std::max(0.0, best.squares) / best.points);
    if (best.ink() < 0.25 * holeStray * faceGrey || best.ink() > 1.3 * faceGrey
        || best.squares > 0.5 * bare.squares || rms > 3 * noise + 0.1 * best.ink())
        return std::nullopt;
    return openByWhatTheNoteLeaves(window, best, noteSampler(*bestInk, best.blur), holeStray,
                                   holesLight, noise);
}
