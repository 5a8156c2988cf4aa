#pragma once

// Hands the list screens the page stack, the number keypad popup, the
// log-on's permission check and the stored GUI configuration.
void installListScreenPages();
