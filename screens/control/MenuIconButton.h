#pragma once

class AUK_90002;
class QWidget;

// A menu's icon button, a child of the page: its object name, its large
// icon (a file of the panel's icons) and its caption by text id.
AUK_90002 *addMenuIconButton(QWidget *page, const char *name, const char *icon, int textId);
