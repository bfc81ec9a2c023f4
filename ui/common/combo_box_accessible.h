#pragma once

class QAccessibleInterface;
class QComboBox;

namespace kolvenar {

// What screen readers learn of a list box: its accessible name says what it is for, and its
// value and text are the entry shown. Qt itself names a list box after its entry on Linux,
// where the name can then not say whose unit a list holds.
QAccessibleInterface* ComboBoxInterface(QComboBox* box);

}  // namespace kolvenar
