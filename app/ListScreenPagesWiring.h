#pragma once

// Hands the list screens the page stack, the number keypad popup and the
// log-on's permission check.
void installListScreenPages();
