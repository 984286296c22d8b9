#pragma once

#include "activities/activityscreen.h"

// The four activity screens: one design each with its own data, distinct types so that
// each is loaded and unloaded on its own.

// Labelling: the boroughs of Greater Manchester on a map.
class manchester1lab : public ActivityScreen {
public:
    explicit manchester1lab(Program& program) : ActivityScreen(program, boroughMapData()) {}
};

// Labelling: four pictures of industries.
class manchester2lab : public ActivityScreen {
public:
    explicit manchester2lab(Program& program) : ActivityScreen(program, industryPicturesData()) {}
};

// Ordering: sentence endings beside their beginnings.
class manchester1ord : public ActivityScreen {
public:
    explicit manchester1ord(Program& program) : ActivityScreen(program, sentenceCompletionData()) {}
};

// Ordering: statements sorted into a true and a false column.
class manchester2ord : public ActivityScreen {
public:
    explicit manchester2ord(Program& program) : ActivityScreen(program, trueFalseData()) {}
};
