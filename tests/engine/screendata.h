#pragma once

#include "activities/engine/engine.h"

// The word labels and answer boxes of the four activity screens as designed, for tests
// and benchmarks of the engine. Word label i belongs in answer box i.
namespace screendata {

inline engine::Layout boroughMap() {
    const float w = 1560, h = 375;
    return {{{840, 5880, w, h},
             {840, 4920, w, h},
             {840, 6360, w, h},
             {840, 5400, w, h},
             {840, 4440, w, h}},
            {{7530, 1800, w, h},
             {8640, 5520, w, h},
             {4200, 3960, w, h},
             {7590, 4200, w, h},
             {8640, 2640, w, h}},
            {}};
}
enum Borough { Rochdale, Stockport, Wigan, Manchester, Oldham };

inline engine::Layout industries() {
    const float w = 2235, h = 375;
    return {{{960, 2880, w, h}, {3240, 2400, w, h}, {3240, 2880, w, h}, {960, 2400, w, h}},
            {{8160, 6540, w, h}, {8160, 3180, w, h}, {840, 7230, w, h}, {4185, 7230, w, h}},
            {}};
}

inline engine::Layout sentenceCompletion() {
    const float w = 3795, h = 435;
    return {{{120, 7320, w, h},
             {7920, 7320, w, h},
             {4020, 6780, w, h},
             {4020, 7320, w, h},
             {7920, 6780, w, h},
             {120, 6780, w, h}},
            {{7440, 3690, w, h},
             {7440, 1530, w, h},
             {7440, 4410, w, h},
             {7440, 2970, w, h},
             {7440, 2250, w, h},
             {7440, 5130, w, h}},
            {}};
}
enum Ending { Trams, NorthWest, Irwell, MilesLong, Piccadilly, EastOfCity };

// Statements 0..4 are false and belong in the "False" column (boxes 0..4, Left 6120);
// 5..9 are true ("True" column, boxes 5..9, Left 120).
inline engine::Layout trueFalse() {
    const float w = 5685, h = 375;
    return {{{120, 6360, w, h},
             {120, 7320, w, h},
             {6120, 5400, w, h},
             {120, 5400, w, h},
             {6120, 5880, w, h},
             {6120, 7320, w, h},
             {120, 5880, w, h},
             {6120, 6840, w, h},
             {6120, 6360, w, h},
             {120, 6840, w, h}},
            {{6120, 3000, w, h},
             {6120, 2400, w, h},
             {6120, 1800, w, h},
             {6120, 3600, w, h},
             {6120, 4200, w, h},
             {120, 2400, w, h},
             {120, 3000, w, h},
             {120, 3600, w, h},
             {120, 1800, w, h},
             {120, 4200, w, h}},
            {}};
}

} // namespace screendata
