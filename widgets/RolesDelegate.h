#pragma once

// The common base of the item delegates that paint the rows and cards of
// the list views. So far it holds the one switch the rest of the engine
// sets: whether the name column of the lists is titled as a location (one
// brand words it so).
class RolesDelegate
{
public:
    static void setLocationTitles(bool locationTitles);
    static bool locationTitles();
};
