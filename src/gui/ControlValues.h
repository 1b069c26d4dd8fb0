#pragma once

#include <QComboBox>

class QCheckBox;
class QLineEdit;

// How the window's controls show and give their values, shared by the pages and the checks
// before a batch: the pages store what their controls show, the checks read the same.
namespace ControlValues {

// A check box counts as on only when it is fully checked; the mixed state is off.
bool isOn(const QCheckBox* box);

// The settings code that a combo box's selected item carries; code 0 when nothing is selected.
template <typename Code> Code selectedCode(const QComboBox* combo)
{
    return static_cast<Code>(combo->currentData().toInt());
}

template <typename Code> void selectCode(QComboBox* combo, Code code)
{
    combo->setCurrentIndex(combo->findData(int(code)));
}

// The number a text (a field's) begins with, read the way a text field reads its float value:
// leading blanks are skipped, the longest numeric prefix counts, and text that does not begin
// with a number (or no text at all) reads as 0. The decimal sign is the user's: "12,5" is 12.5
// in German; where that sign is a comma a '.' counts as one too (no one types group
// separators into a size), while in English and in C a comma ends the number as it always
// did. The stored settings hold the number itself, the same in every locale.
float floatValue(const QString& text);
float floatValue(const QLineEdit* field);

// Shows a number in the user's locale, without group separators (which would read back as a
// decimal sign where that is a comma or a point).
void setFloatValue(QLineEdit* field, float value);

} // namespace ControlValues
