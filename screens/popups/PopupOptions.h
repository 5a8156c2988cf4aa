#pragma once

class AUK_90003;
class QString;
class QWidget;

// The parts of the medium popups that offer a choice of options: the rows
// of radio buttons with their bold captions, ruled off by plain lines.
namespace PopupOptions {

// A radio row of the option column, 360 wide, at the height given.
AUK_90003 *optionItem(QWidget *parent, const char *name, int y, const QString &text);
// The rules line_1 to line_<count>, 50 pixels apart from y 124.
void addRules(QWidget *parent, int count);

} // namespace PopupOptions
