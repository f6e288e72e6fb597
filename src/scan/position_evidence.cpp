#include "position_evidence.h"

Evidence gatherEvidence(const GrayImage &image, const CardPlacement &placement, const CardMap &map,
                        const std::vector<Hole> &positions)
{
    Evidence e;
    for (const Hole &hole : positions) {
        const PositionSample s = samplePosition(image, map, hole);
        const float darkFace = std::max(faceFor(s, false), 1.0f);
        const float lightFace = std::max(faceFor(s, true), 1.0f);
        e.samples.push_back(s);
        e.darker.push_back((darkFace - s.darkPart) / darkFace);
        e.lighter.push_back((s.lightPart - lightFace) / lightFace);
    }
    const float mostDarker = *std::max_element(e.darker.begin(), e.darker.end());
    const float mostLighter = *std::max_element(e.lighter.begin(), e.lighter.end());
    e.holesLight = mostLighter > mostDarker;
    // The stray of a clear hole: the middle of those that stray far. A
    // single position over a dark speck of the face may stray further.
    const float most = std::max(mostDarker, mostLighter);
    std::vector<float> far, farMiddles;
    for (size_t i = 0; i < positions.size(); ++i) {
        if (e.stray(i) >= 0.4f * most) {
            far.push_back(e.stray(i));
            farMiddles.push_back(e.gapStray(i));
        }
    }
    e.full = quantile(far, 0.5);
    e.fullMiddle = quantile(farMiddles, 0.5);
    // A card without holes: nothing strays more than a fraction of the ink.
    const float inkShare = placement.contrast / std::max(placement.face, 1.0f);
    e.anyHole = e.full >= 0.3f * inkShare;
    if (!e.anyHole)
        e.full = inkShare;
    return e;
}
