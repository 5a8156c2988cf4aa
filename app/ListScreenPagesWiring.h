#pragma once

// Hands the list screens the page stack and the number keypad popup.
void installListScreenPages();
