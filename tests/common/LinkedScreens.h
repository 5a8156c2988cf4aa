#pragma once

class FakeEthernetLink;

// What the status screens need of a running engine, made once per test
// executable: the build's English texts as the translator loads them, and
// the page headers fed by an engine whose panel link is up.
namespace LinkedScreens {

// True when English is loaded and set.
bool loadEnglish();
// True when the engine, watching 'link', reports the panel link up.
bool bringLinkUp(FakeEthernetLink &link);

} // namespace LinkedScreens
